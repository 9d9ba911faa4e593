// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Screen.h"

#include <QList>
#include <QStringList>

class OptionButton;
class QGridLayout;
class QScrollArea;

// "Chi sei?": one big button for each pupil of the class list and one for
// a guest, for a mouse, a finger on a whiteboard or the keys (Tab and the
// arrow keys move, Enter or Space chooses, Escape goes back). The buttons
// flow into as many columns as the width allows and scroll when there are
// more than fit. A name too long for its button ends in "…" and shows whole
// as the tooltip; the button's accessible name is always the whole name.
class WhoAreYouScreen : public Screen
{
    Q_OBJECT
public:
    explicit WhoAreYouScreen(const QStringList &pupils);

    // The buttons in order: the pupils, then the guest.
    int buttonCount() const { return static_cast<int>(m_buttons.size()); }
    OptionButton *button(int index) const;
    int columns() const { return m_columns; }
    // What button `index` stands for, whole.
    QString caption(int index) const { return m_captions.value(index); }

    // Carries out button `index`: a pupil's name or, the last, the guest.
    void choose(int index);

Q_SIGNALS:
    void pupilChosen(const QString &pupil);
    void guestChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrange();
    bool keyPressed(int index, int key);
    void showName(int index);

    QStringList m_pupils;
    QScrollArea *m_scroll;
    QWidget *m_grid;
    QGridLayout *m_gridLayout;
    QList<OptionButton *> m_buttons;
    QStringList m_captions; // as given, whatever the buttons show
    int m_columns = 0;
};
