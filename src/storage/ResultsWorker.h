// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AnswerRecord.h"
#include "storage/PupilSummary.h"
#include "storage/ResultsPeriod.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <memory>

class ResultsStore;

// The results service's side on the store's thread: makes the store on the
// first request, answers each request with a signal.
class ResultsWorker : public QObject
{
    Q_OBJECT

public:
    using StoreFactory = std::function<std::unique_ptr<ResultsStore>()>;

    explicit ResultsWorker(StoreFactory factory);
    ~ResultsWorker() override;

    void save(const AnswerRecord &answer);
    void summary(ResultsPeriod period, const QDateTime &now);
    void pupilDays(const QString &pupil, ResultsPeriod period, const QDateTime &now);
    void remove(const QString &pupil);
    void csv(const QString &path, ResultsPeriod period, const QDateTime &now,
             const QLocale &locale);

Q_SIGNALS:
    void summaryReady(const QList<PupilSummary> &rows);
    void pupilDaysReady(const QString &pupil, const QList<PupilDay> &days);
    void deleted();
    void csvWritten(const QString &path, const QString &error);
    void problem(const QString &text);
    void saved(const QUuid &id);

private:
    // The store, open; null when it cannot be opened (the problem is told).
    ResultsStore *store();
    // Tells the store's problem, or else its notice: always when the results
    // screen asks, once for saves, so that a full disk does not flood the log.
    void tell(bool always);

    StoreFactory m_factory;
    std::unique_ptr<ResultsStore> m_store;
    QString m_told;
};
