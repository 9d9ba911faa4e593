// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class QCheckBox;
class QPushButton;
class QSpinBox;

// "Schede per la classe": how many sheets, whether with solutions, and
// where they go. Modal over the worksheet screen; it only asks, the screen
// makes the set once the dialog is accepted.
class ClassSetDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Choice { None, Print, Save };
    // Asks for the file's name, parented to the dialog; empty when the
    // teacher gave none.
    using FileNameAsker = std::function<QString(QWidget *parent)>;

    ClassSetDialog(QWidget *parent, FileNameAsker askFileName);

    int sheetCount() const;
    bool withSolutions() const;
    Choice choice() const { return m_choice; }
    // The file for Choice::Save.
    const QString &fileName() const { return m_fileName; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choosePrint();
    void chooseSave();
    // The actions are on only while the field shows a number in range.
    void updateActions();
    void setActionsEnabled(bool enabled);

    FileNameAsker m_askFileName;
    Choice m_choice = Choice::None;
    QString m_fileName;
    QPointer<QSpinBox> m_count;
    QPointer<QCheckBox> m_solutions;
    QPointer<QPushButton> m_print;
    QPointer<QPushButton> m_save;
    QPointer<QPushButton> m_cancel;
};
