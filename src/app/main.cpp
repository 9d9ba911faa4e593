#include "printing/BrokenPipe.h"
#include "shell/FrmInizio.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ignoreBrokenPipe();
    QApplication app(argc, argv);
    Screen::the<FrmInizio>().show();
    return app.exec();
}
