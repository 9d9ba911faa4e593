#include "start/StartScreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Screen::the<StartScreen>().show();
    return app.exec();
}
