// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ServerFault.h"
#include "storage/ServerSettings.h"

#include <QObject>
#include <QString>

// The settings dialog's "Prova connessione": connects to the server with
// the settings as they are typed, on a thread of its own, and says in words
// what it found. Only the latest try is answered.
class ServerProbe : public QObject
{
    Q_OBJECT

public:
    explicit ServerProbe(QObject *parent = nullptr);

    void start(const ServerSettings &server);
    bool running() const { return m_running; }

Q_SIGNALS:
    // fault is None when the server and its tables are ready for the program.
    void finished(ServerFault fault, const QString &text);

private:
    int m_generation = 0;
    bool m_running = false;
};
