// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/BrokenPipe.h"
#include "shell/ProgramTexts.h"
#include "start/Program.h"
#include "storage/ResultsCsv.h"
#include "storage/ResultsService.h"
#include "storage/ResultsBackend.h"
#include "storage/ResultsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLoggingCategory>
#include <cstdio>
#include <optional>

namespace {

// The options of the program's own, besides Qt's.
bool asksForCommandLine(int argc, char *argv[])
{
    static const QStringList options{QStringLiteral("-h"),
                                     QStringLiteral("--help"),
                                     QStringLiteral("-?"),
                                     QStringLiteral("--help-all"),
                                     QStringLiteral("-v"),
                                     QStringLiteral("--version"),
                                     QStringLiteral("--export-results")};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (options.contains(argument.section(u'=', 0, 0)))
            return true;
    }
    return false;
}

void complain(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message));
}

// Writes the results of every pupil as the results screen's CSV export does.
int exportResults(const QString &path)
{
    const QString file = ResultsService::localFile();
    QList<PupilSummary> rows;
    int status = 0;
    // Without a results file there is nothing to export yet: the table has
    // its heading only, and no file is made for it.
    if (QFileInfo::exists(file)) {
        const std::unique_ptr<ResultsStore> store = results::backend().fileStore(file);
        const std::optional<QList<PupilSummary>> kept = store->summary(
            periodBounds(ResultsPeriod::All, QDateTime::currentDateTime()));
        if (!kept) {
            complain(store->problem());
            return 1;
        }
        rows = *kept;
        // A damaged file was moved aside: the table is that of the new,
        // empty file, which is not what the administrator asked for.
        if (!store->movedAside().isEmpty()) {
            complain(store->notice());
            status = 1;
        }
    }
    const QString error = results_csv::write(path, rows, results_csv::programLocale());
    if (!error.isEmpty()) {
        complain(QCoreApplication::translate("CommandLine", "%1 non scritto: %2").arg(path, error));
        return 1;
    }
    return status;
}

// Runs the command line's own work, without a window or a display; nothing
// when the program is to start as usual.
std::optional<int> runCommandLine(int argc, char *argv[])
{
    if (!asksForCommandLine(argc, argv))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    program::installSystemLanguageTexts(app);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Confronta due insiemi con i segni <, = e >; schede per l'insegnante."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export-results"),
        QCoreApplication::translate("CommandLine",
                                    "Scrive i risultati di ogni alunno nel FILE CSV ed esce."),
        QCoreApplication::translate("CommandLine", "FILE"));
    parser.addOption(exportOption);
    parser.process(app); // help, version and errors end here
    if (!parser.positionalArguments().isEmpty()) {
        complain(QCoreApplication::translate("CommandLine", "argomento sconosciuto: %1")
                     .arg(parser.positionalArguments().first()));
        return 1;
    }
    // Said once, by the command line itself, not also by the results' log.
    QLoggingCategory::setFilterRules(QStringLiteral("gli.results.warning=false"));
    return exportResults(parser.value(exportOption));
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreBrokenPipe();
    QCoreApplication::setApplicationName(QStringLiteral("gli-insiemi"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLI_VERSION));
    if (const std::optional<int> done = runCommandLine(argc, argv))
        return *done;
    QApplication app(argc, argv);
    program::installSystemLanguageTexts(app);
    // Task bars find the program's icon through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("gli-insiemi"));
    Program gliInsiemi;
    gliInsiemi.openStart();
    return app.exec();
}
