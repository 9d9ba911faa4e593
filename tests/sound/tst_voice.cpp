// SPDX-License-Identifier: GPL-3.0-or-later
// The drill heard through the private sound system (scripts/sound-system.sh):
// what reaches its sink while a child answers.
#include "SoundDriver.h"
#include "i18n/LanguageTexts.h"
#include "sound/ClipFolders.h"

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

using namespace soundtest;

namespace {

QStringList clipFiles(const QStringList &clips, const QString &language)
{
    return ClipFolders({QStringLiteral(GLI_BUILT_VOICES)}).find(clips, language).files;
}

} // namespace

class TestVoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void verdictIsHeard_data();
    void verdictIsHeard();
    void voiceOffIsSilent();
    void nextExerciseAndClosingCutOff();
};

void TestVoice::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("GLI_SOUND_SYSTEM"))
        QSKIP("No private sound system: scripts/test.sh starts one (scripts/sound-system.sh) "
              "and names it in GLI_SOUND_SYSTEM and PULSE_SERVER.");
    qApp->setQuitOnLastWindowClosed(false);
}

void TestVoice::init()
{
    makeProgram();
}

void TestVoice::cleanup()
{
    // The settings are kept across runs: the next test starts from the defaults.
    if (program)
        program->applySettings(ProgramSettings());
    closeProgram();
}

void TestVoice::verdictIsHeard_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("right");
    QTest::newRow("it wrong") << "it" << false;
    QTest::newRow("de right") << "de" << true;
    QTest::newRow("en wrong") << "en" << false;
}

// The question, then the verdict in the screen's language, heard.
void TestVoice::verdictIsHeard()
{
    QFETCH(QString, language);
    QFETCH(bool, right);
    const i18n::LanguageScope texts(language);
    QVERIFY(texts.isLoaded());
    SinkRecorder recorder;
    QTRY_VERIFY(recorder.isRecording());
    QSignalSpy started(&program->voice(), &Voice::started);

    program->openDrill();
    QTRY_COMPARE(started.count(), 1);
    QCOMPARE(started[0][0].toStringList(), clipFiles(phrases::question(), language));
    const RelationDrill &rules = program->drillState().drill;
    const int l = rules.leftSize(), r = rules.rightSize();
    answer(right);
    QTRY_COMPARE(started.count(), 3); // the sign, then the verdict
    const qsizetype verdictAt = recorder.samples();
    QCOMPARE(started[2][0].toStringList(), clipFiles(phrases::verdict(right, l, r), language));
    QSignalSpy finished(&program->voice(), &Voice::finished);
    // The first sound of a fresh sound server can take a while on a busy machine.
    QTRY_VERIFY_WITH_TIMEOUT(recorder.loudest(verdictAt) > heard, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 15000);
}

void TestVoice::voiceOffIsSilent()
{
    // The teacher turns the voice off in the settings.
    ProgramSettings quiet = program->settings();
    quiet.voice = false;
    program->applySettings(quiet);
    SinkRecorder recorder;
    QTRY_VERIFY(recorder.isRecording());
    QSignalSpy started(&program->voice(), &Voice::started);
    program->openDrill();
    answer(false);
    click(RelationDrill::optNext);
    answer(true);
    QVERIFY(!text("LblEsito").isEmpty());
    // The first clip would start well within two seconds.
    const qsizetype answeredAt = recorder.samples();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.samples() > answeredAt + SinkRecorder::seconds(2), 10000);
    QCOMPARE(recorder.loudest(0), 0);
    QCOMPARE(started.count(), 0);
}

// A new exercise cuts off the verdict, the loudspeaker says the question
// again, closing cuts it off: nothing is said to its end, and the sink falls
// silent.
void TestVoice::nextExerciseAndClosingCutOff()
{
    SinkRecorder recorder;
    QTRY_VERIFY(recorder.isRecording());
    QSignalSpy started(&program->voice(), &Voice::started);
    QSignalSpy finished(&program->voice(), &Voice::finished);
    program->openDrill();
    answer(false);
    QTRY_COMPARE(started.count(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.loudest(0) > heard, 10000);
    click(RelationDrill::optNext);
    QTRY_COMPARE(started.count(), 4);
    const QStringList question = clipFiles(phrases::question(), QStringLiteral("it"));
    QCOMPARE(started[3][0].toStringList(), question);
    QTest::mouseClick(screen().findChild<QToolButton *>(QStringLiteral("cmdAscolta")),
                      Qt::LeftButton);
    QTRY_COMPARE(started.count(), 5);
    QCOMPARE(started[4][0].toStringList(), question);
    QVERIFY(screen().close());
    QVERIFY(!program->drillScreen());
    // Silent for a second on end, long before the question would have ended.
    const auto silentSecond = [&recorder] {
        const qsizetype end = recorder.samples();
        return end > SinkRecorder::seconds(1)
            && recorder.loudest(end - SinkRecorder::seconds(1), end) == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(silentSecond(), 10000);
    QCOMPARE(finished.count(), 0);
}

QTEST_MAIN(TestVoice)
#include "tst_voice.moc"
