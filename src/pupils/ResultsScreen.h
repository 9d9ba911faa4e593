// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Screen.h"
#include "storage/ResultsPeriod.h"

#include <QString>
#include <functional>
#include <memory>

class PrintService;
class PupilDayModel;
class PupilSummaryModel;
class QAction;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QThreadPool;
class QTimer;
class ResultsService;
struct ResultsTable;

// "Risultati": one row a pupil over a period, sortable by any column, a bar
// of right against wrong in each row; the chosen pupil's days below. The
// data comes from the ResultsService's signals; until it does the screen
// says it is loading, and it says what the service reports as wrong. From
// its menu the table is exported as CSV, printed on the program's current
// printer or saved as PDF (painted by resultspage on the program's output
// pool; the screen closes at once meanwhile), and a pupil's results or all of them are deleted
// after a question.
class ResultsScreen : public Screen
{
    Q_OBJECT
public:
    // Asks the teacher a yes/no question; true for yes.
    using Question = std::function<bool(QWidget *parent, const QString &text)>;
    // The file the teacher chose to write, or an empty name.
    using FileNameProvider =
        std::function<QString(QWidget *parent, const QString &title, const QString &proposedName)>;

    // Prints and PDF files are made on `output`; the print service must
    // outlive it.
    ResultsScreen(ResultsService &results, PrintService &printService, QThreadPool &output,
                  const QString &className);

    // Both default to Qt's own dialogs; an empty one restores the default.
    void setQuestion(Question question);
    void setFileNameProvider(FileNameProvider provider);

    ResultsPeriod period() const { return m_period; }
    void setPeriod(ResultsPeriod period);
    // Asks the service for the table (and the shown pupil's days) again.
    void refresh();
    // Shows `pupil`'s days (empty for the guest) and selects the pupil's row.
    void showPupil(const QString &pupil);
    // The pupil whose days show; empty for the guest or none.
    QString shownPupil() const;
    bool isPupilShown() const { return m_pupilShown; }

    PupilSummaryModel &summary() const { return *m_summary; }
    QSortFilterProxyModel &sortedSummary() const { return *m_sorted; }
    PupilDayModel &days() const { return *m_days; }
    // The table as it would be printed now: rows in the order on screen.
    ResultsTable printedTable() const;

    void exportCsv();
    void printTable();
    void savePdf();
    // Each after a question: the shown pupil's results, or everyone's.
    void deletePupil();
    void deleteAll();

    // The line that says where the last output went, or why not.
    QString message() const;
    // What the screen says of the data: loading, a problem, nothing there.
    QString status() const;
    bool isOutputRunning() const { return m_outputRunning; }
    bool isLoading() const { return m_loading; }

Q_SIGNALS:
    // A print or a PDF save ended; message() tells how.
    void outputFinished(bool ok);

private:
    struct Outcome
    {
        bool ok = false;
        QString message;
    };

    void summaryArrived();
    void daysArrived(const QString &pupil);
    void rowChosen();
    void problemReported(const QString &text);
    void csvWritten(const QString &path, const QString &error);
    void setStatus(const QString &text, bool problem = false);
    void setMessage(const QString &text, bool problem = false);
    void setOutputRunning(bool running);
    void runOutput(std::function<Outcome()> job);
    void outputDone(const Outcome &outcome);
    void selectShownPupil();
    void updateActions();
    bool ask(const QString &text);
    QString askFileName(const QString &title, const QString &filter, const QString &suffix,
                        const QString &proposedName);
    QString title() const;

    ResultsService &m_results;
    PrintService &m_printService;
    QThreadPool &m_output;
    QString m_className;
    ResultsPeriod m_period = ResultsPeriod::ThisWeek;
    QString m_shownPupil;
    bool m_pupilShown = false;
    bool m_selecting = false; // the screen moves the current row itself
    bool m_loading = false;
    QString m_problem; // the service's last word since the last request
    bool m_outputRunning = false;
    Question m_question;
    FileNameProvider m_fileNames;
    QString m_saveFolder;

    PupilSummaryModel *m_summary;
    QSortFilterProxyModel *m_sorted;
    PupilDayModel *m_days;
    QSortFilterProxyModel *m_sortedDays;
    QComboBox *m_periodChoice;
    QTableView *m_summaryView;
    QTableView *m_daysView;
    QLabel *m_status;
    QLabel *m_daysHeading;
    QLabel *m_message;
    QAction *m_csvItem;
    QAction *m_printItem;
    QAction *m_pdfItem;
    QAction *m_deletePupilItem;
    QAction *m_deleteAllItem;
    QTimer *m_followUp;
};
