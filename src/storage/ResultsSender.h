// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ServerSettings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class QThread;
class SenderWorker;

// Sends the answers kept in this computer's results file to the school's
// server, on a thread of its own: the answer is always in the local file
// first, so the drill never waits for the network. Each answer goes once:
// the server refuses a second copy of an id, and an answer the server has
// is marked sent in the local file. While the server cannot be reached the
// answers wait, and the sender tries again after a pause that grows up to a
// limit.
class ResultsSender : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        int firstRetryMs = 2'000;
        int longestRetryMs = 120'000;
        int batch = 200; // answers read from the file at a time
    };

    ResultsSender(const QString &localFile, const ServerSettings &server,
                  QObject *parent = nullptr);
    ResultsSender(const QString &localFile, const ServerSettings &server, Timing timing,
                  QObject *parent = nullptr);
    ~ResultsSender() override;

    ResultsSender(const ResultsSender &) = delete;
    ResultsSender &operator=(const ResultsSender &) = delete;

    // Sends what is waiting, now, or at the next try when the server has
    // just failed. Starts the sender's thread the first time.
    void send();

    // The last time this computer's answers reached the server; invalid
    // before the first.
    QDateTime lastSent() const { return m_lastSent; }
    // Answers in the local file the server does not have yet, as last counted.
    int waiting() const { return m_waiting; }

Q_SIGNALS:
    void sent(const QDateTime &when); // some answers reached the server
    void waitingChanged(int count);
    void problem(const QString &text); // what keeps the answers here
    void problemCleared();

private:
    QString m_localFile;
    ServerSettings m_server;
    Timing m_timing;
    QThread *m_thread = nullptr;
    SenderWorker *m_worker = nullptr;
    QDateTime m_lastSent;
    int m_waiting = -1;
};
