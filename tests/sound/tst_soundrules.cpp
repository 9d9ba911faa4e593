// SPDX-License-Identifier: GPL-3.0-or-later
// What the drill says, where its clips come from and which clips play.
#include "shell/Language.h"
#include "sound/ClipFolders.h"
#include "sound/Phrases.h"
#include "sound/WavFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using phrases::Relation;

namespace {

QByteArray toneWav()
{
    return wav::pcm16(wav::samples(phrases::tones()[0], 8000), 8000);
}

// Writes `bytes` as ROOT/LANG/CLIP.wav.
void put(const QString &root, const QString &language, const QString &clip, const QByteArray &bytes)
{
    QDir().mkpath(root + u'/' + language);
    QFile file(root + u'/' + language + u'/' + clip + QStringLiteral(".wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSoundRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentences_data();
    void sentences();
    void everyCountHasWords_data();
    void everyCountHasWords();
    void countsWithoutWords();
    void wavProblems_data();
    void wavProblems();
    void toneIsAPlayableWav();
    void schoolRecordingsComeFirst();
    void badClipsAreLeftOut();
    void unreadableFolders();
    void builtClipsInEveryLanguage_data();
    void builtClipsInEveryLanguage();
};

// Which clips each thing the drill says gives, and what they say.
void TestSoundRules::sentences_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("clips");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("text");

    const QStringList question{QStringLiteral("question")};
    QTest::newRow("it question") << "it" << phrases::question() << question
                                 << "Quale segno va tra i due insiemi?";
    QTest::newRow("de question") << "de" << phrases::question() << question
                                 << "Welches Zeichen gehört zwischen die beiden Mengen?";
    QTest::newRow("en question") << "en" << phrases::question() << question
                                 << "Which sign goes between the two sets?";

    QTest::newRow("it less") << "it" << phrases::sign(Relation::Less) << QStringList{"sign-less"}
                             << "Minore di.";
    QTest::newRow("it equal") << "it" << phrases::sign(Relation::Equal) << QStringList{"sign-equal"}
                              << "Uguale a.";
    QTest::newRow("it greater") << "it" << phrases::sign(Relation::Greater)
                                << QStringList{"sign-greater"} << "Maggiore di.";
    QTest::newRow("de greater") << "de" << phrases::sign(Relation::Greater)
                                << QStringList{"sign-greater"} << "Größer als.";
    QTest::newRow("en less") << "en" << phrases::sign(Relation::Less) << QStringList{"sign-less"}
                             << "Less than.";

    const QStringList right{"sound-right", "right"};
    QTest::newRow("it right") << "it" << phrases::verdict(true, 7, 3) << right << "Esatto!";
    QTest::newRow("de right") << "de" << phrases::verdict(true, 4, 4) << right << "Richtig!";
    QTest::newRow("en right") << "en" << phrases::verdict(true, 2, 9) << right << "Right!";

    QTest::newRow("it wrong 7 3") << "it" << phrases::verdict(false, 7, 3)
                                  << QStringList{"sound-wrong", "wrong", "number-7", "is-greater",
                                                 "number-3"}
                                  << "Sbagliato. Sette è maggiore di tre.";
    QTest::newRow("de wrong 7 3") << "de" << phrases::verdict(false, 7, 3)
                                  << QStringList{"sound-wrong", "wrong", "number-7", "is-greater",
                                                 "number-3"}
                                  << "Falsch. Sieben ist größer als drei.";
    QTest::newRow("en wrong 7 3") << "en" << phrases::verdict(false, 7, 3)
                                  << QStringList{"sound-wrong", "wrong", "number-7", "is-greater",
                                                 "number-3"}
                                  << "Wrong. Seven is greater than three.";
    QTest::newRow("it wrong 1 15")
        << "it" << phrases::verdict(false, 1, 15)
        << QStringList{"sound-wrong", "wrong", "number-1", "is-less", "number-15"}
        << "Sbagliato. Uno è minore di quindici.";
    QTest::newRow("de wrong 12 12")
        << "de" << phrases::verdict(false, 12, 12)
        << QStringList{"sound-wrong", "wrong", "number-12", "is-equal", "number-12"}
        << "Falsch. Zwölf ist gleich zwölf.";
    QTest::newRow("en wrong 11 5")
        << "en" << phrases::verdict(false, 11, 5)
        << QStringList{"sound-wrong", "wrong", "number-11", "is-greater", "number-5"}
        << "Wrong. Eleven is greater than five.";
    QTest::newRow("fr has no words")
        << "fr" << phrases::verdict(false, 2, 3)
        << QStringList{"sound-wrong", "wrong", "number-2", "is-less", "number-3"} << "";
}

void TestSoundRules::sentences()
{
    QFETCH(QString, language);
    QFETCH(QStringList, clips);
    QFETCH(QStringList, expected);
    QFETCH(QString, text);
    QCOMPARE(clips, expected);
    QCOMPARE(phrases::sentence(clips, language), text);
}

// Every pair of counts the drill can draw gives a whole sentence in every
// language: five clips, each with words, the relation the right one.
void TestSoundRules::everyCountHasWords_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : language::spoken())
        QTest::newRow(qPrintable(language)) << language;
}

