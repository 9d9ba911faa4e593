// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window the start-up is measured against: a maximized main window
// with a menu bar, a label and two push buttons, ended after its first paint.

#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    new bench::QuitAfterFirstPaint(&app);

    QMainWindow window;
    window.setObjectName(QStringLiteral("baseline"));
    window.setWindowTitle(QStringLiteral("baseline"));
    window.menuBar()->addAction(QStringLiteral("Stampa schede"));
    window.menuBar()->addAction(QStringLiteral("About"));

    auto *central = new QWidget(&window);
    central->setObjectName(QStringLiteral("central"));
    auto *layout = new QVBoxLayout(central);
    auto *label = new QLabel(QStringLiteral("GLI INSIEMI"), central);
    label->setObjectName(QStringLiteral("label"));
    auto *go = new QPushButton(QStringLiteral("VAI"), central);
    go->setObjectName(QStringLiteral("go"));
    auto *quit = new QPushButton(QStringLiteral("ESCI"), central);
    quit->setObjectName(QStringLiteral("quit"));
    layout->addWidget(label);
    layout->addWidget(go);
    layout->addWidget(quit);
    window.setCentralWidget(central);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
