#include "shell/FrmInizio.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Screen::the<FrmInizio>().show();
    return app.exec();
}
