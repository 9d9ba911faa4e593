// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsService.h"

#include "storage/ResultsCsv.h"
#include "storage/ResultsWorker.h"
#include "storage/ResultsBackend.h"
#include "storage/ResultsStore.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>

ResultsService::ResultsService(QObject *parent)
    : ResultsService([file = localFile()] { return results::backend().fileStore(file); },
                     localFile(), parent)
{}

ResultsService::ResultsService(StoreFactory factory, const QString &location, QObject *parent)
    : QObject(parent), m_factory(std::move(factory)), m_location(location)
{}

ResultsService::~ResultsService()
{
    if (!m_thread)
        return;
    // Behind every request still queued, so each answer given is saved.
    QThread *thread = m_thread;
    QMetaObject::invokeMethod(
        m_worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
    m_thread->wait();
}

QString ResultsService::localFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("results.sqlite"));
}

QString ResultsService::location() const
{
    return m_location;
}

ResultsWorker *ResultsService::worker()
{
    if (m_worker)
        return m_worker;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("results"));
    m_worker = new ResultsWorker(m_factory);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &ResultsWorker::summaryReady, this, &ResultsService::summaryReady);
    connect(m_worker, &ResultsWorker::pupilDaysReady, this, &ResultsService::pupilDaysReady);
    connect(m_worker, &ResultsWorker::deleted, this, &ResultsService::deleted);
    connect(m_worker, &ResultsWorker::csvWritten, this, &ResultsService::csvWritten);
    connect(m_worker, &ResultsWorker::problem, this, &ResultsService::problem);
    connect(m_worker, &ResultsWorker::saved, this, &ResultsService::saved);
    m_thread->start();
    return m_worker;
}

void ResultsService::save(const AnswerRecord &answer)
{
    ResultsWorker *target = worker();
    QMetaObject::invokeMethod(
        target, [target, answer] { target->save(answer); }, Qt::QueuedConnection);
}

void ResultsService::requestSummary(ResultsPeriod period, const QString &className)
{
    ResultsWorker *target = worker();
    const QDateTime now = QDateTime::currentDateTime();
    QMetaObject::invokeMethod(
        target, [target, period, now, className] { target->summary(period, now, className); },
        Qt::QueuedConnection);
}

void ResultsService::requestPupilDays(const QString &pupil, ResultsPeriod period,
                                      const QString &className)
{
    ResultsWorker *target = worker();
    const QDateTime now = QDateTime::currentDateTime();
    QMetaObject::invokeMethod(
        target,
        [target, pupil, period, now, className] {
            target->pupilDays(pupil, period, now, className);
        },
        Qt::QueuedConnection);
}

void ResultsService::setLastSent(const QDateTime &when)
{
    if (when == m_lastSent)
        return;
    m_lastSent = when;
    Q_EMIT lastSentChanged(when);
}

void ResultsService::requestDelete(const QString &pupil)
{
    ResultsWorker *target = worker();
    QMetaObject::invokeMethod(
        target, [target, pupil] { target->remove(pupil); }, Qt::QueuedConnection);
}

void ResultsService::requestCsv(const QString &path, ResultsPeriod period, const QString &className)
{
    ResultsWorker *target = worker();
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = results_csv::programLocale();
    QMetaObject::invokeMethod(
        target,
        [target, path, period, now, locale, className] {
            target->csv(path, period, now, locale, className);
        },
        Qt::QueuedConnection);
}
