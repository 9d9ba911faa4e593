// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsDialog.h"

#include "settings/ClassListEditor.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr QSize buttonSize(120, 36);

QLabel *rowLabel(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    return label;
}
} // namespace

SettingsDialog::SettingsDialog(const ProgramSettings &settings, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgImpostazioni"));
    setWindowTitle(tr("Impostazioni"));
    setModal(true);
    ui::fill(this, colours::windowPink);

    const QFont text = fonts::arial(10, false);
    const QFont buttons = fonts::arial(9.75);

    QLabel *voiceLabel = rowLabel(this, "lblVoce", tr("Voce"), text);
    m_voice = new QCheckBox(tr("Il programma parla"), this);
    m_voice->setObjectName(QStringLiteral("chkVoce"));
    m_voice->setFont(text);
    m_voice->setAccessibleName(tr("Il programma parla"));

    QLabel *levelLabel = rowLabel(this, "lblLivello", tr("Grandezza degli insiemi"), text);
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("cmbLivello"));
    m_level->setFont(text);
    m_level->setAccessibleName(levelLabel->text());
    for (SetLevel level : sets::levels)
        m_level->addItem(sets::levelText(level), sets::levelValue(level));

    QLabel *classNameLabel = rowLabel(this, "lblNomeClasse", tr("Nome della classe"), text);
    m_className = new QLineEdit(this);
    m_className->setObjectName(QStringLiteral("txtNomeClasse"));
    m_className->setFont(text);
    m_className->setAccessibleName(classNameLabel->text());

    QLabel *classLabel = rowLabel(this, "lblClasse", tr("Classe"), text);
    m_classList = new ClassListEditor(this);
    m_classList->setAccessibleName(classLabel->text());

    QLabel *note = rowLabel(this, "lblQuandoValgono",
                            tr("Le modifiche valgono dal prossimo esercizio."), text);

    m_ok = new ColouredButton(this, QStringLiteral("cmdOK"), tr("OK"), buttons, colours::focusPink);
    m_cancel = new ColouredButton(this, QStringLiteral("cmdAnnulla"), tr("Annulla"), buttons,
                                  colours::focusPink);
    for (QPushButton *b : {m_ok, m_cancel}) {
        b->setMinimumSize(buttonSize);
        b->setAutoDefault(false);
    }
    m_ok->setDefault(true);

    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_form->addRow(voiceLabel, m_voice);
    m_form->addRow(levelLabel, m_level);
    m_form->addRow(classNameLabel, m_className);
    m_form->addRow(classLabel, m_classList);
    voiceLabel->setBuddy(m_voice);
    levelLabel->setBuddy(m_level);
    classNameLabel->setBuddy(m_className);

    auto *row = new QHBoxLayout;
    row->addWidget(note, 1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(18);
    layout->addLayout(m_form);
    layout->addLayout(row);

    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_voice->setChecked(settings.voice);
    m_level->setCurrentIndex(m_level->findData(sets::levelValue(settings.level)));
    m_className->setText(settings.className);
    m_classList->setNames(settings.pupils);
    m_voice->setFocus();
}

ProgramSettings SettingsDialog::settings() const
{
    ProgramSettings shown;
    shown.voice = m_voice->isChecked();
    shown.level = sets::levelFromValue(m_level->currentData().toInt()).value_or(sets::defaultLevel);
    shown.className = m_className->text();
    shown.pupils = m_classList->names();
    return shown;
}

void SettingsDialog::addSection(const QString &title, QWidget *section)
{
    auto *group = new QGroupBox(title, this);
    group->setObjectName(QStringLiteral("fraSezione(%1)").arg(m_sections++));
    group->setFont(fonts::arial(10, false));
    group->setAccessibleName(title);
    auto *inside = new QVBoxLayout(group);
    section->setParent(group);
    inside->addWidget(section);
    m_form->addRow(group);
}

void SettingsDialog::confirm()
{
    // Once confirmed, the second press of a double click finds it off.
    m_ok->setEnabled(false);
    Q_EMIT settingsChanged(settings());
    accept();
}
