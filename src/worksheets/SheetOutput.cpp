// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetOutput.h"

#include "shell/DesignLayout.h"
#include "shell/ElidingLabel.h"
#include "shell/Palette.h"
#include "shell/ProgramTexts.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/OutputThread.h"
#include "worksheets/PdfFile.h"
#include "worksheets/PdfFileDialog.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/Worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QStyleHints>
#include <QTimer>

namespace {

// The texts are the worksheet screen's, as the teacher sees them.
QString text(const char *source)
{
    return QCoreApplication::translate("WorksheetScreen", source);
}

const char *const saveDialogTitle = QT_TRANSLATE_NOOP("WorksheetScreen", "Salva la scheda in PDF");
const char *const classSetSaveDialogTitle = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                              "Salva le schede in PDF");
const char *const sheetFileName = QT_TRANSLATE_NOOP("WorksheetScreen", "scheda.pdf");
const char *const classSetFileName = QT_TRANSLATE_NOOP("WorksheetScreen", "schede-classe.pdf");
const char *const sentTo = QT_TRANSLATE_NOOP("WorksheetScreen", "Scheda inviata a %1");
const char *const savedIn = QT_TRANSLATE_NOOP("WorksheetScreen", "Salvata in %1");
const char *const setSentTo = QT_TRANSLATE_NOOP("WorksheetScreen", "Schede inviate a %1");
const char *const setSavedIn = QT_TRANSLATE_NOOP("WorksheetScreen", "Salvate in %1");
const char *const progressName = QT_TRANSLATE_NOOP("WorksheetScreen", "Schede per la classe");
const char *const stopCaption = QT_TRANSLATE_NOOP("WorksheetScreen", "Annulla");

// The progress shows only when a class set takes longer than this.
constexpr int progressDelayMs = 500;

// Beside the part button, in the space the sets leave free: the line and,
// while a class set is made, its progress.
constexpr QRect outputLineTwips(3700, 7710, 5700, 495);

// Placed while hidden too, so that it fits its box when it shows.
void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
}
} // namespace

SheetOutput::SheetOutput(QWidget *window, QWidget *area, DesignLayout *layout, Worksheet &sheet,
                         PrintService &printService, RandomSource &random, OutputThread &thread)
    : QObject(window),
      m_window(window),
      m_sheet(sheet),
      m_printService(printService),
      m_random(random),
      m_thread(thread),
      m_watcher(new QFutureWatcher<OutputOutcome>(this))
{
    m_steadyClock.start();
    const QFont font = fonts::arial(9.75);

    auto *line = new ElidingLabel(area);
    line->setObjectName(QStringLiteral("lblConferma"));
    line->setFont(font);
    line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    keepPlaceWhenHidden(line);
    layout->addBox(line, outputLineTwips);
    m_confirmation = line;
    m_confirmationTimer = new QTimer(this);
    m_confirmationTimer->setSingleShot(true);
    m_confirmationTimer->setInterval(confirmationTimeout);
    connect(m_confirmationTimer, &QTimer::timeout, this, &SheetOutput::clearConfirmation);

    m_progress = new QWidget(area);
    m_progress->setObjectName(QStringLiteral("fraAvanzamento"));
    m_progress->setFont(font);
    auto *row = new QHBoxLayout(m_progress);
    row->setContentsMargins(0, 0, 0, 0);
    m_progressText = new QLabel(m_progress);
    m_progressText->setObjectName(QStringLiteral("lblAvanzamento"));
    m_progressBar = new QProgressBar(m_progress);
    m_progressBar->setObjectName(QStringLiteral("prgSchedeClasse"));
    m_progressBar->setAccessibleName(text(progressName));
    m_progressStop = new QPushButton(text(stopCaption), m_progress);
    m_progressStop->setObjectName(QStringLiteral("cmdAnnullaSchede"));
    row->addWidget(m_progressText, 2);
    row->addWidget(m_progressBar, 1);
    row->addWidget(m_progressStop);
    keepPlaceWhenHidden(m_progress);
    layout->addBox(m_progress, outputLineTwips);
    m_progressDelay = new QTimer(this);
    m_progressDelay->setSingleShot(true);
    m_progressDelay->setInterval(progressDelayMs);
    connect(m_progressDelay, &QTimer::timeout, m_progress, &QWidget::show);
    connect(m_progressStop, &QPushButton::clicked, this, [this] {
        if (m_stop)
            *m_stop = true;
    });

    connect(m_watcher, &QFutureWatcherBase::progressValueChanged, this, &SheetOutput::showProgress);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &SheetOutput::jobDone);
}

