// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/OutputPresses.h"
#include "worksheets/SheetJobs.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>
#include <memory>

class ClassSetDialog;
class DesignLayout;
class ElidingLabel;
class OutputThread;
class PrintService;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class RandomSource;
class Worksheet;

// The worksheet screen's output: "STAMPA", "Salva PDF..." and the class set,
// with their dialogs, their messages, the line that says where a sheet went
// and the class set's progress. The work runs on the output thread on a
// copy of the sheet; the screen stays free meanwhile, and only the output
// controls wait (runningChanged). Closed with its screen, it drops its job:
// a job not yet handed over is stopped, one being handed over finishes
// unseen.
class SheetOutput final : public QObject
{
    Q_OBJECT
public:
    // The message, and the reason of a print failure (empty when there is
    // none to tell), which the message box shows as its details.
    using MessageHandler = std::function<void(const QString &text, const QString &detail)>;
    // Answers the name of the PDF file the teacher agreed to write, or an
    // empty one; parent is the window asking.
    using FileNameProvider = std::function<QString(QWidget *parent, const QString &proposedName)>;
    using PressClock = std::function<qint64()>;

    // How long the line that says where a sheet went stays on screen.
    static constexpr std::chrono::milliseconds confirmationTimeout{8000};

    // Its line and its progress go into area, placed by layout; window is
    // the parent of its dialogs and messages.
    SheetOutput(QWidget *window, QWidget *area, DesignLayout *layout, Worksheet &sheet,
                PrintService &printService, RandomSource &random, OutputThread &thread);
    ~SheetOutput() override;

    void setMessageHandler(MessageHandler handler);
    void setFileNameProvider(FileNameProvider provider);
    void setPressClock(PressClock clock);
    void setConfirmationTimeout(std::chrono::milliseconds timeout);

    // A press of "STAMPA", "Salva PDF..." or "Schede per la classe...".
    void pressPrint();
    void pressSave();
    void openClassSet();
    ClassSetDialog *classSetDialog() const;
    // A class set of count sheets, with or without the solutions page, as
    // one job on the current printer (file empty) or as one PDF file, as
    // the dialog's "Stampa" and "Salva PDF..." make it. Exercises of the
    // screen's sheet never composed are composed and shown first: that
    // sheet is sheet 1. False when another job is under way.
    bool makeClassSet(int count, bool withSolutions, const QString &file = QString());

    // A job is under way: from the press until it is handed over or failed.
    bool isRunning() const { return m_running; }
    // Stops a job not yet handed over and drops what any job comes to.
    void abandon();

Q_SIGNALS:
    void runningChanged(bool running);
    // A class set composed these exercises of the screen's sheet first.
    void exercisesComposed(const QList<int> &exercises);
    // A job's outcome has been told.
    void finished();

private:
    using Job = std::function<OutputOutcome(const sheetjobs::Stop &, const sheetjobs::Progress &)>;
    void start(Job job, bool showsProgress);
    void jobDone();
    void classSetChosen();
    void showProgress(int done);
    bool pressStartsJob();
    QString askFileName(QWidget *parent, const QString &title, const QString &proposedName);
    void showMessage(const QString &text, const QString &detail = QString());
    void reportPrintFailure(const QString &printer, PrintFailure failure, const QString &words);
    void confirm(const QString &text);
    void clearConfirmation();
    void setRunning(bool running);

    QWidget *m_window;
    Worksheet &m_sheet;
    PrintService &m_printService;
    RandomSource &m_random;
    OutputThread &m_thread;
    MessageHandler m_messageHandler;
    FileNameProvider m_fileNames;
    OutputPresses m_presses;
    QElapsedTimer m_steadyClock;
    PressClock m_pressClock;
    bool m_running = false;
    enum class Target { Printer, File };
    Target m_target = Target::Printer;
    bool m_classSet = false;
    std::shared_ptr<sheetjobs::Stop> m_stop;
    QFutureWatcher<OutputOutcome> *m_watcher;
    ElidingLabel *m_confirmation;
    QTimer *m_confirmationTimer;
    QWidget *m_progress;
    QLabel *m_progressText;
    QProgressBar *m_progressBar;
    QPushButton *m_progressStop;
    QTimer *m_progressDelay;
    QString m_saveFolder; // of the last save, for the next save dialog
    QPointer<ClassSetDialog> m_classSetDialog;
};
