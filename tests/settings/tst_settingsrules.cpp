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

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

ProgramSettings make(SetLevel level, bool voice = true, const QStringList &pupils = {},
                     const QString &className = {})
{
    return {voice, level, pupils, className};
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
    QTest::newRow("voice off, fino a 5") << make(SetLevel::UpTo5, false);
    QTest::newRow("a class of awkward names")
        << make(SetLevel::UpTo15, true,
                {QStringLiteral("Anna"), sqlName, quotedName, emojiName, commaName, longName,
                 QStringLiteral("@Invalid()"), QStringLiteral(" Bea ")},
                QStringLiteral("1ª B; \"la classe\", plesso Ñ"));
    QTest::newRow("one pupil, a comma in the name") << make(SetLevel::UpTo10, true, {commaName});
}

void TestSettingsRules::roundTrip()
{
    QFETCH(ProgramSettings, settings);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gli-insiemi.conf"));
    {
        QSettings written(path, QSettings::IniFormat);
        settings.write(written);
    }
    QCOMPARE(ProgramSettings::read(QSettings(path, QSettings::IniFormat)), settings);
}

void TestSettingsRules::valuesFromTheFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ProgramSettings>("expected");
    const ProgramSettings defaults;
    QTest::newRow("empty file") << QByteArray() << defaults;
    QTest::newRow("fino a 5, voice off")
        << QByteArray("[drill]\nlevel=5\nvoice=false\n") << make(SetLevel::UpTo5, false);
    QTest::newRow("level 15, voice 0")
        << QByteArray("[drill]\nlevel=15\nvoice=0\n") << make(SetLevel::UpTo15, false);
    for (const char *level : {"7", "0", "-5", "fifteen", "5.5", "5, 15"})
        QTest::addRow("a level of %s", level) << QByteArray("[drill]\nlevel=") + level + '\n'
                                              << defaults;
    QTest::newRow("a voice in words") << QByteArray("[drill]\nvoice=maybe\n") << defaults;
    QTest::newRow("a voice as a number") << QByteArray("[drill]\nvoice=2\n") << defaults;
    QTest::newRow("blank and repeated pupils left out")
        << QByteArray("[class]\npupils=Anna, \" \", ANNA, Luca, \"\"\n")
        << make(SetLevel::UpTo10, true, {QStringLiteral("Anna"), QStringLiteral("Luca")});
    QTest::newRow("one pupil") << QByteArray("[class]\npupils=Anna\n")
                               << make(SetLevel::UpTo10, true, {QStringLiteral("Anna")});
    QTest::newRow("a class name as a list") << QByteArray("[class]\nname=a, b\n") << defaults;
    QTest::newRow("good values, then a broken section")
        << QByteArray("[drill]\nlevel=5\nvoice=false\n[class\npupils=Anna\n") << defaults;
    static constexpr char noise[] = "\x00\xff\xfe[[\x01=\n\x80\x81]=";
    QTest::newRow("binary noise") << QByteArray(noise, sizeof noise - 1) << defaults;
    QTest::newRow("another program's file")
        << QByteArray("<?xml version=\"1.0\"?><settings level=\"5\"/>") << defaults;
}

void TestSettingsRules::valuesFromTheFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(ProgramSettings, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gli-insiemi.conf"));
    QVERIFY(writeFile(path, contents));
    const ProgramSettings read = ProgramSettings::read(QSettings(path, QSettings::IniFormat));
    QCOMPARE(read.voice, expected.voice);
    QCOMPARE(read.level, expected.level);
    QCOMPARE(read.pupils, expected.pupils);
    QCOMPARE(read.className, expected.className);
}

void TestSettingsRules::unreadableFileGivesTheDefaults()
{
    // A folder where the file should be cannot be read, not even by root.
    QTemporaryDir dir;
    QSettings settings(dir.path(), QSettings::IniFormat);
    make(SetLevel::UpTo5, false).write(settings);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::AccessError);
    QCOMPARE(ProgramSettings::read(settings), ProgramSettings{});
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
    QVERIFY(before.isNull() || writeFile(path, before));
    QCOMPARE(ProgramSettings::load().level,
             before.isEmpty() || damaged ? sets::defaultLevel : SetLevel::UpTo5);

    const ProgramSettings chosen = make(SetLevel::UpTo15, false, {emojiName, sqlName},
                                        QStringLiteral("2A"));
    QVERIFY(chosen.save());
    QCOMPARE(ProgramSettings::load(), chosen);
    // A damaged file is kept aside as it was, never written over.
    QFile kept(aside);
    QCOMPARE(kept.exists(), damaged);
    QVERIFY(!damaged || (kept.open(QIODevice::ReadOnly) && kept.readAll() == before));
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
    QTest::newRow("tab and no-break space") << QStringLiteral(" \t\u00a0") << Refusal::Blank;
    QTest::newRow("other case") << QStringLiteral("ANNA") << Refusal::Duplicate;
    QTest::newRow("blanks around") << QStringLiteral(" Anna\t") << Refusal::Duplicate;
    QTest::newRow("accent of two characters")
        << QStringLiteral("Niccolo\u0300") << Refusal::Duplicate;
    QTest::newRow("a longer name") << QStringLiteral("Anna Maria") << Refusal::None;
    for (const QString &kept : {longName, quotedName, sqlName, emojiName, commaName})
        QTest::addRow("kept: %s", qPrintable(kept.left(12))) << kept << Refusal::None;
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
    // Kept exactly as typed, or not at all, with the reason in words.
    QCOMPARE(list.names(), refusal == Refusal::None ? before + QStringList{name} : before);
    QCOMPARE(PupilList::reason(refusal).isEmpty(), refusal == Refusal::None);
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
    QTest::newRow("windows and old mac line ends")
        << QStringLiteral("Luca\r\nBea\r") << QStringList{luca, bea} << 1 << QStringList{};
    QTest::newRow("blank lines between")
        << QStringLiteral("\nLuca\n   \n\nBea\n") << QStringList{luca, bea} << 4 << QStringList{};
    QTest::newRow("names already there, or twice")
        << QStringLiteral("anna\nLuca\nluca ") << QStringList{luca} << 0
        << QStringList{QStringLiteral("anna"), QStringLiteral("luca ")};
    QTest::newRow("awkward names kept as they are")
        << sqlName + u'\n' + quotedName + u'\n' + emojiName
        << QStringList{sqlName, quotedName, emojiName} << 0 << QStringList{};
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

QTEST_GUILESS_MAIN(TestSettingsRules)
#include "tst_settingsrules.moc"
