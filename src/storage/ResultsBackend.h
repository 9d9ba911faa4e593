// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ResultsSender.h"
#include "storage/ServerFault.h"
#include "storage/ServerSettings.h"

#include <QDateTime>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <utility>

class QObject;
class ResultsStore;

// A sender of the local file's answers to the school's server, made by the
// backend (see ResultsSender).
class AnswerSender
{
public:
    virtual ~AnswerSender() = default;
    // Sends what is waiting, now or at the next try.
    virtual void send() = 0;
};

// What a sender tells, on the thread of the object that made it.
struct SenderEvents
{
    std::function<void(const QDateTime &)> sent;
    std::function<void(const QString &)> problem;
};

// The stores that keep the answers in SQL databases (the local SQLite file
// and the school's PostgreSQL server). They live in a module of their own,
// gli-insiemi-results.so, opened on the first need, so that the program's
// start-up never loads Qt SQL. Every function may be called on any thread.
class ResultsBackend
{
public:
    virtual ~ResultsBackend() = default;
    // The results file at path.
    virtual std::unique_ptr<ResultsStore> fileStore(const QString &path) = 0;
    // The server's summaries, the answers saved in the file at path.
    virtual std::unique_ptr<ResultsStore> serverStore(const QString &path,
                                                      const ServerSettings &server) = 0;
    // Connects to the server and says what it found (None: ready). Blocks.
    virtual std::pair<ServerFault, QString> checkServer(const ServerSettings &server) = 0;
    // A sender of the file's answers to the server, a child of parent;
    // none when answers cannot be sent from here at all.
    virtual AnswerSender *sender(const QString &path, const ServerSettings &server,
                                 const ResultsSender::Timing &timing, SenderEvents events,
                                 QObject *parent) = 0;
};

#define GliResultsBackend_iid "org.example.GliInsiemi.ResultsBackend/1"
Q_DECLARE_INTERFACE(ResultsBackend, GliResultsBackend_iid)

namespace results {
// The backend: the one given in-process, else the module's, opened on the
// first call. Without the module, a backend whose stores say so.
ResultsBackend &backend();
// Tests and tools that link the stores themselves hand them over here.
void setBackend(ResultsBackend *backend);
// The module opened when none is given (default: next to the program, then
// in the program's library folder).
void setModuleFile(const QString &file);
} // namespace results
