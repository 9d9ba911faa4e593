// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <functional>

class OptionButton;
class OptionListRules;

// The view side of an option list: forwards focus, key and mouse events of its
// buttons to the screen's OptionListRules and carries out what they decide.
// The rules (and so the latches) belong to the screen and outlive the window.
class OptionList : public QObject
{
    Q_OBJECT
public:
    static QColor focusColour();
    static QColor restColour();

    OptionList(OptionListRules &rules, std::function<void(int)> choose, QObject *parent);

    void add(OptionButton *button);
    OptionButton *option(int index) const;
    int count() const { return static_cast<int>(m_options.size()); }

    void setEnabled(int index, bool enabled);
    void giveFocus(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(OptionButton *button, QEvent *event);
    void carryOut(const std::optional<int> &focus, const std::optional<int> &choose);

    OptionListRules &m_rules;
    std::function<void(int)> m_choose;
    QList<OptionButton *> m_options;
};
