// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing elements: labels keep their laid-out text between repaints and
// must still follow every change; rounded boxes repaint strips exactly; the
// design layout places each kind of element at every size; the program's
// icon gives every size a window system asks for.
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/ProgramIcon.h"
#include "shell/ProgramTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
// Rows of the image that hold any dark pixel.
int inkRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

QImage render(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelBreaksLinesAndFollowsChanges();
    void roundedBoxStripMatchesWholePaint();
    void shrinkingPanelShowsItsColourWherever();
    void designLayoutPlacesEachKind_data();
    void designLayoutPlacesEachKind();
    void qtOwnButtonsSpeakTheLanguage_data();
    void qtOwnButtonsSpeakTheLanguage();
    void programIconGivesEverySize_data();
    void programIconGivesEverySize();
};

void TestElements::labelBreaksLinesAndFollowsChanges()
{
    QWidget parent;
    parent.resize(400, 200);
    QLabel *label = ui::label(&parent, QStringLiteral("l"), QStringLiteral("Prima"),
                              ui::font(QStringLiteral("Arial"), 12, true), Qt::black, Qt::white);
    label->setGeometry(0, 0, 400, 200);
    const QImage one = render(label);
    const int oneLine = inkRows(one);
    QVERIFY(oneLine > 5);

    // A carriage return and line feed start a second line, as in the printer
    // chooser's labels.
    label->setText(QStringLiteral("Prima\r\nSeconda"));
    const QImage two = render(label);
    QVERIFY2(inkRows(two) > oneLine * 3 / 2, qPrintable(QString::number(inkRows(two))));

    // Every change shows: text, colour, width (wrapping), emptiness.
    label->setText(QStringLiteral("Prima"));
    QCOMPARE(render(label), one);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(p);
    QVERIFY(render(label) != one);
    label->setText(QStringLiteral("una frase lunga che va a capo"));
    const int wide = inkRows(render(label));
    label->resize(60, 200);
    QVERIFY(inkRows(render(label)) > wide);
    label->clear();
    QCOMPARE(inkRows(render(label)), 0);
}

void TestElements::roundedBoxStripMatchesWholePaint()
{
    QWidget parent;
    RoundedBox box(&parent, QStringLiteral("b"), QColor(255, 192, 255), Qt::black, 2);
    box.setGeometry(0, 0, 600, 80);
    const QImage whole = render(&box);
    // A narrow strip in the middle, repainted on its own, is pixel for pixel
    // what the whole paint gave there.
    QImage strips(whole.size(), QImage::Format_RGB32);
    strips.fill(Qt::green);
    for (int x = 0; x < 600; x += 5)
        box.render(&strips, QPoint(x, 0), QRegion(x, 0, 5, 80));
    // Strips near the corners come from a kept drawing: antialiased edges
    // may round one step apart, never more.
    int worst = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = whole.pixel(x, y), b = strips.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                              qAbs(qBlue(a) - qBlue(b))});
        }
    }
    QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
}

