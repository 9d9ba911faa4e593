// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AnswerRecord.h"
#include "storage/PupilSummary.h"
#include "storage/ResultsPeriod.h"

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
    void requestSummary(ResultsPeriod period); // -> summaryReady
    void requestPupilDays(const QString &pupil, ResultsPeriod period); // -> pupilDaysReady
    void requestDelete(const QString &pupil); // empty = all -> deleted
    void requestCsv(const QString &path, ResultsPeriod period); // -> csvWritten(path, error)

    QString location() const; // file path or server description

Q_SIGNALS:
    void summaryReady(const QList<PupilSummary> &rows);
    void pupilDaysReady(const QString &pupil, const QList<PupilDay> &days);
    void deleted();
    void csvWritten(const QString &path, const QString &error); // error empty = ok
    void problem(const QString &text); // says what is wrong and where
    void saved(const QUuid &id); // the answer is in the store

private:
    ResultsWorker *worker();

    StoreFactory m_factory;
    QString m_location;
    QThread *m_thread = nullptr;
    ResultsWorker *m_worker = nullptr;
};
