-- SPDX-License-Identifier: GPL-3.0-or-later
-- GLI INSIEMI's results on a school's PostgreSQL server.
--
-- Run once, by a superuser (or the database's owner with CREATEROLE), in the
-- database that is to hold the results:
--     psql -d gli_risultati -f school-server.sql
-- Running it again changes nothing, and moves tables made by an older
-- version of the program to the current one.
--
-- It makes the program's tables and indexes (the same as in each
-- computer's local file) and the group role gli_insiemi, which may read the
-- results and add answers, nothing else: no update, no delete, no new
-- tables. The computers log in with a role that is a member of it:
--     CREATE ROLE aula LOGIN PASSWORD '...' IN ROLE gli_insiemi;
-- The teacher's role may also delete results:
--     GRANT DELETE ON answers TO maestra;
\set ON_ERROR_STOP on
BEGIN;

-- Two people running it at once take turns.
SELECT pg_advisory_xact_lock(7013460104);

CREATE TABLE IF NOT EXISTS meta (
    name TEXT PRIMARY KEY,
    value TEXT NOT NULL
);

-- One row per judged exercise. The id is made on the computer where the
-- answer was given: a copy sent twice is refused the second time. Times are
-- UTC milliseconds since 1970; the day is the computer's local day.
CREATE TABLE IF NOT EXISTS answers (
    id TEXT PRIMARY KEY,
    pupil TEXT NOT NULL,
    class_name TEXT NOT NULL DEFAULT '',
    answered_at BIGINT NOT NULL,
    answered_day TEXT NOT NULL,
    level INTEGER NOT NULL,
    left_count INTEGER NOT NULL,
    right_count INTEGER NOT NULL,
    chosen TEXT NOT NULL,
    correct INTEGER NOT NULL,
    seconds DOUBLE PRECISION NOT NULL,
    mistake INTEGER NOT NULL DEFAULT 0
);

-- Version 1 kept neither the class nor the kind of mistake.
ALTER TABLE answers ADD COLUMN IF NOT EXISTS class_name TEXT NOT NULL DEFAULT '';
ALTER TABLE answers ADD COLUMN IF NOT EXISTS mistake INTEGER NOT NULL DEFAULT 0;
UPDATE answers SET mistake = CASE
        WHEN left_count = right_count THEN 2             -- misses "="
        WHEN abs(left_count - right_count) = 1 THEN 3    -- off by one
        WHEN chosen = '=' THEN 4                         -- sees "=" that is not there
        ELSE 1                                           -- swaps "<" and ">"
    END
    WHERE correct = 0
      AND EXISTS (SELECT 1 FROM meta WHERE name = 'schema_version' AND value = '1');

-- A short period's answers are found by time; the summaries and a pupil's
-- days read the summary index alone, for every class or for one.
CREATE INDEX IF NOT EXISTS answers_by_time ON answers (answered_at);
CREATE INDEX IF NOT EXISTS answers_summary
    ON answers (pupil, mistake, correct, seconds, answered_day, answered_at);
CREATE INDEX IF NOT EXISTS answers_class_summary
    ON answers (class_name, pupil, mistake, correct, seconds, answered_day, answered_at);
-- The server's own: one class's answers of a period, read from the index
-- alone whatever the other classes hold.
CREATE INDEX IF NOT EXISTS answers_class_period ON answers (class_name, answered_at)
    INCLUDE (pupil, mistake, correct, seconds, answered_day);

INSERT INTO meta (name, value) VALUES ('schema_version', '2')
    ON CONFLICT (name) DO UPDATE SET value = '2' WHERE meta.value::integer < 2;

DO $$
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'gli_insiemi') THEN
        CREATE ROLE gli_insiemi NOLOGIN;
    END IF;
END
$$;
REVOKE ALL ON answers, meta FROM gli_insiemi;
GRANT USAGE ON SCHEMA public TO gli_insiemi;
GRANT SELECT, INSERT ON answers TO gli_insiemi;
GRANT SELECT ON meta TO gli_insiemi;

COMMIT;
