// SPDX-License-Identifier: GPL-3.0-or-later
// The print service when the print system's library cannot be used: here a
// library by its name with none of its functions stands first on the search
// path. Every call comes back as when no print system answers, and the
// failures say why.
#include "printing/CupsLibrary.h"
#include "printing/PageArea.h"
#include "printing/PrintService.h"

#include <QTest>

class NoLibraryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theStandInIsTheLibraryFound()
    {
        PrintService service;
        QVERIFY(!service.library());
        QVERIFY2(service.libraryError().contains(QStringLiteral("lacks the function")),
                 qPrintable(service.libraryError()));
    }

    void nothingIsListed()
    {
        PrintService service;
        QVERIFY(!service.printSystemAnswers());
        QVERIFY(service.printers().isEmpty());
        QVERIFY(service.defaultPrinter().isEmpty());
        QVERIFY(service.currentPrinter().isEmpty());
    }

    void namedPrinterFailsWithTheReason()
    {
        PrintService service;
        service.setCurrentPrinter(QStringLiteral("Aula 2"));

        const PrintService::Result check = service.checkCurrentPrinter();
        QVERIFY(!check.ok);
        QVERIFY(!service.libraryError().isEmpty());
        QCOMPARE(check.error, service.libraryError());

        QCOMPARE(service.printableArea(), PageArea::fallback());

        const PrintService::Result job = service.submitPdf(QByteArray("%PDF-1.4\n%%EOF\n"),
                                                           QStringLiteral("Scheda"));
        QVERIFY(!job.ok);
        QCOMPARE(job.jobId, 0);
        QCOMPARE(job.error, service.libraryError());
        // The choice stays: the print system may be mended before the next try.
        QCOMPARE(service.currentPrinter(), QStringLiteral("Aula 2"));
    }
};

QTEST_GUILESS_MAIN(NoLibraryTest)
#include "tst_printnolibrary.moc"
