// SPDX-License-Identifier: GPL-3.0-or-later
// The documentation's pictures: the screenshot tool runs once and every
// picture must show its screen, whole and in the state it is meant to show.
#include <QtTest>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Share of the picture's pixels that have exactly this colour.
double share(const QImage &image, QRgb colour)
{
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return double(count) / (qint64(image.width()) * image.height());
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

const QRgb pink = qRgb(255, 192, 255);
const QRgb curtain = qRgb(255, 128, 255);
const QRgb white = qRgb(255, 255, 255);

} // namespace

class TestScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pictures_data();
    void pictures();
    void startScreenHasItsCurtainsOpen();
    void worksheetPartsDiffer();
    void printedPagesHaveTheirLines_data();
    void printedPagesHaveTheirLines();
    void refusesWhereItCannotWrite_data();
    void refusesWhereItCannotWrite();

private:
    QImage picture(const QString &name) const
    {
        return QImage(m_out.filePath(name + QStringLiteral(".png")));
    }

    QTemporaryDir m_out;
};

void TestScreenshots::initTestCase()
{
    QVERIFY(m_out.isValid());
    QProcess tool;
    tool.start(QStringLiteral(GLI_SCREENSHOTS), {m_out.path()});
    QVERIFY(tool.waitForFinished(120000));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             tool.readAllStandardError().constData());
}

// Large screens fill the fixed 1280x800 screen; modal ones keep their design
// size (twips at 96 dpi); the sheet is an A4 page at 60 dpi. The main colour
// tells which screen was caught.
void TestScreenshots::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<double>("minShare");
    const QSize large(1280, 800);
    QTest::newRow("start") << "inizio" << large << pink << 0.5;
    QTest::newRow("drill") << "esercizio-errato" << large << pink << 0.5;
    QTest::newRow("worksheet 1") << "scheda-parte-1" << large << white << 0.3;
    QTest::newRow("worksheet 2") << "scheda-parte-2" << large << white << 0.3;
    QTest::newRow("printer chooser")
        << "stampante" << QSize(6060 / 15, 5460 / 15) << qRgb(255, 255, 192) << 0.6;
    QTest::newRow("about") << "autore" << QSize(6975 / 15, 3510 / 15) << qRgb(192, 255, 255) << 0.6;
    QTest::newRow("printed sheet") << "scheda-stampata" << QSize(496, 702) << white << 0.8;
    // The class-set dialog takes the size its layout asks for.
    QTest::newRow("class set") << "schede-classe" << QSize() << pink << 0.4;
    QTest::newRow("solutions") << "soluzioni" << QSize(496, 702) << white << 0.8;
    QTest::newRow("settings") << "impostazioni" << QSize() << pink << 0.4;
}

void TestScreenshots::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QRgb, background);
    QFETCH(double, minShare);
    const QImage image = picture(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    if (size.isValid())
        QCOMPARE(image.size(), size);
    QVERIFY2(distinctColours(image) > 16, "the picture is blank");
    QVERIFY2(share(image, background) >= minShare,
             qPrintable(QString::number(share(image, background))));
}

// Closed curtains cover the whole client area in their colour.
void TestScreenshots::startScreenHasItsCurtainsOpen()
{
    const double covered = share(picture(QStringLiteral("inizio")), curtain);
    QVERIFY2(covered < 0.3, qPrintable(QString::number(covered)));
}

void TestScreenshots::worksheetPartsDiffer()
{
    const QImage first = picture(QStringLiteral("scheda-parte-1"));
    const QImage second = picture(QStringLiteral("scheda-parte-2"));
    QCOMPARE(first.size(), second.size());
    // Not only the toggle's caption: the part frames show other exercises.
    QVERIFY(first.copy(0, 100, 1020, 640) != second.copy(0, 100, 1020, 640));
}

void TestScreenshots::printedPagesHaveTheirLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    // Eight boxes of black lines around the pictures on white paper.
    QTest::newRow("sheet") << "scheda-stampata" << 8;
    // The table of 25 sheets: a rule above and below every row.
    QTest::newRow("solutions") << "soluzioni" << 27;
}

void TestScreenshots::printedPagesHaveTheirLines()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    const QImage page = picture(name);
    int darkRows = 0;
    for (int y = 0; y < page.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 96;
        // A box's edge or a rule darkens most of the row.
        darkRows += dark > page.width() / 2;
    }
    QVERIFY2(darkRows >= lines, qPrintable(QString::number(darkRows)));
}

void TestScreenshots::refusesWhereItCannotWrite_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::newRow("no folder") << QStringList() << 2;
    QTest::newRow("under a file") << QStringList{QStringLiteral("/dev/null/screens")} << 1;
}

void TestScreenshots::refusesWhereItCannotWrite()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QProcess tool;
    tool.start(QStringLiteral(GLI_SCREENSHOTS), args);
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), code);
}

QTEST_GUILESS_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
