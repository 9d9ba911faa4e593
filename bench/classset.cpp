// SPDX-License-Identifier: GPL-3.0-or-later
// A class set of 40 sheets with the solutions page, as the worksheet screen
// makes it from "Schede per la classe": the 39 sheets after the screen's
// composed, all 41 pages drawn, and the document handed to the test PDF
// printer when a print system holds one; and the same set saved as a PDF
// file. Also the size of that file.
//
// usage: gli-bench-classset [RUNS] [KEEP.pdf]   (KEEP.pdf keeps the last file)

#include "QtBench.h"
#include "WorksheetBench.h"
#include "Stats.h"

#include "printing/PrintService.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>

#include <cstdio>
#include <vector>

namespace {
const QString testPrinter = QStringLiteral("gli-test-pdf");
constexpr int sheets = 40;
constexpr double goalMs = 1000.0;
constexpr double goalKb = 2048.0;
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    Program program;
    QStringList messages;
    WorksheetScreen &screen = bench::openWorksheetScreen(program, messages);

    const QString path = QDir::temp().filePath(QStringLiteral("gli-bench-classset.pdf"));
    std::vector<double> saving;
    for (int i = 0; i <= runs; ++i) {
        const bench::Clock::time_point start = bench::Clock::now();
        const bool saved = screen.output().makeClassSet(sheets, true, path)
            && bench::longestStallUntilOutputDone(screen) >= 0 && messages.isEmpty()
            && QFileInfo::exists(path);
        const double spent = bench::msSince(start);
        if (!saved) {
            std::fprintf(stderr, "the class set was not saved: %s\n",
                         qPrintable(messages.value(0)));
            return 1;
        }
        if (i > 0) // the first run makes the fonts and pictures
            saving.push_back(spent);
    }
    const double kb = static_cast<double>(QFileInfo(path).size()) / 1024.0;
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(path, keep);
    }
    QFile::remove(path);

    PrintService &service = program.printService();
    std::vector<double> printing;
    std::vector<double> stalls; // the longest the screen's event loop stood still, each set
    if (service.printers().contains(testPrinter)) {
        service.setCurrentPrinter(testPrinter);
        for (int i = 0; i <= runs; ++i) {
            const bench::Clock::time_point start = bench::Clock::now();
            bool printed = screen.output().makeClassSet(sheets, true);
            const double stall = bench::longestStallUntilOutputDone(screen);
            printed = printed && messages.isEmpty();
            const double spent = bench::msSince(start);
            if (!printed) {
                std::fprintf(stderr, "the class set was not printed: %s\n",
                             qPrintable(messages.value(0)));
                return 1;
            }
            if (i > 0) {
                printing.push_back(spent);
                stalls.push_back(stall);
            }
        }
    }

    const std::string set = "Class set of " + std::to_string(sheets) + " sheets with solutions: ";
    if (!printing.empty()) {
        const bench::Summary t = bench::summarize(printing);
        bench::printRow(set + "composed, drawn, handed to the test PDF printer (ms)", t, "< 1000",
                        t.median < goalMs, 1);
        const bench::Summary stall = bench::summarize(stalls);
        bench::printRow(set + "longest stop of the screen's event loop meanwhile (ms)", stall,
                        "< 50", stall.median < 50.0, 1);
    }
    const bench::Summary t = bench::summarize(saving);
    bench::printRow(set + "composed, drawn, saved as a PDF file (ms)", t, "< 1000",
                    t.median < goalMs, 1);
    const bench::Summary size = bench::summarize({kb});
    bench::printRow(set + "PDF file (KB)", size, "< 2048", size.median < goalKb, 1);
    program.closeAll();
    return 0;
}
