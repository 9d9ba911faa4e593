#pragma once

#include "shell/Screen.h"
#include "worksheets/Worksheet.h"

#include <QPointer>
#include <array>
#include <functional>

class PictureBox;
class QPushButton;

// The worksheet preview screen. The screen object keeps the Worksheet (the
// pictures of the 120 places); the window shows its exercises two at a time,
// forwards the buttons to it and prints it through sheet::print on the
// program's current printer.
class frmStampaSchede3 : public Screen
{
    Q_OBJECT
public:
    using MessageHandler = std::function<void(const QString &text)>;

    frmStampaSchede3();

    const Worksheet &worksheet() const { return m_sheet; }

    // Where the print-problem message goes; by default a message box with
    // the application's title and OK only. An empty handler restores it.
    void setMessageHandler(MessageHandler handler);

    // Prints the sheet as it stands on the current printer.
    void StampaScheda();

protected:
    void createElements(QWidget *client) override;
    void formLoad() override;
    void formResize() override;

private:
    void CmdInsieme1_Click();
    void cmdInsieme_Click(int exercise);
    void Command1_Click();
    void Command2_Click();
    void CmdFine_Click();
    void mnuStampante_Click();

    void showPart(bool first);
    void showExercise(int exercise);
    void showMessage(const QString &text);

    Worksheet m_sheet;
    MessageHandler m_messageHandler;
    std::array<QPointer<PictureBox>, Worksheet::placeCount> m_image1;
    std::array<QPointer<PictureBox>, Worksheet::placeCount> m_image2;
    QPointer<QWidget> m_frame3;
    QPointer<QWidget> m_frame4;
    QPointer<QPushButton> m_command2;
};
