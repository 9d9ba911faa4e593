// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random key and mouse events on the drill screen, checking
// after every event what the child must always see. A fixed seed and a fixed
// number of events; GLI_TEST_SEED=<seed> replays another run,
// GLI_TEST_SEED=random draws a fresh one.
#include "TestSeed.h"
#include "DrillDriver.h"
#include "sets/RandomSource.h"
#include "drill/ScoreTiming.h"
#include "shell/Elements.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

namespace {
constexpr quint64 fixedSeed = 20240613;
constexpr int eventCount = 4000;
constexpr qint64 second = 1'000'000'000;
qint64 fakeNow = 0;

using namespace drilltest;
} // namespace

class TestDrillRandomRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomEvents();

private:
    void act();
    void check(const char *at);

    const quint64 m_seed = testseed::fromEnvironment(fixedSeed);
    // The input's generator takes 32 bits of the seed, the drill's all 64.
    QRandomGenerator m_random{static_cast<quint32>(m_seed)};
    // What the run has seen so far.
    qint64 m_exercise = 0, m_right = 0, m_wrong = 0, m_total = 0, m_started = 0;
    bool m_rightShown = false, m_wrongShown = false, m_totalShown = false;
    QString m_verdict;
};

void TestDrillRandomRun::act()
{
    static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_1,     Qt::Key_2,     Qt::Key_3,      Qt::Key_Tab,
                                   Qt::Key_F2,    Qt::Key_F3,    Qt::Key_A,      Qt::Key_Left};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    fakeNow += qint64(m_random.bounded(4000)) * 1'000'000; // up to 4 s between events
    const int kind = m_random.bounded(100);
    const Qt::Key k = keys[m_random.bounded(int(std::size(keys)))];
    const auto modifiers = m_random.bounded(4) ? Qt::NoModifier : Qt::KeypadModifier;
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &screen();
    OptionButton *target = option(m_random.bounded(RelationDrill::optionCount));
    const Qt::MouseButton button = buttons[m_random.bounded(3)];
    if (kind < 45)
        QTest::keyClick(focus, k, modifiers);
    else if (kind < 52)
        QTest::keyPress(focus, k, modifiers); // held: released later, or never
    else if (kind < 58)
        QTest::keyRelease(focus, k, modifiers);
    else if (kind < 93)
        QTest::mouseClick(target, button);
    else if (kind < 96)
        QTest::mousePress(target, button);
    else if (kind < 98)
        QTest::mouseRelease(target, button);
    else if (kind < 99)
        screen().close(); // the window's own close button
    else
        screen().resize(300 + m_random.bounded(1200), 300 + m_random.bounded(800));
}

void TestDrillRandomRun::check(const char *at)
{
    const qint64 number = text("LblOperazione").toLongLong();
    const QString verdict = text("LblEsito");
    const QString sign = text("LblRelazione");
    if (number != m_exercise) {
        // Up by one, and only to a fresh exercise.
        QVERIFY2(number == m_exercise + 1 && verdict.isEmpty() && sign.isEmpty(), at);
        QVERIFY2(text("LblTempoParziale").isEmpty() && text("lblCorrezione").isEmpty(), at);
        m_exercise = number;
        m_started = fakeNow;
        m_verdict.clear();
    }
    const int left = shownPictures("Image2");
    const int right = shownPictures("Image1");
    QVERIFY2(left >= 2 && left <= 10 && right >= 2 && right <= 10, at);

    if (!verdict.isEmpty() && m_verdict.isEmpty()) {
        // A new verdict: right for the sets on screen, with its time.
        const bool correct = (sign == QLatin1String("<") && left < right)
            || (sign == QLatin1String("=") && left == right)
            || (sign == QLatin1String(">") && left > right);
        QVERIFY2(verdict == (correct ? QLatin1String("E s a t t o") : QLatin1String("E r r a t o")),
                 at);
        const char *correction = left > right ? ">" : left < right ? "<" : "=";
        QVERIFY2(text("lblCorrezione") == (correct ? "" : correction), at);
        QVERIFY2(screen().findChild<QWidget *>(QStringLiteral("Line1"))->isVisible() == !correct,
                 at);
        (correct ? m_right : m_wrong) += 1;
        (correct ? m_rightShown : m_wrongShown) = m_totalShown = true;
        const qint64 seconds = (fakeNow - m_started) / second;
        m_total += seconds;
        QVERIFY2(text("LblTempoParziale") == ScoreTiming::capped(seconds), at);
        m_verdict = verdict;
    }
    QVERIFY2(verdict == m_verdict, at);

    // right + wrong = verdicts given, in the drill and on screen.
    const ScoreTiming &score = program->drillState().drill.score();
    QVERIFY2(score.right() == m_right && score.wrong() == m_wrong, at);
    QVERIFY2(text("lblRisEsatte") == (m_rightShown ? QString::number(m_right) : QString()), at);
    QVERIFY2(text("lblRisErrate") == (m_wrongShown ? QString::number(m_wrong) : QString()), at);
    QVERIFY2(text("LblTempoTotale") == (m_totalShown ? ScoreTiming::capped(m_total) : QString()),
             at);

    // Only the choices of the state on screen are enabled.
    const QList<int> expected = !verdict.isEmpty() ? QList<int>{4, 5}
        : !sign.isEmpty()                          ? QList<int>{0, 1, 2, 3}
                                                   : QList<int>{0, 1, 2};
    QList<int> enabled;
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (option(i)->isEnabled())
            enabled << i;
    }
    QVERIFY2(enabled == expected, at);
    QVERIFY2(!(option(3)->isEnabled() && sign.isEmpty()), at);
    if (auto *focused = qobject_cast<OptionButton *>(QApplication::focusWidget()))
        QVERIFY2(focused->isEnabled(), at);
}

void TestDrillRandomRun::randomEvents()
{
    qApp->setQuitOnLastWindowClosed(false);
    qInfo("seed %llu (replay with GLI_TEST_SEED=%llu), %d events",
          static_cast<unsigned long long>(m_seed), static_cast<unsigned long long>(m_seed),
          eventCount);
    program = std::make_unique<Program>();
    const auto end = qScopeGuard([] {
        program->closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program.reset();
    });
    program->random().seed(m_seed);
    program->drillState().drill.setClock([] { return fakeNow; });
    int openings = 0, verdicts = 0;
    for (int step = 0; step <= eventCount; ++step) {
        if (step > 0)
            act();
        if (!program->drillScreen()) {
            QTest::qWait(0);
            program->openDrill();
            QVERIFY(QTest::qWaitForWindowActive(&screen()));
            ++openings;
            // A new opening shows no counts and no total until a verdict.
            m_rightShown = m_wrongShown = m_totalShown = false;
        }
        const bool judged = !m_verdict.isEmpty();
        check(QByteArray("step " + QByteArray::number(step)).constData());
        if (QTest::currentTestFailed())
            return;
        verdicts += !judged && !m_verdict.isEmpty();
    }
    qInfo("%d verdicts over %lld exercises, %d openings", verdicts, m_exercise, openings);
    // The run must have gone through every state many times to mean anything.
    QVERIFY(m_right > 20 && m_wrong > 20 && openings > 5);
}

QTEST_MAIN(TestDrillRandomRun)
#include "tst_drillrandomrun.moc"
