// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ServerFault.h"
#include "storage/ServerSettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ServerProbe;

// The settings dialog's rows for the school's results server: host, port,
// database, user, sslmode and service, and "Prova connessione", which tries
// the settings as typed, in the background, and says in words what it found.
// No password field: libpq's password file or service file holds it.
class ServerSection final : public QWidget
{
    Q_OBJECT

public:
    explicit ServerSection(QWidget *parent = nullptr);

    void setServer(const ServerSettings &server);
    // The settings as typed.
    ServerSettings server() const;

    QPushButton *testButton() const { return m_test; }
    // What the last test said.
    QString result() const;

Q_SIGNALS:
    void tested(ServerFault fault, const QString &text);

private:
    void test();
    void showResult(ServerFault fault, const QString &text);

    QLineEdit *m_host;
    QSpinBox *m_port;
    QLineEdit *m_database;
    QLineEdit *m_user;
    QComboBox *m_sslMode;
    QLineEdit *m_service;
    QPushButton *m_test;
    QLabel *m_result;
    ServerProbe *m_probe;
};
