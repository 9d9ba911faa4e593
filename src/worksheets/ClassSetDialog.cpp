// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/ClassSetDialog.h"

#include "shell/Elements.h"
#include "shell/Palette.h"
#include "worksheets/ClassSet.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
// A spin box that shows its editor: the box itself tells only of changes of
// its value, not of text that is no number in range.
class CountBox final : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;
    QLineEdit *editor() const { return lineEdit(); }
};
} // namespace

ClassSetDialog::ClassSetDialog(QWidget *parent, FileNameAsker askFileName)
    : QDialog(parent), m_askFileName(std::move(askFileName))
{
    setObjectName(QStringLiteral("dlgSchedeClasse"));
    setWindowTitle(tr("Schede per la classe"));
    setModal(true);
    ui::fill(this, colours::windowPink);

    const QFont text = fonts::arial(10, false);
    const QFont buttons = fonts::arial(9.75);

    auto *countLabel = new QLabel(tr("Numero di schede"), this);
    countLabel->setObjectName(QStringLiteral("lblNumeroSchede"));
    countLabel->setFont(text);
    auto *count = new CountBox(this);
    m_count = count;
    m_count->setObjectName(QStringLiteral("spnNumeroSchede"));
    m_count->setFont(text);
    m_count->setRange(ClassSet::minSheets, ClassSet::maxSheets);
    m_count->setValue(ClassSet::defaultSheets);
    m_count->setAccessibleName(countLabel->text());
    countLabel->setBuddy(m_count);
    // The field refuses a digit that leaves the range: say which it is.
    auto *range = new QLabel(tr("da %1 a %2").arg(ClassSet::minSheets).arg(ClassSet::maxSheets),
                             this);
    range->setObjectName(QStringLiteral("lblIntervallo"));
    range->setFont(text);
    m_count->setAccessibleDescription(range->text());

    m_solutions = new QCheckBox(tr("Con le soluzioni"), this);
    m_solutions->setObjectName(QStringLiteral("chkSoluzioni"));
    m_solutions->setFont(text);
    m_solutions->setChecked(true);

    m_print = new ColouredButton(this, QStringLiteral("cmdStampa"), tr("Stampa"), buttons,
                                 colours::focusPink);
    m_save = new ColouredButton(this, QStringLiteral("cmdSalvaPdf"), tr("Salva PDF..."), buttons,
                                colours::focusPink);
    m_cancel = new ColouredButton(this, QStringLiteral("cmdAnnulla"), tr("Annulla"), buttons,
                                  colours::focusPink);
    for (QPushButton *b : {m_print.data(), m_save.data(), m_cancel.data()})
        b->setMinimumSize(120, 36);
    m_print->setDefault(true);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(m_count);
    countRow->addWidget(range);
    form->addRow(countLabel, countRow);
    form->addRow(m_solutions);
    auto *row = new QHBoxLayout;
    row->addWidget(m_print);
    row->addWidget(m_save);
    row->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(18);
    layout->addLayout(form);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_print, &QPushButton::clicked, this, &ClassSetDialog::choosePrint);
    connect(m_save, &QPushButton::clicked, this, &ClassSetDialog::chooseSave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(count->editor(), &QLineEdit::textChanged, this, &ClassSetDialog::updateActions);
    m_count->installEventFilter(this);
    m_count->setFocus();
}

void ClassSetDialog::updateActions()
{
    setActionsEnabled(m_count->hasAcceptableInput());
}

void ClassSetDialog::setActionsEnabled(bool enabled)
{
    m_print->setEnabled(enabled);
    m_save->setEnabled(enabled);
}

// Enter on a number out of range would put the last good one back and act
// on it: the teacher would get a number never seen. It does nothing.
bool ClassSetDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_count && event->type() == QEvent::KeyPress && !m_count->hasAcceptableInput()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

int ClassSetDialog::sheetCount() const
{
    return m_count->value();
}

bool ClassSetDialog::withSolutions() const
{
    return m_solutions->isChecked();
}

// Once chosen, the set is made: the second press of a double click finds the
// buttons off.
void ClassSetDialog::choosePrint()
{
    m_choice = Choice::Print;
    setActionsEnabled(false);
    accept();
}

// The dialog stays open while the file is chosen, and after a change of mind.
void ClassSetDialog::chooseSave()
{
    const QString name = m_askFileName ? m_askFileName(this) : QString();
    if (name.isEmpty())
        return;
    m_choice = Choice::Save;
    m_fileName = name;
    setActionsEnabled(false);
    accept();
}
