// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/WhoAreYouScreen.h"

#include "pupils/NameGrid.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr QSize designTwips(11910, 8280);
constexpr QRect headingTwips(0, 150, 11910, 900);
constexpr QRect namesTwips(300, 1200, 11310, 6780);
// A button is big enough for a finger on a whiteboard: 0.6 inch tall, and a
// column at least 3 inches wide.
constexpr int buttonHeightTwips = 864;
constexpr int minColumnTwips = 4320;
constexpr int maxColumns = 5;
constexpr int spacingTwips = 150;
constexpr double namePoints = 20.25;
constexpr double headingPoints = 36;
} // namespace

WhoAreYouScreen::WhoAreYouScreen(const QStringList &pupils)
    : Screen(QStringLiteral("frmChiSei"), tr("Chi sei?"), designTwips, Opening::Maximized,
             Frame::NoMinMax),
      m_pupils(pupils)
{
    const TwipsScale s = scale();
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);

    QLabel *heading = ui::label(area, QStringLiteral("lblChiSei"), tr("Chi sei?"),
                                fonts::arial(headingPoints), colours::darkBlue, colours::windowPink,
                                Qt::AlignCenter);

    m_scroll = new QScrollArea(area);
    m_scroll->setObjectName(QStringLiteral("scrNomi"));
    m_scroll->setAccessibleName(tr("Nomi della classe"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    ui::fill(m_scroll->viewport(), colours::windowPink);

    m_grid = ui::panel(m_scroll, QStringLiteral("fraNomi"), colours::windowPink);
    m_gridLayout = new QGridLayout(m_grid);
    m_gridLayout->setSpacing(s.pixels(spacingTwips));
    m_gridLayout->setContentsMargins(0, 0, 0, 0);
    m_scroll->setWidget(m_grid);

    const QFont nameFont = fonts::arial(namePoints);
    const auto addButton = [&](const QString &caption, const QString &spoken) {
        const int index = buttonCount();
        auto *button = new OptionButton(m_grid, QStringLiteral("cmdNome(%1)").arg(index), index,
                                        QString(), nameFont, colours::windowPink);
        button->setAccessibleName(spoken);
        // Few names get taller buttons, up to twice the least height.
        button->setMinimumHeight(s.pixels(buttonHeightTwips));
        button->setMaximumHeight(2 * s.pixels(buttonHeightTwips));
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, index] { choose(index); });
        m_buttons.append(button);
        m_captions.append(caption);
    };
    for (const QString &pupil : m_pupils)
        addButton(pupil, pupil);
    addButton(tr("Ospite"), tr("Ospite"));
    button(buttonCount() - 1)->setAccessibleDescription(tr("senza nome"));
    m_scroll->viewport()->installEventFilter(this);

    layout->addBox(heading, headingTwips);
    layout->addBox(m_scroll, namesTwips);
    takeDesignSize();
    arrange();
    m_buttons.first()->setFocus();
}

OptionButton *WhoAreYouScreen::button(int index) const
{
    return index >= 0 && index < buttonCount() ? m_buttons[index] : nullptr;
}

void WhoAreYouScreen::choose(int index)
{
    if (index < 0 || index >= buttonCount())
        return;
    if (index < m_pupils.size())
        Q_EMIT pupilChosen(m_pupils[index]);
    else
        Q_EMIT guestChosen();
    close();
}

// Lays the buttons out again when the width takes another number of columns.
void WhoAreYouScreen::arrange()
{
    const int columns = namegrid::columnsFor(buttonCount(), m_scroll->viewport()->width(),
                                             scale().pixels(minColumnTwips), maxColumns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (OptionButton *b : std::as_const(m_buttons))
        m_gridLayout->removeWidget(b);
    for (int i = 0; i < buttonCount(); ++i)
        m_gridLayout->addWidget(m_buttons[i], i / columns, i % columns);
    for (int c = 0; c < maxColumns; ++c)
        m_gridLayout->setColumnStretch(c, c < columns ? 1 : 0);
    // The rows share the height; what they cannot take stays empty below.
    const int rows = (buttonCount() + columns - 1) / columns;
    const int rowsBefore = m_gridLayout->rowCount();
    for (int r = 0; r <= std::max(rows, rowsBefore); ++r)
        m_gridLayout->setRowStretch(r, r <= rows ? 1 : 0);
}

// The caption of a button for its width: the name on one line, cut with "…"
// where it does not fit.
void WhoAreYouScreen::showName(int index)
{
    OptionButton *b = m_buttons[index];
    const QString name = ElidedLabel::oneLine(m_captions[index]);
    const int room = b->width() - b->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const QString shown = b->fontMetrics().elidedText(name, Qt::ElideRight, std::max(0, room));
    b->setText(shown);
    b->setToolTip(shown == name ? QString() : m_captions[index]);
    // The text is painted as it is: no "&" makes a shortcut.
    b->setShortcut(QKeySequence());
}

bool WhoAreYouScreen::keyPressed(int index, int key)
{
    using namegrid::Step;
    Step direction;
    switch (key) {
    case Qt::Key_Left:
        direction = Step::Left;
        break;
    case Qt::Key_Right:
        direction = Step::Right;
        break;
    case Qt::Key_Up:
        direction = Step::Up;
        break;
    case Qt::Key_Down:
        direction = Step::Down;
        break;
    case Qt::Key_Home:
        direction = Step::First;
        break;
    case Qt::Key_End:
        direction = Step::Last;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(index);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
    m_buttons[namegrid::step(index, buttonCount(), m_columns, direction)]->setFocus(
        Qt::TabFocusReason);
    return true;
}

bool WhoAreYouScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport()) {
        if (event->type() == QEvent::Resize)
            arrange();
        return false;
    }
    auto *b = qobject_cast<OptionButton *>(watched);
    if (!b || !m_buttons.contains(b))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(b->index(), static_cast<QKeyEvent *>(event)->key());
    case QEvent::FocusIn:
        b->setBackground(colours::focusPink);
        m_scroll->ensureWidgetVisible(b, 0, 0);
        break;
    case QEvent::FocusOut:
        b->setBackground(colours::windowPink);
        break;
    case QEvent::Resize:
        showName(b->index());
        break;
    default:
        break;
    }
    return false;
}
