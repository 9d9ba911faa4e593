// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

// A flat button showing a loudspeaker, drawn to its size. It never takes
// the keyboard focus: the screen's keys stay with its option list.
class SpeakerButton : public QToolButton
{
    Q_OBJECT
public:
    SpeakerButton(QWidget *parent, const QString &name, const QString &spoken);

protected:
    void paintEvent(QPaintEvent *event) override;
};
