#include "start/StartScreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Message box titles show the program's name, and task bars find its
    // icon through the desktop entry.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Gli insiemi"));
    QGuiApplication::setDesktopFileName(QStringLiteral("gli-insiemi"));
    Screen::the<StartScreen>().show();
    return app.exec();
}
