// SPDX-License-Identifier: GPL-3.0-or-later
#include "Census.h"

#include "shell/Screen.h"

#include <QApplication>
#include <QMainWindow>
#include <QSet>

QString census::check()
{
    const QList<Screen *> &screens = Screen::screens();
    QSet<Screen *> objects;
    QSet<QByteArray> classes;
    QSet<QWidget *> windows;
    for (Screen *screen : screens) {
        const QByteArray name = screen->metaObject()->className();
        if (objects.contains(screen))
            return QStringLiteral("screen object %1 listed twice").arg(QString::fromLatin1(name));
        if (classes.contains(name))
            return QStringLiteral("two objects of screen %1").arg(QString::fromLatin1(name));
        objects.insert(screen);
        classes.insert(name);
        if (!screen->isLoaded())
            continue;
        if (!screen->window())
            return QStringLiteral("%1 is loaded without a window").arg(QString::fromLatin1(name));
        if (windows.contains(screen->window()))
            return QStringLiteral("%1 shares its window").arg(QString::fromLatin1(name));
        windows.insert(screen->window());
    }
    // Once deferred deletions have run, a main window that no loaded screen
    // owns is a screen closed but left standing, or a second copy of one.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *main = qobject_cast<QMainWindow *>(top);
        if (main && !windows.contains(main))
            return QStringLiteral("window \"%1\" belongs to no loaded screen%2")
                .arg(main->windowTitle(),
                     main->isVisible() ? QStringLiteral(" and is shown") : QString());
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
