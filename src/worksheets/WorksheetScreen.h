// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintFailure.h"
#include "shell/Screen.h"
#include "worksheets/OutputPresses.h"
#include "worksheets/Worksheet.h"

#include <QElapsedTimer>
#include <QPointer>
#include <array>
#include <chrono>
#include <functional>

class ClassSetDialog;
class FigureCatalogue;
class QAction;
class PictureBox;
class PrintService;
class QLabel;
class QTimer;
class QProgressDialog;
class QPushButton;
class RandomSource;

// The worksheet preview screen. The program keeps the Worksheet (the
// pictures of the 120 places); the window shows its exercises two at a time,
// forwards the buttons to it and prints it, painted by sheet::paintSheet, on the
// program's current printer. From its menu the sheet is saved as a PDF file,
// and a class set of different sheets is printed or saved as one document.
class WorksheetScreen : public Screen
{
    Q_OBJECT
public:
    // The message, and the reason of a print failure (empty when there is
    // none to tell), which the message box shows as its details.
    using MessageHandler = std::function<void(const QString &text, const QString &detail)>;
    // Answers the name of the PDF file the teacher agreed to write, or an
    // empty one; parent is the window asking.
    using FileNameProvider = std::function<QString(QWidget *parent, const QString &proposedName)>;

    WorksheetScreen(FigureCatalogue &figures, Worksheet &sheet, PrintService &printService,
                    RandomSource &random);

    const Worksheet &worksheet() const { return m_sheet; }

    // Where the print-problem and save-failure messages go; by default a
    // message box with the application's title and OK only. An empty handler
    // restores it.
    void setMessageHandler(MessageHandler handler);
    // Where the names of PDF files come from; by default Qt's own save
    // dialog ("Salva la scheda in PDF", or "Salva le schede in PDF" for a
    // class set), which opens in the folder of the last save of the run, the
    // documents folder at first, and asks before replacing a file. An empty
    // provider restores it.
    void setFileNameProvider(FileNameProvider provider);
    // The steady clock in milliseconds that tells a double click on the
    // output controls from two presses; by default the monotonic clock. An
    // empty clock restores it.
    using PressClock = std::function<qint64()>;
    void setPressClock(PressClock clock);
    // How long the line that says where a sheet went stays on screen.
    static constexpr std::chrono::milliseconds confirmationTimeout{8000};
    void setConfirmationTimeout(std::chrono::milliseconds timeout);

    // The part of the sheet in view: exercises 1 and 2, or 3 and 4.
    enum class Part { First, Second };
    Part part() const { return m_part; }

    // Prints the sheet as it stands on the current printer.
    void printSheet();
    // Asks for a file and saves the page "STAMPA" prints into it as a PDF.
    void saveSheet();

    // Opens the modal dialog "Schede per la classe"; it stays open while
    // its pointer is not null.
    void openClassSet();
    ClassSetDialog *classSetDialog() const;
    // A class set of count sheets, with or without the solutions page, as
    // one job on the current printer or as one PDF file. Exercises of the
    // sheet on screen never composed are composed and shown first: the
    // screen's sheet is sheet 1. True when the set was handed on whole.
    bool printClassSet(int count, bool withSolutions);
    bool saveClassSet(const QString &file, int count, bool withSolutions);

Q_SIGNALS:
    // "Seleziona stampante": the teacher asks for the printer chooser.
    void printerChooserRequested();

private:
    void startOver();
    void composeExercise(int exercise);
    void togglePart();
    void classSetChosen();

    enum class Target { Printer, File };
    bool makeClassSet(Target target, const QString &file, int count, bool withSolutions);
    QString askFileName(QWidget *parent, const QString &title, const QString &proposedName) const;

    // While a print or a save runs its controls are off: a press made
    // meanwhile is dropped instead of running it again afterwards.
    class OutputRun;
    void setOutputEnabled(bool enabled);
    // False for the second press of a double click on the output controls.
    bool pressStartsJob();

    void showPart(Part part);
    void showExercise(int exercise);
    void showMessage(const QString &text, const QString &detail = QString());
    // Logs the print system's words and tells the teacher, with the reason.
    void reportPrintFailure(const QString &printer, PrintFailure failure, const QString &words);
    // The line that says where the last sheet or set went, until it times out.
    void confirm(const QString &text);
    void clearConfirmation();

    FigureCatalogue &m_figures;
    Worksheet &m_sheet;
    PrintService &m_printService;
    RandomSource &m_random;
    Part m_part = Part::First;
    MessageHandler m_messageHandler;
    FileNameProvider m_fileNames;
    bool m_makingClassSet = false;
    int m_outputRuns = 0; // ended or not, until the presses made meanwhile are in
    OutputPresses m_presses;
    QElapsedTimer m_steadyClock;
    PressClock m_pressClock;
    // The places of the left sets ("Image1") and of the right sets ("Image2").
    std::array<PictureBox *, Worksheet::placeCount> m_leftPlaces{};
    std::array<PictureBox *, Worksheet::placeCount> m_rightPlaces{};
    QWidget *m_firstPart = nullptr;
    QWidget *m_secondPart = nullptr;
    QPushButton *m_partButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QAction *m_savePdfItem = nullptr;
    QAction *m_classSetItem = nullptr;
    QLabel *m_confirmation = nullptr;
    QTimer *m_confirmationTimer = nullptr;
    QString m_saveFolder; // of the last save, for the next save dialog
    QPointer<ClassSetDialog> m_classSet;
    QPointer<QProgressDialog> m_progress;
};
