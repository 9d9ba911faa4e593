// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionList.h"

#include "shell/Elements.h"
#include "shell/OptionListRules.h"
#include "shell/Palette.h"

#include <QKeyEvent>

QColor OptionList::focusColour()
{
    return colours::focusPink;
}

QColor OptionList::restColour()
{
    return colours::windowPink;
}

OptionList::OptionList(OptionListRules &rules, QObject *parent) : QObject(parent), m_rules(rules) {}

void OptionList::add(OptionButton *button)
{
    m_options.append(button);
    m_rules.setCount(count());
    button->installEventFilter(this);
    // Assistive technology presses a button without mouse or keys.
    connect(button, &QPushButton::clicked, this,
            [this, button] { Q_EMIT chosen(button->index()); });
}

OptionButton *OptionList::option(int index) const
{
    return index >= 0 && index < count() ? m_options.at(index) : nullptr;
}

void OptionList::setEnabled(int index, bool enabled)
{
    m_rules.setEnabled(index, enabled);
    if (OptionButton *b = option(index))
        b->setEnabled(enabled);
}

void OptionList::giveFocus(int index)
{
    if (OptionButton *b = option(index); b && b->isEnabled())
        b->setFocus(Qt::OtherFocusReason);
}

void OptionList::carryOut(const std::optional<int> &focus, const std::optional<int> &choose)
{
    if (focus)
        giveFocus(*focus);
    if (choose)
        Q_EMIT chosen(*choose);
}

bool OptionList::keyPressed(OptionButton *button, QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    const int i = button->index();
    const int code = KeyCode::fromKeyEvent(
        key->key(), key->modifiers().testFlag(Qt::KeypadModifier), key->nativeScanCode());
    const auto down = m_rules.keyDown(i, code);
    carryOut(down.focus, down.choose);

    auto pressOutcome = OptionListRules::Outcome::Untouched;
    if (!key->text().isEmpty()) {
        const auto press = m_rules.keyPress(i, key->text().at(0).unicode());
        pressOutcome = press.outcome;
        carryOut(press.focus, press.choose);
    }
    const bool untouched = down.outcome == OptionListRules::Outcome::Untouched
        && pressOutcome == OptionListRules::Outcome::Untouched;
    // A key the list left alone keeps the toolkit's own meaning for Tab only.
    return !(untouched && code == KeyCode::Tab);
}

bool OptionList::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<OptionButton *>(watched);
    if (!button)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        button->setDown(false);
        button->setBackground(focusColour());
        return false;
    case QEvent::FocusOut:
        button->setBackground(restColour());
        button->setDown(false);
        return false;
    case QEvent::KeyPress:
        return keyPressed(button, event);
    case QEvent::KeyRelease:
        // A held key repeats as release and press pairs: only the real
        // release clears the latches.
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            m_rules.keyUp();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        button->setFocus(Qt::MouseFocusReason);
        carryOut(std::nullopt, m_rules.mouseDown(button->index()).choose);
        return true;
    case QEvent::MouseButtonRelease:
        m_rules.mouseUp();
        button->setDown(false);
        return true;
    default:
        return false;
    }
}
