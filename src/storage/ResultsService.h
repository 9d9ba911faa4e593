// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AnswerRecord.h"
#include "storage/PupilSummary.h"
#include "storage/ResultsPeriod.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>
#include <functional>
#include <memory>

class QThread;
class ResultsStore;
class ResultsWorker;

// The results of the drill, for the screens on the GUI thread. The store
// lives on a thread of its own: every request is queued there and answered
// by a signal, so nothing on the GUI thread waits for the disk or a server.
// The store is opened on the first request, not before. Requests are done in
// the order they were made; the destructor waits until every answer queued
// has been saved.
//
// problem() says what is wrong and names the file or server: once when saves
// begin to fail (not once an answer), and again with every summary while it
// lasts, or while something else needs saying (a damaged file moved aside, a
// read-only file), so that the results screen, opened later, is told too.
class ResultsService : public QObject
{
    Q_OBJECT

public:
    // Makes the store, on the store's thread.
    using StoreFactory = std::function<std::unique_ptr<ResultsStore>()>;

    // The local results file in the user's data folder.
    explicit ResultsService(QObject *parent = nullptr);
    // Another store; location is what location() says of it.
    ResultsService(StoreFactory factory, const QString &location, QObject *parent = nullptr);
    ~ResultsService() override;

    ResultsService(const ResultsService &) = delete;
    ResultsService &operator=(const ResultsService &) = delete;

    // The path of the local results file.
    static QString localFile();

    void save(const AnswerRecord &answer); // queued, never blocks
    // className: one class's answers (the results screen shows one class at
    // a time); empty: every class.
    void requestSummary(ResultsPeriod period, const QString &className = {}); // -> summaryReady
    void requestPupilDays(const QString &pupil, ResultsPeriod period,
                          const QString &className = {}); // -> pupilDaysReady
    void requestDelete(const QString &pupil); // empty = all -> deleted
    void requestCsv(const QString &path, ResultsPeriod period,
                    const QString &className = {}); // -> csvWritten(path, error)

    QString location() const; // file path or server description
    // The last time this computer's answers reached the school's server;
    // invalid without a server, or before the first send.
    QDateTime lastSent() const { return m_lastSent; }
    void setLastSent(const QDateTime &when); // -> lastSentChanged

Q_SIGNALS:
    void summaryReady(const QList<PupilSummary> &rows);
    void pupilDaysReady(const QString &pupil, const QList<PupilDay> &days);
    void deleted();
    void csvWritten(const QString &path, const QString &error); // error empty = ok
    void problem(const QString &text); // says what is wrong and where
    void saved(const QUuid &id); // the answer is in the store
    void lastSentChanged(const QDateTime &when);

private:
    ResultsWorker *worker();

    StoreFactory m_factory;
    QString m_location;
    QDateTime m_lastSent;
    QThread *m_thread = nullptr;
    ResultsWorker *m_worker = nullptr;
};
