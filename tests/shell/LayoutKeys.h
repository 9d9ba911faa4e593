// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys that carry 1, 2 and 3 on the main row and on the keypad, as X11
// and Wayland report them under several keyboard layouts: the Qt key and
// text the layout makes of them, the XKB keycode of the key's place, the
// keysym and the modifier state. Rows without a native code are what
// synthesized events and the offscreen platform give.
#include <QList>
#include <QString>
#include <QTest>
#include <Qt>

struct LayoutKey
{
    const char *name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    const char *text; // UTF-8
    quint32 scanCode; // XKB keycode; 0: none
    quint32 keysym;
    quint32 nativeModifiers; // X11 state: 0x1 Shift, 0x10 Num Lock
    int digit; // the digit key it is, 1 to 3; 0: none of them

    QString textString() const { return QString::fromUtf8(text); }
    bool keypad() const { return modifiers.testFlag(Qt::KeypadModifier); }
};

inline const QList<LayoutKey> &layoutKeys()
{
    using Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    static const QList<LayoutKey> keys = {
        {"it 1", Qt::Key_1, NoModifier, "1", 10, 0x31, 0, 1},
        {"it Shift+1 !", Qt::Key_Exclam, shift, "!", 10, 0x21, 0x1, 1},
        {"it Shift+3 \xc2\xa3", Qt::Key_sterling, shift, "\xc2\xa3", 12, 0xa3, 0x1, 3},
        {"us Shift+2 @", Qt::Key_At, shift, "@", 11, 0x40, 0x1, 2},
        {"de Shift+2 \"", Qt::Key_QuoteDbl, shift, "\"", 11, 0x22, 0x1, 2},
        {"de Shift+3 \xc2\xa7", Qt::Key_section, shift, "\xc2\xa7", 12, 0xa7, 0x1, 3},
        {"fr &", Qt::Key_Ampersand, NoModifier, "&", 10, 0x26, 0, 1},
        {"fr \xc3\xa9", Qt::Key_Eacute, NoModifier, "\xc3\xa9", 11, 0xe9, 0, 2},
        {"fr \"", Qt::Key_QuoteDbl, NoModifier, "\"", 12, 0x22, 0, 3},
        {"fr Shift+& 1", Qt::Key_1, shift, "1", 10, 0x31, 0x1, 1},
        {"fr ' (the 4 key)", Qt::Key_Apostrophe, NoModifier, "'", 13, 0x27, 0, 0},
        {"keypad 1", Qt::Key_1, keypad, "1", 87, 0xffb1, 0x10, 1},
        {"keypad 2", Qt::Key_2, keypad, "2", 88, 0xffb2, 0x10, 2},
        {"keypad 3", Qt::Key_3, keypad, "3", 89, 0xffb3, 0x10, 3},
        {"keypad 1 without Num Lock", Qt::Key_End, keypad, "", 87, 0xff9c, 0, 0},
        {"synthesized 2", Qt::Key_2, NoModifier, "2", 0, 0, 0, 2},
        {"synthesized keypad 3", Qt::Key_3, keypad, "3", 0, 0, 0, 3},
        {"synthesized &", Qt::Key_Ampersand, NoModifier, "&", 0, 0, 0, 0},
    };
    return keys;
}

// One data row per key, named for it, with its index in layoutKeys().
inline void addLayoutKeyRows()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < layoutKeys().size(); ++i)
        QTest::newRow(layoutKeys().at(i).name) << i;
}

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QKeyEvent>

// Presses and releases the key on target with everything a layout gives it.
inline void sendLayoutKey(QWidget *target, const LayoutKey &k)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, k.qtKey, k.modifiers, k.scanCode, k.keysym, k.nativeModifiers,
                        k.textString());
        QApplication::sendEvent(target, &event);
    }
}
#endif
