// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsSchema.h"

namespace {

QStringList indexStatements()
{
    return {
        // The summaries group a period's answers by pupil; a pupil's days
        // take one pupil's answers over a period.
        QStringLiteral("CREATE INDEX IF NOT EXISTS answers_by_time ON answers (answered_at)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS answers_by_pupil ON answers (pupil, answered_at)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS answers_by_class ON answers "
                       "(class_name, pupil, answered_at)"),
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
