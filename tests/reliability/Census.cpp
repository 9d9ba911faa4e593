// SPDX-License-Identifier: GPL-3.0-or-later
#include "Census.h"

#include "pupils/ResultsScreen.h"
#include "pupils/WhoAreYouScreen.h"
#include "shell/DesignDialog.h"
#include "shell/Screen.h"
#include "start/AboutScreen.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QSet>

#include <iterator>

QString census::check(const Program &program)
{
    QWidget *const screens[] = {program.startScreen(),     program.drillScreen(),
                                program.worksheetScreen(), program.aboutScreen(),
                                program.printerChooser(),  program.whoAreYouScreen(),
                                program.resultsScreen()};
    const QSet<QWidget *> open(std::begin(screens), std::end(screens));
    // Once deferred deletions have run, a screen's window that is not the
    // open one is a screen closed but left standing, or a second copy of one.
    QSet<QByteArray> classes;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QWidget *screen = qobject_cast<Screen *>(top);
        if (!screen)
            screen = qobject_cast<DesignDialog *>(top);
        if (!screen)
            continue;
        const QByteArray name = screen->metaObject()->className();
        if (!open.contains(screen))
            return QStringLiteral("window \"%1\" belongs to no open screen%2")
                .arg(screen->windowTitle(),
                     screen->isVisible() ? QStringLiteral(" and is shown") : QString());
        if (classes.contains(name))
            return QStringLiteral("two windows of screen %1").arg(QString::fromLatin1(name));
        classes.insert(name);
    }
    return {};
}

int census::topLevelWidgets()
{
    return static_cast<int>(QApplication::topLevelWidgets().size());
}

int census::allWidgets()
{
    return static_cast<int>(QApplication::allWidgets().size());
}
