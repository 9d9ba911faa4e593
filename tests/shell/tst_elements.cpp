// The drawing elements: labels keep their laid-out text between repaints and
// must still follow every change; rounded boxes repaint strips exactly.
#include "shell/Elements.h"

#include <QLabel>
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
};

void TestElements::labelBreaksLinesAndFollowsChanges()
{
    QWidget parent;
    parent.resize(400, 200);
    QLabel *label = ui::label(&parent, QStringLiteral("l"), QStringLiteral("Prima"),
                              ui::font(QStringLiteral("Arial"), 12, true), Qt::black,
                              Qt::white);
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
    QCOMPARE(strips, whole);
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
