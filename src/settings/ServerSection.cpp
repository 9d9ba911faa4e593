// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ServerSection.h"

#include "storage/ServerProbe.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int highestPort = 65535;

QLineEdit *field(const QString &name, const QString &placeholder, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setPlaceholderText(placeholder);
    return edit;
}

} // namespace

ServerSection::ServerSection(QWidget *parent)
    : QWidget(parent),
      m_host(field(tr("Server dei risultati"),
                   tr("nessuno: i risultati restano su questo computer"), this)),
      m_port(new QSpinBox(this)),
      m_database(field(tr("Database"), {}, this)),
      m_user(field(tr("Utente"), {}, this)),
      m_sslMode(new QComboBox(this)),
      m_service(field(tr("Servizio"), tr("dal file dei servizi (pg_service.conf)"), this)),
      m_test(new QPushButton(tr("Prova connessione"), this)),
      m_result(new QLabel(this)),
      m_probe(new ServerProbe(this))
{
    // 0 stands for libpq's own port (5432) or the service's.
    m_port->setRange(0, highestPort);
    m_port->setSpecialValueText(tr("predefinita"));
    m_port->setAccessibleName(tr("Porta"));
    m_sslMode->addItem(tr("predefinita"), QString());
    for (const QString &mode : ServerSettings::sslModes())
        m_sslMode->addItem(mode, mode);
    m_sslMode->setAccessibleName(tr("Cifratura (sslmode)"));
    m_test->setAccessibleName(tr("Prova connessione"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_result->setAccessibleName(tr("Esito della prova"));

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Server:"), m_host);
    form->addRow(tr("Porta:"), m_port);
    form->addRow(tr("Database:"), m_database);
    form->addRow(tr("Utente:"), m_user);
    form->addRow(tr("Cifratura (sslmode):"), m_sslMode);
    form->addRow(tr("Servizio:"), m_service);
    auto *password = new QLabel(tr("La password non si scrive qui: va nel file delle password "
                                   "(~/.pgpass) o nel file dei servizi."),
                                this);
    password->setWordWrap(true);
    form->addRow(password);
    form->addRow(m_test);
    form->addRow(m_result);

    connect(m_test, &QPushButton::clicked, this, &ServerSection::test);
    connect(m_probe, &ServerProbe::finished, this, &ServerSection::showResult);
}

void ServerSection::setServer(const ServerSettings &server)
{
    m_host->setText(server.host);
    m_port->setValue(server.port);
    m_database->setText(server.database);
    m_user->setText(server.user);
    m_sslMode->setCurrentIndex(std::max(0, m_sslMode->findData(server.sslMode)));
    m_service->setText(server.service);
    m_result->clear();
}

ServerSettings ServerSection::server() const
{
    ServerSettings server;
    server.host = m_host->text().trimmed();
    server.port = m_port->value();
    server.database = m_database->text().trimmed();
    server.user = m_user->text().trimmed();
    server.sslMode = m_sslMode->currentData().toString();
    server.service = m_service->text().trimmed();
    return server;
}

QString ServerSection::result() const
{
    return m_result->text();
}

void ServerSection::test()
{
    const ServerSettings typed = server();
    if (!typed.isSet()) {
        showResult(ServerFault::None, tr("Nessun server: i risultati restano su questo computer."));
        return;
    }
    if (const QStringList problems = typed.problems(); !problems.isEmpty()) {
        showResult(ServerFault::Other, problems.join(u' '));
        return;
    }
    m_test->setEnabled(false);
    m_result->setText(tr("Prova in corso con %1...").arg(typed.description()));
    m_probe->start(typed);
}

void ServerSection::showResult(ServerFault fault, const QString &text)
{
    m_test->setEnabled(true);
    m_result->setText(text);
    m_result->setAccessibleDescription(text);
    Q_EMIT tested(fault, text);
}
