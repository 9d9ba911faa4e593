// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/BrokenPipe.h"
#include "shell/ProgramTexts.h"
#include "start/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ignoreBrokenPipe();
    QApplication app(argc, argv);
    program::installSystemLanguageTexts(app);
    // Task bars find the program's icon through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("gli-insiemi"));
    Program gliInsiemi;
    gliInsiemi.openStart();
    return app.exec();
}