void TestSoundRules::everyCountHasWords()
{
    QFETCH(QString, language);
    const QStringList known = phrases::clipNames();
    QSet<QString> numberWords;
    for (int left = phrases::smallestNumber; left <= phrases::largestNumber; ++left) {
        for (int right = phrases::smallestNumber; right <= phrases::largestNumber; ++right) {
            const QStringList clips = phrases::verdict(false, left, right);
            QCOMPARE(clips.size(), 5);
            for (const QString &clip : clips)
                QVERIFY2(known.contains(clip), qPrintable(clip));
            for (const QString &clip : clips.mid(1))
                QVERIFY2(!phrases::text(clip, language).isEmpty(), qPrintable(clip));
            const char *relation = left < right ? "is-less"
                : left > right                  ? "is-greater"
                                                : "is-equal";
            QCOMPARE(clips[3], QLatin1String(relation));
            QCOMPARE(clips[2], phrases::verdict(false, left, left)[4]);
        }
        numberWords << phrases::text(phrases::verdict(false, left, 1)[2], language);
    }
    // Fifteen different words for fifteen numbers.
    QCOMPARE(numberWords.size(), phrases::largestNumber);
}

void TestSoundRules::countsWithoutWords()
{
    for (auto [left, right] : {std::pair{0, 3}, {3, 16}, {-1, -1}})
        QCOMPARE(phrases::verdict(false, left, right), (QStringList{"sound-wrong", "wrong"}));
}

void TestSoundRules::wavProblems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray good = toneWav();
    QByteArray compressed = good;
    compressed[20] = 3; // IEEE float
    QByteArray stereo24 = good;
    stereo24[22] = 2;
    stereo24[34] = 24;
    QByteArray withList = good;
    withList.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
    QByteArray hugeChunk = good;
    hugeChunk.insert(36, QByteArray("junk\xff\xff\0\0", 8));

    QTest::newRow("tone") << good << "";
    QTest::newRow("stereo 24 bits") << stereo24 << "";
    QTest::newRow("odd chunk before the data") << withList << "";
    QTest::newRow("empty") << QByteArray() << "not a WAV file";
    QTest::newRow("text") << QByteArray("ciao, sono la maestra\n") << "not a WAV file";
    QTest::newRow("ogg") << QByteArray("OggS\0\x02\0\0\0\0\0\0\0\0", 14) << "not a WAV file";
    QTest::newRow("head only") << good.left(12) << "no format";
    QTest::newRow("no data chunk") << good.left(36) << "no sound data";
    QTest::newRow("cut short") << good.left(100) << "cut short (56 of 3520 bytes of sound)";
    QTest::newRow("float") << compressed << "compressed sound (format 3), not PCM";
    QTest::newRow("chunk past the end") << hugeChunk << "damaged";
}

void TestSoundRules::wavProblems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(wav::problem(buffer), problem);
}

