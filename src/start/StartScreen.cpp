// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/StartScreen.h"

#include "drill/DrillScreen.h"
#include "shell/Elements.h"
#include "shell/OptionList.h"
#include "shell/Palette.h"
#include "start/AboutScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

namespace {
} // namespace

StartScreen::StartScreen()
    : Screen(QStringLiteral("FrmInizio"), QStringLiteral("GLI INSIEMI"), QSize(11910, 8280),
             Opening::Maximized)
{
}

bool StartScreen::isCurtainTimerEnabled() const
{
    return m_timer && m_timer->isActive();
}

void StartScreen::createElements(QWidget *client)
{
    ui::fill(client, colours::windowPink);

    const QFont optionFont = fonts::arial(20.25);
    const QFont noticeFont = fonts::arial(12);

    // Made from the bottom of the stack up, so that each lies above the last.
    auto *shape4
        = new RoundedBox(client, QStringLiteral("Shape4"), colours::magenta, colours::black);
    auto *shape3
        = new RoundedBox(client, QStringLiteral("Shape3"), colours::windowPink, colours::black);
    m_version = ui::label(client, QStringLiteral("lblVersione"), QString(), noticeFont,
                              colours::darkRed);
    auto *shape6
        = new RoundedBox(client, QStringLiteral("Shape6"), colours::magenta, colours::black);
    auto *shape5
        = new RoundedBox(client, QStringLiteral("Shape5"), colours::windowPink, colours::black);
    auto *notice = ui::label(client, QStringLiteral("Label3"),
                             QStringLiteral("SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO"),
                             noticeFont, colours::darkRed);
    auto *author = ui::label(client, QStringLiteral("Label5(1)"),
                             QStringLiteral("Il nuovo software di Brivano"),
                             fonts::arial(21.75), colours::maroon,
                             colours::focusPink);

    QWidget *title = ui::panel(client, QStringLiteral("frmTitolo"), colours::windowPink);
    auto *shape1 = new RoundedBox(title, QStringLiteral("Shape1"), colours::focusPink,
                                  colours::black, 2);
    auto *shape2
        = new RoundedBox(title, QStringLiteral("Shape2"), colours::windowPink, colours::black);
    auto *heading = ui::label(title, QStringLiteral("Label4"), QStringLiteral("VELMORA"),
                              fonts::arial(36), colours::darkBlue,
                              colours::windowPink);

    QWidget *frame = ui::panel(client, QStringLiteral("Frame1"), colours::windowPink);
    auto *vai = new OptionButton(frame, QStringLiteral("Option1(0)"), 0, QStringLiteral("VAI"),
                                 optionFont, colours::focusPink);
    auto *esci = new OptionButton(frame, QStringLiteral("Option1(1)"), 1, QStringLiteral("ESCI"),
                                  optionFont, colours::windowPink);

    m_picture2 = new ShrinkingPanel(client, QStringLiteral("Picture2"), colours::focusPink);
    m_picture1 = new ShrinkingPanel(client, QStringLiteral("Picture1"), colours::focusPink);
    // The left curtain only shrinks from its right edge while opening: what
    // stays of it needs no repaint at every tick.
    m_picture1->setAttribute(Qt::WA_StaticContents);

    m_timer = new QTimer(client);
    m_timer->setObjectName(QStringLiteral("timerTendine"));
    m_timer->setInterval(10);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &StartScreen::openCurtainsStep);

    QMenuBar *menu = window()->menuBar();
    QAction *print = menu->addAction(QStringLiteral("Stampa schede"));
    print->setObjectName(QStringLiteral("mnuStampaSchede"));
    connect(print, &QAction::triggered, this, &StartScreen::openWorksheets);
    QAction *about = menu->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuInfo"));
    connect(about, &QAction::triggered, this, &StartScreen::openAbout);

    m_options = new OptionList(m_optionRules, [this](int i) { choose(i); }, window());
    m_options->add(vai);
    m_options->add(esci);

    // The element collection, topmost first, with the design boxes in twips.
    ElementTable &e = elements();
    e.add(m_picture1, {0, 0, 120, 8280}, ElementTable::Dock::Left);
    e.add(m_picture2, {11685, 0, 228, 8280}, ElementTable::Dock::Right);
    e.addUnplaced(m_timer, ElementKind::Timer);
    e.add(frame, {6270, 3120, 5385, 3090});
    e.add(vai, {105, 135, 4935, 795});
    e.add(esci, {120, 1110, 4935, 795});
    e.add(title, {0, 0, 11745, 1485});
    e.add(heading, {300, 315, 9675, 885});
    e.add(shape2, {210, 90, 9900, 1185});
    e.add(shape1, {210, 90, 9960, 1245});
    e.add(author, {0, 7425, 12030, 465});
    e.add(notice, {2865, 6870, 8385, 330});
    e.add(shape5, {2730, 6765, 8640, 465});
    e.add(shape6, {2745, 6765, 8670, 510});
    e.add(m_version, {450, 6915, 1740, 225});
    e.add(shape3, {315, 6765, 2010, 465});
    e.add(shape4, {315, 6765, 2040, 510});
    e.addUnplaced(print, ElementKind::MenuItem);
    e.addUnplaced(about, ElementKind::MenuItem);

    placeAtDesign();
}

void StartScreen::loaded()
{
    startCurtains();
    captureLayout();
    m_version->setText(QStringLiteral("Vers.  " GLI_VERSION));
    m_options->giveFocus(0);
}

void StartScreen::startCurtains()
{
    const double half = scale().twips(window()->frameGeometry().width()) / 2.0;
    m_curtains.close(half);
    elements().setDesignWidth(m_picture1, half);
    elements().setDesignWidth(m_picture2, half);
    showCurtains();
    m_timer->start();
}

void StartScreen::showCurtains()
{
    const TwipsScale s = scale();
    const int height = clientSize().height();
    const int left = s.pixels(m_curtains.left());
    const int right = s.pixels(m_curtains.right());
    m_picture1->shrinkTo(QRect(0, 0, left, height));
    m_picture2->shrinkTo(QRect(clientSize().width() - right, 0, right, height));
}

void StartScreen::resized()
{
    applyLayout();
    // The resize gives the curtains their closed width again; they then open
    // again rather than leave the screen covered.
    const TwipsScale s = scale();
    m_curtains.setWidths(s.twips(m_picture1->width()), s.twips(m_picture2->width()));
    if (!m_curtains.isOpen() && !m_timer->isActive())
        m_timer->start();
}

void StartScreen::openCurtainsStep()
{
    if (!m_curtains.step())
        m_timer->stop();
    showCurtains();
}

void StartScreen::choose(int index)
{
    switch (index) {
    case 0:
        Screen::the<DrillScreen>().show();
        break;
    case 1:
        closeAll();
        break;
    default:
        break;
    }
}

void StartScreen::closeAll()
{
    const QList<Screen *> all = Screen::screens();
    for (Screen *screen : all)
        screen->unload();
}

void StartScreen::unloading()
{
    closeAll();
}

void StartScreen::openWorksheets()
{
    Screen::the<WorksheetScreen>().show();
}

void StartScreen::openAbout()
{
    Screen::the<AboutScreen>().showModal(*this);
}
