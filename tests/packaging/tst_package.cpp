// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package as a school's technician gets it: built by CPack from
// this build folder, unpacked into a temporary root, its files validated and
// its program started.
#include "shell/Language.h"
#include "sound/Phrases.h"

#include <QtTest>

#include <algorithm>

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Run
{
    int code = -1;
    QString out;
};

Run run(const QString &program, const QStringList &args, int timeoutMs = 300000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Run r;
    if (p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit)
        r.code = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAll());
    return r;
}

// key=value lines of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString &path)
{
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inGroup = false;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            entry.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return entry;
}

// The text of a gzip file, unpacked by gzip itself.
QByteArray gunzip(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    p.waitForFinished();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? p.readAllStandardOutput()
                                                                       : QByteArray();
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controlFields_data();
    void controlFields();
    void dependsOn_data();
    void dependsOn();
    void validators_data();
    void validators();
    void icons_data();
    void icons();
    void desktopEntryMatchesInstalledFiles();
    void metainfoMatchesInstalledFiles();
    void entriesSpeakTheLanguages_data();
    void entriesSpeakTheLanguages();
    void binaryFindsItsLibraries();
    void modulesAreApartFromTheProgram_data();
    void modulesAreApartFromTheProgram();
    void clipsAreInstalled();
    void compressedDocuments_data();
    void compressedDocuments();
    void changelogNamesThisRelease();
    void manualPageRendersWithoutWarnings();
    void manualPageListsTheInstalledFiles();
    void lintianFindsNothingToFix();
    void installedProgramStaysUp();

private:
    QString root(const QString &relative) const
    {
        return m_work.filePath(QStringLiteral("root/usr/") + relative);
    }

    QTemporaryDir m_work;
    QString m_deb;
};

void TestPackage::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString out = m_work.filePath(QStringLiteral("pkg"));
    const Run cpack = run(QStringLiteral(GLI_CPACK),
                          {QStringLiteral("--config"), QStringLiteral(GLI_CPACK_CONFIG),
                           QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), out});
    QVERIFY2(cpack.code == 0, qPrintable(cpack.out));
    const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_deb = QDir(out).filePath(debs.first());
    const Run unpack = run(QStringLiteral("dpkg"),
                           {QStringLiteral("-x"), m_deb, m_work.filePath(QStringLiteral("root"))});
    QVERIFY2(unpack.code == 0, qPrintable(unpack.out));
}

void TestPackage::controlFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("package") << "Package"
                             << "gli-insiemi";
    QTest::newRow("version") << "Version" << GLI_VERSION;
    QTest::newRow("section") << "Section"
                             << "education";
    QTest::newRow("maintainer") << "Maintainer"
                                << "Gli insiemi <gli-insiemi@example.org>";
}

void TestPackage::controlFields()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const Run r = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_deb, field});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.trimmed(), expected);
}

// The libraries come from the binary itself (shlibdeps); the platform plugins,
// the print system's library and the SQLite driver, opened only when first
// needed, must be named by hand or the program cannot open a window, print,
// nor keep the results.
void TestPackage::dependsOn_data()
{
    QTest::addColumn<QString>("package");
    for (const char *p :
         {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6svg6", "libcups2", "libc6",
          "qt6-qpa-plugins", "libqt6sql6", "libqt6sql6-sqlite", "libqt6multimedia6"})
        QTest::newRow(p) << QString::fromLatin1(p);
}

void TestPackage::dependsOn()
{
    QFETCH(QString, package);
    const Run r = run(QStringLiteral("dpkg-deb"),
                      {QStringLiteral("-f"), m_deb, QStringLiteral("Depends")});
    QCOMPARE(r.code, 0);
    QStringList names;
    for (const QString &clause : r.out.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (const QString &alternative : clause.split(QLatin1Char('|')))
            names << alternative.trimmed().section(QLatin1Char(' '), 0, 0);
    }
    QVERIFY2(names.contains(package), qPrintable(r.out));
}

void TestPackage::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("desktop entry")
        << "desktop-file-validate"
        << QStringList{root(QStringLiteral("share/applications/gli-insiemi.desktop"))};
    QTest::newRow("metainfo")
        << "appstreamcli"
        << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                       root(QStringLiteral("share/metainfo/org.example.GliInsiemi.metainfo.xml"))};
}

void TestPackage::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QVERIFY2(QFile::exists(args.last()), qPrintable(args.last()));
    const Run r = run(program, args);
    QVERIFY2(r.code == 0, qPrintable(r.out));
    // desktop-file-validate passes hints too; none are expected here.
    QVERIFY2(!r.out.contains(QStringLiteral("warning")), qPrintable(r.out));
}

