// SPDX-License-Identifier: GPL-3.0-or-later
// The print service and the printer chooser against a real CUPS scheduler:
// the private one of scripts/print-system.sh, whose queues write each job's
// document into a folder of their own, so a test reads back exactly what
// the program sent and sees that nothing went anywhere else.
#include "ChooserDriver.h"
#include "PrintTestSystem.h"
#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "printing/PrinterChoice.h"
#include "printing/PrinterChooser.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPushButton>
#include <QPdfWriter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

using namespace chooserdriver;
using printtest::defaultQueue;
using printtest::otherQueue;

namespace {

PrintService &service()
{
    return program->printService();
}

QByteArray onePagePdf(const QString &words)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(72);
        QPainter painter(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(24);
        painter.setFont(font);
        painter.drawText(QPointF(72, 144), words);
        painter.drawRect(QRectF(72, 200, 300, 200));
    }
    return buffer.data();
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int queueCommand(const char *command, const QString &queue)
{
    return printtest::run(QString::fromLatin1(command), {queue});
}

} // namespace

class PrintSystemTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString why = printtest::unavailable();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        printtest::isolate();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        // Every function starts from the same print system: both queues up,
        // no printer chosen, the system's printers in the chooser.
        for (const QString &queue : {defaultQueue, otherQueue}) {
            QCOMPARE(queueCommand("cupsenable", queue), 0);
            QCOMPARE(queueCommand("cupsaccept", queue), 0);
        }
        QVERIFY(printtest::waitForEveryJobToEnd());
        makeProgram();
    }

    void cleanup()
    {
        if (program)
            endProgram();
    }

    void currentPrinterIsTheDefaultUntilChosen()
    {
        QCOMPARE(service().currentPrinter(), defaultQueue);
        QVERIFY(service().checkCurrentPrinter().ok);
        service().setCurrentPrinter(otherQueue);
        QCOMPARE(service().currentPrinter(), otherQueue);
    }

    void currentPrinterWaitsForASystemDefault()
    {
        const auto restore = qScopeGuard([] { cupsSetServer(nullptr); });
        // Nothing is known yet: the current printer stays unnamed and is
        // asked for again later rather than fixed to nothing.
        cupsSetServer(m_dir.filePath(QStringLiteral("none.sock")).toLocal8Bit().constData());
        QCOMPARE(service().currentPrinter(), QString());
        const PrintService::Result r = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                           QStringLiteral("Scheda"));
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());

        // Once the print system names a default, it is the current printer.
        cupsSetServer(nullptr);
        QCOMPARE(service().currentPrinter(), defaultQueue);
    }

    void printersInTheSystemOrder()
    {
        QString out;
        QCOMPARE(printtest::run(QStringLiteral("lpstat"), {QStringLiteral("-a")}, &out), 0);
        QStringList expected;
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            expected.append(line.section(QLatin1Char(' '), 0, 0));
        const QStringList printers = service().printers();
        QCOMPARE(printers, expected);
        QVERIFY(printers.indexOf(otherQueue) >= 0);
        QVERIFY(printers.indexOf(otherQueue) < printers.indexOf(defaultQueue));
    }

    void defaultPrinter_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("lpdest");
        QTest::addColumn<QString>("lpoptions"); // the user's own file
        QTest::addColumn<QString>("expected");

        QTest::newRow("the server's") << QString() << QString() << QString() << defaultQueue;
        QTest::newRow("PRINTER") << otherQueue << QString() << QString() << otherQueue;
        QTest::newRow("LPDEST over PRINTER")
            << defaultQueue << otherQueue << QString() << otherQueue;
        QTest::newRow("PRINTER=lp means none")
            << QStringLiteral("lp") << QString() << QString() << defaultQueue;
        QTest::newRow("lpoptions")
            << QString() << QString() << QStringLiteral("Default ") + otherQueue << otherQueue;
        QTest::newRow("PRINTER over lpoptions")
            << defaultQueue << QString() << QStringLiteral("Default ") + otherQueue << defaultQueue;
        // Named but missing: no printer, rather than some other one.
        QTest::newRow("missing") << QStringLiteral("gli-test-nowhere") << QString() << QString()
                                 << QString();
    }

    void defaultPrinter()
    {
        QFETCH(QString, printer);
        QFETCH(QString, lpdest);
        QFETCH(QString, lpoptions);
        QFETCH(QString, expected);
        const QDir home(qEnvironmentVariable("HOME"));
        const auto restore = qScopeGuard([home] {
            qunsetenv("PRINTER");
            qunsetenv("LPDEST");
            QFile::remove(home.filePath(QStringLiteral(".cups/lpoptions")));
        });
        if (!printer.isEmpty())
            qputenv("PRINTER", printer.toUtf8());
        if (!lpdest.isEmpty())
            qputenv("LPDEST", lpdest.toUtf8());
        if (!lpoptions.isEmpty()) {
            QVERIFY(home.mkpath(QStringLiteral(".cups")));
            QFile file(home.filePath(QStringLiteral(".cups/lpoptions")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lpoptions.toUtf8() + '\n');
        }
        QCOMPARE(service().defaultPrinter(), expected);
    }

    // The teacher picks a printer in the chooser, even the one the list
    // already shows, and the next sheet arrives there, exactly as sent, and
    // nowhere else. Names that must be encoded in a request are names like
    // any other.
    void thePickedPrinterPrintsTheNextSheet_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("added"); // a queue of its own for this row

        QTest::newRow("the first, shown, the default second") << otherQueue << false;
        QTest::newRow("the default") << defaultQueue << false;
        QTest::newRow("percent sign") << QStringLiteral("gli%41") << true;
        QTest::newRow("plus") << QStringLiteral("gli+test") << true;
        QTest::newRow("ampersand") << QStringLiteral("gli&test") << true;
        QTest::newRow("letter beyond ASCII") << QStringLiteral("gli-t\u00e8st") << true;
    }

    void chooserListsAQueueAddedSinceItsLastOpening_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("closed by C H I U D I") << true;
        QTest::newRow("closed by the title bar") << false;
    }

    // A printer installed while the program runs is in the chooser at its
    // next opening, whichever way it was closed.
    void chooserListsAQueueAddedSinceItsLastOpening()
    {
        QFETCH(bool, byButton);
        const QString added = QStringLiteral("gli-test-nuova");
        const auto remove = qScopeGuard([&] { printtest::removeQueue(added); });
        program->openPrinterChooser();
        QVERIFY(entries().contains(defaultQueue));
        QVERIFY(!entries().contains(added));
        if (byButton)
            QTest::mouseClick(chooser().findChild<QPushButton *>(QStringLiteral("Command2")),
                              Qt::LeftButton);
        else
            chooser().close();
        QVERIFY(!program->printerChooser());

        QVERIFY(printtest::addQueue(added));
        program->openPrinterChooser();
        QVERIFY(entries().contains(added));
        QCOMPARE(entries(), service().printers());
    }

    void thePickedPrinterPrintsTheNextSheet()
    {
        QFETCH(QString, queue);
        QFETCH(bool, added);
        const auto remove = qScopeGuard([&] {
            if (added)
                printtest::removeQueue(queue);
        });
        if (added)
            QVERIFY(printtest::addQueue(queue));

        program->openPrinterChooser();
        QCOMPARE(entries(), service().printers());
        // The list opens on its first entry; the system's default is not it.
        QCOMPARE(combo()->currentIndex(), 0);
        QVERIFY(entries().indexOf(defaultQueue) > 0);
        QCOMPARE(service().currentPrinter(), defaultQueue);
        QCOMPARE(labelText("Label1"), PrinterChoice::defaultText(defaultQueue));

        QVERIFY(pick(queue));
        QCOMPARE(service().currentPrinter(), queue);
        QCOMPARE(labelText("Label2"), PrinterChoice::chosenText(queue));
        chooser().hide();

        const QStringList before = printtest::printedFiles();
        const QByteArray pdf = onePagePdf(QStringLiteral("Scheda per ") + queue);
        const PrintService::Result result = service().submitPdf(pdf, QStringLiteral("Scheda"));
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(printtest::waitForJobEnd(result.jobId), int(IPP_JSTATE_COMPLETED));
        const QString printed = printtest::printed(queue, result.jobId);
        QVERIFY2(!printed.isEmpty(), "nothing arrived on the queue");
        QCOMPARE(contents(printed), pdf);
        QStringList expected = before + QStringList{printed};
        expected.sort();
        QCOMPARE(printtest::printedFiles(), expected);
    }

    void printableAreaComesFromThePrinter()
    {
        // The test printers keep 5 mm all round; the fallback keeps 1/4 inch.
        service().setCurrentPrinter(defaultQueue);
        const QRectF area = service().printableArea();
        const double margin = 5 / 25.4 * 72;
        QVERIFY2(qAbs(area.left() - margin) < 0.5 && qAbs(area.top() - margin) < 0.5,
                 qPrintable(QStringLiteral("%1 %2").arg(area.left()).arg(area.top())));
        QVERIFY(qAbs(area.width() - (595.28 - 2 * margin)) < 0.5);
        QVERIFY(qAbs(area.height() - (841.89 - 2 * margin)) < 0.5);
    }

    void aQueueThatRejectsJobsFails()
    {
        const auto restore = qScopeGuard([] { queueCommand("cupsaccept", otherQueue); });
        QCOMPARE(
            printtest::run(QStringLiteral("cupsreject"),
                           {QStringLiteral("-r"), QStringLiteral("Cassetto vuoto"), otherQueue}),
            0);
        service().setCurrentPrinter(otherQueue);
        const QStringList before = printtest::printedFiles();
        const QList<int> jobsBefore = printtest::jobs();

        const PrintService::Result check = service().checkCurrentPrinter();
        QVERIFY(!check.ok);
        QVERIFY2(check.error.contains(QStringLiteral("Cassetto vuoto")), qPrintable(check.error));

        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QCOMPARE(result.jobId, 0);
        // CUPS's own words, naming the queue: it refused the job, so no job
        // exists that could still print.
        QVERIFY2(result.error.contains(otherQueue), qPrintable(result.error));
        QCOMPARE(printtest::jobs(), jobsBefore);
        QCOMPARE(printtest::printedFiles(), before);
    }

    void aPrinterDeletedAfterChoosingItFails()
    {
        const QString doomed = QStringLiteral("gli-test-doomed");
        const auto restore = qScopeGuard([doomed] { printtest::removeQueue(doomed); });
        QVERIFY(printtest::addQueue(doomed));
        program->openPrinterChooser();
        QVERIFY(pick(doomed));
        QCOMPARE(service().currentPrinter(), doomed);
        chooser().hide();

        QVERIFY(printtest::removeQueue(doomed));
        const QStringList before = printtest::printedFiles();
        const QList<int> jobsBefore = printtest::jobs();
        QVERIFY(!service().checkCurrentPrinter().ok);
        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QCOMPARE(result.jobId, 0);
        QVERIFY(!result.error.isEmpty());
        // No silent move to another printer, now or later.
        QCOMPARE(service().currentPrinter(), doomed);
        QCOMPARE(printtest::jobs(), jobsBefore);
        QCOMPARE(printtest::printedFiles(), before);
    }

    void aStoppedQueueHoldsTheJobAndPrintsItLater()
    {
        const auto restore = qScopeGuard([] { queueCommand("cupsenable", otherQueue); });
        QCOMPARE(queueCommand("cupsdisable", otherQueue), 0);
        service().setCurrentPrinter(otherQueue);

        QVERIFY(service().checkCurrentPrinter().ok);
        const QByteArray pdf = onePagePdf(QStringLiteral("Scheda trattenuta"));
        const PrintService::Result result = service().submitPdf(pdf, QStringLiteral("Scheda"));
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(result.jobId > 0);
        // The server holds the job: pending, nothing printed.
        QCOMPARE(printtest::jobState(result.jobId), int(IPP_JSTATE_PENDING));
        QCOMPARE(printtest::printed(otherQueue, result.jobId), QString());

        QCOMPARE(queueCommand("cupsenable", otherQueue), 0);
        QCOMPARE(printtest::waitForJobEnd(result.jobId), int(IPP_JSTATE_COMPLETED));
        QCOMPARE(contents(printtest::printed(otherQueue, result.jobId)), pdf);
    }

    void aStoppedPrintSystemGivesNothingAndDoesNotHang()
    {
        const auto restore = qScopeGuard([] { printtest::script(QStringLiteral("resume")); });
        QCOMPARE(printtest::script(QStringLiteral("pause")), 0);
        service().setCurrentPrinter(defaultQueue);

        QVERIFY(!service().printSystemAnswers());
        QVERIFY(service().printers().isEmpty());
        QVERIFY(service().defaultPrinter().isEmpty());
        QVERIFY(!service().checkCurrentPrinter().ok);
        QCOMPARE(service().printableArea(), PageArea::fallback());
        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());

        program->openPrinterChooser();
        QCOMPARE(combo()->count(), 0);
        QCOMPARE(labelText("Label1"), PrinterChoice::defaultText(defaultQueue));
        closeChooser();

        QCOMPARE(printtest::script(QStringLiteral("resume")), 0);
        QVERIFY(service().printers().contains(defaultQueue));
        QVERIFY(service().checkCurrentPrinter().ok);
    }

    // A server may list names that CUPS itself would never take for a
    // queue. They are shown as they are, can be picked, and print nowhere.
    void namesNoQueueCanHaveAreShownAndPrintNowhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("gli test pdf");
        QTest::newRow("slash") << QStringLiteral("gli-test-pdf/gli-test-other");
        QTest::newRow("question mark and hash") << QStringLiteral("gli-test-pdf?a#b");
        QTest::newRow("control characters") << QStringLiteral("gli\t\u0001\u007f\r\ntest");
        QTest::newRow("10 000 characters") << QString(10000, QLatin1Char('g'));
    }

    void namesNoQueueCanHaveAreShownAndPrintNowhere()
    {
        QFETCH(QString, name);
        program->setPrinterSource([name] { return QStringList{otherQueue, name}; });
        program->openPrinterChooser();
        QCOMPARE(entries(), (QStringList{otherQueue, name}));
        QVERIFY(pick(1));
        QCOMPARE(service().currentPrinter(), name);
        // Whole, or shortened with the whole name in its tooltip.
        if (name.size() < 100)
            QCOMPARE(labelText("Label2"), PrinterChoice::chosenText(name));
        QCOMPARE(chooser().findChild<QLabel *>(QStringLiteral("Label2"))->toolTip(), name);
        chooser().hide();

        const QStringList before = printtest::printedFiles();
        const QList<int> jobsBefore = printtest::jobs();
        QVERIFY(!service().checkCurrentPrinter().ok);
        QCOMPARE(service().printableArea(), PageArea::fallback());
        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QCOMPARE(result.jobId, 0);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(printtest::jobs(), jobsBefore);
        QCOMPARE(printtest::printedFiles(), before);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PrintSystemTest)
#include "tst_printsystem.moc"
