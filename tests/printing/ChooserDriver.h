// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrinterChooser.h"
#include "start/Program.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <memory>

// Drives the printer chooser as the teacher does.
namespace chooserdriver {

// Made by each test function, so that none depends on another.
inline std::unique_ptr<Program> program;

inline void makeProgram()
{
    program = std::make_unique<Program>();
}

inline void endProgram()
{
    if (!program)
        return;
    program->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.reset();
}

// The open chooser.
inline PrinterChooser &chooser()
{
    return *program->printerChooser();
}

inline void closeChooser()
{
    if (PrinterChooser *open = program->printerChooser())
        open->close();
}

inline QComboBox *combo()
{
    return chooser().findChild<QComboBox *>(QStringLiteral("Combo1"));
}

inline QString labelText(const char *name)
{
    QLabel *label = chooser().findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

inline QStringList entries()
{
    QStringList items;
    for (int i = 0; i < combo()->count(); ++i)
        items.append(combo()->itemText(i));
    return items;
}

// Opens the list and clicks the entry, even the one already selected.
inline bool pick(int index)
{
    QComboBox *box = combo();
    if (index < 0 || index >= box->count())
        return false;
    box->showPopup();
    QAbstractItemView *view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    const QRect cell = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    return QTest::qWaitFor([view] { return !view->isVisible(); }, 2000);
}

inline bool pick(const QString &name)
{
    return pick(combo()->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace chooserdriver