SheetOutput::~SheetOutput()
{
    abandon();
}

void SheetOutput::abandon()
{
    if (m_stop)
        *m_stop = true;
    m_watcher->disconnect(this);
}

void SheetOutput::setMessageHandler(MessageHandler handler)
{
    m_messageHandler = std::move(handler);
}

void SheetOutput::setFileNameProvider(FileNameProvider provider)
{
    m_fileNames = std::move(provider);
}

void SheetOutput::setPressClock(PressClock clock)
{
    m_pressClock = std::move(clock);
}

void SheetOutput::setConfirmationTimeout(std::chrono::milliseconds timeout)
{
    m_confirmationTimer->setInterval(timeout);
}

bool SheetOutput::pressStartsJob()
{
    const qint64 now = m_pressClock ? m_pressClock() : m_steadyClock.elapsed();
    return m_presses.startsJob(now, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void SheetOutput::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    Q_EMIT runningChanged(running);
}

void SheetOutput::pressPrint()
{
    if (m_running || !pressStartsJob())
        return;
    m_target = Target::Printer;
    m_classSet = false;
    PrintService &printService = m_printService;
    start(
        [&printService, sheet = m_sheet](const sheetjobs::Stop &stop, const sheetjobs::Progress &) {
            return sheetjobs::printSheet(printService, sheet, stop);
        },
        false);
}

void SheetOutput::pressSave()
{
    if (m_running || !pressStartsJob())
        return;
    // Off while the teacher names the file: a press meanwhile is dropped.
    setRunning(true);
    clearConfirmation();
    const QString file = askFileName(m_window, text(saveDialogTitle), text(sheetFileName));
    if (file.isEmpty()) {
        setRunning(false);
        return;
    }
    m_target = Target::File;
    m_classSet = false;
    start(
        [file, sheet = m_sheet](const sheetjobs::Stop &stop, const sheetjobs::Progress &) {
            return sheetjobs::saveSheet(file, sheet, stop);
        },
        false);
}

void SheetOutput::openClassSet()
{
    if (m_classSetDialog) {
        m_classSetDialog->raise();
        return;
    }
    if (m_running)
        return;
    m_classSetDialog = new ClassSetDialog(m_window, [this](QWidget *parent) {
        return askFileName(parent, text(classSetSaveDialogTitle), text(classSetFileName));
    });
    connect(m_classSetDialog, &QDialog::finished, m_classSetDialog, &QObject::deleteLater);
    connect(m_classSetDialog, &QDialog::accepted, this, &SheetOutput::classSetChosen);
    m_classSetDialog->show();
}

ClassSetDialog *SheetOutput::classSetDialog() const
{
    return m_classSetDialog;
}

void SheetOutput::classSetChosen()
{
    if (!m_classSetDialog)
        return;
    // Read now: the dialog goes at the next turn of the event loop.
    const ClassSetDialog::Choice choice = m_classSetDialog->choice();
    const int count = m_classSetDialog->sheetCount();
    const bool withSolutions = m_classSetDialog->withSolutions();
    const QString file = choice == ClassSetDialog::Choice::Save
        ? pdffile::withPdfSuffix(m_classSetDialog->fileName())
        : QString();
    m_classSetDialog = nullptr;
    if (choice == ClassSetDialog::Choice::None || m_running || !pressStartsJob())
        return;
    makeClassSet(count, withSolutions, file);
}

bool SheetOutput::makeClassSet(int count, bool withSolutions, const QString &file)
{
    if (m_running)
        return false;
    m_target = file.isEmpty() ? Target::Printer : Target::File;
    m_classSet = true;
    // Sheet 1 is the screen's sheet: its exercises never composed are
    // composed and shown first. The others are composed here, where the
    // random source lives.
    Q_EMIT exercisesComposed(m_sheet.composeMissing());
    const auto order = std::make_shared<const sheetjobs::ClassSetOrder>(m_sheet, count, m_random,
                                                                        withSolutions, file);
    PrintService &printService = m_printService;
    start(
        [&printService, order](const sheetjobs::Stop &stop, const sheetjobs::Progress &progress) {
            return sheetjobs::makeClassSet(printService, *order, stop, progress);
        },
        true);
    return true;
}

void SheetOutput::start(Job job, bool showsProgress)
{
    setRunning(true);
    clearConfirmation();
    m_stop = std::make_shared<sheetjobs::Stop>(false);
    auto promise = std::make_shared<QPromise<OutputOutcome>>();
    m_watcher->setFuture(promise->future());
    promise->start();
    if (showsProgress) {
        m_progressBar->reset();
        m_progressText->clear();
        m_progressStop->setEnabled(true);
        m_progressDelay->start();
    }
    m_thread.post([promise, stop = m_stop, job = std::move(job)] {
        const sheetjobs::Progress progress = [&promise](int done, int total, const QString &doing) {
            promise->setProgressRange(0, total);
            promise->setProgressValueAndText(done, doing);
        };
        promise->addResult(job(*stop, progress));
        promise->finish();
    });
}

void SheetOutput::showProgress(int done)
{
    m_progressBar->setRange(m_watcher->progressMinimum(), m_watcher->progressMaximum());
    m_progressBar->setValue(done);
    m_progressText->setText(m_watcher->progressText());
    // The last step hands the set over: it is no longer stopped.
    m_progressStop->setEnabled(done < m_watcher->progressMaximum() - 1);
}

void SheetOutput::jobDone()
{
    m_progressDelay->stop();
    m_progress->hide();
    const QFuture<OutputOutcome> future = m_watcher->future();
    const OutputOutcome outcome = future.resultCount() > 0 ? future.result() : OutputOutcome();
    m_stop.reset();
    setRunning(false);

    using Kind = OutputOutcome::Kind;
    const bool toFile = m_target == Target::File;
    switch (outcome.kind) {
    case Kind::Stopped:
        break;
    case Kind::Problem:
        showMessage(outcome.message);
        break;
    case Kind::PrintFailed:
        reportPrintFailure(outcome.where, outcome.failure, outcome.words);
        break;
    case Kind::HandedOver:
        if (toFile) {
            m_saveFolder = QFileInfo(outcome.where).absolutePath();
            confirm(text(m_classSet ? setSavedIn : savedIn)
                        .arg(QDir::toNativeSeparators(outcome.where)));
        } else {
            confirm(text(m_classSet ? setSentTo : sentTo).arg(outcome.where));
        }
        break;
    }
    Q_EMIT finished();
}

void SheetOutput::reportPrintFailure(const QString &printer, PrintFailure failure,
                                     const QString &words)
{
    qCWarning(lcPrinting).nospace()
        << "printing on " << printer << " failed (" << printFailureName(failure) << "): " << words;
    showMessage(sheet::problemMessage(), printFailureText(failure));
}

void SheetOutput::showMessage(const QString &message, const QString &detail)
{
    if (m_messageHandler) {
        m_messageHandler(message, detail);
        return;
    }
    // Modal, but waits in no loop of its own: it goes when the teacher
    // closes it.
    auto *box = new QMessageBox(QMessageBox::Warning, program::displayName(), message,
                                QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDetailedText(detail);
    box->show();
}

void SheetOutput::confirm(const QString &said)
{
    m_confirmation->setFullText(said);
    m_confirmation->show();
    m_confirmationTimer->start();
}

void SheetOutput::clearConfirmation()
{
    m_confirmationTimer->stop();
    m_confirmation->hide();
    m_confirmation->setFullText(QString());
}

QString SheetOutput::askFileName(QWidget *parent, const QString &title, const QString &proposedName)
{
    if (m_fileNames)
        return pdffile::withPdfSuffix(m_fileNames(parent, proposedName));
    // It opens where the last save of the run went.
    const QString folder = !m_saveFolder.isEmpty() && QFileInfo(m_saveFolder).isDir()
        ? m_saveFolder
        : pdffile::defaultFolder();
    return pdffile::askFileName(parent, title, folder, proposedName);
}
