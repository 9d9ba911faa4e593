// SPDX-License-Identifier: GPL-3.0-or-later
// The printer chooser's rules, the printable area of an A4 sheet, the
// address of a print queue and the reason of a failed print, without a
// window or a print system.
#include "printing/PageArea.h"
#include "printing/PrintFailure.h"
#include "printing/PrinterChoice.h"
#include "printing/QueueAddress.h"

#include <QUrl>

#include <QTest>

Q_DECLARE_METATYPE(MediaSize)
Q_DECLARE_METATYPE(PrintFacts)
Q_DECLARE_METATYPE(PrintFailure)

namespace {
// IPP's status codes and printer states, as the print system sends them.
constexpr int ok = 0x0000;
constexpr int forbidden = 0x0401;
constexpr int notFound = 0x0406;
constexpr int serviceUnavailable = 0x0502;
constexpr int notAcceptingJobs = 0x0506;
constexpr int deactivated = 0x050A;
constexpr int authenticationCanceled = 0x1000; // CUPS's own
constexpr int idle = 3;
constexpr int stopped = 5;
constexpr int unknown = PrintFacts::stateUnknown;
} // namespace

class PrintingRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheFirstSelectionAfterLoadingIsIgnored()
    {
        PrinterChoice choice;
        QVERIFY(!choice.takeSelection());
        QVERIFY(choice.takeSelection());
        QVERIFY(choice.takeSelection());
        // Loading again ignores the next automatic selection again.
        choice.reset();
        QVERIFY(!choice.isArmed());
        QVERIFY(!choice.takeSelection());
        QVERIFY(choice.isArmed());
        QVERIFY(choice.takeSelection());
    }

    void matchIsExact_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected"); // null: no match

        const QStringList aule{QStringLiteral("aula"), QStringLiteral("Aula"),
                               QStringLiteral("Aula 2")};
        QTest::newRow("same case") << QStringLiteral("Aula") << aule << QStringLiteral("Aula");
        QTest::newRow("lower case is another printer")
            << QStringLiteral("aula") << aule << QStringLiteral("aula");
        QTest::newRow("case differs from all") << QStringLiteral("AULA") << aule << QString();
        QTest::newRow("prefix is not enough") << QStringLiteral("Aula 2 ") << aule << QString();
        QTest::newRow("gone from the system") << QStringLiteral("Vecchia") << aule << QString();
        QTest::newRow("nothing installed") << QStringLiteral("Aula") << QStringList() << QString();
        QTest::newRow("markup is a name like any other")
            << QStringLiteral("<b>Aula</b>")
            << QStringList{QStringLiteral("Aula"), QStringLiteral("<b>Aula</b>")}
            << QStringLiteral("<b>Aula</b>");
    }

    void matchIsExact()
    {
        QFETCH(QString, entry);
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        const std::optional<QString> found = PrinterChoice::match(entry, installed);
        QCOMPARE(found.has_value(), !expected.isNull());
        if (found)
            QCOMPARE(*found, expected);
    }

    void printableArea_data()
    {
        QTest::addColumn<MediaSize>("media");
        QTest::addColumn<QRectF>("expected"); // null: the fallback

        const double mm = 72.0 / 25.4;
        QTest::newRow("A4 without margins")
            << MediaSize{21000, 29700, 0, 0, 0, 0} << QRectF(0, 0, 210 * mm, 297 * mm);
        QTest::newRow("A4 with the usual margins")
            << MediaSize{21000, 29700, 423, 500, 423, 1000}
            << QRectF(4.23 * mm, 5 * mm, (210 - 8.46) * mm, (297 - 15) * mm);
        QTest::newRow("A4 rounded by the driver")
            << MediaSize{20990, 29704, 0, 0, 0, 0} << QRectF(0, 0, 209.9 * mm, 297.04 * mm);
        QTest::newRow("US letter") << MediaSize{21590, 27940, 635, 635, 635, 635} << QRectF();
        QTest::newRow("A4 landscape") << MediaSize{29700, 21000, 0, 0, 0, 0} << QRectF();
        QTest::newRow("negative margin") << MediaSize{21000, 29700, -100, 0, 0, 0} << QRectF();
        QTest::newRow("margins eat the page")
            << MediaSize{21000, 29700, 6000, 0, 6000, 0} << QRectF();
        QTest::newRow("nothing known") << MediaSize{} << QRectF();
    }

    void printableArea()
    {
        QFETCH(MediaSize, media);
        QFETCH(QRectF, expected);
        const QRectF area = PageArea::fromMedia(media);
        const QRectF want = expected.isNull() ? PageArea::fallback() : expected;
        QVERIFY2(qAbs(area.left() - want.left()) < 0.01 && qAbs(area.top() - want.top()) < 0.01
                     && qAbs(area.width() - want.width()) < 0.01
                     && qAbs(area.height() - want.height()) < 0.01,
                 qPrintable(QStringLiteral("got %1,%2 %3x%4")
                                .arg(area.left())
                                .arg(area.top())
                                .arg(area.width())
                                .arg(area.height())));
    }

    void fallbackHoldsTheWholeSheet()
    {
        // The sheet reaches 11000 x 15600 twips from the area's corner; the
        // fallback must hold it and stay on an A4 page.
        const QRectF area = PageArea::fallback();
        QVERIFY(area.width() * 20 >= 11000);
        QVERIFY(area.height() * 20 >= 15600);
        QVERIFY(area.left() > 0 && area.top() > 0);
        QVERIFY(area.right() < 210 * 72 / 25.4);
        QVERIFY(area.bottom() < 297 * 72 / 25.4);
    }

    void failureReason_data()
    {
        QTest::addColumn<PrintFacts>("facts");
        QTest::addColumn<PrintFailure>("expected");
        using F = PrintFailure;

        QTest::newRow("no connection") << PrintFacts{false, 0, unknown} << F::ServerNotAnswering;
        QTest::newRow("silent, an earlier status left over")
            << PrintFacts{false, notFound, idle} << F::ServerNotAnswering;
        QTest::newRow("service unavailable")
            << PrintFacts{true, serviceUnavailable, idle} << F::ServerNotAnswering;
        QTest::newRow("no such queue") << PrintFacts{true, notFound, unknown} << F::QueueGone;
        QTest::newRow("stopped and rejecting")
            << PrintFacts{true, notAcceptingJobs, stopped} << F::QueueStopped;
        QTest::newRow("deactivated") << PrintFacts{true, deactivated, idle} << F::QueueStopped;
        QTest::newRow("rejecting while it runs")
            << PrintFacts{true, notAcceptingJobs, idle} << F::JobRefused;
        QTest::newRow("forbidden") << PrintFacts{true, forbidden, stopped} << F::JobRefused;
        QTest::newRow("authentication canceled")
            << PrintFacts{true, authenticationCanceled, idle} << F::JobRefused;
        // A stopped queue that accepts holds the job: no reason of its own.
        QTest::newRow("answered ok, no job in the answer")
            << PrintFacts{true, ok, stopped} << F::Other;
    }

    // Every reason but Other gets a text of its own for the message's details.
    void failureReason()
    {
        QFETCH(PrintFacts, facts);
        QFETCH(PrintFailure, expected);
        QCOMPARE(classifyPrintFailure(facts), expected);
        QCOMPARE(printFailureText(expected).isEmpty(), expected == PrintFailure::Other);
    }

    // A queue's name is one path segment of the address, whatever it holds.
    void queueAddress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("uri"); // empty: no address

        QTest::newRow("plain") << QStringLiteral("gli-test_pdf.2~")
                               << QByteArray("ipp://localhost/printers/gli-test_pdf.2~");
        QTest::newRow("percent sign")
            << QStringLiteral("gli%41") << QByteArray("ipp://localhost/printers/gli%2541");
        QTest::newRow("plus and ampersand")
            << QStringLiteral("a+b&c") << QByteArray("ipp://localhost/printers/a%2Bb%26c");
        QTest::newRow("letter beyond ASCII")
            << QStringLiteral("stampante-\u00e8")
            << QByteArray("ipp://localhost/printers/stampante-%C3%A8");
        QTest::newRow("spaces") << QStringLiteral("Aula 2 bis")
                                << QByteArray("ipp://localhost/printers/Aula%202%20bis");
        QTest::newRow("the longest that fits")
            << QString(998, QLatin1Char('x'))
            << QByteArray("ipp://localhost/printers/") + QByteArray(998, 'x');
        QTest::newRow("one more, too long") << QString(999, QLatin1Char('x')) << QByteArray();
        QTest::newRow("10 000 characters") << QString(10000, QLatin1Char('x')) << QByteArray();
        QTest::newRow("encoding makes it too long")
            << QString(340, QLatin1Char('%')) << QByteArray();
        QTest::newRow("slash") << QStringLiteral("Aula/2") << QByteArray();
        QTest::newRow("question mark") << QStringLiteral("Aula?2") << QByteArray();
        QTest::newRow("hash") << QStringLiteral("Aula#2") << QByteArray();
        QTest::newRow("tab") << QStringLiteral("Aula\t2") << QByteArray();
        QTest::newRow("line break") << QStringLiteral("Aula\r\n2") << QByteArray();
        QTest::newRow("delete") << QStringLiteral("Aula\u007f2") << QByteArray();
        QTest::newRow("dot") << QStringLiteral(".") << QByteArray();
        QTest::newRow("dot dot") << QStringLiteral("..") << QByteArray();
        QTest::newRow("dots in a name")
            << QStringLiteral("...") << QByteArray("ipp://localhost/printers/...");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << QByteArray();
    }

    void queueAddress()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, uri);
        const std::optional<QueueAddress> address = QueueAddress::forQueue(name);
        QCOMPARE(address.has_value(), !uri.isEmpty());
        if (!address)
            return;
        QCOMPARE(address->uri, uri);
        QVERIFY(address->uri.size() <= QueueAddress::maxUriLength);
        // The path goes to the print system's library as the name itself.
        QCOMPARE(address->resource, QByteArray("/printers/") + name.toUtf8());
        // Read back, the URI names exactly this queue.
        const QUrl url(QString::fromLatin1(address->uri), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.path(QUrl::FullyDecoded), QStringLiteral("/printers/") + name);
        QCOMPARE(url.host(), QStringLiteral("localhost"));
        QVERIFY(!url.hasQuery() && !url.hasFragment());
    }
};

QTEST_APPLESS_MAIN(PrintingRulesTest)
#include "tst_printingrules.moc"
