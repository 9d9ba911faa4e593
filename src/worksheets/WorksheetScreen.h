// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Screen.h"
#include "worksheets/Worksheet.h"

#include <array>

class FigureCatalogue;
class OutputThread;
class PictureBox;
class PrintService;
class QAction;
class QPushButton;
class RandomSource;
class SheetOutput;

// The worksheet preview screen. The program keeps the Worksheet (the
// pictures of the 120 places); the window shows its exercises two at a time
// and forwards the buttons to it. "STAMPA" and the menu's "Salva PDF..." and
// "Schede per la classe..." go to its output part, whose controls stay off
// while it works.
class WorksheetScreen : public Screen
{
    Q_OBJECT
public:
    WorksheetScreen(FigureCatalogue &figures, Worksheet &sheet, PrintService &printService,
                    RandomSource &random, OutputThread &outputThread);

    const Worksheet &worksheet() const { return m_sheet; }
    SheetOutput &output() const { return *m_output; }

    // The part of the sheet in view: exercises 1 and 2, or 3 and 4.
    enum class Part { First, Second };
    Part part() const { return m_part; }

Q_SIGNALS:
    // "Seleziona stampante": the teacher asks for the printer chooser.
    void printerChooserRequested();

private:
    void startOver();
    void composeExercise(int exercise);
    void togglePart();
    void setOutputEnabled(bool enabled);
    void showPart(Part part);
    void showExercise(int exercise);

    FigureCatalogue &m_figures;
    Worksheet &m_sheet;
    Part m_part = Part::First;
    // The places of the left sets ("Image1") and of the right sets ("Image2").
    std::array<PictureBox *, Worksheet::placeCount> m_leftPlaces{};
    std::array<PictureBox *, Worksheet::placeCount> m_rightPlaces{};
    QWidget *m_firstPart = nullptr;
    QWidget *m_secondPart = nullptr;
    QPushButton *m_partButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QAction *m_savePdfItem = nullptr;
    QAction *m_classSetItem = nullptr;
    SheetOutput *m_output = nullptr;
};
