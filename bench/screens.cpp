// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the drill and the worksheet screen, from the call that loads the
// screen until its window has been painted for the first time, each opening
// after the screen has been closed again. The first opening of the run, with
// its fonts and pictures still to be made, is shown on its own.
//
// usage: gli-bench-screens [RUNS]

#include "QtBench.h"
#include "Stats.h"

#include "drill/DrillScreen.h"
#include "sound/Voice.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// open makes the screen's window and shows it; name is the window's.
bool openings(const std::function<Screen *()> &open, const QString &name, int runs, double &first,
              std::vector<double> &warm)
{
    bench::PaintWatch paints;
    for (int i = 0; i <= runs; ++i) {
        paints.armFor([&name](QWidget *w) { return w->window()->objectName() == name; });
        const bench::Clock::time_point start = bench::Clock::now();
        Screen *screen = open();
        if (!paints.waitForPaint())
            return false;
        const double spent = bench::msSince(start);
        if (i == 0)
            first = spent;
        else
            warm.push_back(spent);
        screen->close();
        bench::settle();
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);

    Program program;
    // The drill speaks from its first opening: its voice loads the player
    // module and meets the sound server on its own thread meanwhile.
    program.voice().setClipRoots({QStringLiteral(GLI_BUILT_VOICES)});
    program.voice().setPlayerModule(QStringLiteral(GLI_SOUND_MODULE));
    program.openStart();
    bench::settle();

    struct Row
    {
        std::function<Screen *()> open;
        QString window;
        const char *name;
    } rows[] = {
        {[&program] { return program.openDrill(); }, QStringLiteral("frmOperativo3"), "drill"},
        {[&program] { return program.openWorksheets(); }, QStringLiteral("frmStampaSchede3"),
         "worksheet screen"}};
    for (const Row &row : rows) {
        double first = 0.0;
        std::vector<double> warm;
        if (!openings(row.open, row.window, runs, first, warm)) {
            std::fprintf(stderr, "the %s was never painted\n", row.name);
            return 1;
        }
        const bench::Summary s = bench::summarize(warm);
        bench::printInfo(std::string("Opening the ") + row.name + ", first of the run (ms)",
                         bench::summarize({first}), 2);
        bench::printRow(std::string("Opening the ") + row.name + ", load to first paint (ms)", s,
                        "< 30", s.median < 30.0, 2);
    }
    program.closeAll();
    return 0;
}