void TestPackage::icons_data()
{
    QTest::addColumn<int>("side");
    for (int side : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", side, side) << side;
}

void TestPackage::icons()
{
    QFETCH(int, side);
    const QString path = root(
        QStringLiteral("share/icons/hicolor/%1x%1/apps/gli-insiemi.png").arg(side));
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(side, side));
    QSet<QRgb> colours;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            colours.insert(icon.pixel(x, y));
    QVERIFY2(colours.size() >= 4, "the icon is blank");
}

void TestPackage::desktopEntryMatchesInstalledFiles()
{
    const auto entry = desktopEntry(root(QStringLiteral("share/applications/gli-insiemi.desktop")));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Gli insiemi"));
    const QStringList categories =
        entry.value(QStringLiteral("Categories")).split(QLatin1Char(';'));
    QVERIFY(categories.contains(QStringLiteral("Education")));
    QVERIFY(categories.contains(QStringLiteral("Math")));
    const QFileInfo program(
        root(QStringLiteral("bin/")
             + entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0)));
    QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
    const QString icon = entry.value(QStringLiteral("Icon"));
    const QString svg = root(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon));
    QFile installed(svg), source(QStringLiteral(GLI_SOURCE_DIR "/assets/icon/gli-insiemi.svg"));
    QVERIFY2(installed.open(QIODevice::ReadOnly), qPrintable(svg));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(installed.readAll(), source.readAll());
}

