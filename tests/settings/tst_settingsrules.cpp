// SPDX-License-Identifier: GPL-3.0-or-later
// The program's settings through QSettings, whatever the file holds, and the
// class list's rules for names.
#include "settings/ProgramSettings.h"
#include "settings/PupilList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Refusal = PupilList::Refusal;

// Names a careless database or file format would spoil.
const QString sqlName = QStringLiteral("Robert'); DROP TABLE pupils;--");
const QString quotedName = QStringLiteral("\"Zoe\" O'Neil");
const QString emojiName = QStringLiteral("Luca \U0001F98A");
const QString commaName = QStringLiteral("Rossi, Anna");
const QString longName = QString(600, QLatin1Char('m'));

// A settings file of its own in a temporary folder.
struct SettingsFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("gli-insiemi.conf"));

    bool write(const QByteArray &contents) const
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }
    ProgramSettings read() const
    {
        const QSettings settings(path, QSettings::IniFormat);
        return ProgramSettings::read(settings);
    }
};

ProgramSettings withLevel(SetLevel level, bool voice = true)
{
    ProgramSettings s;
    s.level = level;
    s.voice = voice;
    return s;
}
} // namespace

class TestSettingsRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void roundTrip_data();
    void roundTrip();
    void valuesFromTheFile_data();
    void valuesFromTheFile();
    void unreadableFileGivesTheDefaults();
    void programSettingsSurviveARun_data();
    void programSettingsSurviveARun();

    void addingNames_data();
    void addingNames();
    void renamingAndRemoving();
    void pastingAList_data();
    void pastingAList();
    void listFromSettingsKeepsTheUsableNames();
};

void TestSettingsRules::initTestCase()
{
    // The program's own settings go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettingsRules::roundTrip_data()
{
    QTest::addColumn<ProgramSettings>("settings");
    QTest::newRow("defaults") << ProgramSettings{};
    QTest::newRow("voice off, fino a 5") << withLevel(SetLevel::UpTo5, false);
    ProgramSettings classList = withLevel(SetLevel::UpTo15);
    classList.pupils = {QStringLiteral("Anna"),
                        sqlName,
                        quotedName,
                        emojiName,
                        commaName,
                        longName,
                        QStringLiteral("@Invalid()"),
                        QStringLiteral(" Bea ")};
    classList.className = QStringLiteral("1ª B; \"la classe\", plesso Ñ");
    QTest::newRow("a class of awkward names") << classList;
    ProgramSettings onePupil;
    onePupil.pupils = {commaName};
    QTest::newRow("one pupil, a comma in the name") << onePupil;
}

void TestSettingsRules::roundTrip()
{
    QFETCH(ProgramSettings, settings);
    SettingsFile file;
    {
        QSettings written(file.path, QSettings::IniFormat);
        settings.write(written);
    }
    const ProgramSettings read = file.read();
    QCOMPARE(read.pupils, settings.pupils);
    QCOMPARE(read.className, settings.className);
    QVERIFY(read == settings);
}

void TestSettingsRules::valuesFromTheFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ProgramSettings>("expected");
    const ProgramSettings defaults;
    QTest::newRow("empty file") << QByteArray() << defaults;
    QTest::newRow("fino a 5, voice off")
        << QByteArray("[drill]\nlevel=5\nvoice=false\n") << withLevel(SetLevel::UpTo5, false);
    QTest::newRow("level 15, voice 0")
        << QByteArray("[drill]\nlevel=15\nvoice=0\n") << withLevel(SetLevel::UpTo15, false);
    QTest::newRow("a level of 7") << QByteArray("[drill]\nlevel=7\n") << defaults;
    QTest::newRow("a level of 0") << QByteArray("[drill]\nlevel=0\n") << defaults;
    QTest::newRow("a negative level") << QByteArray("[drill]\nlevel=-5\n") << defaults;
    QTest::newRow("a level in words") << QByteArray("[drill]\nlevel=fifteen\n") << defaults;
    QTest::newRow("a level with a fraction") << QByteArray("[drill]\nlevel=5.5\n") << defaults;
    QTest::newRow("a level as a list") << QByteArray("[drill]\nlevel=5, 15\n") << defaults;
    QTest::newRow("a voice in words") << QByteArray("[drill]\nvoice=maybe\n") << defaults;
    QTest::newRow("a voice as a number") << QByteArray("[drill]\nvoice=2\n") << defaults;
    ProgramSettings pupils;
    pupils.pupils = {QStringLiteral("Anna"), QStringLiteral("Luca")};
    QTest::newRow("blank and repeated pupils left out")
        << QByteArray("[class]\npupils=Anna, \" \", ANNA, Luca, \"\"\n") << pupils;
    ProgramSettings onePupil;
    onePupil.pupils = {QStringLiteral("Anna")};
    QTest::newRow("one pupil") << QByteArray("[class]\npupils=Anna\n") << onePupil;
    QTest::newRow("a class name as a list") << QByteArray("[class]\nname=a, b\n") << defaults;
    QTest::newRow("good values, then a broken section")
        << QByteArray("[drill]\nlevel=5\nvoice=false\n[class\npupils=Anna\n") << defaults;
    QTest::newRow("binary noise") << QByteArray("\x00\xff\xfe[[\x01=\n\x80\x81]=", 16) << defaults;
    QTest::newRow("another program's file")
        << QByteArray("<?xml version=\"1.0\"?><settings level=\"5\"/>") << defaults;
}

