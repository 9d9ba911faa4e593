// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>
#include <optional>

// Key codes of the option list, the keyboard's virtual-key codes.
namespace KeyCode {
constexpr int None = 0;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Space = 32;
constexpr int Digit1 = 49;
constexpr int Digit2 = 50;
constexpr int Digit3 = 51;
constexpr int Numpad1 = 97;
constexpr int Numpad2 = 98;
constexpr int Numpad3 = 99;
constexpr int F2 = 113;
constexpr int F3 = 114;

// Maps a Qt::Key, with whether it came from the keypad, to its virtual-key
// code; keys the list does not know map to codes it does not accept.
int fromQtKey(int qtKey, bool keypad);

// Maps a key event to its virtual-key code, taking the digit keys 1, 2, 3 by
// their place on the keyboard, whatever the layout and Shift make of them
// ("&" on French keyboards, "!" with Shift). nativeScanCode is the event's
// XKB keycode, as X11 and Wayland give it; 0 (no native code: synthesized
// events, the offscreen platform) falls back to fromQtKey().
int fromKeyEvent(int qtKey, bool keypad, quint32 nativeScanCode);
} // namespace KeyCode

// Focus, key and mouse rules of a column of option buttons for children:
// the focused option is highlighted, a press of any mouse button acts at once,
// a few keys move the focus or act, every other key is swallowed, and two
// latches make a held key act only once.
class OptionListRules
{
public:
    enum class Outcome {
        Untouched, // a latch was set: neither acted on nor swallowed
        Swallowed, // the key is eaten; nothing else happens
        Accepted, // the key was acted on (see the effect)
    };

    struct Effect
    {
        Outcome outcome = Outcome::Swallowed;
        std::optional<int> focus; // give the focus to this option
        std::optional<int> choose; // run the choice action with this index
    };

    // digitTargets: how many options the digits 1, 2, 3 can reach (2 on the
    // start screen, 3 on the drill).
    explicit OptionListRules(int count = 0, int digitTargets = 2);

    int count() const { return static_cast<int>(m_enabled.size()); }
    void setCount(int count);
    bool isEnabled(int option) const;
    void setEnabled(int option, bool enabled);

    Effect keyDown(int option, int keyCode);
    Effect keyPress(int option, int character);
    void keyUp();
    Effect mouseDown(int option) const;
    void mouseUp();

    bool keyDownLatch() const { return m_keyDownLatch; }
    bool keyPressLatch() const { return m_keyPressLatch; }
    void clearLatches();

    // The option Space moves to from `option`, passing over disabled ones.
    std::optional<int> nextEnabled(int option) const;

private:
    QList<bool> m_enabled;
    int m_digitTargets;
    bool m_keyDownLatch = false;
    bool m_keyPressLatch = false;
};
