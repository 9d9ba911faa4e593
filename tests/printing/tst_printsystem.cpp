// The print service and the chooser against a real CUPS server: the private
// one of scripts/print-system.sh, with its two PDF queues. What arrives in a
// queue's output folder is what the printer printed.
#include "ChooserDriver.h"
#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "printing/PrinterChooser.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace chooserdriver;

namespace {
const QString pdfQueue = QStringLiteral("gli-test-pdf");
const QString otherQueue = QStringLiteral("gli-test-other");
const QString doomedQueue = QStringLiteral("gli-test-doomed");
const QString outputRoot = QStringLiteral("/tmp/gli-print-test");
const QString script = QStringLiteral(GLI_PRINT_SYSTEM_SCRIPT);

PrintService &service()
{
    return PrintService::shared();
}

int run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString folder(const QString &queue)
{
    return outputRoot + QLatin1Char('/') + queue;
}

QStringList pdfsIn(const QString &queue)
{
    return QDir(folder(queue)).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Jobs of the queue not yet finished, as "queue-id" words.
QStringList pendingJobs(const QString &queue)
{
    QString out;
    run(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}, &out);
    QStringList jobs;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        jobs.append(line.section(QLatin1Char(' '), 0, 0));
    return jobs;
}

// The file the queue printed since `before`, once its jobs are done.
QString waitForPrint(const QString &queue, const QStringList &before, int ms = 60000)
{
    QString found;
    (void)QTest::qWaitFor(
        [&] {
            const QStringList now = pdfsIn(queue);
            for (const QString &name : now) {
                if (!before.contains(name) && pendingJobs(queue).isEmpty()) {
                    found = folder(queue) + QLatin1Char('/') + name;
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
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

QString pdfInfo(const QString &file)
{
    QString out;
    run(QStringLiteral("pdfinfo"), {file}, &out);
    return out;
}

QString pdfText(const QString &file)
{
    QString out;
    run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &out);
    return out;
}

bool addPdfQueue(const QString &name)
{
    QDir().mkpath(folder(name));
    QFile conf(QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(name));
    if (!conf.open(QIODevice::WriteOnly))
        return false;
    conf.write(QStringLiteral("Out %1\nLabel 2\n").arg(folder(name)).toUtf8());
    conf.close();
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("cups-pdf:/") + name, QStringLiteral("-P"),
                QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd")})
           == 0;
}

void removeQueue(const QString &name)
{
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
    QFile::remove(QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(name));
}

} // namespace

class PrintSystemTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (run(script, {QStringLiteral("status")}) != 0)
            QSKIP("no private print system: run scripts/print-system.sh start as root");
        for (const char *tool : {"pdfinfo", "pdftotext", "lpadmin", "cupsdisable"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils or the CUPS tools are missing");
        }
        // The default printer is what the system says, not the caller's own.
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }

    void cleanup()
    {
        chooser().unload();
        QTest::qWait(1);
    }

    // First, before anything names a printer: the current printer is the
    // system's default.
    void currentPrinterIsTheDefaultUntilChosen()
    {
        QCOMPARE(service().currentPrinter(), pdfQueue);
        QVERIFY(service().checkCurrentPrinter().ok);
    }

    void printersInTheSystemOrder()
    {
        QString out;
        QCOMPARE(run(QStringLiteral("lpstat"), {QStringLiteral("-a")}, &out), 0);
        QStringList expected;
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            expected.append(line.section(QLatin1Char(' '), 0, 0));
        const QStringList printers = service().printers();
        QCOMPARE(printers, expected);
        QVERIFY(printers.indexOf(otherQueue) >= 0);
        QVERIFY(printers.indexOf(otherQueue) < printers.indexOf(pdfQueue));
    }

    void defaultPrinter_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("lpdest");
        QTest::addColumn<QString>("lpoptions"); // the user's own file
        QTest::addColumn<QString>("expected");

        QTest::newRow("the server's") << QString() << QString() << QString() << pdfQueue;
        QTest::newRow("PRINTER") << otherQueue << QString() << QString() << otherQueue;
        QTest::newRow("LPDEST over PRINTER") << pdfQueue << otherQueue << QString() << otherQueue;
        QTest::newRow("PRINTER=lp means none") << QStringLiteral("lp") << QString() << QString()
                                               << pdfQueue;
        QTest::newRow("lpoptions") << QString() << QString()
                                   << QStringLiteral("Default ") + otherQueue << otherQueue;
        QTest::newRow("PRINTER over lpoptions")
            << pdfQueue << QString() << QStringLiteral("Default ") + otherQueue << pdfQueue;
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
        const auto restore = qScopeGuard([this] {
            qunsetenv("PRINTER");
            qunsetenv("LPDEST");
            QFile::remove(m_home.filePath(QStringLiteral(".cups/lpoptions")));
        });
        if (!printer.isEmpty())
            qputenv("PRINTER", printer.toUtf8());
        if (!lpdest.isEmpty())
            qputenv("LPDEST", lpdest.toUtf8());
        if (!lpoptions.isEmpty()) {
            QDir(m_home.path()).mkpath(QStringLiteral(".cups"));
            QFile file(m_home.filePath(QStringLiteral(".cups/lpoptions")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lpoptions.toUtf8() + '\n');
        }
        QCOMPARE(service().defaultPrinter(), expected);
    }

    void aSheetArrivesOnTheCurrentPrinterOnly_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("elsewhere");
        QTest::newRow("default") << pdfQueue << otherQueue;
        QTest::newRow("other") << otherQueue << pdfQueue;
    }

    void aSheetArrivesOnTheCurrentPrinterOnly()
    {
        QFETCH(QString, queue);
        QFETCH(QString, elsewhere);
        service().setCurrentPrinter(queue);
        const QStringList before = pdfsIn(queue);
        const QStringList beforeElsewhere = pdfsIn(elsewhere);
        const QString words = QStringLiteral("Scheda per %1").arg(queue);

        const PrintService::Result result = service().submitPdf(onePagePdf(words), words);
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(result.jobId > 0);

        const QString printed = waitForPrint(queue, before);
        QVERIFY2(!printed.isEmpty(), "nothing arrived");
        QVERIFY(pdfInfo(printed).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        QVERIFY(pdfText(printed).contains(words));
        QCOMPARE(pdfsIn(elsewhere), beforeElsewhere);
    }

    void printableAreaComesFromThePrinter()
    {
        // The PDF printer prints A4 to the edges; the fallback keeps margins.
        service().setCurrentPrinter(pdfQueue);
        const QRectF area = service().printableArea();
        QVERIFY(area != PageArea::fallback());
        QVERIFY(qAbs(area.left()) < 1 && qAbs(area.top()) < 1);
        QVERIFY(qAbs(area.width() - 595.3) < 1.5);
        QVERIFY(qAbs(area.height() - 841.9) < 1.5);
    }

    void aQueueThatRejectsJobsFails()
    {
        const auto restore = qScopeGuard([] {
            run(QStringLiteral("cupsaccept"), {otherQueue});
        });
        QCOMPARE(run(QStringLiteral("cupsreject"), {QStringLiteral("-r"),
                                                    QStringLiteral("Cassetto vuoto"), otherQueue}),
                 0);
        service().setCurrentPrinter(otherQueue);
        const QStringList before = pdfsIn(otherQueue);
        const QStringList beforeDefault = pdfsIn(pdfQueue);

        const PrintService::Result check = service().checkCurrentPrinter();
        QVERIFY(!check.ok);
        QVERIFY2(check.error.contains(QStringLiteral("Cassetto vuoto")), qPrintable(check.error));

        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QCOMPARE(result.jobId, 0);
        // CUPS's own words, naming the queue.
        QVERIFY2(result.error.contains(otherQueue), qPrintable(result.error));
        QVERIFY(pendingJobs(otherQueue).isEmpty());
        QVERIFY(pendingJobs(pdfQueue).isEmpty());
        QTest::qWait(1500);
        QCOMPARE(pdfsIn(otherQueue), before);
        QCOMPARE(pdfsIn(pdfQueue), beforeDefault);
    }

    void aPrinterDeletedAfterChoosingItFails()
    {
        const auto restore = qScopeGuard([] { removeQueue(doomedQueue); });
        QVERIFY(addPdfQueue(doomedQueue));
        chooser().setPrinterSource({});
        chooser().showModal();
        QVERIFY(pick(doomedQueue));
        QCOMPARE(service().currentPrinter(), doomedQueue);
        chooser().hide();

        removeQueue(doomedQueue);
        const QStringList beforeDefault = pdfsIn(pdfQueue);
        const QStringList beforeOther = pdfsIn(otherQueue);
        const PrintService::Result check = service().checkCurrentPrinter();
        QVERIFY(!check.ok);
        const PrintService::Result result = service().submitPdf(onePagePdf(QStringLiteral("no")),
                                                                QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QCOMPARE(result.jobId, 0);
        QVERIFY(!result.error.isEmpty());
        // No silent move to another printer, now or later.
        QCOMPARE(service().currentPrinter(), doomedQueue);
        QVERIFY(pendingJobs(pdfQueue).isEmpty());
        QTest::qWait(1500);
        QCOMPARE(pdfsIn(pdfQueue), beforeDefault);
        QCOMPARE(pdfsIn(otherQueue), beforeOther);
    }

    void aStoppedQueueHoldsTheJobAndPrintsItLater()
    {
        const auto restore = qScopeGuard([] { run(QStringLiteral("cupsenable"), {otherQueue}); });
        QCOMPARE(run(QStringLiteral("cupsdisable"), {otherQueue}), 0);
        service().setCurrentPrinter(otherQueue);
        const QStringList before = pdfsIn(otherQueue);

        QVERIFY(service().checkCurrentPrinter().ok);
        const QString words = QStringLiteral("Scheda trattenuta");
        const PrintService::Result result = service().submitPdf(onePagePdf(words), words);
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(result.jobId > 0);
        QVERIFY(pendingJobs(otherQueue).contains(otherQueue + QLatin1Char('-')
                                                 + QString::number(result.jobId)));
        QTest::qWait(1500);
        QCOMPARE(pdfsIn(otherQueue), before);

        QCOMPARE(run(QStringLiteral("cupsenable"), {otherQueue}), 0);
        const QString printed = waitForPrint(otherQueue, before);
        QVERIFY2(!printed.isEmpty(), "the held job never printed");
        QVERIFY(pdfText(printed).contains(words));
    }

    void theChooserListsTheSystemsPrintersAndRedirectsTheNextSheet()
    {
        service().setCurrentPrinter(pdfQueue);
        chooser().setPrinterSource({});
        chooser().showModal();
        QCOMPARE(entries(), service().printers());
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(service().currentPrinter(), pdfQueue);
        QCOMPARE(chooser().element<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("La stampante predefinita è \r\n") + pdfQueue);

        QVERIFY(pick(otherQueue));
        QCOMPARE(service().currentPrinter(), otherQueue);
        const QStringList before = pdfsIn(otherQueue);
        const QStringList beforeDefault = pdfsIn(pdfQueue);
        const PrintService::Result result =
            service().submitPdf(onePagePdf(QStringLiteral("Scelta")), QStringLiteral("Scelta"));
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(!waitForPrint(otherQueue, before).isEmpty());
        QCOMPARE(pdfsIn(pdfQueue), beforeDefault);
    }

    // Last: it stops the server for a while.
    void aStoppedPrintSystemGivesNothingAndDoesNotHang()
    {
        if (!QFile::exists(outputRoot + QStringLiteral("/cupsd-started")))
            QSKIP("the running cupsd is not the private one; it is left alone");
        const auto restore = qScopeGuard([] { run(script, {QStringLiteral("resume")}); });
        QCOMPARE(run(script, {QStringLiteral("pause")}), 0);
        service().setCurrentPrinter(pdfQueue);

        QVERIFY(!service().printSystemAnswers());
        QVERIFY(service().printers().isEmpty());
        QVERIFY(service().defaultPrinter().isEmpty());
        QVERIFY(!service().checkCurrentPrinter().ok);
        QCOMPARE(service().printableArea(), PageArea::fallback());
        const PrintService::Result result =
            service().submitPdf(onePagePdf(QStringLiteral("no")), QStringLiteral("Scheda"));
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());

        chooser().setPrinterSource({});
        chooser().showModal();
        QCOMPARE(combo()->count(), 0);
        QCOMPARE(chooser().element<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("La stampante predefinita è \r\n") + pdfQueue);
        chooser().unload();

        QCOMPARE(run(script, {QStringLiteral("resume")}), 0);
        QVERIFY(service().printers().contains(pdfQueue));
        QVERIFY(service().checkCurrentPrinter().ok);
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(PrintSystemTest)
#include "tst_printsystem.moc"
