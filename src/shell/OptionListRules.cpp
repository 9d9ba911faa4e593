// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionListRules.h"

#include <Qt>

int KeyCode::fromQtKey(int qtKey, bool keypad)
{
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_F2:
        return F2;
    case Qt::Key_F3:
        return F3;
    default:
        break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    return 255; // some key the list does not accept
}

namespace {
// XKB keycodes (evdev codes + 8) of the main row's keys carrying 1, 2, 3 and
// of the keypad's 1, 2, 3.
constexpr quint32 xkbRowDigit1 = 10;
constexpr quint32 xkbKeypad1 = 87;
constexpr int digitKeys = 3;
} // namespace

int KeyCode::fromKeyEvent(int qtKey, bool keypad, quint32 nativeScanCode)
{
    if (nativeScanCode >= xkbRowDigit1 && nativeScanCode < xkbRowDigit1 + digitKeys)
        return Digit1 + int(nativeScanCode - xkbRowDigit1);
    // The keypad gives its digits only with Num Lock on (and no Shift);
    // otherwise the same keys are End, Down and Page Down.
    if (nativeScanCode >= xkbKeypad1 && nativeScanCode < xkbKeypad1 + digitKeys
        && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return Numpad1 + int(nativeScanCode - xkbKeypad1);
    return fromQtKey(qtKey, keypad);
}

OptionListRules::OptionListRules(int count, int digitTargets)
    : m_enabled(count, true), m_digitTargets(digitTargets)
{}

void OptionListRules::setCount(int count)
{
    m_enabled.resize(count, true);
}

bool OptionListRules::isEnabled(int option) const
{
    return option >= 0 && option < count() && m_enabled.at(option);
}

void OptionListRules::setEnabled(int option, bool enabled)
{
    if (option >= 0 && option < count())
        m_enabled[option] = enabled;
}

OptionListRules::Effect OptionListRules::keyDown(int option, int keyCode)
{
    Effect effect;
    if (m_keyDownLatch) {
        effect.outcome = Outcome::Untouched;
        return effect;
    }
    if (keyCode == KeyCode::Tab) {
        effect.focus = option;
        return effect; // swallowed, latch stays clear
    }

    int digit = 0;
    switch (keyCode) {
    case KeyCode::Digit1:
    case KeyCode::Numpad1:
        digit = 1;
        break;
    case KeyCode::Digit2:
    case KeyCode::Numpad2:
        digit = 2;
        break;
    case KeyCode::Digit3:
    case KeyCode::Numpad3:
        digit = 3;
        break;
    case KeyCode::Enter:
    case KeyCode::F2:
    case KeyCode::F3:
        break;
    default:
        return effect; // swallowed, latch stays clear
    }

    effect.outcome = Outcome::Accepted;
    if (digit > 0) {
        const int target = digit - 1;
        if (target < m_digitTargets && isEnabled(target))
            effect.focus = target;
    } else if (keyCode == KeyCode::Enter) {
        effect.choose = option;
    }
    m_keyDownLatch = true;
    return effect;
}

std::optional<int> OptionListRules::nextEnabled(int option) const
{
    const int n = count();
    int j = option;
    for (int steps = 0; steps < n; ++steps) {
        ++j;
        if (j >= n)
            j = 0;
        if (isEnabled(j))
            return j;
    }
    return std::nullopt; // nothing enabled: the focus stays
}

OptionListRules::Effect OptionListRules::keyPress(int option, int character)
{
    Effect effect;
    if (m_keyPressLatch) {
        effect.outcome = Outcome::Untouched;
        return effect;
    }
    if (character != KeyCode::Space)
        return effect; // swallowed
    effect.outcome = Outcome::Accepted;
    effect.focus = nextEnabled(option);
    m_keyPressLatch = true;
    return effect;
}

void OptionListRules::keyUp()
{
    clearLatches();
}

OptionListRules::Effect OptionListRules::mouseDown(int option) const
{
    Effect effect;
    effect.outcome = Outcome::Accepted;
    effect.choose = option;
    return effect;
}

void OptionListRules::mouseUp()
{
    m_keyDownLatch = false;
}

void OptionListRules::clearLatches()
{
    m_keyDownLatch = false;
    m_keyPressLatch = false;
}
