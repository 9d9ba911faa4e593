// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/ResultsScreen.h"

#include "printing/PageArea.h"
#include "printing/PrintFailure.h"
#include "printing/PrintService.h"
#include "pupils/BarDelegate.h"
#include "pupils/ResultsModels.h"
#include "pupils/ResultsPage.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"
#include "shell/ProgramTexts.h"
#include "storage/ResultsService.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>

namespace {
constexpr QSize designTwips(14400, 9360);
constexpr QRect periodLabelTwips(240, 150, 1400, 420);
constexpr QRect periodChoiceTwips(1680, 120, 3000, 450);
// Two lines: a problem says what is wrong and where the file is.
constexpr QRect statusTwips(240, 630, 13920, 570);
constexpr QRect summaryTwips(240, 1230, 13920, 4020);
constexpr QRect daysHeadingTwips(240, 5370, 13920, 420);
constexpr QRect daysTwips(240, 5850, 13920, 2850);
constexpr QRect messageTwips(240, 8790, 13920, 450);
constexpr double textPoints = 10;
constexpr int followUpMs = 1000;

struct PeriodItem
{
    ResultsPeriod period;
    const char *text;
};
const PeriodItem periodItems[] = {
    {ResultsPeriod::Today, QT_TRANSLATE_NOOP("ResultsScreen", "Oggi")},
    {ResultsPeriod::ThisWeek, QT_TRANSLATE_NOOP("ResultsScreen", "Questa settimana")},
    {ResultsPeriod::All, QT_TRANSLATE_NOOP("ResultsScreen", "Tutti i giorni")},
};

QTableView *tableView(QWidget *parent, const QString &name, const QString &spoken,
                      QSortFilterProxyModel *model)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(spoken);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return view;
}

QSortFilterProxyModel *sorter(QAbstractItemModel *source, QObject *parent)
{
    auto *proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(source);
    proxy->setSortRole(results::SortRole);
    proxy->setSortLocaleAware(true);
    proxy->setDynamicSortFilter(true);
    return proxy;
}
} // namespace

