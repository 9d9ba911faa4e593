// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the results without a database: mistakes, periods, CSV and
// the server settings.
#include "storage/CsvWriter.h"
#include "storage/Mistake.h"
#include "storage/PupilSummary.h"
#include "storage/ResultsCsv.h"
#include "storage/ResultsPeriod.h"
#include "storage/ServerSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestStorageRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classifiesMistakes_data();
    void classifiesMistakes();
    void mistakeTextsAreWordsOrNothing();
    void unknownStoredMistakesReadAsNone();
    void periodsStartAtLocalMidnightAndTheWeeksFirstDay_data();
    void periodsStartAtLocalMidnightAndTheWeeksFirstDay();
    void csvFieldsAreQuotedAndDisarmed_data();
    void csvFieldsAreQuotedAndDisarmed();
    void csvSeparatorFollowsTheDecimalMark_data();
    void csvSeparatorFollowsTheDecimalMark();
    void csvDocumentHasMarkHeadingAndOneLinePerPupil();
    void serverSettingsReadValidValuesOnly_data();
    void serverSettingsReadValidValuesOnly();
};

void TestStorageRules::classifiesMistakes_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QChar>("chosen");
    QTest::addColumn<Mistake>("mistake");

    QTest::newRow("right <") << 2 << 7 << QChar(u'<') << Mistake::None;
    QTest::newRow("right =") << 4 << 4 << QChar(u'=') << Mistake::None;
    QTest::newRow("right >") << 9 << 3 << QChar(u'>') << Mistake::None;
    // Equal sets come first, even at a difference of 0.
    QTest::newRow("equal, <") << 5 << 5 << QChar(u'<') << Mistake::MissesEqual;
    QTest::newRow("equal, >") << 1 << 1 << QChar(u'>') << Mistake::MissesEqual;
    // One apart: off by one, whatever the sign, '=' included.
    QTest::newRow("one apart, =") << 6 << 7 << QChar(u'=') << Mistake::OffByOne;
    QTest::newRow("one apart, swapped") << 8 << 7 << QChar(u'<') << Mistake::OffByOne;
    QTest::newRow("one apart, other way") << 7 << 8 << QChar(u'>') << Mistake::OffByOne;
    QTest::newRow("two apart, =") << 3 << 5 << QChar(u'=') << Mistake::SeesFalseEqual;
    QTest::newRow("far apart, =") << 15 << 1 << QChar(u'=') << Mistake::SeesFalseEqual;
    QTest::newRow("two apart, swapped") << 3 << 5 << QChar(u'>') << Mistake::SwapsLessGreater;
    QTest::newRow("far apart, swapped") << 12 << 2 << QChar(u'<') << Mistake::SwapsLessGreater;
}

void TestStorageRules::classifiesMistakes()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QChar, chosen);
    QFETCH(Mistake, mistake);
    QCOMPARE(classifyMistake(left, right, chosen), mistake);
}

void TestStorageRules::mistakeTextsAreWordsOrNothing()
{
    QVERIFY(mistakeText(Mistake::None).isEmpty());
    QCOMPARE(mistakeText(Mistake::SwapsLessGreater), QStringLiteral("scambia < e >"));
    QCOMPARE(mistakeText(Mistake::MissesEqual), QStringLiteral("non vede ="));
    QCOMPARE(mistakeText(Mistake::OffByOne), QStringLiteral("sbaglia di uno"));
    QCOMPARE(mistakeText(Mistake::SeesFalseEqual), QStringLiteral("vede = dove non c'è"));
}

void TestStorageRules::unknownStoredMistakesReadAsNone()
{
    for (int value = 1; value <= 4; ++value)
        QCOMPARE(int(mistakeFromValue(value)), value);
    QCOMPARE(mistakeFromValue(0), Mistake::None);
    QCOMPARE(mistakeFromValue(5), Mistake::None);
    QCOMPARE(mistakeFromValue(-1), Mistake::None);
}

