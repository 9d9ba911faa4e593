// SPDX-License-Identifier: GPL-3.0-or-later
// The relation drill on a 1920 x 1080 window: a new exercise with its two sets
// (the pictures already drawn once), the layout apply of one resize, and one
// answer from the mouse press on "VERIFICA" until the verdict is painted,
// with the voice on: it speaks through the sound server PULSE_SERVER names
// (scripts/bench.sh starts a private one), silent without one.
//
// usage: gli-bench-drill [RUNS]

#include "QtBench.h"
#include "Stats.h"

#include "drill/DrillScreen.h"
#include "sound/Voice.h"
#include "start/Program.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>
#include <vector>

namespace {

// Times the resize events that reach the drill's client area: the handler
// that applies the layout to every element, with the resizes it sends on.
class ResizeTimingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    QWidget *client = nullptr;
    std::vector<double> resizes;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!client || receiver != client || event->type() != QEvent::Resize)
            return QApplication::notify(receiver, event);
        const bench::Clock::time_point start = bench::Clock::now();
        const bool result = QApplication::notify(receiver, event);
        resizes.push_back(bench::msSince(start));
        return result;
    }
};

QWidget *option(DrillScreen &drill, int index)
{
    return drill.findChild<QWidget *>(QStringLiteral("Option1(%1)").arg(index));
}

} // namespace

int main(int argc, char *argv[])
{
    ResizeTimingApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    // Sub-millisecond figures: many more samples than runs.
    const int samples = std::max(runs, 200);

    Program program;
    Voice &voice = program.voice();
    voice.setClipRoots({QStringLiteral(GLI_BUILT_VOICES)});
    voice.setPlayerModule(QStringLiteral(GLI_SOUND_MODULE));
    int said = 0;
    QObject::connect(&voice, &Voice::started, [&said] { ++said; });
    QString silent;
    QObject::connect(&voice, &Voice::unavailable, [&silent](const QString &why) { silent = why; });
    program.openStart();
    bench::settle();
    DrillScreen &drill = *program.openDrill();
    bench::settle();
    QMainWindow *window = &drill;
    std::fprintf(stderr, "drill: %dx%d\n", window->width(), window->height());

    // A new exercise, after every figure has been drawn once.
    for (int i = 0; i < 60; ++i) {
        drill.nextExercise();
        bench::settle();
    }
    std::vector<double> newExercise;
    for (int i = 0; i < samples; ++i) {
        const bench::Clock::time_point start = bench::Clock::now();
        drill.nextExercise();
        newExercise.push_back(bench::msSince(start));
        bench::settle();
    }

    // One resize to 1920 x 1080, from another size each time.
    window->showNormal();
    bench::settle();
    app.client = drill.client();
    std::vector<double> layout;
    for (int i = 0; i < samples + 10; ++i) {
        window->resize(1600, 900);
        bench::settle();
        app.resizes.clear();
        window->resize(1920, 1080);
        bench::settle();
        if (app.client->size() != QSize(1920, 1080) || app.resizes.size() != 1) {
            std::fprintf(stderr, "the client area is %dx%d after %zu resizes\n",
                         app.client->width(), app.client->height(), app.resizes.size());
            return 1;
        }
        if (i >= 10)
            layout.push_back(app.resizes.front());
    }
    app.client = nullptr;

    // One answer: "<" chosen, then the press on VERIFICA until the verdict
    // label has been painted.
    auto *verdict = drill.findChild<QLabel *>(QStringLiteral("LblEsito"));
    bench::PaintWatch paints;
    std::vector<double> answer;
    for (int i = 0; i < samples + 10; ++i) {
        bench::press(option(drill, RelationDrill::optLess));
        bench::release(option(drill, RelationDrill::optLess));
        bench::settle();
        paints.armWidget(verdict);
        const bench::Clock::time_point start = bench::Clock::now();
        bench::press(option(drill, RelationDrill::optVerify));
        if (!paints.waitForPaint() || verdict->text().isEmpty()) {
            std::fprintf(stderr, "no verdict was painted\n");
            return 1;
        }
        const double spent = bench::msSince(start);
        if (i >= 10)
            answer.push_back(spent);
        bench::release(option(drill, RelationDrill::optVerify));
        bench::press(option(drill, RelationDrill::optNext)); // AVANTI
        bench::release(option(drill, RelationDrill::optNext));
        bench::settle();
    }

    std::fprintf(stderr, "voice: %s\n",
                 silent.isEmpty() ? qPrintable(QStringLiteral("%1 sentences").arg(said))
                                  : qPrintable(silent));

    const bench::Summary g = bench::summarize(newExercise);
    const bench::Summary l = bench::summarize(layout);
    const bench::Summary a = bench::summarize(answer);
    bench::printRow("Drill: a new exercise with both sets, pictures cached (ms)", g, "< 0.5",
                    g.median < 0.5, 4);
    bench::printRow("Drill: layout apply of one resize to 1920x1080 (ms)", l, "< 0.3",
                    l.median < 0.3, 4);
    bench::printRow("Drill: one answer, voice on, press on VERIFICA to verdict painted (ms)", a,
                    "< 5", a.median < 5.0, 3);
    program.closeAll();
    return 0;
}
