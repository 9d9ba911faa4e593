// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <optional>

class OptionButton;
class OptionListRules;

// The view side of an option list: forwards focus, key and mouse events of its
// buttons to the screen's OptionListRules and carries out what they decide.
// The rules (and so the latches) may outlive the window.
class OptionList : public QObject
{
    Q_OBJECT
public:
    static QColor focusColour();
    static QColor restColour();

    OptionList(OptionListRules &rules, QObject *parent);

    void add(OptionButton *button);
    OptionButton *option(int index) const;
    int count() const { return static_cast<int>(m_options.size()); }

    void setEnabled(int index, bool enabled);
    void giveFocus(int index);

Q_SIGNALS:
    // Option `index` was chosen, by mouse, key or assistive technology.
    void chosen(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(OptionButton *button, QEvent *event);
    void carryOut(const std::optional<int> &focus, const std::optional<int> &choose);

    OptionListRules &m_rules;
    QList<OptionButton *> m_options;
};
