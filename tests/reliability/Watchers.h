// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/RelationDrill.h"

#include <QPointer>
#include <QString>
#include <QVector>
#include <array>

class QWidget;

// What the drill shows follows from the drill's state, and its counts move
// one answer at a time: after any event at most one exercise more, at most
// one verdict more, and never more verdicts than exercises.
class DrillWatch
{
public:
    // Takes the numbers before an event.
    void take();
    // The change from the numbers taken to the state now.
    QString checkStep() const;
    // The loaded window against the drill's state and the state table.
    static QString checkView();

private:
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
    void take();
    QString checkStep() const;
    static QString checkView();

private:
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
QString checkStart();
QString checkChooser(const QStringList &printers);
} // namespace smallScreens