void TestSettingsRules::valuesFromTheFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(ProgramSettings, expected);
    SettingsFile file;
    QVERIFY(file.write(contents));
    const ProgramSettings read = file.read();
    QCOMPARE(read.voice, expected.voice);
    QCOMPARE(read.level, expected.level);
    QCOMPARE(read.pupils, expected.pupils);
    QCOMPARE(read.className, expected.className);
}

void TestSettingsRules::unreadableFileGivesTheDefaults()
{
    // A folder where the file should be cannot be read, not even by root.
    SettingsFile file;
    QVERIFY(QDir().mkpath(file.path));
    QVERIFY(file.read() == ProgramSettings{});
    QSettings settings(file.path, QSettings::IniFormat);
    withLevel(SetLevel::UpTo5, false).write(settings);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::AccessError);
    QVERIFY(ProgramSettings::read(settings) == ProgramSettings{});
}

void TestSettingsRules::programSettingsSurviveARun_data()
{
    QTest::addColumn<QByteArray>("before"); // the file's contents; null: no file
    QTest::addColumn<bool>("damaged");
    QTest::newRow("no file yet") << QByteArray() << false;
    QTest::newRow("a file of other values") << QByteArray("[drill]\nlevel=5\n") << false;
    QTest::newRow("a damaged file")
        << QByteArray("[drill]\nlevel=5\n[class\npupils=Anna\n") << true;
}

void TestSettingsRules::programSettingsSurviveARun()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, damaged);
    const QString path = QSettings(QString::fromLatin1(ProgramSettings::organisation),
                                   QString::fromLatin1(ProgramSettings::application))
                             .fileName();
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(path);
    QFile::remove(aside);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (!before.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    QCOMPARE(ProgramSettings::load().level,
             before.isEmpty() || damaged ? sets::defaultLevel : SetLevel::UpTo5);

    ProgramSettings chosen = withLevel(SetLevel::UpTo15, false);
    chosen.pupils = {emojiName, sqlName};
    chosen.className = QStringLiteral("2A");
    QVERIFY(chosen.save());
    QVERIFY(ProgramSettings::load() == chosen);
    // A damaged file is kept aside as it was, never written over.
    QFile kept(aside);
    QCOMPARE(kept.exists(), damaged);
    if (damaged) {
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
    }
    QFile::remove(path);
    QFile::remove(aside);
}

void TestSettingsRules::addingNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Refusal>("refusal");
    // The list holds "Anna" and "Niccolò" (its ò one character) already.
    QTest::newRow("a new name") << QStringLiteral("Marco") << Refusal::None;
    QTest::newRow("empty") << QString() << Refusal::Blank;
    QTest::newRow("blanks") << QStringLiteral("   ") << Refusal::Blank;
    QTest::newRow("tab and no-break space") << QStringLiteral("\t\u00a0") << Refusal::Blank;
    QTest::newRow("the same") << QStringLiteral("Anna") << Refusal::Duplicate;
    QTest::newRow("other case") << QStringLiteral("ANNA") << Refusal::Duplicate;
    QTest::newRow("blanks around") << QStringLiteral(" Anna\t") << Refusal::Duplicate;
    QTest::newRow("accent of two characters")
        << QStringLiteral("Niccolo\u0300") << Refusal::Duplicate;
    QTest::newRow("a longer name") << QStringLiteral("Anna Maria") << Refusal::None;
    QTest::newRow("very long") << longName << Refusal::None;
    QTest::newRow("quotes") << quotedName << Refusal::None;
    QTest::newRow("semicolon and SQL") << sqlName << Refusal::None;
    QTest::newRow("emoji") << emojiName << Refusal::None;
    QTest::newRow("comma") << commaName << Refusal::None;
    QTest::newRow("new line") << QStringLiteral("Anna\nLuca") << Refusal::SeveralLines;
    QTest::newRow("carriage return") << QStringLiteral("Luca\r") << Refusal::SeveralLines;
    QTest::newRow("line separator") << QStringLiteral("Luca\u2028Bea") << Refusal::SeveralLines;
}

