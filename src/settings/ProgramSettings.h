// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sets/SetLevel.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// What the teacher sets in "Impostazioni...", kept with QSettings across
// runs. Reading never fails: a value that is missing, of the wrong kind or
// out of range reads as its default, and so does every value of a file that
// is damaged or cannot be read.
struct ProgramSettings
{
    static constexpr char organisation[] = "gli-insiemi";
    static constexpr char application[] = "gli-insiemi";

    static constexpr char voiceKey[] = "drill/voice";
    static constexpr char levelKey[] = "drill/level";
    static constexpr char pupilsKey[] = "class/pupils";
    static constexpr char classNameKey[] = "class/name";

    bool voice = true;
    SetLevel level = sets::defaultLevel;
    // The class list, in the teacher's order; empty = no class list.
    QStringList pupils;
    QString className;

    static ProgramSettings read(const QSettings &settings);
    void write(QSettings &settings) const;

    // The program's own settings (organisation and application above). A
    // file that cannot be parsed is renamed to NAME.damaged.
    static ProgramSettings load();
    // The program's settings file, over the system-wide one that an
    // administrator may write for a whole room.
    static std::unique_ptr<QSettings> store();
    // False, with a line in the log, when they could not be written.
    bool save() const;

    bool operator==(const ProgramSettings &) const = default;
};
