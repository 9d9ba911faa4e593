// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/StartScreen.h"

#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/OptionList.h"
#include "shell/Palette.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {
constexpr QSize designTwips(11910, 8280);
constexpr int curtainTickMs = 10;
constexpr int titleBorderWidth = 2;
} // namespace

StartScreen::StartScreen()
    : Screen(QStringLiteral("FrmInizio"), QStringLiteral("GLI INSIEMI"), designTwips,
             Opening::Maximized, Frame::Full)
{
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);

    const QFont optionFont = fonts::arial(20.25);
    const QFont noticeFont = fonts::arial(12);

    // Made from the bottom of the stack up, so that each lies above the last.
    auto *versionOuterBox = new RoundedBox(area, QStringLiteral("Shape4"), colours::magenta);
    auto *versionInnerBox = new RoundedBox(area, QStringLiteral("Shape3"), colours::windowPink);
    QLabel *version = ui::label(area, QStringLiteral("lblVersione"), QString(), noticeFont,
                                colours::darkRed);
    auto *noticeOuterBox = new RoundedBox(area, QStringLiteral("Shape6"), colours::magenta);
    auto *noticeInnerBox = new RoundedBox(area, QStringLiteral("Shape5"), colours::windowPink);
    QLabel *notice = ui::label(area, QStringLiteral("Label3"),
                               tr("SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO"), noticeFont,
                               colours::darkRed);
    QLabel *author = ui::label(area, QStringLiteral("Label5(1)"),
                               tr("Il nuovo software di Brivano"), fonts::arial(21.75),
                               colours::maroon, colours::focusPink);

    QWidget *title = ui::panel(area, QStringLiteral("frmTitolo"), colours::windowPink);
    auto *titleOuterBox = new RoundedBox(title, QStringLiteral("Shape1"), colours::focusPink,
                                         QColor(), titleBorderWidth);
    auto *titleInnerBox = new RoundedBox(title, QStringLiteral("Shape2"), colours::windowPink);
    QLabel *heading = ui::label(title, QStringLiteral("Label4"), QStringLiteral("VELMORA"),
                                fonts::arial(36), colours::darkBlue, colours::windowPink);

    QWidget *optionFrame = ui::panel(area, QStringLiteral("Frame1"), colours::windowPink);
    auto *goButton = new OptionButton(optionFrame, QStringLiteral("Option1(0)"), GoOption,
                                      tr("VAI"), optionFont, colours::focusPink);
    auto *exitButton = new OptionButton(optionFrame, QStringLiteral("Option1(1)"), ExitOption,
                                        tr("ESCI"), optionFont, colours::windowPink);

    m_rightCurtain = new ShrinkingPanel(area, QStringLiteral("Picture2"), colours::focusPink);
    m_leftCurtain = new ShrinkingPanel(area, QStringLiteral("Picture1"), colours::focusPink);
    // The left curtain only shrinks from its right edge while opening: what
    // stays of it needs no repaint at every tick.
    m_leftCurtain->setAttribute(Qt::WA_StaticContents);

    m_curtainTimer = new QTimer(this);
    m_curtainTimer->setObjectName(QStringLiteral("timerTendine"));
    m_curtainTimer->setInterval(curtainTickMs);
    m_curtainTimer->setTimerType(Qt::PreciseTimer);
    connect(m_curtainTimer, &QTimer::timeout, this, &StartScreen::openCurtainsStep);

    QAction *printMenu = menuBar()->addAction(tr("Stampa schede"));
    printMenu->setObjectName(QStringLiteral("mnuStampaSchede"));
    connect(printMenu, &QAction::triggered, this, &StartScreen::worksheetsRequested);
    QAction *aboutMenu = menuBar()->addAction(tr("About"));
    aboutMenu->setObjectName(QStringLiteral("mnuInfo"));
    connect(aboutMenu, &QAction::triggered, this, &StartScreen::aboutRequested);
    QAction *settingsMenu = menuBar()->addAction(tr("Impostazioni..."));
    settingsMenu->setObjectName(QStringLiteral("mnuImpostazioni"));
    connect(settingsMenu, &QAction::triggered, this, &StartScreen::settingsRequested);
    QAction *resultsMenu = menuBar()->addAction(tr("Risultati..."));
    resultsMenu->setObjectName(QStringLiteral("mnuRisultati"));
    connect(resultsMenu, &QAction::triggered, this, &StartScreen::resultsRequested);

    m_options = new OptionList(m_optionRules, this);
    m_options->add(goButton);
    m_options->add(exitButton);
    connect(m_options, &OptionList::chosen, this, &StartScreen::choose);

    // The design boxes in twips.
    layout->addDocked(m_leftCurtain, {0, 0, 120, 8280}, DesignLayout::Dock::Left);
    layout->addDocked(m_rightCurtain, {11685, 0, 228, 8280}, DesignLayout::Dock::Right);
    layout->addBox(optionFrame, {6270, 3120, 5385, 3090});
    layout->addBox(goButton, {105, 135, 4935, 795});
    layout->addBox(exitButton, {120, 1110, 4935, 795});
    layout->addBox(title, {0, 0, 11745, 1485});
    layout->addBox(heading, {300, 315, 9675, 885});
    layout->addBox(titleInnerBox, {210, 90, 9900, 1185});
    layout->addBox(titleOuterBox, {210, 90, 9960, 1245});
    layout->addBox(author, {0, 7425, 12030, 465});
    layout->addBox(notice, {2865, 6870, 8385, 330});
    layout->addBox(noticeInnerBox, {2730, 6765, 8640, 465});
    layout->addBox(noticeOuterBox, {2745, 6765, 8670, 510});
    layout->addBox(version, {450, 6915, 1740, 225});
    layout->addBox(versionInnerBox, {315, 6765, 2010, 465});
    layout->addBox(versionOuterBox, {315, 6765, 2040, 510});
    takeDesignSize();

    startCurtains();
    // Every later placing (a resize) closes the curtains again.
    connect(layout, &DesignLayout::placed, this, &StartScreen::curtainsPlaced);
    version->setText(tr("Vers.  %1").arg(QStringLiteral(GLI_VERSION)));
    m_options->giveFocus(GoOption);
}