ResultsScreen::ResultsScreen(ResultsService &results, PrintService &printService,
                             QThreadPool &output, const QString &className)
    : Screen(QStringLiteral("frmRisultati"), tr("Risultati"), designTwips, Opening::DesignSize,
             Frame::Full),
      m_results(results),
      m_printService(printService),
      m_output(output),
      m_className(className)
{
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);
    const QFont textFont = fonts::arial(textPoints, false);
    const QColor text = area->palette().color(QPalette::WindowText);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

    QLabel *periodLabel = ui::label(area, QStringLiteral("lblPeriodo"), tr("Periodo:"),
                                    fonts::arial(textPoints), text, QColor(), left);
    m_periodChoice = new QComboBox(area);
    m_periodChoice->setObjectName(QStringLiteral("cboPeriodo"));
    m_periodChoice->setAccessibleName(tr("Periodo"));
    m_periodChoice->setFont(textFont);
    for (const PeriodItem &item : periodItems)
        m_periodChoice->addItem(tr(item.text), int(item.period));
    m_periodChoice->setCurrentIndex(m_periodChoice->findData(int(m_period)));
    periodLabel->setBuddy(m_periodChoice);
    m_status = ui::label(area, QStringLiteral("lblStato"), QString(), textFont, text, QColor(),
                         left);
    m_status->setAccessibleName(tr("Stato"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_summary = new PupilSummaryModel(this);
    m_sorted = sorter(m_summary, this);
    m_summaryView = tableView(area, QStringLiteral("tblRisultati"), tr("Risultati degli alunni"),
                              m_sorted);
    m_summaryView->setItemDelegateForColumn(PupilSummaryModel::ShareRight,
                                            new BarDelegate(m_summaryView));
    m_summaryView->sortByColumn(PupilSummaryModel::Pupil, Qt::AscendingOrder);

    m_daysHeading = ui::label(area, QStringLiteral("lblGiorni"), QString(),
                              fonts::arial(textPoints), text, QColor(), left);
    m_daysHeading->setWordWrap(false);
    m_days = new PupilDayModel(this);
    m_sortedDays = sorter(m_days, this);
    m_daysView = tableView(area, QStringLiteral("tblGiorni"), tr("Giorno per giorno"),
                           m_sortedDays);
    m_daysView->setItemDelegateForColumn(PupilDayModel::ShareRight, new BarDelegate(m_daysView));
    m_daysView->sortByColumn(PupilDayModel::Day, Qt::DescendingOrder);

    m_message = ui::label(area, QStringLiteral("lblMessaggio"), QString(), textFont, text, QColor(),
                          left);
    m_message->setAccessibleName(tr("Messaggio"));
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_csvItem = fileMenu->addAction(tr("Esporta CSV..."));
    m_csvItem->setObjectName(QStringLiteral("mnuEsportaCsv"));
    m_printItem = fileMenu->addAction(tr("Stampa"));
    m_printItem->setObjectName(QStringLiteral("mnuStampa"));
    m_pdfItem = fileMenu->addAction(tr("Salva PDF..."));
    m_pdfItem->setObjectName(QStringLiteral("mnuSalvaPdf"));
    fileMenu->addSeparator();
    QAction *closeItem = fileMenu->addAction(tr("Chiudi"));
    closeItem->setObjectName(QStringLiteral("mnuChiudi"));
    QMenu *deleteMenu = menuBar()->addMenu(tr("&Elimina"));
    deleteMenu->setObjectName(QStringLiteral("mnuElimina"));
    m_deletePupilItem = deleteMenu->addAction(tr("Risultati dell'alunno scelto..."));
    m_deletePupilItem->setObjectName(QStringLiteral("mnuEliminaAlunno"));
    m_deleteAllItem = deleteMenu->addAction(tr("Tutti i risultati..."));
    m_deleteAllItem->setObjectName(QStringLiteral("mnuEliminaTutti"));

    connect(m_csvItem, &QAction::triggered, this, &ResultsScreen::exportCsv);
    connect(m_printItem, &QAction::triggered, this, &ResultsScreen::printTable);
    connect(m_pdfItem, &QAction::triggered, this, &ResultsScreen::savePdf);
    connect(closeItem, &QAction::triggered, this, &ResultsScreen::close);
    connect(m_deletePupilItem, &QAction::triggered, this, &ResultsScreen::deletePupil);
    connect(m_deleteAllItem, &QAction::triggered, this, &ResultsScreen::deleteAll);
    connect(m_periodChoice, &QComboBox::currentIndexChanged, this, [this](int index) {
        setPeriod(ResultsPeriod(m_periodChoice->itemData(index).toInt()));
    });
    connect(m_summaryView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ResultsScreen::rowChosen);
    connect(m_summaryView, &QTableView::activated, this, &ResultsScreen::rowChosen);

    connect(&m_results, &ResultsService::summaryReady, this,
            [this](const QList<PupilSummary> &rows) {
                m_summary->setRows(rows);
                summaryArrived();
            });
    connect(&m_results, &ResultsService::pupilDaysReady, this,
            [this](const QString &pupil, const QList<PupilDay> &days) {
                if (!m_pupilShown || pupil != m_shownPupil)
                    return;
                m_days->setDays(pupil, days);
                daysArrived(pupil);
            });
    connect(&m_results, &ResultsService::problem, this, &ResultsScreen::problemReported);
    connect(&m_results, &ResultsService::csvWritten, this, &ResultsScreen::csvWritten);
    // Answers given while the screen is open come in a little later, a few
    // at a time.
    m_followUp = new QTimer(this);
    m_followUp->setSingleShot(true);
    m_followUp->setInterval(followUpMs);
    connect(m_followUp, &QTimer::timeout, this, &ResultsScreen::refresh);
    connect(&m_results, &ResultsService::saved, m_followUp, qOverload<>(&QTimer::start));
    connect(&m_results, &ResultsService::deleted, this, [this] {
        setMessage(tr("Risultati eliminati."));
        refresh();
    });

    layout->addBox(periodLabel, periodLabelTwips);
    layout->addBox(m_periodChoice, periodChoiceTwips);
    layout->addBox(m_status, statusTwips);
    layout->addBox(m_summaryView, summaryTwips);
    layout->addBox(m_daysHeading, daysHeadingTwips);
    layout->addBox(m_daysView, daysTwips);
    layout->addBox(m_message, messageTwips);
    takeDesignSize();

    m_daysHeading->setText(tr("Scegli un alunno per vedere i suoi giorni."));
    updateActions();
    refresh();
    m_summaryView->setFocus();
}

void ResultsScreen::setQuestion(Question question)
{
    m_question = std::move(question);
}

void ResultsScreen::setFileNameProvider(FileNameProvider provider)
{
    m_fileNames = std::move(provider);
}

void ResultsScreen::setPeriod(ResultsPeriod period)
{
    const int index = m_periodChoice->findData(int(period));
    if (index != m_periodChoice->currentIndex()) {
        // The choice's signal comes back here.
        m_periodChoice->setCurrentIndex(index);
        return;
    }
    if (period == m_period)
        return;
    m_period = period;
    refresh();
}

void ResultsScreen::refresh()
{
    m_loading = true;
    m_problem.clear();
    setStatus(tr("Caricamento..."));
    m_results.requestSummary(m_period);
    if (m_pupilShown)
        m_results.requestPupilDays(m_shownPupil, m_period);
}

void ResultsScreen::summaryArrived()
{
    m_loading = false;
    // What went wrong on the way stays in view: the rows may be none for it.
    if (m_problem.isEmpty())
        setStatus(m_summary->rowCount() == 0 ? tr("Nessun risultato in questo periodo.")
                                             : QString());
    m_summaryView->resizeColumnsToContents();
    selectShownPupil();
    updateActions();
}

// After the table came again, the shown pupil's row is the current one; a
// pupil no longer in it shows no days.
void ResultsScreen::selectShownPupil()
{
    if (!m_pupilShown)
        return;
    for (int row = 0; row < m_sorted->rowCount(); ++row) {
        const QModelIndex index = m_sorted->index(row, PupilSummaryModel::Pupil);
        if (index.data(results::PupilRole).toString() == m_shownPupil) {
            // The view repaints the selection; the pupil is the same.
            m_selecting = true;
            m_summaryView->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            m_selecting = false;
            return;
        }
    }
    m_pupilShown = false;
    m_shownPupil.clear();
    m_days->clear();
    m_daysHeading->setText(tr("Scegli un alunno per vedere i suoi giorni."));
    updateActions();
}

void ResultsScreen::rowChosen()
{
    const QModelIndex current = m_summaryView->currentIndex();
    if (m_selecting || !current.isValid())
        return;
    showPupil(current.data(results::PupilRole).toString());
}

void ResultsScreen::showPupil(const QString &pupil)
{
    if (m_pupilShown && pupil == m_shownPupil)
        return;
    m_pupilShown = true;
    m_shownPupil = pupil;
    m_days->clear();
    const QString name = pupil.isEmpty() ? results::guestName() : pupil;
    m_daysHeading->setText(tr("Giorno per giorno: %1 (caricamento...)").arg(name));
    m_results.requestPupilDays(pupil, m_period);
    selectShownPupil();
    updateActions();
}

QString ResultsScreen::shownPupil() const
{
    return m_shownPupil;
}

void ResultsScreen::daysArrived(const QString &pupil)
{
    const QString name = pupil.isEmpty() ? results::guestName() : pupil;
    m_daysHeading->setText(tr("Giorno per giorno: %1").arg(name));
    m_daysView->resizeColumnsToContents();
}

void ResultsScreen::problemReported(const QString &text)
{
    m_problem = text;
    setStatus(text, true);
}

void ResultsScreen::setStatus(const QString &text, bool problem)
{
    QPalette p = m_status->palette();
    p.setColor(QPalette::WindowText,
               problem ? colours::darkRed : client()->palette().color(QPalette::WindowText));
    m_status->setPalette(p);
    m_status->setText(text);
    m_status->setToolTip(text);
}

QString ResultsScreen::status() const
{
    return m_status->text();
}

void ResultsScreen::setMessage(const QString &text, bool problem)
{
    QPalette p = m_message->palette();
    p.setColor(QPalette::WindowText,
               problem ? colours::darkRed : client()->palette().color(QPalette::WindowText));
    m_message->setPalette(p);
    m_message->setText(text);
    m_message->setToolTip(text);
}

QString ResultsScreen::message() const
{
    return m_message->text();
}

void ResultsScreen::updateActions()
{
    const bool any = m_summary->rowCount() > 0;
    m_csvItem->setEnabled(any);
    m_printItem->setEnabled(any && !m_outputRunning);
    m_pdfItem->setEnabled(any && !m_outputRunning);
    // An empty name asks the service to delete everyone's: the guest's
    // results go only with all of them.
    m_deletePupilItem->setEnabled(m_pupilShown && !m_shownPupil.isEmpty());
    m_deleteAllItem->setEnabled(any);
}

QString ResultsScreen::title() const
{
    QString period;
    for (const PeriodItem &item : periodItems) {
        if (item.period == m_period)
            period = tr(item.text);
    }
    const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    return m_className.isEmpty()
        ? tr("Risultati: %1 (%2)").arg(period, today)
        : tr("Risultati della classe %1: %2 (%3)").arg(m_className, period, today);
}

ResultsTable ResultsScreen::printedTable() const
{
    return ResultsTable::fromModel(*m_sorted, title(), PupilSummaryModel::ShareRight);
}

bool ResultsScreen::ask(const QString &text)
{
    if (m_question)
        return m_question(this, text);
    return QMessageBox::question(this, program::displayName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString ResultsScreen::askFileName(const QString &title, const QString &filter,
                                   const QString &suffix, const QString &proposedName)
{
    QString file;
    if (m_fileNames) {
        file = m_fileNames(this, title, proposedName);
    } else {
        QString folder = m_saveFolder;
        if (folder.isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QFileDialog dialog(this, title, folder);
        dialog.setObjectName(QStringLiteral("dlgSalvaRisultati"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(filter);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        file = dialog.selectedFiles().constFirst();
    }
    if (file.isEmpty())
        return {};
    if (!file.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        file += QLatin1Char('.') + suffix;
    m_saveFolder = QFileInfo(file).absolutePath();
    return file;
}

void ResultsScreen::exportCsv()
{
    const QString file = askFileName(tr("Esporta i risultati in CSV"), tr("Tabelle CSV (*.csv)"),
                                     QStringLiteral("csv"), tr("risultati.csv"));
    if (file.isEmpty())
        return;
    setMessage(tr("Esportazione in %1...").arg(QDir::toNativeSeparators(file)));
    m_results.requestCsv(file, m_period);
}

void ResultsScreen::csvWritten(const QString &path, const QString &error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (error.isEmpty())
        setMessage(tr("Risultati esportati in %1").arg(shown));
    else
        setMessage(tr("Non è stato possibile esportare i risultati in %1: %2").arg(shown, error),
                   true);
}

void ResultsScreen::printTable()
{
    if (m_outputRunning)
        return;
    PrintService *service = &m_printService;
    const ResultsTable table = printedTable();
    setMessage(tr("Stampa in corso..."));
    runOutput([service, table] {
        // One print, one connection: the printer's page is asked for once.
        PrintSession session(*service);
        const QByteArray pdf = resultspage::pdf(table, session.printableArea());
        if (pdf.isEmpty())
            return Outcome{false, tr("Non è stato possibile preparare la pagina.")};
        const PrintService::Result sent = session.submitPdf(pdf, table.title);
        if (!sent.ok) {
            qCWarning(lcPrinting).noquote()
                << "printing the results on " << session.printer() << " failed ("
                << printFailureName(sent.failure) << "): " << sent.error;
            QString text =
                tr("Non è stato possibile stampare i risultati su %1.").arg(session.printer());
            const QString why = printFailureText(sent.failure);
            if (!why.isEmpty())
                text += QLatin1Char(' ') + why;
            return Outcome{false, text};
        }
        return Outcome{true, tr("Risultati inviati a %1").arg(session.printer())};
    });
}

void ResultsScreen::savePdf()
{
    if (m_outputRunning)
        return;
    const QString file = askFileName(tr("Salva i risultati in PDF"), tr("Documenti PDF (*.pdf)"),
                                     QStringLiteral("pdf"), tr("risultati.pdf"));
    if (file.isEmpty())
        return;
    const ResultsTable table = printedTable();
    setMessage(tr("Salvataggio in %1...").arg(QDir::toNativeSeparators(file)));
    runOutput([file, table] {
        // The quarter-inch margins any printer reaches: the file needs none.
        const QByteArray pdf = resultspage::pdf(table, PageArea::fallback());
        const QString shown = QDir::toNativeSeparators(file);
        QSaveFile out(file);
        if (pdf.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size()
            || !out.commit()) {
            const QString why = pdf.isEmpty() ? tr("la pagina non si è potuta preparare")
                                              : out.errorString();
            return Outcome{false,
                           tr("Non è stato possibile salvare il file \"%1\": %2.").arg(shown, why)};
        }
        return Outcome{true, tr("Salvata in %1").arg(shown)};
    });
}

void ResultsScreen::runOutput(std::function<Outcome()> job)
{
    setOutputRunning(true);
    // The screen may close meanwhile: the outcome then goes nowhere. The
    // program's pool outlives the print service the job uses.
    m_output.start([screen = QPointer<ResultsScreen>(this), job = std::move(job)] {
        const Outcome outcome = job();
        QMetaObject::invokeMethod(
            qApp,
            [screen, outcome] {
                if (screen)
                    screen->outputDone(outcome);
            },
            Qt::QueuedConnection);
    });
}

void ResultsScreen::outputDone(const Outcome &outcome)
{
    setOutputRunning(false);
    setMessage(outcome.message, !outcome.ok);
    Q_EMIT outputFinished(outcome.ok);
}

void ResultsScreen::setOutputRunning(bool running)
{
    m_outputRunning = running;
    updateActions();
}

void ResultsScreen::deletePupil()
{
    if (!m_pupilShown || m_shownPupil.isEmpty())
        return;
    const QString text =
        tr("Eliminare tutti i risultati di %1?\n\nOgni sua risposta, di ogni giorno, "
           "sarà cancellata per sempre da %2. Non si può annullare.")
            .arg(m_shownPupil, m_results.location());
    if (!ask(text))
        return;
    m_results.requestDelete(m_shownPupil);
}

void ResultsScreen::deleteAll()
{
    const QString text = tr("Eliminare i risultati di tutti gli alunni e degli ospiti?\n\n"
                            "Ogni risposta salvata, di ogni giorno, sarà cancellata per "
                            "sempre da %1. Non si può annullare.")
                             .arg(m_results.location());
    if (!ask(text))
        return;
    m_results.requestDelete(QString());
}
