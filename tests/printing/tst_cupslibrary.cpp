// SPDX-License-Identifier: GPL-3.0-or-later
// The print system's library is opened by the program on the first call that
// needs it, never at start-up, and every function of its table is the one
// named. This program does not link the library: what /proc/self/maps shows
// is the print service's doing.
#include "printing/CupsLibrary.h"
#include "printing/PrintService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

namespace {

bool libraryMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    return maps.readAll().contains("/libcups.so.2");
}

} // namespace

class CupsLibraryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever functions run and in whatever order, this comes first: every
    // test function opens the library.
    void initTestCase()
    {
        QVERIFY(QFile::exists(QStringLiteral("/proc/self/maps")));
        m_mappedAtStart = libraryMapped();

        // Nothing here needs the print system.
        PrintService &service = m_service;
        service.setCurrentPrinter(QStringLiteral("Aula 2"));
        m_namedPrinter = service.currentPrinter();
        m_mappedWithoutNeed = libraryMapped();

        // No server there: the call comes back at once, yet it needed the library.
        const QTemporaryDir dir(QStringLiteral("/tmp/gli-cupslibrary-XXXXXX"));
        QVERIFY(dir.isValid());
        qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("none.sock")).toLocal8Bit());
        m_listedWithoutServer = service.printers();
        m_mappedOnNeed = libraryMapped();
    }

    void openedOnlyByTheFirstCallThatNeedsIt()
    {
        QVERIFY2(!m_mappedAtStart, "the print system's library is loaded at start-up");
        QCOMPARE(m_namedPrinter, QStringLiteral("Aula 2"));
        QVERIFY2(!m_mappedWithoutNeed, "the print service opened its library too early");
        QVERIFY(m_listedWithoutServer.isEmpty());
        QVERIFY(m_mappedOnNeed);
        QVERIFY(m_service.isLibraryLoaded());
        QVERIFY(m_service.library());
        QCOMPARE(m_service.libraryError(), QString());
    }

    void everyFunctionIsTheOneNamed()
    {
        PrintService service;
        const CupsLibrary *cups = service.library();
        QVERIFY(cups);
        int count = 0;
        CupsLibrary::forEachFunction(*cups, [&](const char *name, auto function) {
            ++count;
            Dl_info info = {};
            QVERIFY2(dladdr(reinterpret_cast<void *>(function), &info) != 0, name);
            QVERIFY2(info.dli_sname, name);
            QCOMPARE(QByteArray(info.dli_sname), QByteArray(name));
            QVERIFY2(QByteArray(info.dli_fname).contains("libcups.so.2"), info.dli_fname);
        });
        QCOMPARE(count, 35);
    }

    void unusableLibraryGivesNoTable_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("named"); // what the error names
        QTest::newRow("no such file") << QByteArray("libgli-no-such-library.so.9")
                                      << QStringLiteral("libgli-no-such-library.so.9");
        // A library that exists but is not the print system's: the first
        // function missing is named.
        QTest::newRow("not the print system's")
            << QByteArray("libm.so.6") << QStringLiteral("cupsCopyDestInfo");
    }

    void unusableLibraryGivesNoTable()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, named);
        QString error;
        const std::unique_ptr<CupsLibrary> table = CupsLibrary::open(file.constData(), &error);
        QVERIFY(!table);
        QVERIFY2(error.contains(named), qPrintable(error));
    }

    void anotherOpeningGivesTheSameFunctions()
    {
        QString error = QStringLiteral("stale");
        const std::unique_ptr<CupsLibrary> table = CupsLibrary::open("libcups.so.2", &error);
        QVERIFY(table);
        QCOMPARE(error, QString());
        PrintService service;
        QVERIFY(service.library());
        QVERIFY(table->ippDelete == service.library()->ippDelete);
        QVERIFY(table->cupsLastErrorString == service.library()->cupsLastErrorString);
    }

private:
    // The service whose first needs are watched, for the whole run.
    PrintService m_service;
    bool m_mappedAtStart = true;
    bool m_mappedWithoutNeed = true;
    bool m_mappedOnNeed = false;
    QString m_namedPrinter;
    QStringList m_listedWithoutServer{QStringLiteral("not asked")};
};

QTEST_GUILESS_MAIN(CupsLibraryTest)
#include "tst_cupslibrary.moc"
