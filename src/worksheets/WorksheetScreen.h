#pragma once

#include "shell/Screen.h"
#include "worksheets/Worksheet.h"

#include <QPointer>
#include <array>
#include <functional>

class FigureCatalogue;
class PictureBox;
class QPushButton;

// The worksheet preview screen. The screen object keeps the Worksheet (the
// pictures of the 120 places); the window shows its exercises two at a time,
// forwards the buttons to it and prints it through sheet::print on the
// program's current printer.
class WorksheetScreen : public Screen
{
    Q_OBJECT
public:
    using MessageHandler = std::function<void(const QString &text)>;

    WorksheetScreen();

    const Worksheet &worksheet() const { return m_sheet; }

    // Where the print-problem message goes; by default a message box with
    // the application's title and OK only. An empty handler restores it.
    void setMessageHandler(MessageHandler handler);

    // The part of the sheet in view: exercises 1 and 2, or 3 and 4.
    enum class Part { First, Second };
    Part part() const { return m_part; }

    // Prints the sheet as it stands on the current printer.
    void printSheet();

protected:
    void createElements(QWidget *client) override;
    void loaded() override;
    void resized() override;

private:
    void startOver();
    void composeExercise(int exercise);
    void togglePart();
    void choosePrinter();

    void showPart(Part part);
    void showExercise(int exercise);
    void showMessage(const QString &text);

    FigureCatalogue &m_figures;
    Worksheet m_sheet;
    Part m_part = Part::First;
    MessageHandler m_messageHandler;
    std::array<QPointer<PictureBox>, Worksheet::placeCount> m_image1;
    std::array<QPointer<PictureBox>, Worksheet::placeCount> m_image2;
    QPointer<QWidget> m_frame3;
    QPointer<QWidget> m_frame4;
    QPointer<QPushButton> m_command2;
};
