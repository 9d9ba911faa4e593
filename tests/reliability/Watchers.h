// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/RelationDrill.h"

#include <QPointer>
#include <QString>
#include <QVector>
#include <array>

class Program;
class QWidget;

// What the drill shows follows from the drill's state, and its counts move
// one answer at a time: after any event at most one exercise more, at most
// one verdict more, and never more verdicts than exercises.
class DrillWatch
{
public:
    explicit DrillWatch(Program &program) : m_program(program) {}

    // Takes the numbers before an event.
    void take();
    // The change from the numbers taken to the state now.
    QString checkStep() const;
    // The open window against the drill's state and the state table.
    QString checkView() const;

private:
    Program &m_program;
    qint64 m_exercise = 0;
    qint64 m_right = 0;
    qint64 m_wrong = 0;
};

// The worksheet's four exercises: each composed one follows the composition
// rules, and one changes only when its own button was pressed, or, when it
// was empty, by a class set that composes every empty one at once.
class WorksheetWatch
{
public:
    explicit WorksheetWatch(Program &program) : m_program(program) {}

    void take();
    QString checkStep() const;
    QString checkView() const;

private:
    Program &m_program;
    using Pictures = std::array<int, 30>; // left places, then right places
    void follow(QWidget *window);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_followed;
    std::array<Pictures, 4> m_before{};
    std::array<int, 4> m_clicks{};
    std::array<int, 4> m_clicksBefore{};
};

// Start screen and printer chooser: the screen is never left covered, and
// printer names are shown as plain text.
namespace smallScreens {
QString checkStart(const Program &program);
QString checkChooser(const Program &program, const QStringList &printers);
} // namespace smallScreens
