// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/Program.h"

#include "start/AboutScreen.h"
#include "start/StartScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <algorithm>

Program::Program(QObject *parent) : QObject(parent), m_drillState(m_random), m_worksheet(m_random)
{
    m_random.reseedFromClock();
}

Program::~Program()
{
    for (const QPointer<QWidget> &window : m_windows)
        delete window.data();
}

StartScreen *Program::startScreen() const
{
    return m_start;
}

WorksheetScreen *Program::worksheetScreen() const
{
    return m_worksheets;
}

AboutScreen *Program::aboutScreen() const
{
    return m_about;
}

void Program::setPrinterSource(PrinterChooser::PrinterSource source)
{
    m_printerSource = std::move(source);
}

template<class T> T *Program::track(QPointer<T> &open, T *window)
{
    std::erase_if(m_windows, [](const QPointer<QWidget> &w) { return w.isNull(); });
    m_windows.emplace_back(window);
    open = window;
    // Closed, it no longer counts as open, though it is deleted only later.
    connect(window, &T::closed, this, [&open, window] {
        if (open == window)
            open = nullptr;
    });
    Q_EMIT screenOpened(window);
    return window;
}

StartScreen *Program::openStart()
{
    if (!m_start) {
        auto *start = track(m_start, new StartScreen);
        connect(start, &StartScreen::drillRequested, this, &Program::openDrill);
        connect(start, &StartScreen::worksheetsRequested, this, &Program::openWorksheets);
        connect(start, &StartScreen::aboutRequested, this, &Program::openAbout);
        connect(start, &Screen::closed, this, &Program::closeAll);
    }
    m_start->present();
    return m_start;
}

DrillScreen *Program::openDrill()
{
    if (!m_drill)
        track(m_drill, new DrillScreen(m_figures, m_drillState));
    m_drill->present();
    return m_drill;
}

WorksheetScreen *Program::openWorksheets()
{
    if (!m_worksheets) {
        auto *worksheets = track(
            m_worksheets,
            new WorksheetScreen(m_figures, m_worksheet, m_printService, m_random, m_outputThread));
        connect(worksheets, &WorksheetScreen::printerChooserRequested, this,
                &Program::openPrinterChooser);
    }
    m_worksheets->present();
    return m_worksheets;
}

AboutScreen *Program::openAbout()
{
    if (!m_about)
        track(m_about, new AboutScreen(m_start));
    m_about->present();
    return m_about;
}

PrinterChooser *Program::openPrinterChooser()
{
    if (!m_printerChooser) {
        auto installed = [this] {
            return m_printerSource ? m_printerSource() : m_printService.printers();
        };
        auto *chooser = track(m_printerChooser,
                              new PrinterChooser(m_worksheets, m_printerChoice, installed,
                                                 m_printService.currentPrinter()));
        connect(chooser, &PrinterChooser::printerPicked, this,
                [this](const QString &name) { m_printService.setCurrentPrinter(name); });
    }
    m_printerChooser->present();
    return m_printerChooser;
}

void Program::closeAll()
{
    // Read one at a time: the start screen's closing comes back here and
    // closes the others first.
    const auto closeIfOpen = [](QWidget *window) {
        if (window)
            window->close();
    };
    closeIfOpen(m_start);
    closeIfOpen(m_drill);
    closeIfOpen(m_worksheets);
    closeIfOpen(m_about);
    closeIfOpen(m_printerChooser);
}