void TestElements::shrinkingPanelShowsItsColourWherever()
{
    QWidget window;
    ui::fill(&window, Qt::white);
    window.resize(300, 100);
    auto *panel = new ShrinkingPanel(&window, QStringLiteral("p"), QColor(255, 128, 255));
    panel->setGeometry(100, 0, 200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QColor curtain(255, 128, 255);
    for (int left = 105; left <= 295; left += 5) {
        panel->shrinkTo(QRect(left, 0, 300 - left, 100));
        // A render of the window at any moment shows the panel in full.
        const QImage shot = render(&window);
        QCOMPARE(shot.pixelColor(left + 1, 50), curtain);
        QCOMPARE(shot.pixelColor(299, 99), curtain);
        QCOMPARE(shot.pixelColor(left - 1, 50), QColor(Qt::white));
        // And so does the window itself, painted only where it changed.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        QCOMPARE(screen.pixelColor(left + 1, 50), curtain);
        QCOMPARE(screen.pixelColor(299, 0), curtain);
        QCOMPARE(screen.pixelColor(left - 3, 50), QColor(Qt::white));
    }
    // Growing again is a full paint.
    panel->setGeometry(0, 0, 300, 100);
    QCOMPARE(render(&window).pixelColor(10, 10), curtain);
}

void TestElements::designLayoutPlacesEachKind_data()
{
    QTest::addColumn<QSize>("area");
    QTest::newRow("design size") << QSize(300, 200);
    QTest::newRow("larger") << QSize(600, 500);
    QTest::newRow("smaller") << QSize(150, 100);
}

void TestElements::designLayoutPlacesEachKind()
{
    QFETCH(QSize, area);
    // 4500 x 3000 twips are 300 x 200 pixels at 96 dpi.
    QWidget client;
    client.resize(300, 200);
    auto *layout = new DesignLayout(&client, QSize(4500, 3000), TwipsScale(96.0));
    auto *frame = new QWidget(&client);
    auto *inner = new QWidget(frame);
    auto *dock = new QWidget(&client);
    auto *fixed = new QWidget(&client);
    auto *picture = new PictureBox(&client, QStringLiteral("p"));
    QPixmap pixels(40, 20);
    pixels.fill(Qt::red);
    picture->setPicture(pixels);
    layout->addBox(frame, {450, 300, 2250, 1500});
    // Inside a frame, still in fractions of the whole client area.
    layout->addBox(inner, {150, 150, 1500, 750});
    layout->addDocked(dock, {4200, 0, 300, 3000}, DesignLayout::Dock::Right);
    layout->addFixed(fixed, {150, 150, 750, 300});
    layout->addPicture(picture, {3000, 1500, 1500, 1500});
    client.resize(area);
    layout->setGeometry(client.rect());

    const double kx = area.width() / 300.0, ky = area.height() / 200.0;
    const auto scaled = [&](int x, int y, int w, int h) {
        return QRect(qRound(x * kx), qRound(y * ky), qRound(w * kx), qRound(h * ky));
    };
    QCOMPARE(frame->parentWidget(), &client);
    QCOMPARE(inner->parentWidget(), frame);
    QCOMPARE(frame->geometry(), scaled(30, 20, 150, 100));
    QCOMPARE(inner->geometry(), scaled(10, 10, 100, 50));
    QCOMPARE(dock->geometry(),
             QRect(area.width() - qRound(20 * kx), 0, qRound(20 * kx), area.height()));
    QCOMPARE(fixed->geometry(), QRect(10, 10, 50, 20));
    // A picture shows whole from its place's corner, shrunk only below the
    // design size.
    QCOMPARE(picture->pos(), scaled(200, 100, 0, 0).topLeft());
    QCOMPARE(picture->pictureScale(), std::min({1.0, kx, ky}));

    // Asked again for the same area, nothing is put back: what the screen
    // moves itself between resizes (the curtains) stays where it is.
    dock->setGeometry(0, 0, 1, 1);
    layout->setGeometry(client.rect());
    QCOMPARE(dock->geometry(), QRect(0, 0, 1, 1));
}

// Qt's own dialogs (the file dialog, the overwrite question) speak the
// program's language whatever the system's; the texts leave with their owner.
void TestElements::qtOwnButtonsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("saveCancelYes");
    QTest::newRow("it") << "it" << QStringList{"Salva", "Annulla", "Sì"};
    QTest::newRow("de") << "de" << QStringList{"Speichern", "Abbrechen", "Ja"};
    QTest::newRow("en") << "en" << QStringList{"Save", "Cancel", "Yes"};
}

void TestElements::qtOwnButtonsSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, saveCancelYes);
    const auto texts = [] {
        QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel
                                 | QDialogButtonBox::Yes);
        QStringList shown;
        for (auto which : {QDialogButtonBox::Save, QDialogButtonBox::Cancel, QDialogButtonBox::Yes})
            shown << buttons.button(which)->text().remove(QLatin1Char('&'));
        return shown;
    };
    const QStringList before = texts();
    {
        QObject owner;
        QVERIFY(program::installTexts(language, &owner));
        QCOMPARE(texts(), saveCancelYes);
    }
    QCOMPARE(texts(), before);
}

void TestElements::programIconGivesEverySize_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("given");
    QTest::newRow("rendered 16") << QSize(16, 16) << QSize(16, 16);
    QTest::newRow("rendered 64") << QSize(64, 64) << QSize(64, 64);
    QTest::newRow("between, from the next larger") << QSize(20, 20) << QSize(20, 20);
    QTest::newRow("not square") << QSize(48, 24) << QSize(24, 24);
    QTest::newRow("larger than any") << QSize(256, 256) << QSize(64, 64);
}

void TestElements::programIconGivesEverySize()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, given);
    const QIcon icon = programIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    QCOMPARE(icon.actualSize(asked), given);
    const QImage image = icon.pixmap(asked).toImage();
    QCOMPARE(image.size(), given);
    // The picture itself, not an empty square: its middle is drawn.
    QCOMPARE(qAlpha(image.pixel(given.width() / 2, given.height() / 2)), 255);
    QVERIFY(image.pixelColor(0, 0) != image.pixelColor(given.width() / 2, given.height() / 2));
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
