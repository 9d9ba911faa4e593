// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DesignDialog.h"

#include "shell/DesignLayout.h"
#include "shell/Screen.h"

#include <QVBoxLayout>

DesignDialog::DesignDialog(QWidget *owner, const QString &name, const QString &caption,
                           QSize designClientTwips, Frame frame)
    : QDialog(owner),
      m_designTwips(designClientTwips),
      m_fixedSize(frame == Frame::Fixed),
      m_client(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(name);
    setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (frame == Frame::Resizable)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setModal(true);
    setSizeGripEnabled(false);

    m_client->setObjectName(QStringLiteral("client"));
    auto *frameLayout = new QVBoxLayout(this);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(m_client);
    const TwipsScale scale = Screen::scale();
    m_client->resize(scale.size(m_designTwips.width(), m_designTwips.height()));
    m_layout = new DesignLayout(m_client, m_designTwips, scale);
    // Rejected by Escape or the title bar's close, or closed by its button.
    connect(this, &QDialog::finished, this, &DesignDialog::closed);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void DesignDialog::takeDesignSize()
{
    const QSize size = Screen::scale().size(m_designTwips.width(), m_designTwips.height());
    resize(size);
    if (m_fixedSize)
        setFixedSize(size);
    m_layout->placeElements();
}

void DesignDialog::present()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}
