// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the program that only saves answers, for the tests that kill it
// or run two at once.
//   results-writer FILE PUPIL COUNT [stay]
// saves COUNT answers of PUPIL through the results service, prints "saved N"
// once the store has them all; with "stay" it then waits to be killed,
// otherwise it ends.
#include "storage/AnswerRecord.h"
#include "storage/ResultsService.h"
#include "storage/SqliteResultsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QString file = args.at(1);
    const QString pupil = args.at(2);
    const int count = args.at(3).toInt();
    const bool stay = args.size() > 4 && args.at(4) == QStringLiteral("stay");

    ResultsService service([file] { return std::make_unique<SqliteResultsStore>(file); }, file);
    int saved = 0;
    QObject::connect(&service, &ResultsService::problem, &app, [](const QString &text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        QCoreApplication::exit(1);
    });
    QObject::connect(&service, &ResultsService::saved, &app, [&] {
        if (++saved < count)
            return;
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
    return app.exec();
}