bool StartScreen::isCurtainTimerEnabled() const
{
    return m_curtainTimer->isActive();
}

void StartScreen::startCurtains()
{
    const double half = scale().twips(frameGeometry().width()) / 2.0;
    m_curtains.close(half);
    designLayout()->setDesignWidth(m_leftCurtain, half);
    designLayout()->setDesignWidth(m_rightCurtain, half);
    showCurtains();
    m_curtainTimer->start();
}

void StartScreen::showCurtains()
{
    const TwipsScale s = scale();
    const QSize area = isMinimized() ? QSize(0, 0) : client()->size();
    const int left = s.pixels(m_curtains.left());
    const int right = s.pixels(m_curtains.right());
    m_leftCurtain->shrinkTo(QRect(0, 0, left, area.height()));
    m_rightCurtain->shrinkTo(QRect(area.width() - right, 0, right, area.height()));
}

void StartScreen::curtainsPlaced()
{
    // The placing gives the curtains their closed width again; they then
    // open again rather than leave the screen covered.
    const TwipsScale s = scale();
    m_curtains.setWidths(s.twips(m_leftCurtain->width()), s.twips(m_rightCurtain->width()));
    if (!m_curtains.isOpen() && !m_curtainTimer->isActive())
        m_curtainTimer->start();
}

void StartScreen::openCurtainsStep()
{
    if (!m_curtains.step())
        m_curtainTimer->stop();
    showCurtains();
}

void StartScreen::choose(int index)
{
    switch (index) {
    case GoOption:
        Q_EMIT drillRequested();
        break;
    case ExitOption:
        close();
        break;
    default:
        break;
    }
}