void TestStorageRules::periodsStartAtLocalMidnightAndTheWeeksFirstDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<ResultsPeriod>("period");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("from");

    // 18 March 2026 is a Wednesday.
    const QDateTime wednesday(QDate(2026, 3, 18), QTime(9, 30));
    const QDateTime sunday(QDate(2026, 3, 22), QTime(23, 59));
    QTest::newRow("today") << "it_IT" << ResultsPeriod::Today << wednesday
                           << QDateTime(QDate(2026, 3, 18), QTime(0, 0));
    QTest::newRow("week from Monday") << "it_IT" << ResultsPeriod::ThisWeek << wednesday
                                      << QDateTime(QDate(2026, 3, 16), QTime(0, 0));
    QTest::newRow("Sunday still that week") << "de_DE" << ResultsPeriod::ThisWeek << sunday
                                            << QDateTime(QDate(2026, 3, 16), QTime(0, 0));
    QTest::newRow("week from Sunday") << "en_US" << ResultsPeriod::ThisWeek << wednesday
                                      << QDateTime(QDate(2026, 3, 15), QTime(0, 0));
    QTest::newRow("Sunday starts its week") << "en_US" << ResultsPeriod::ThisWeek << sunday
                                            << QDateTime(QDate(2026, 3, 22), QTime(0, 0));
}

void TestStorageRules::periodsStartAtLocalMidnightAndTheWeeksFirstDay()
{
    QFETCH(QString, locale);
    QFETCH(ResultsPeriod, period);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, from);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const PeriodBounds bounds = periodBounds(period, now);
    QLocale::setDefault(before);
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(bounds.from), from);
    QVERIFY(bounds.until > now.toMSecsSinceEpoch());
    const PeriodBounds all = periodBounds(ResultsPeriod::All, now);
    QVERIFY(all.from < QDateTime(QDate(1970, 1, 1), QTime(0, 0)).toMSecsSinceEpoch());
}

void TestStorageRules::csvFieldsAreQuotedAndDisarmed_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");

    QTest::newRow("plain") << "Anna"
                           << "\"Anna\"";
    QTest::newRow("empty") << ""
                           << "\"\"";
    QTest::newRow("quotes doubled") << "Anna \"la rossa\""
                                    << "\"Anna \"\"la rossa\"\"\"";
    QTest::newRow("separators stay inside") << "Rossi; Anna, B."
                                            << "\"Rossi; Anna, B.\"";
    QTest::newRow("new line stays inside") << "Anna\nMaria"
                                           << "\"Anna\nMaria\"";
    QTest::newRow("formula =") << "=1+1"
                               << "\"'=1+1\"";
    QTest::newRow("formula +") << "+39 333"
                               << "\"'+39 333\"";
    QTest::newRow("formula -") << "-2+3"
                               << "\"'-2+3\"";
    QTest::newRow("formula @") << "@SUM(A1)"
                               << "\"'@SUM(A1)\"";
    QTest::newRow("formula after tab") << "\t=1"
                                       << "\"'\t=1\"";
    QTest::newRow("formula and quotes") << "=HYPERLINK(\"x\")"
                                        << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("sign inside is text") << "Anna=Maria"
                                         << "\"Anna=Maria\"";
    QTest::newRow("SQL-looking text") << "Bob'); DROP TABLE answers;--"
                                      << "\"Bob'); DROP TABLE answers;--\"";
    QTest::newRow("emoji") << "Luca 🦊"
                           << "\"Luca 🦊\"";
}

void TestStorageRules::csvFieldsAreQuotedAndDisarmed()
{
    QFETCH(QString, value);
    QFETCH(QString, field);
    QCOMPARE(CsvWriter(u';').field(value), field);
}

void TestStorageRules::csvSeparatorFollowsTheDecimalMark_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QChar>("separator");

    QTest::newRow("Italian") << "it_IT" << QChar(u';');
    QTest::newRow("German") << "de_DE" << QChar(u';');
    QTest::newRow("Swiss German, point") << "de_CH" << QChar(u',');
    QTest::newRow("English") << "en_GB" << QChar(u',');
    QTest::newRow("C") << "C" << QChar(u',');
}

