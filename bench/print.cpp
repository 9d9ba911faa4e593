// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet with all four exercises composed (120 pictures): from the press
// of "STAMPA" until the page has been handed to the print system, on the test
// PDF printer when a print system holds one; without one, the same page
// rendered into a PDF file. Also the size of the page's PDF.
//
// usage: gli-bench-print [RUNS]

#include "QtBench.h"
#include "WorksheetBench.h"
#include "Stats.h"

#include "printing/PrintService.h"
#include "sets/FigureCatalogue.h"
#include "worksheets/SheetPage.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString testPrinter = QStringLiteral("gli-test-pdf");

// The page as "STAMPA" draws it, into memory.
QByteArray renderPage(FigureCatalogue &figures, const Worksheet &sheet)
{
    return sheet::sheetPdf(sheet, figures, QRectF(), QStringLiteral("GLI INSIEMI - scheda"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);

    Program program;
    QStringList messages;
    WorksheetScreen &screen = bench::openWorksheetScreen(program, messages);
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"}) {
        QWidget *button = screen.findChild<QWidget *>(QString::fromLatin1(name));
        bench::press(button);
        bench::release(button);
    }
    bench::settle();
    int pictures = 0;
    for (int e = 1; e <= Worksheet::exerciseCount; ++e) {
        if (!screen.worksheet().isComposed(e)) {
            std::fprintf(stderr, "exercise %d was not composed\n", e);
            return 1;
        }
        pictures += 2 * Worksheet::slotCount;
    }

    const QByteArray page = renderPage(program.figures(), screen.worksheet());
    if (!page.startsWith("%PDF")) {
        std::fprintf(stderr, "the page is not a PDF\n");
        return 1;
    }

    PrintService &service = program.printService();
    const bool printSystem = service.printers().contains(testPrinter);
    std::vector<double> times;
    std::vector<double> stalls; // the longest the screen's event loop stood still, each print
    if (printSystem) {
        service.setCurrentPrinter(testPrinter);
        QWidget *printButton = screen.findChild<QWidget *>(QStringLiteral("Command1"));
        for (int i = 0; i <= runs; ++i) {
            const bench::Clock::time_point start = bench::Clock::now();
            bench::press(printButton);
            bench::release(printButton); // the print goes on in the background
            const double pressed = bench::msSince(start);
            const double stall = std::max(pressed, bench::longestStallUntilOutputDone(screen));
            const double spent = bench::msSince(start);
            if (i > 0) {
                times.push_back(spent);
                stalls.push_back(stall);
            }
        }
        if (!messages.isEmpty()) {
            std::fprintf(stderr, "printing failed: %s\n", qPrintable(messages.first()));
            return 1;
        }
    } else {
        const QString path = QDir::temp().filePath(QStringLiteral("gli-bench-sheet.pdf"));
        for (int i = 0; i <= runs; ++i) {
            const bench::Clock::time_point start = bench::Clock::now();
            const QByteArray pdf = sheet::sheetPdf(screen.worksheet(), program.figures(), QRectF(),
                                                   QStringLiteral("GLI INSIEMI - scheda"));
            QFile file(path);
            const bool written = !pdf.isEmpty() && file.open(QIODevice::WriteOnly)
                && file.write(pdf) == pdf.size();
            file.close();
            const double spent = bench::msSince(start);
            if (!written) {
                std::fprintf(stderr, "the sheet could not be written to %s\n", qPrintable(path));
                return 1;
            }
            if (i > 0)
                times.push_back(spent);
        }
        QFile::remove(path);
    }

    const bench::Summary t = bench::summarize(times);
    const bench::Summary kb = bench::summarize({static_cast<double>(page.size()) / 1024.0});
    bench::printRow(printSystem ? "Worksheet: STAMPA to hand-off to the test PDF printer (ms)"
                                : "Worksheet: page rendered to a PDF file, no print system (ms)",
                    t, "< 100", t.median < 100.0, 1);
    if (!stalls.empty()) {
        const bench::Summary stall = bench::summarize(stalls);
        bench::printRow("Worksheet: longest stop of the screen's event loop during STAMPA (ms)",
                        stall, "< 50", stall.median < 50.0, 1);
    }
    bench::printRow("Worksheet: PDF of the page, " + std::to_string(pictures) + " pictures (KB)",
                    kb, "< 100", kb.median < 100.0, 1);
    program.closeAll();
    return 0;
}
