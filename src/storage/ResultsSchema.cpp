// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsSchema.h"

namespace {

QStringList indexStatements()
{
    return {
        // A short period's answers are found by time.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answers_by_time ON answers (answered_at)"),
        // Everything the summaries and a pupil's days read, in the order
        // they group it: a scan of this index alone answers them.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answers_summary ON answers "
                       "(pupil, mistake, correct, seconds, answered_day, answered_at)"),
        // The same for one class, when the results are shown class by class.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answers_class_summary ON answers "
                       "(class_name, pupil, mistake, correct, seconds, answered_day, "
                       "answered_at)"),
    };
}

} // namespace

QStringList results_schema::createStatements()
{
    QStringList statements{
        QStringLiteral("CREATE TABLE IF NOT EXISTS answers ("
                       " id TEXT PRIMARY KEY,"
                       " pupil TEXT NOT NULL,"
                       " class_name TEXT NOT NULL DEFAULT '',"
                       " answered_at BIGINT NOT NULL,"
                       " answered_day TEXT NOT NULL,"
                       " level INTEGER NOT NULL,"
                       " left_count INTEGER NOT NULL,"
                       " right_count INTEGER NOT NULL,"
                       " chosen TEXT NOT NULL,"
                       " correct INTEGER NOT NULL,"
                       " seconds DOUBLE PRECISION NOT NULL,"
                       " mistake INTEGER NOT NULL DEFAULT 0)"),
    };
    statements += indexStatements();
    return statements;
}

QStringList results_schema::upgradeStatements(int version)
{
    switch (version) {
    case 1:
        // Version 1 kept neither the class nor the kind of mistake.
        return QStringList{
                   QStringLiteral(
                       "ALTER TABLE answers ADD COLUMN class_name TEXT NOT NULL DEFAULT ''"),
                   QStringLiteral(
                       "ALTER TABLE answers ADD COLUMN mistake INTEGER NOT NULL DEFAULT 0"),
               }
        + indexStatements();
    default:
        return {};
    }
}
