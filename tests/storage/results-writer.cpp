// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the program that only saves answers, for the tests that kill it,
// run two at once, or give it too little disk.
//   results-writer FILE PUPIL COUNT [stay | limit=BYTES]
// queues COUNT answers of PUPIL with the results service, then prints
// "saved N" once the store has taken them (N of them saved); the problems
// the service tells go to standard error. With "stay" it then waits to be
// killed; with "limit=" no file it writes may grow beyond BYTES, as on a
// full disk.
#include "storage/AnswerRecord.h"
#include "storage/ResultsService.h"
#include "storage/SqliteResultsStore.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString file = args.at(1);
    const QString pupil = args.at(2);
    const int count = args.at(3).toInt();
    const QString mode = args.value(4);
    const bool stay = mode == QStringLiteral("stay");
    if (mode.startsWith(QStringLiteral("limit="))) {
        // A write past the limit fails instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = mode.section(u'=', 1).toULongLong();
        const rlimit limit{bytes, bytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
    }

    ResultsService service([file] { return std::make_unique<SqliteResultsStore>(file); }, file);
    int saved = 0;
    QObject::connect(&service, &ResultsService::problem, &app,
                     [](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    QObject::connect(&service, &ResultsService::saved, &app, [&saved] { ++saved; });
    // Answered after every save queued before it.
    QObject::connect(&service, &ResultsService::summaryReady, &app, [&] {
        std::printf("saved %d\n", saved);
        std::fflush(stdout);
        if (!stay)
            QCoreApplication::quit();
    });
    for (int i = 0; i < count; ++i) {
        const int left = i % 10 + 1;
        const int right = (i * 7) % 10 + 1;
        service.save(AnswerRecord::now(pupil, QStringLiteral("3B"), 10, left, right, u'<',
                                       left < right, 1.5));
    }
    service.requestSummary(ResultsPeriod::Today);
    return app.exec();
}