void TestStorageRules::csvSeparatorFollowsTheDecimalMark()
{
    QFETCH(QString, locale);
    QFETCH(QChar, separator);
    QCOMPARE(CsvWriter::separatorFor(QLocale(locale)), separator);
    const QString line = CsvWriter(separator).row({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(line, QStringLiteral("\"a\"%1\"b\"\r\n").arg(separator));
}

void TestStorageRules::csvDocumentHasMarkHeadingAndOneLinePerPupil()
{
    PupilSummary anna;
    anna.pupil = QStringLiteral("=Anna");
    anna.exercises = 2000;
    anna.right = 1500;
    anna.wrong = 500;
    anna.shareRight = 0.75;
    anna.meanSeconds = 3.26;
    anna.lastDay = QDate(2026, 3, 18);
    anna.commonMistake = Mistake::OffByOne;
    PupilSummary guest;
    guest.exercises = 1;
    guest.right = 1;
    guest.shareRight = 1;
    guest.meanSeconds = 2;
    guest.lastDay = QDate(2026, 3, 17);

    const QByteArray italian = results_csv::document({anna, guest}, QLocale(QLocale::Italian));
    QVERIFY(italian.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(italian.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // heading, two pupils, the empty rest after the last CR LF
    QVERIFY(lines.at(0).startsWith(QStringLiteral("\"Alunno\";\"Esercizi\";")));
    // No thousands separator, a decimal comma, an ISO day, the mistake in words.
    QCOMPARE(lines.at(1),
             QStringLiteral("\"'=Anna\";\"2000\";\"1500\";\"500\";\"75,0\";\"3,3\";"
                            "\"2026-03-18\";\"sbaglia di uno\""));
    QCOMPARE(lines.at(2),
             QStringLiteral("\"Ospite\";\"1\";\"1\";\"0\";\"100,0\";\"2,0\";"
                            "\"2026-03-17\";\"\""));
    QVERIFY(lines.at(3).isEmpty());

    const QString english = QString::fromUtf8(
        results_csv::document({anna}, QLocale(QLocale::English)).mid(3));
    QVERIFY(english.contains(QStringLiteral("\"2000\",\"1500\",\"500\",\"75.0\",\"3.3\",")));
}

void TestStorageRules::serverSettingsReadValidValuesOnly_data()
{
    QTest::addColumn<QVariant>("port");
    QTest::addColumn<QString>("sslMode");
    QTest::addColumn<int>("readPort");
    QTest::addColumn<QString>("readSslMode");

    QTest::newRow("valid") << QVariant(6543) << "verify-full" << 6543 << "verify-full";
    QTest::newRow("port as text") << QVariant(QStringLiteral("5433")) << "require" << 5433
                                  << "require";
    // 0: libpq's own port, or the service's.
    QTest::newRow("port zero") << QVariant(0) << "prefer" << 0 << "prefer";
    QTest::newRow("port too high") << QVariant(70000) << "disable" << 0 << "disable";
    QTest::newRow("port not a number") << QVariant(QStringLiteral("pg")) << "" << 0 << "";
    QTest::newRow("unknown mode") << QVariant(5432) << "always" << 5432 << "";
}

void TestStorageRules::serverSettingsReadValidValuesOnly()
{
    QFETCH(QVariant, port);
    QFETCH(QString, sslMode);
    QFETCH(int, readPort);
    QFETCH(QString, readSslMode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    QVERIFY(!ServerSettings::read(settings).isSet());
    ServerSettings written;
    written.host = QStringLiteral("scuola.example");
    written.database = QStringLiteral("risultati");
    written.user = QStringLiteral("aula");
    written.write(settings);
    settings.setValue(QStringLiteral("server/port"), port);
    settings.setValue(QStringLiteral("server/sslmode"), sslMode);
    const ServerSettings read = ServerSettings::read(settings);
    QVERIFY(read.isSet());
    QCOMPARE(read.host, written.host);
    QCOMPARE(read.database, written.database);
    QCOMPARE(read.user, written.user);
    QCOMPARE(read.port, readPort);
    QCOMPARE(read.sslMode, readSslMode);
}

QTEST_GUILESS_MAIN(TestStorageRules)
#include "tst_storagerules.moc"
