// SPDX-License-Identifier: GPL-3.0-or-later
// The drill when nothing can be heard: no sound server, no player module, a
// module that is not one. It answers and closes as ever, says nothing to
// the child and writes one line in the log.
#include "SoundDriver.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace soundtest;

class TestVoiceSilent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void drillGoesOnSilently_data();
    void drillGoesOnSilently();
};

void TestVoiceSilent::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    installSoundLog();
}

void TestVoiceSilent::cleanup()
{
    closeProgram();
}

void TestVoiceSilent::drillGoesOnSilently_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no sound server") << GLI_SOUND_MODULE << "no sound server or sound device";
    QTest::newRow("no module") << ""
                               << "the player module gli-insiemi-sound.so is not installed";
    QTest::newRow("not a module") << "text"
                                  << "is not a valid ELF object";
}

void TestVoiceSilent::drillGoesOnSilently()
{
    QFETCH(QString, module);
    QFETCH(QString, reason);
    // Whatever the caller's environment, a server that is not there.
    QTemporaryDir nowhere;
    qputenv("PULSE_SERVER", QFile::encodeName("unix:" + nowhere.filePath("native")));
    if (module == QLatin1String("text")) {
        module = nowhere.filePath("gli-insiemi-sound.so");
        QFile text(module);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a library\n");
    }
    soundLog.clear();
    otherLog.clear();
    makeProgram();
    program->voice().setPlayerModule(module);
    QSignalSpy unavailable(&program->voice(), &Voice::unavailable);

    program->openDrill();
    QVERIFY(QTest::qWaitForWindowExposed(&screen()));
    for (bool right : {false, true}) {
        answer(right);
        QVERIFY(!text("LblEsito").isEmpty());
        click(RelationDrill::optNext);
    }
    // The question, and twice a sign, a verdict and the next question: each
    // finds no sound, the log says so once.
    QTRY_COMPARE_WITH_TIMEOUT(unavailable.count(), 7, 10000);
    for (const QList<QVariant> &each : unavailable)
        QVERIFY2(each[0].toString().contains(reason), qPrintable(each[0].toString()));
    // One line in the whole log, Qt's own included.
    QCOMPARE(soundLog.size(), 1);
    QVERIFY(soundLog[0].contains(reason));
    const QRegularExpression aboutSound(QStringLiteral("pulse|audio|sound|multimedia"),
                                        QRegularExpression::CaseInsensitiveOption);
    QCOMPARE(otherLog.filter(aboutSound), QStringList());
    QVERIFY(screen().close());
    QVERIFY(!program->drillScreen());
}

QTEST_MAIN(TestVoiceSilent)
#include "tst_voicesilent.moc"
