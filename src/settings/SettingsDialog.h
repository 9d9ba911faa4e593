// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ProgramSettings.h"

#include <QDialog>

class ClassListEditor;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

// "Impostazioni": the voice, the level, the class's name and list. It shows
// the settings it is given and, on OK, tells the program the new ones in
// settingsChanged; the program keeps and applies them. Cancel changes
// nothing.
class SettingsDialog final : public QDialog
{
    Q_OBJECT
public:
    SettingsDialog(const ProgramSettings &settings, QWidget *parent);

    // The settings as the dialog shows them now.
    ProgramSettings settings() const;

    // A further section under the dialog's own rows, titled, with rows of
    // its own (the results server's, for one).
    void addSection(const QString &title, QWidget *section);

    ClassListEditor *classList() const { return m_classList; }

Q_SIGNALS:
    void settingsChanged(const ProgramSettings &settings);

private:
    void confirm();

    QFormLayout *m_form;
    QCheckBox *m_voice;
    QComboBox *m_level;
    QLineEdit *m_className;
    ClassListEditor *m_classList;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    int m_sections = 0;
};
