// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsWorker.h"

#include "storage/ResultsCsv.h"
#include "storage/ResultsStore.h"

ResultsWorker::ResultsWorker(StoreFactory factory) : m_factory(std::move(factory)) {}

ResultsWorker::~ResultsWorker() = default;

ResultsStore *ResultsWorker::store()
{
    if (!m_store)
        m_store = m_factory();
    return m_store->open() ? m_store.get() : nullptr;
}

void ResultsWorker::tell(bool always)
{
    QString text;
    if (m_store)
        text = m_store->problem().isEmpty() ? m_store->notice() : m_store->problem();
    if (text.isEmpty()) {
        m_told.clear();
        return;
    }
    if (!always && text == m_told)
        return;
    m_told = text;
    Q_EMIT problem(text);
}

void ResultsWorker::save(const AnswerRecord &answer)
{
    ResultsStore *kept = store();
    const bool done = kept && kept->save(answer) != ResultsStore::Saved::Failed;
    if (done)
        Q_EMIT saved(answer.id);
    // The slow look for damage comes after the first answer is safe.
    if (kept)
        kept->verify();
    // A file moved aside on the way is news worth telling.
    tell(false);
}

void ResultsWorker::summary(ResultsPeriod period, const QDateTime &now)
{
    std::optional<QList<PupilSummary>> rows;
    if (ResultsStore *kept = store())
        rows = kept->summary(periodBounds(period, now));
    // The results screen asks for the summary: it is told every time.
    tell(true);
    Q_EMIT summaryReady(rows.value_or(QList<PupilSummary>()));
}

void ResultsWorker::pupilDays(const QString &pupil, ResultsPeriod period, const QDateTime &now)
{
    std::optional<QList<PupilDay>> days;
    if (ResultsStore *kept = store())
        days = kept->pupilDays(pupil, periodBounds(period, now));
    tell(!days);
    Q_EMIT pupilDaysReady(pupil, days.value_or(QList<PupilDay>()));
}

void ResultsWorker::remove(const QString &pupil)
{
    ResultsStore *kept = store();
    const bool done = kept
        && kept->remove(
            pupil.isEmpty() ? ResultsStore::Whose::Everyone : ResultsStore::Whose::Pupil, pupil);
    tell(!done);
    if (done)
        Q_EMIT deleted();
}

void ResultsWorker::csv(const QString &path, ResultsPeriod period, const QDateTime &now,
                        const QLocale &locale)
{
    ResultsStore *kept = store();
    const std::optional<QList<PupilSummary>> rows = kept ? kept->summary(periodBounds(period, now))
                                                         : std::nullopt;
    if (!rows) {
        tell(true);
        const QString problem = m_store->problem();
        Q_EMIT csvWritten(path, problem.isEmpty() ? m_store->location() : problem);
        return;
    }
    Q_EMIT csvWritten(path, results_csv::write(path, *rows, locale));
}
