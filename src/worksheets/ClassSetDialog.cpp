// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/ClassSetDialog.h"

#include "shell/Elements.h"
#include "shell/Palette.h"
#include "worksheets/ClassSet.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

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
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("spnNumeroSchede"));
    m_count->setFont(text);
    m_count->setRange(ClassSet::minSheets, ClassSet::maxSheets);
    m_count->setValue(ClassSet::defaultSheets);
    m_count->setAccessibleName(countLabel->text());
    countLabel->setBuddy(m_count);

    m_solutions = new QCheckBox(tr("Con le soluzioni"), this);
    m_solutions->setObjectName(QStringLiteral("chkSoluzioni"));
    m_solutions->setFont(text);
    m_solutions->setChecked(true);

    m_print = new ColouredButton(this, QStringLiteral("cmdStampa"), tr("Stampa"),
                                 buttons, colours::focusPink);
    m_save = new ColouredButton(this, QStringLiteral("cmdSalvaPdf"), tr("Salva PDF..."),
                                buttons, colours::focusPink);
    m_cancel = new ColouredButton(this, QStringLiteral("cmdAnnulla"), tr("Annulla"),
                                  buttons, colours::focusPink);
    for (QPushButton *b : {m_print.data(), m_save.data(), m_cancel.data()})
        b->setMinimumSize(120, 36);
    m_print->setDefault(true);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(countLabel, m_count);
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
    m_count->setFocus();
}

int ClassSetDialog::sheetCount() const
{
    return m_count->value();
}

bool ClassSetDialog::withSolutions() const
{
    return m_solutions->isChecked();
}

void ClassSetDialog::choosePrint()
{
    m_choice = Choice::Print;
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
    accept();
}
