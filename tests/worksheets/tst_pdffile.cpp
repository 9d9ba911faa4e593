// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a PDF into the file the teacher named: ".pdf" added where it
// lacks, the documents folder, and a save that goes whole or not at all,
// with the reason told in Italian.
#include "worksheets/PdfFile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Files may grow only to limit bytes while it lives: a disk that fills up,
// even for root. Writing past it fails with EFBIG instead of a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lower = m_old;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// While it lives the permission bits bind this thread even when it runs as
// root, as they bind a plain user: root's overrides are set aside.
class PermissionsBind
{
public:
    PermissionsBind()
    {
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct bound[2] = {m_saved[0], m_saved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            bound[cap / 32].effective &= ~(1U << (cap % 32));
        syscall(SYS_capset, &m_header, bound);
    }
    ~PermissionsBind() { syscall(SYS_capset, &m_header, m_saved); }
    PermissionsBind(const PermissionsBind &) = delete;
    PermissionsBind &operator=(const PermissionsBind &) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};
} // namespace

class TestPdfFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void suffix_data();
    void suffix();
    void defaultFolder_data();
    void defaultFolder();
    void save_data();
    void save();

private:
    QTemporaryDir m_dir;
};

void TestPdfFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestPdfFile::suffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("bare") << "/a/scheda"
                          << "/a/scheda.pdf";
    QTest::newRow("has it") << "/a/scheda.pdf"
                            << "/a/scheda.pdf";
    QTest::newRow("upper case") << "/a/SCHEDA.PDF"
                                << "/a/SCHEDA.PDF";
    QTest::newRow("another suffix") << "/a/scheda.txt"
                                    << "/a/scheda.txt.pdf";
    QTest::newRow("dot in the folder") << "/a.pdf/scheda"
                                       << "/a.pdf/scheda.pdf";
    QTest::newRow("ends in pdf without dot") << "/a/schedapdf"
                                             << "/a/schedapdf.pdf";
    QTest::newRow("nothing stays nothing") << ""
                                           << "";
}

void TestPdfFile::suffix()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(pdffile::withPdfSuffix(name), file);
}

void TestPdfFile::defaultFolder_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<bool>("present");
    QTest::newRow("documents folder there") << true << true;
    QTest::newRow("documents folder gone") << true << false;
    QTest::newRow("none configured, none there") << false << false;
}

void TestPdfFile::defaultFolder()
{
    QFETCH(bool, configured);
    QFETCH(bool, present);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QDir(home.path()).mkpath(QStringLiteral(".config"));
    if (configured)
        write(home.filePath(QStringLiteral(".config/user-dirs.dirs")),
              "XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"\n");
    if (present)
        QDir(home.path()).mkpath(QStringLiteral("Documenti"));
    const QString folder = pdffile::defaultFolder();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(folder, present ? home.filePath(QStringLiteral("Documenti")) : home.path());
}

void TestPdfFile::save_data()
{
    QTest::addColumn<QString>("name"); // inside a fresh folder
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("reason"); // empty when the save succeeds
    QTest::newRow("new file") << "scheda.pdf"
                              << ""
                              << "";
    QTest::newRow("replaces a file") << "scheda.pdf"
                                     << "old file"
                                     << "";
    QTest::newRow("name of a folder") << "scheda.pdf"
                                      << "folder"
                                      << "con questo nome c'è già una cartella";
    QTest::newRow("folder missing") << "manca/scheda.pdf"
                                    << ""
                                    << "la cartella non esiste";
    QTest::newRow("folder is a file") << "file/scheda.pdf"
                                      << "file"
                                      << "la cartella non esiste";
    QTest::newRow("folder not writable") << "chiusa/scheda.pdf"
                                         << "locked 0555"
                                         << "non c'è il permesso di scrivere in questa cartella";
    // It exists, but cannot even be looked into.
    QTest::newRow("folder out of reach") << "chiusa/dentro/scheda.pdf"
                                         << "locked 0600"
                                         << "non c'è il permesso di scrivere in questa cartella";
    QTest::newRow("disk full, old file kept") << "scheda.pdf"
                                              << "old file, full disk"
                                              << "non c'è abbastanza spazio sul disco";
    QTest::newRow("disk full, nothing left") << "scheda.pdf"
                                             << "full disk"
                                             << "non c'è abbastanza spazio sul disco";
}

void TestPdfFile::save()
{
    QFETCH(QString, name);
    QFETCH(QString, setUp);
    QFETCH(QString, reason);
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("XXXXXX")));
    const QString path = dir.filePath(name);
    const QByteArray old = "%PDF-1.4 the old sheet";
    if (setUp.contains(QStringLiteral("old file")))
        QVERIFY(write(path, old));
    if (setUp == QStringLiteral("folder")) {
        QVERIFY(QDir(dir.path()).mkpath(name));
        QVERIFY(write(path + QStringLiteral("/inside.pdf"), old));
    }
    if (setUp == QStringLiteral("file"))
        QVERIFY(write(dir.filePath(QStringLiteral("file")), old));
    const QString locked = dir.filePath(QStringLiteral("chiusa"));
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (setUp.startsWith(QStringLiteral("locked"))) {
        QVERIFY(QDir(locked).mkpath(QStringLiteral("dentro")));
        QVERIFY(QFile::setPermissions(locked,
                                      setUp.endsWith(QStringLiteral("0555"))
                                          ? QFile::ReadOwner | QFile::ExeOwner
                                          : QFile::ReadOwner | QFile::WriteOwner));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QByteArray document("%PDF-1.4\n");
    document.append(QByteArray(64 * 1024, 'x'));
    pdffile::Saved saved;
    {
        std::optional<FileSizeLimit> full;
        if (setUp.contains(QStringLiteral("full disk")))
            full.emplace(4096);
        const PermissionsBind asAPlainUser;
        saved = pdffile::save(path, document);
    }

    QCOMPARE(saved.ok, reason.isEmpty());
    if (saved.ok) {
        QVERIFY(saved.message.isEmpty());
        QCOMPARE(contents(path), document);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("scheda.pdf")});
        return;
    }
    QCOMPARE(saved.message,
             QStringLiteral("Non è stato possibile salvare il file \"%1\": %2.").arg(path, reason));
    // Nothing new, nothing half written, nothing that was there changed.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (setUp.contains(QStringLiteral("old file")))
        QCOMPARE(contents(path), old);
    if (setUp == QStringLiteral("folder")) {
        QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("inside.pdf")});
        QCOMPARE(contents(path + QStringLiteral("/inside.pdf")), old);
    }
}

QTEST_APPLESS_MAIN(TestPdfFile)
#include "tst_pdffile.moc"