void TestSettingsRules::addingNames()
{
    QFETCH(QString, name);
    QFETCH(Refusal, refusal);
    PupilList list({QStringLiteral("Anna"), QStringLiteral("Niccol\u00f2")});
    const QStringList before = list.names();
    QCOMPARE(list.add(name), refusal);
    if (refusal == Refusal::None) {
        // Kept exactly as typed.
        QCOMPARE(list.names(), before + QStringList{name});
    } else {
        QCOMPARE(list.names(), before);
        QVERIFY(!PupilList::reason(refusal).isEmpty());
    }
}

void TestSettingsRules::renamingAndRemoving()
{
    PupilList list({QStringLiteral("Anna"), QStringLiteral("Luca"), QStringLiteral("Bea")});
    // A name may become itself in another form, not another pupil's name.
    QCOMPARE(list.rename(0, QStringLiteral("ANNA")), Refusal::None);
    QCOMPARE(list.rename(1, QStringLiteral("anna")), Refusal::Duplicate);
    QCOMPARE(list.rename(1, QStringLiteral(" ")), Refusal::Blank);
    QCOMPARE(list.rename(1, QStringLiteral("Lu\nca")), Refusal::SeveralLines);
    QCOMPARE(list.rename(3, QStringLiteral("Zoe")), Refusal::NoSuchRow);
    QCOMPARE(list.rename(-1, QStringLiteral("Zoe")), Refusal::NoSuchRow);
    QCOMPARE(list.rename(2, sqlName), Refusal::None);
    QCOMPARE(list.names(), (QStringList{QStringLiteral("ANNA"), QStringLiteral("Luca"), sqlName}));

    QVERIFY(!list.remove(3));
    QVERIFY(!list.remove(-1));
    QVERIFY(list.remove(0));
    QCOMPARE(list.names(), (QStringList{QStringLiteral("Luca"), sqlName}));
    // Gone, the name is free again.
    QCOMPARE(list.add(QStringLiteral("Anna")), Refusal::None);
    QVERIFY(PupilList::reason(Refusal::None).isEmpty());
}

void TestSettingsRules::pastingAList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<int>("blankLines");
    QTest::addColumn<QStringList>("duplicates");
    const QString luca = QStringLiteral("Luca"), bea = QStringLiteral("Bea");
    QTest::newRow("one a line") << QStringLiteral("Luca\nBea") << QStringList{luca, bea} << 0
                                << QStringList{};
    QTest::newRow("windows line ends")
        << QStringLiteral("Luca\r\nBea\r\n") << QStringList{luca, bea} << 1 << QStringList{};
    QTest::newRow("old mac line ends")
        << QStringLiteral("Luca\rBea") << QStringList{luca, bea} << 0 << QStringList{};
    QTest::newRow("blank lines between")
        << QStringLiteral("\nLuca\n   \n\nBea\n") << QStringList{luca, bea} << 4 << QStringList{};
    QTest::newRow("a name already there") << QStringLiteral("anna\nLuca") << QStringList{luca} << 0
                                          << QStringList{QStringLiteral("anna")};
    QTest::newRow("a name twice in the list")
        << QStringLiteral("Luca\nBea\nluca ") << QStringList{luca, bea} << 0
        << QStringList{QStringLiteral("luca ")};
    QTest::newRow("one name, no line end")
        << emojiName << QStringList{emojiName} << 0 << QStringList{};
    QTest::newRow("awkward names kept as they are")
        << sqlName + u'\n' + quotedName + u'\n' + commaName
        << QStringList{sqlName, quotedName, commaName} << 0 << QStringList{};
    QTest::newRow("nothing") << QString() << QStringList{} << 1 << QStringList{};
}

void TestSettingsRules::pastingAList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, added);
    QFETCH(int, blankLines);
    QFETCH(QStringList, duplicates);
    PupilList list({QStringLiteral("Anna")});
    const PupilList::Pasted pasted = list.paste(text);
    QCOMPARE(pasted.added, added);
    QCOMPARE(pasted.blankLines, blankLines);
    QCOMPARE(pasted.duplicates, duplicates);
    QCOMPARE(list.names(), QStringList{QStringLiteral("Anna")} + added);
}

void TestSettingsRules::listFromSettingsKeepsTheUsableNames()
{
    const PupilList list({QStringLiteral("Anna"), QString(), QStringLiteral("anna"),
                          QStringLiteral("Luca\nBea"), QStringLiteral("  "), emojiName,
                          QStringLiteral("Anna ")});
    QCOMPARE(list.names(), (QStringList{QStringLiteral("Anna"), emojiName}));
}

QTEST_GUILESS_MAIN(TestSettingsRules)
#include "tst_settingsrules.moc"
