// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/PupilList.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// "Classe": the class list and its name field. The teacher types a name and
// adds it, picks a name to rename or remove it, or pastes a list from the
// clipboard, one name a line (text of several lines typed into the field is
// such a list too). A name refused says why beside the field; the list keeps
// names exactly as typed. The rules are PupilList's.
class ClassListEditor final : public QWidget
{
    Q_OBJECT
public:
    explicit ClassListEditor(QWidget *parent);

    void setNames(const QStringList &names);
    const QStringList &names() const { return m_list.names(); }
    // The reason of the last refusal, or what the last paste did.
    QString message() const;

    // What the buttons do; false when nothing changed.
    bool addTyped();
    bool renameChosen();
    bool removeChosen();
    bool pasteList(const QString &text);
    bool pasteClipboard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int chosenRow() const;
    void choose(int row);
    void showList();
    // Says why, or clears the saying when refusal is None.
    void sayRefusal(PupilList::Refusal refusal);
    void say(const QString &text);
    void updateButtons();

    PupilList m_list;
    QStringListModel *m_model;
    QListView *m_view;
    QLineEdit *m_name;
    QLabel *m_message;
    QPushButton *m_add;
    QPushButton *m_rename;
    QPushButton *m_remove;
    QPushButton *m_paste;
};
