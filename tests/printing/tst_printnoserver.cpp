// SPDX-License-Identifier: GPL-3.0-or-later
// The print service when no print system answers: nothing listens, a server
// that never answers, a server that hangs up at once. Every call comes back,
// with an empty list or a failure, and never takes the program down.
#include "ChooserDriver.h"
#include "printing/BrokenPipe.h"
#include "printing/PrintService.h"
#include "printing/PageArea.h"
#include "printing/PrinterChooser.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"
#include "OutputWait.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

#include <atomic>
#include <functional>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// A stand-in print server on a local socket: it takes connections and then
// either says nothing or hangs up at once.
class FakeServer
{
public:
    enum class Manner { Silent, HangsUp };

    FakeServer(const QString &path, Manner manner) : m_manner(manner)
    {
        m_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toLocal8Bit();
        qstrncpy(address.sun_path, bytes.constData(), sizeof address.sun_path);
        if (bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
            || listen(m_fd, 16) != 0) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        m_thread = std::thread([this] { serve(); });
    }
    ~FakeServer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        for (int fd : m_held)
            ::close(fd);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isListening() const { return m_fd >= 0; }
    // Connections taken so far.
    int accepted() const { return m_accepted; }

private:
    void serve()
    {
        while (!m_stop) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0)
                continue;
            const int client = accept(m_fd, nullptr, nullptr);
            if (client < 0)
                continue;
            ++m_accepted;
            if (m_manner == Manner::HangsUp)
                ::close(client);
            else
                m_held.push_back(client);
        }
    }

    Manner m_manner;
    int m_fd = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_accepted{0};
    std::vector<int> m_held;
    std::thread m_thread;
};

// Long enough that a print to the silent server is still waiting while the
// screen is tried, short enough for the test.
constexpr const char *slowTimeoutMs = "3000";

// Generous: only a call that never comes back fails it.
constexpr qint64 noHang = 30000;
// The silent server's requests give up after this instead of the real 5 s.
constexpr const char *shortTimeoutMs = "250";

QByteArray someDocument()
{
    // Large enough that sending it takes many writes.
    return QByteArray("%PDF-1.4\n") + QByteArray(2 * 1024 * 1024, 'x');
}
} // namespace

class NoServerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // As the program does at start: a server that hangs up in the middle
        // of a request must not end the process.
        ignoreBrokenPipe();
        // Made here, not with the object: "-functions" ends the program
        // without destroying it.
        m_dir.emplace(QStringLiteral("/tmp/gli-noserver-XXXXXX"));
        QVERIFY(m_dir->isValid());
        qputenv("GLI_PRINT_TIMEOUT_MS", shortTimeoutMs);
    }

    void cleanupTestCase()
    {
        qunsetenv("GLI_PRINT_TIMEOUT_MS");
        m_dir.reset();
    }

    void init() { chooserdriver::makeProgram(); }

    void cleanup()
    {
        chooserdriver::endProgram();
        cupsSetServer(nullptr);
        qunsetenv("CUPS_SERVER");
        qputenv("GLI_PRINT_TIMEOUT_MS", shortTimeoutMs);
    }

    // "STAMPA" with a print server that takes the connection and never
    // answers: the screen goes on handling events while the print waits,
    // "ESCI" closes it at once, or the teacher is told why in the end; a
    // second press meanwhile starts nothing.
    void screenAnswersWhileTheServerIsSilent_data()
    {
        QTest::addColumn<bool>("exits");
        QTest::newRow("ESCI while it waits") << true;
        QTest::newRow("told once the wait is over") << false;
    }

    void screenAnswersWhileTheServerIsSilent()
    {
        QFETCH(bool, exits);
        const QString path = m_dir->filePath(QStringLiteral("silent-%1.sock").arg(int(exits)));
        FakeServer server(path, FakeServer::Manner::Silent);
        QVERIFY(server.isListening());
        // The print runs on a thread of its own, which takes the server
        // from the environment.
        qputenv("CUPS_SERVER", path.toLocal8Bit());
        qputenv("GLI_PRINT_TIMEOUT_MS", slowTimeoutMs);
        chooserdriver::endProgram();
        chooserdriver::makeProgram();
        Program &program = *chooserdriver::program;
        program.printService().setCurrentPrinter(QStringLiteral("Aula 2"));
        WorksheetScreen *screen = program.openWorksheets();
        QStringList messages, details;
        screen->output().setMessageHandler([&](const QString &text, const QString &detail) {
            messages << text;
            details << detail;
        });
        qint64 pressMs = 0;
        screen->output().setPressClock([&] { return pressMs += 1000; });
        auto *print = screen->findChild<QPushButton *>(QStringLiteral("Command1"));

        QTest::mouseClick(print, Qt::LeftButton);
        bool handled = false;
        QTimer::singleShot(0, screen, [&] { handled = true; });
        QTRY_VERIFY_WITH_TIMEOUT(handled, 100);
        QVERIFY(screen->output().isRunning());
        QVERIFY(!print->isEnabled());
        QTest::mouseClick(print, Qt::LeftButton);
        QTRY_COMPARE(server.accepted(), 1);

        if (exits) {
            QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("CmdFine")),
                              Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!program.worksheetScreen(), 1000);
            chooserdriver::endProgram(); // waits for the print to give up
            QCOMPARE(messages, QStringList());
        } else {
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(QStringLiteral(
                    "^printing on .Aula 2. failed \\(print server not answering\\)")));
            QVERIFY(outputIdle(screen));
            QCOMPARE(messages,
                     QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
            QCOMPARE(details, QStringList{QStringLiteral("Il server di stampa non risponde.")});
            QVERIFY(print->isEnabled());
        }
        QCOMPARE(server.accepted(), 1);
    }

    void everyCallComesBackEmptyOrFailed_data()
    {
        QTest::addColumn<int>("manner"); // -1: nothing listens
        QTest::newRow("nothing listens") << -1;
        QTest::newRow("never answers") << int(FakeServer::Manner::Silent);
        QTest::newRow("hangs up at once") << int(FakeServer::Manner::HangsUp);
    }

    void everyCallComesBackEmptyOrFailed()
    {
        QFETCH(int, manner);
        const QString path = m_dir->filePath(QStringLiteral("cups-%1.sock").arg(manner + 1));
        std::unique_ptr<FakeServer> server;
        if (manner >= 0) {
            server = std::make_unique<FakeServer>(path, FakeServer::Manner(manner));
            QVERIFY(server->isListening());
        }
        cupsSetServer(path.toLocal8Bit().constData());
        PrintService &service = chooserdriver::program->printService();

        const std::vector<std::pair<const char *, std::function<void()>>> calls{
            {"answers", [&] { QVERIFY(!service.printSystemAnswers()); }},
            {"printers", [&] { QVERIFY(service.printers().isEmpty()); }},
            {"default", [&] { QVERIFY(service.defaultPrinter().isEmpty()); }},
            {"check",
             [&] {
                 service.setCurrentPrinter(QStringLiteral("Aula 2"));
                 const PrintService::Result r = service.checkCurrentPrinter();
                 QVERIFY(!r.ok);
                 QVERIFY(!r.error.isEmpty());
             }},
            {"area",
             [&] {
                 service.setCurrentPrinter(QStringLiteral("Aula 2"));
                 QCOMPARE(service.printableArea(), PageArea::fallback());
             }},
            {"submit",
             [&] {
                 service.setCurrentPrinter(QStringLiteral("Aula 2"));
                 const PrintService::Result r = service.submitPdf(someDocument(),
                                                                  QStringLiteral("Scheda"));
                 QVERIFY(!r.ok);
                 QCOMPARE(r.jobId, 0);
                 QVERIFY2(r.error.contains(path), qPrintable(r.error));
             }},
        };
        for (const auto &[name, call] : calls) {
            QElapsedTimer clock;
            clock.start();
            call();
            if (QTest::currentTestFailed())
                QFAIL(name);
            QVERIFY2(clock.elapsed() < noHang, name);
        }
    }

    void currentPrinterWaitsForASystemDefault()
    {
        // Nothing is known yet: the current printer stays unnamed and is
        // asked for again later rather than fixed to nothing (the private
        // print system's test shows it taking the default once one answers).
        cupsSetServer(m_dir->filePath(QStringLiteral("none.sock")).toLocal8Bit().constData());
        chooserdriver::program->printService().setCurrentPrinter(QString());
        QCOMPARE(chooserdriver::program->printService().currentPrinter(), QString());
        const PrintService::Result r = chooserdriver::program->printService().submitPdf(
            someDocument(), QStringLiteral("Scheda"));
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(chooserdriver::program->printService().currentPrinter(), QString());
    }

    void chooserWithoutPrintSystemIsEmpty()
    {
        cupsSetServer(m_dir->filePath(QStringLiteral("none.sock")).toLocal8Bit().constData());
        chooserdriver::program->printService().setCurrentPrinter(QString());
        PrinterChooser *chooser = chooserdriver::program->openPrinterChooser();
        QVERIFY(chooser);
        auto *combo = chooser->findChild<QComboBox *>(QStringLiteral("Combo1"));
        QCOMPARE(combo->count(), 0);
        QCOMPARE(chooser->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("La stampante predefinita è \r\n"));
        QCOMPARE(chooser->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QString());
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(NoServerTest)
#include "tst_printnoserver.moc"
