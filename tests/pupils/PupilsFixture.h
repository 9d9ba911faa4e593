// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of "Chi sei?" and of the results share: the program made
// afresh for each test function, on test folders, with an empty results
// file and the class list the test asks for.
#include "settings/ProgramSettings.h"
#include "start/Program.h"
#include "storage/AnswerRecord.h"
#include "storage/ResultsService.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace pupilstest {

inline std::unique_ptr<Program> program;

// Results and settings in the test folders, never the user's own; no
// results left by an earlier test function.
inline void freshProgram(const QStringList &pupils = {}, const QString &className = {})
{
    program.reset();
    QStandardPaths::setTestModeEnabled(true);
    const QString file = ResultsService::localFile();
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(file + suffix);
    program = std::make_unique<Program>();
    ProgramSettings settings = program->settings();
    settings.pupils = pupils;
    settings.className = className;
    program->applySettings(settings);
}

// An answer of today, at the default level.
inline AnswerRecord answer(const QString &pupil, int left, int right, QChar chosen,
                           double seconds = 2)
{
    const QChar correctSign = left < right ? u'<' : left > right ? u'>' : u'=';
    return AnswerRecord::now(pupil, QStringLiteral("3B"), 10, left, right, chosen,
                             chosen == correctSign, seconds);
}

// Saves the answers and waits until every one is in the file.
inline bool saveAll(ResultsService &service, const QList<AnswerRecord> &answers)
{
    QSignalSpy saved(&service, &ResultsService::saved);
    for (const AnswerRecord &a : answers)
        service.save(a);
    return QTest::qWaitFor([&] { return saved.count() == answers.size(); }, 10000);
}

// The summary the service gives now, over every day.
inline QList<PupilSummary> summaryNow(ResultsService &service)
{
    QSignalSpy ready(&service, &ResultsService::summaryReady);
    service.requestSummary(ResultsPeriod::All);
    if (!ready.wait(10000))
        return {};
    return ready.constFirst().constFirst().value<QList<PupilSummary>>();
}

} // namespace pupilstest
