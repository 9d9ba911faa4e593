// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetJobs.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "sets/FigureCatalogue.h"
#include "worksheets/PdfFile.h"
#include "worksheets/SheetPage.h"

#include <QCoreApplication>

#include <optional>

namespace {

using Kind = OutputOutcome::Kind;

OutputOutcome outcome(Kind kind, const QString &where = QString(),
                      const QString &message = QString())
{
    OutputOutcome result;
    result.kind = kind;
    result.where = where;
    result.message = message;
    return result;
}

OutputOutcome refused(const QString &printer, const PrintService::Result &result)
{
    OutputOutcome failed = outcome(Kind::PrintFailed, printer);
    failed.failure = result.failure;
    failed.words = result.error;
    return failed;
}

// The figures are drawn from SVG renderers that belong to one thread: each
// thread that runs jobs keeps its own, read once.
FigureCatalogue &figuresOfThisThread()
{
    thread_local FigureCatalogue figures;
    return figures;
}

OutputOutcome saved(const QString &file, const QByteArray &pdf)
{
    const pdffile::Saved written = pdffile::save(file, pdf);
    return written.ok ? outcome(Kind::HandedOver, file)
                      : outcome(Kind::Problem, file, written.message);
}

} // namespace

OutputOutcome sheetjobs::printSheet(PrintService &printService, const Worksheet &sheet,
                                    const Stop &stop)
{
    if (stop)
        return {};
    const QString title = QCoreApplication::translate("WorksheetScreen", "GLI INSIEMI - scheda");
    // One print, one connection: the printer's page is asked for once.
    PrintSession printer(printService);
    const QByteArray pdf = sheet::sheetPdf(sheet, figuresOfThisThread(), printer.printableArea(),
                                           title);
    if (pdf.isEmpty())
        return outcome(Kind::Problem, printer.printer(), sheet::problemMessage());
    if (stop)
        return {};
    const PrintService::Result result = printer.submitPdf(pdf, title);
    if (!result.ok)
        return refused(printer.printer(), result);
    return outcome(Kind::HandedOver, printer.printer());
}

// The file does not depend on the printer of the moment, nor needs one.
OutputOutcome sheetjobs::saveSheet(const QString &file, const Worksheet &sheet, const Stop &stop)
{
    if (stop)
        return {};
    const QByteArray pdf = sheet::sheetPdf(
        sheet, figuresOfThisThread(), PageArea::fallback(),
        QCoreApplication::translate("WorksheetScreen", "Scheda - Gli insiemi"));
    if (pdf.isEmpty())
        return outcome(
            Kind::Problem, file,
            pdffile::failureMessage(
                file, QCoreApplication::translate("Sheet", "la pagina non si è potuta disegnare")));
    if (stop)
        return {};
    return saved(file, pdf);
}

sheetjobs::ClassSetOrder::ClassSetOrder(const Worksheet &screenSheet, int count,
                                        RandomSource &random, bool withSolutions_,
                                        const QString &file_)
    : first(screenSheet), set(first, count, random), withSolutions(withSolutions_), file(file_)
{}

OutputOutcome sheetjobs::makeClassSet(PrintService &printService, const ClassSetOrder &order,
                                      const Stop &stop, const Progress &progress)
{
    if (stop)
        return {};
    const bool toPrinter = order.file.isEmpty();
    // A printer that is gone is told before forty pages are drawn for it.
    if (toPrinter) {
        const PrintService::Result check = printService.checkCurrentPrinter();
        if (!check.ok)
            return refused(printService.currentPrinter(), check);
    }
    std::optional<PrintSession> session;
    if (toPrinter)
        session.emplace(printService);
    const QRectF area = session ? session->printableArea() : PageArea::fallback();

    const ClassSet &set = order.set;
    const auto step = [&](int done, int steps) {
        QString doing;
        if (done < set.count())
            doing = QCoreApplication::translate("WorksheetScreen",
                                                "Preparazione della scheda %1 di %2")
                        .arg(done + 1)
                        .arg(set.count());
        else if (done < steps - 1)
            doing = QCoreApplication::translate("WorksheetScreen", "Preparazione delle soluzioni");
        else
            doing = toPrinter
                ? QCoreApplication::translate("WorksheetScreen", "Invio alla stampante...")
                : QCoreApplication::translate("WorksheetScreen", "Scrittura del file...");
        if (progress)
            progress(done, steps, doing);
        return !stop;
    };
    const QString title = QCoreApplication::translate("WorksheetScreen",
                                                      "Schede per la classe - Gli insiemi");
    const sheet::ClassSetPdf made = sheet::classSetPdf(set, order.withSolutions,
                                                       figuresOfThisThread(), area, title, step);
    // A stopped set hands nothing on.
    if (made.result == sheet::DocumentResult::Stopped)
        return {};
    if (made.result == sheet::DocumentResult::Failed)
        return toPrinter ? outcome(Kind::Problem, session->printer(), sheet::problemMessage())
                         : outcome(Kind::Problem, order.file,
                                   pdffile::failureMessage(
                                       order.file,
                                       QCoreApplication::translate(
                                           "Sheet", "le pagine non si sono potute disegnare")));
    if (!toPrinter)
        return saved(order.file, made.pdf);
    const PrintService::Result sent = session->submitPdf(made.pdf, title);
    if (!sent.ok)
        return refused(session->printer(), sent);
    return outcome(Kind::HandedOver, session->printer());
}