void TestPackage::metainfoMatchesInstalledFiles()
{
    QFile file(root(QStringLiteral("share/metainfo/org.example.GliInsiemi.metainfo.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString id, launchable, binary, release, licence;
    int screenshots = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("id"))
            id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            launchable = xml.readElementText();
        else if (name == QLatin1String("project_license"))
            licence = xml.readElementText();
        else if (name == QLatin1String("binary"))
            binary = xml.readElementText();
        else if (name == QLatin1String("image"))
            screenshots += xml.readElementText().endsWith(QStringLiteral(".png"));
        else if (name == QLatin1String("release") && release.isEmpty())
            release = xml.attributes().value(QStringLiteral("version")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(QFileInfo(file).fileName(), id + QStringLiteral(".metainfo.xml"));
    QVERIFY2(QFile::exists(root(QStringLiteral("share/applications/") + launchable)),
             qPrintable(launchable));
    QVERIFY2(QFile::exists(root(QStringLiteral("bin/") + binary)), qPrintable(binary));
    QVERIFY(screenshots >= 1);
    QCOMPARE(release, QStringLiteral(GLI_VERSION));
    QCOMPARE(licence, QStringLiteral("GPL-3.0-or-later"));

    // The machine-readable copyright file names the same licence.
    QFile copyright(root(QStringLiteral("share/doc/gli-insiemi/copyright")));
    QVERIFY2(copyright.open(QIODevice::ReadOnly), qPrintable(copyright.fileName()));
    const QByteArray text = copyright.readAll();
    QVERIFY(text.startsWith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
    QVERIFY(text.contains("\nLicense: GPL-3.0-or-later\n"));
}

// German and English beside the Italian; the program's name stays the same.
void TestPackage::entriesSpeakTheLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << "de";
    QTest::newRow("en") << "en";
}

void TestPackage::entriesSpeakTheLanguages()
{
    QFETCH(QString, language);
    const auto entry = desktopEntry(root(QStringLiteral("share/applications/gli-insiemi.desktop")));
    const QString suffix = QLatin1Char('[') + language + QLatin1Char(']');
    QCOMPARE(entry.value(QStringLiteral("Name") + suffix), entry.value(QStringLiteral("Name")));
    for (const QString &key :
         {QStringLiteral("GenericName"), QStringLiteral("Comment"), QStringLiteral("Keywords")}) {
        const QString text = entry.value(key + suffix);
        QVERIFY2(!text.isEmpty() && text != entry.value(key), qPrintable(key + suffix));
    }

    // Every Italian summary, paragraph and caption of the metainfo has one in
    // the language.
    QFile file(root(QStringLiteral("share/metainfo/org.example.GliInsiemi.metainfo.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, int> italian, translated;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name != QLatin1String("summary") && name != QLatin1String("p")
            && name != QLatin1String("caption"))
            continue;
        const auto lang = xml.attributes().value(QStringLiteral("xml:lang"));
        if (lang.isEmpty())
            ++italian[name];
        else if (lang == language)
            ++translated[name];
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(translated, italian);
}

void TestPackage::binaryFindsItsLibraries()
{
    const QString program = root(QStringLiteral("bin/gli-insiemi"));
    const Run ldd = run(QStringLiteral("ldd"), {program});
    QVERIFY2(ldd.code == 0, qPrintable(ldd.out));
    QVERIFY2(!ldd.out.contains(QStringLiteral("not found")), qPrintable(ldd.out));
    // An installed program must not look for libraries in the build folder.
    const Run dynamic = run(QStringLiteral("readelf"), {QStringLiteral("-d"), program});
    QCOMPARE(dynamic.code, 0);
    QVERIFY2(!dynamic.out.contains(QStringLiteral("PATH")), qPrintable(dynamic.out));
}

// Qt Multimedia is the sound module's alone, Qt SQL the results module's:
// the program starts without them, and opens a module, and so its Qt
// library, when the drill first speaks or the first answer is saved.
void TestPackage::modulesAreApartFromTheProgram_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QStringList>("libraries");
    QTest::newRow("sound") << "gli-insiemi-sound.so"
                           << QStringList{QStringLiteral("libQt6Multimedia.so.6"),
                                          QStringLiteral("libpulse")};
    QTest::newRow("results") << "gli-insiemi-results.so"
                             << QStringList{QStringLiteral("libQt6Sql.so.6")};
}

void TestPackage::modulesAreApartFromTheProgram()
{
    QFETCH(QString, module);
    QFETCH(QStringList, libraries);
    const Run program = run(QStringLiteral("ldd"), {root(QStringLiteral("bin/gli-insiemi"))});
    QCOMPARE(program.code, 0);
    for (const QString &library : libraries)
        QVERIFY2(!program.out.contains(library), qPrintable(program.out));

    const QStringList folders =
        QDir(root(QStringLiteral("lib"))).entryList({QStringLiteral("*")}, QDir::Dirs);
    QString file;
    for (const QString &folder : folders) {
        const QString candidate = root(QStringLiteral("lib/%1/gli-insiemi/%2").arg(folder, module));
        if (QFileInfo::exists(candidate))
            file = candidate;
    }
    QVERIFY2(!file.isEmpty(), qPrintable(QStringLiteral("no lib/*/gli-insiemi/") + module));
    const Run linked = run(QStringLiteral("ldd"), {file});
    QCOMPARE(linked.code, 0);
    QVERIFY2(linked.out.contains(libraries.first()), qPrintable(linked.out));
    QVERIFY2(!linked.out.contains(QStringLiteral("not found")), qPrintable(linked.out));
}

// Every clip is there in every language.
void TestPackage::clipsAreInstalled()
{
    const QStringList clips = phrases::clipNames();
    for (const QString &language : language::spoken()) {
        const QDir folder(root(QStringLiteral("share/gli-insiemi/voices/") + language));
        QStringList wavs;
        for (const QString &clip : clips)
            wavs << clip + QStringLiteral(".wav");
        QStringList shipped = folder.entryList(QDir::Files);
        shipped.sort();
        wavs.sort();
        QCOMPARE(shipped, wavs);
    }
}

// Debian wants the changelog and the manual page compressed at the highest
// level, without the file's name and time, so that two builds of the same
// sources give the same package.
void TestPackage::compressedDocuments_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("changelog") << "share/doc/gli-insiemi/changelog.gz";
    QTest::newRow("manual page") << "share/man/man1/gli-insiemi.1.gz";
}

void TestPackage::compressedDocuments()
{
    QFETCH(QString, path);
    QFile file(root(path));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray head = file.read(10);
    QCOMPARE(head.size(), 10);
    QVERIFY2(head.startsWith("\x1f\x8b\x08"), "not gzip");
    const auto flags = static_cast<unsigned char>(head[3]);
    QVERIFY2(!(flags & 0x08), "the file's name is stored");
    QVERIFY2(head.mid(4, 4) == QByteArray(4, '\0'), "the file's time is stored");
    QCOMPARE(static_cast<unsigned char>(head[8]), 2); // gzip -9
    QVERIFY(!gunzip(file.fileName()).isEmpty());
}

void TestPackage::changelogNamesThisRelease()
{
    const QByteArray text = gunzip(root(QStringLiteral("share/doc/gli-insiemi/changelog.gz")));
    QVERIFY(!text.isEmpty());
    QFile plain(m_work.filePath(QStringLiteral("changelog")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write(text);
    plain.close();
    const Run parsed = run(QStringLiteral("dpkg-parsechangelog"),
                           {QStringLiteral("-l"), plain.fileName()});
    QVERIFY2(parsed.code == 0, qPrintable(parsed.out));
    QVERIFY2(!parsed.out.contains(QStringLiteral("warning")), qPrintable(parsed.out));
    const QStringList fields = parsed.out.split(QLatin1Char('\n'));
    QVERIFY2(fields.contains(QStringLiteral("Source: gli-insiemi")), qPrintable(parsed.out));
    // The newest entry is the release this build makes.
    QVERIFY2(fields.contains(QStringLiteral("Version: " GLI_VERSION)), qPrintable(parsed.out));
}

void TestPackage::manualPageRendersWithoutWarnings()
{
    const QString page = root(QStringLiteral("share/man/man1/gli-insiemi.1.gz"));
    QVERIFY2(QFile::exists(page), qPrintable(page));
    QProcess man;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    // A locale the machine may lack makes man warn about it, not the page.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    man.setProcessEnvironment(env);
    man.start(QStringLiteral("man"),
              {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
               QStringLiteral("-l"), page});
    QVERIFY(man.waitForFinished());
    const QString warnings = QString::fromLocal8Bit(man.readAllStandardError());
    const QString text = QString::fromUtf8(man.readAllStandardOutput());
    QCOMPARE(man.exitCode(), 0);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
    for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "ENVIRONMENT",
                                "FILES", "AUTHOR", "COPYRIGHT"})
        QVERIFY2(text.contains(QLatin1Char('\n') + QLatin1String(section) + QLatin1Char('\n')),
                 section);
}

// FILES names what the package installs, with * for the icon sizes, and
// beside it what the program reads from elsewhere: each path of the package
// is named, and each name of the program's own is installed.
void TestPackage::manualPageListsTheInstalledFiles()
{
    const QString source = QString::fromUtf8(
        gunzip(root(QStringLiteral("share/man/man1/gli-insiemi.1.gz"))));
    const qsizetype from = source.indexOf(QStringLiteral("\n.SH FILES\n"));
    QVERIFY(from >= 0);
    const QString files = source.mid(from,
                                     source.indexOf(QStringLiteral("\n.SH "), from + 1) - from);
    QStringList named;
    const QRegularExpression pathLine(QStringLiteral("^\\.[BI] (/usr/\\S+)$"),
                                      QRegularExpression::MultilineOption);
    for (auto it = pathLine.globalMatch(files); it.hasNext();)
        named << it.next().captured(1).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    QVERIFY(named.size() >= 4);
    const auto matches = [](const QString &pattern, const QString &path) {
        return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
            .match(path)
            .hasMatch();
    };

    QStringList installed;
    const QString top = m_work.filePath(QStringLiteral("root"));
    for (QDirIterator it(top, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next().mid(top.size());
        // The page need not name itself.
        if (!path.startsWith(QStringLiteral("/usr/share/man/")))
            installed << path;
    }
    QVERIFY(installed.size() >= 4);
    for (const QString &path : installed) {
        const bool listed = std::any_of(named.cbegin(), named.cend(),
                                        [&](const QString &name) { return matches(name, path); });
        QVERIFY2(listed, qPrintable(path + QStringLiteral(" is not in FILES")));
    }
    for (const QString &name : named) {
        if (!name.contains(QStringLiteral("gli-insiemi"))
            && !name.contains(QStringLiteral("GliInsiemi")))
            continue;
        const bool shipped = std::any_of(installed.cbegin(), installed.cend(),
                                         [&](const QString &path) { return matches(name, path); });
        QVERIFY2(shipped, qPrintable(name + QStringLiteral(" is not installed")));
    }
}

// Debian's own check of the package. Run as root, lintian says on its error
// channel that it would rather not; that notice is no finding, and the
// checks it makes are the same.
void TestPackage::lintianFindsNothingToFix()
{
    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        QSKIP("lintian is not installed (scripts/deps.sh installs it)");
    const Run lintian = run(QStringLiteral("lintian"),
                            {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
    QStringList findings;
    for (const QString &line : lintian.out.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("E: ")) || line.startsWith(QStringLiteral("W: ")))
            findings << line;
    }
    QVERIFY2(findings.isEmpty(), qPrintable(findings.join(QLatin1Char('\n'))));
    QVERIFY2(lintian.code == 0, qPrintable(lintian.out));
}

void TestPackage::installedProgramStaysUp()
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(root(QStringLiteral("bin/gli-insiemi")), {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    // The start screen opens its curtains over its first second or so; a
    // program that cannot load a plugin or a picture is gone by then.
    QTest::qWait(2000);
    const QString output = QString::fromLocal8Bit(program.readAll());
    QVERIFY2(program.state() == QProcess::Running, qPrintable(output));
    program.kill();
    QVERIFY(program.waitForFinished());
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
