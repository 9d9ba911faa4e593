// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ClassListEditor.h"

#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include <algorithm>

namespace {
constexpr int visibleNames = 8;
constexpr int messageWidth = 320;
} // namespace

ClassListEditor::ClassListEditor(QWidget *parent)
    : QWidget(parent), m_model(new QStringListModel(this))
{
    setObjectName(QStringLiteral("fraClasse"));
    const QFont text = fonts::arial(10, false);
    const QFont buttons = fonts::arial(9.75);

    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("lstClasse"));
    m_view->setAccessibleName(tr("Elenco degli alunni"));
    m_view->setFont(text);
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setUniformItemSizes(true);
    m_view->setMinimumHeight(m_view->fontMetrics().height() * visibleNames);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtNomeAlunno"));
    m_name->setAccessibleName(tr("Nome dell'alunno"));
    m_name->setFont(text);
    m_name->setPlaceholderText(m_name->accessibleName());

    auto button = [&](const char *name, const QString &caption) {
        auto *b = new ColouredButton(this, QString::fromLatin1(name), caption, buttons,
                                     colours::focusPink);
        b->setAutoDefault(false);
        return b;
    };
    m_add = button("cmdAggiungi", tr("Aggiungi"));
    m_rename = button("cmdRinomina", tr("Rinomina"));
    m_remove = button("cmdTogli", tr("Togli"));
    m_paste = button("cmdIncollaElenco", tr("Incolla elenco"));
    m_paste->setAccessibleDescription(tr("Aggiunge i nomi copiati, uno per riga."));
    m_paste->setToolTip(m_paste->accessibleDescription());

    // The reason a name is refused, in words, under the field.
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMotivo"));
    m_message->setFont(text);
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(messageWidth);
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, colours::darkRed);
    m_message->setPalette(warning);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_view, 0, 0, 5, 1);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(m_add, 1, 1);
    grid->addWidget(m_rename, 1, 2);
    grid->addWidget(m_remove, 2, 1);
    grid->addWidget(m_paste, 2, 2);
    grid->addWidget(m_message, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);

    connect(m_add, &QPushButton::clicked, this, &ClassListEditor::addTyped);
    connect(m_rename, &QPushButton::clicked, this, &ClassListEditor::renameChosen);
    connect(m_remove, &QPushButton::clicked, this, &ClassListEditor::removeChosen);
    connect(m_paste, &QPushButton::clicked, this, &ClassListEditor::pasteClipboard);
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::textChanged, this, &ClassListEditor::updateButtons);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    m_name->setText(m_list.names().value(current.row()));
                updateButtons();
            });
    updateButtons();
}

// Enter in the name field adds the name; the field would pass it on to the
// dialog, whose default button would close it.
bool ClassListEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addTyped();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ClassListEditor::setNames(const QStringList &names)
{
    m_list = PupilList(names);
    showList();
    say(QString());
}

QString ClassListEditor::message() const
{
    return m_message->text();
}

int ClassListEditor::chosenRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ClassListEditor::choose(int row)
{
    m_view->setCurrentIndex(m_model->index(row));
}

void ClassListEditor::showList()
{
    m_model->setStringList(m_list.names());
    updateButtons();
}

bool ClassListEditor::addTyped()
{
    const QString typed = m_name->text();
    // Only a paste brings line breaks into the field: it is a list.
    if (PupilList::hasLineBreak(typed)) {
        const bool added = pasteList(typed);
        if (added)
            m_name->clear();
        return added;
    }
    const PupilList::Refusal refusal = m_list.add(typed);
    sayRefusal(refusal);
    if (refusal != PupilList::Refusal::None)
        return false;
    showList();
    m_name->clear();
    m_view->scrollToBottom();
    return true;
}

bool ClassListEditor::renameChosen()
{
    const int row = chosenRow();
    const PupilList::Refusal refusal = m_list.rename(row, m_name->text());
    sayRefusal(refusal);
    if (refusal != PupilList::Refusal::None)
        return false;
    showList();
    choose(row);
    return true;
}

bool ClassListEditor::removeChosen()
{
    const int row = chosenRow();
    if (!m_list.remove(row)) {
        sayRefusal(PupilList::Refusal::NoSuchRow);
        return false;
    }
    say(QString());
    showList();
    m_name->clear();
    if (m_list.size() > 0)
        choose(std::min(row, m_list.size() - 1));
    return true;
}

bool ClassListEditor::pasteList(const QString &text)
{
    const PupilList::Pasted pasted = m_list.paste(text);
    QStringList report;
    if (!pasted.added.isEmpty())
        report << tr("Nomi aggiunti: %1.").arg(pasted.added.size());
    else if (pasted.duplicates.isEmpty())
        report << tr("Non ci sono nomi da aggiungere.");
    if (!pasted.duplicates.isEmpty())
        report << tr("Già presenti: %1.").arg(pasted.duplicates.join(QStringLiteral(", ")));
    say(report.join(u' '));
    if (pasted.added.isEmpty())
        return false;
    showList();
    m_view->scrollToBottom();
    return true;
}

bool ClassListEditor::pasteClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return pasteList(clipboard ? clipboard->text() : QString());
}

void ClassListEditor::sayRefusal(PupilList::Refusal refusal)
{
    say(PupilList::reason(refusal));
    if (refusal != PupilList::Refusal::None && refusal != PupilList::Refusal::NoSuchRow)
        m_name->setFocus();
}

void ClassListEditor::say(const QString &text)
{
    m_message->setText(text);
    // Read out with the field it is about.
    m_name->setAccessibleDescription(text);
}

void ClassListEditor::updateButtons()
{
    const bool chosen = chosenRow() >= 0;
    m_rename->setEnabled(chosen);
    m_remove->setEnabled(chosen);
}
