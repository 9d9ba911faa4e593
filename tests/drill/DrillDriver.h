// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drill screen as its tests reach it: the program each test makes, the
// open drill, its options and labels found by their design names.
#include "drill/DrillScreen.h"
#include "shell/Elements.h"
#include "start/Program.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include <memory>

namespace drilltest {

// Made by each test function, so that none depends on another.
inline std::unique_ptr<Program> program;

inline DrillScreen &screen()
{
    return *program->drillScreen();
}

// Closes every screen and ends the program, its windows deleted.
inline void closeProgram()
{
    if (!program)
        return;
    program->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.reset();
}

inline OptionButton *option(int i)
{
    return screen().findChild<OptionButton *>(QStringLiteral("Option1(%1)").arg(i));
}

inline void click(int i, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(option(i), button);
}

// Chooses the sign that is right (or wrong) for the exercise on screen and
// has it judged.
inline void answer(bool right)
{
    const RelationDrill &rules = program->drillState().drill;
    const int l = rules.leftSize(), r = rules.rightSize();
    const int correct = l < r ? 0 : l > r ? 2 : 1;
    click(right ? correct : correct == 0 ? 2 : 0);
    click(RelationDrill::optVerify);
}

inline QLabel *label(const char *name)
{
    return screen().findChild<QLabel *>(QString::fromLatin1(name));
}

inline QString text(const char *name)
{
    return label(name)->text();
}

// How many pictures of the slot array ("Image1" or "Image2") are shown.
inline int shownPictures(const char *array)
{
    int count = 0;
    for (int k = 1; k <= DrillScreen::slotCount; ++k) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k);
        count += screen().findChild<QWidget *>(name)->isVisible();
    }
    return count;
}

} // namespace drilltest