void TestSoundRules::toneIsAPlayableWav()
{
    const phrases::Tone &tone = phrases::tones()[1];
    const QList<qint16> samples = wav::samples(tone, 8000);
    QCOMPARE(samples.size(), qsizetype(2 * tone.noteSeconds * 8000));
    // Faded in and out, never louder than asked.
    QCOMPARE(samples.first(), 0);
    QVERIFY(std::abs(samples.last()) < 200);
    const auto loudest = *std::max_element(samples.begin(), samples.end());
    QVERIFY(loudest > 0.9 * tone.loudness * 32767 && loudest <= tone.loudness * 32767 + 1);
    QCOMPARE(wav::pcm16(samples, 8000).size(), 44 + 2 * samples.size());
}

// A school's own clip stands in for the built one, clip by clip.
void TestSoundRules::schoolRecordingsComeFirst()
{
    QTemporaryDir school, built;
    const QByteArray clip = toneWav();
    for (const char *name : {"sound-wrong", "wrong", "number-7", "is-greater", "number-3"})
        put(built.path(), "de", name, clip);
    put(school.path(), "de", "wrong", clip);
    put(school.path(), "it", "number-7", clip); // another language: not used

    const ClipFolders folders({school.path(), built.path()});
    const ClipFolders::Found found = folders.find(phrases::verdict(false, 7, 3), "de");
    QCOMPARE(found.problems, QStringList());
    const QString b = built.path() + QStringLiteral("/de/"), s = school.path() + "/de/";
    QCOMPARE(found.files,
             (QStringList{b + "sound-wrong.wav", s + "wrong.wav", b + "number-7.wav",
                          b + "is-greater.wav", b + "number-3.wav"}));
}

// A missing or damaged clip, the school's too, is left out with a line that
// names it; the rest of the sentence stays.
void TestSoundRules::badClipsAreLeftOut()
{
    QTemporaryDir school, built;
    const QByteArray clip = toneWav();
    for (const char *name : {"sound-wrong", "wrong", "number-7", "is-greater"})
        put(built.path(), "en", name, clip);
    put(school.path(), "en", "wrong", "RIFF, but only a note");
    put(school.path(), "en", "number-7", clip.left(60));

    const ClipFolders folders({school.path(), built.path()});
    const ClipFolders::Found found = folders.find(phrases::verdict(false, 7, 3), "en");
    QCOMPARE(
        found.files,
        (QStringList{built.path() + "/en/sound-wrong.wav", built.path() + "/en/is-greater.wav"}));
    QCOMPARE(found.problems.size(), 3);
    QCOMPARE(found.problems[0], "Clip " + school.path() + "/en/wrong.wav left out: not a WAV file");
    QVERIFY(found.problems[1].startsWith("Clip " + school.path()
                                         + "/en/number-7.wav left out: "
                                           "cut short"));
    QVERIFY(found.problems[2].startsWith("No clip en/number-3.wav in "));
}

void TestSoundRules::unreadableFolders()
{
    QTemporaryDir built;
    QFile plain(built.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    put(built.path(), "it", "question", toneWav());
    // Folders that are files, or not there: passed over, never a crash.
    const ClipFolders folders(
        {plain.fileName() + "/voices", QString(), "/nonexistent/voices", built.path()});
    const ClipFolders::Found found = folders.find(phrases::question(), "it");
    QCOMPARE(found.files, QStringList{built.path() + "/it/question.wav"});
    const ClipFolders::Found none = ClipFolders({plain.fileName()}).find({"question"}, "it");
    QVERIFY(none.files.isEmpty());
    QCOMPARE(none.problems.size(), 1);
}

// The build voiced every clip of the table in every language.
void TestSoundRules::builtClipsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : language::spoken())
        QTest::newRow(qPrintable(language)) << language;
}

void TestSoundRules::builtClipsInEveryLanguage()
{
    QFETCH(QString, language);
    const QStringList names = phrases::clipNames();
    const ClipFolders::Found found =
        ClipFolders({QStringLiteral(GLI_BUILT_VOICES)}).find(names, language);
    QCOMPARE(found.problems, QStringList());
    QCOMPARE(found.files.size(), names.size());
    QCOMPARE(QDir(QStringLiteral(GLI_BUILT_VOICES) + u'/' + language)
                 .entryList({"*.wav"}, QDir::Files)
                 .size(),
             names.size());
}

QTEST_GUILESS_MAIN(TestSoundRules)
#include "tst_soundrules.moc"
