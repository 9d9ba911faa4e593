// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/WorksheetScreen.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"
#include "shell/ProgramTexts.h"
#include "worksheets/ClassSet.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/PdfFile.h"
#include "worksheets/SheetPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScopedValueRollback>
#include <QStyleHints>
#include <QTimer>

#include <optional>

namespace {

constexpr QSize designTwips(11910, 8280);

const char *const secondPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                        "Visualizza la seconda parte");
const char *const firstPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                       "Visualiza la prima parte");

// Top-left corners of slots 1 to 15 inside every set frame. A place is
// large enough for the tallest and the widest picture at design size.
// clang-format off
constexpr std::array<QPoint, 15> previewSetSlots{{
    {120, 165},   {975, 165},   {1830, 165},  {2700, 165},  {3585, 165},
    {120, 1140},  {975, 1140},  {1830, 1140}, {2700, 1140}, {3585, 1140},
    {120, 2085},  {975, 2085},  {1830, 2085}, {2700, 2085}, {3585, 2085},
}};
// clang-format on
constexpr int placeWidth = 915;
constexpr int placeHeight = 930;

struct SetFrame
{
    const char *name;
    int exercise;
    Worksheet::Side side;
    QRect twips; // inside its part frame
};

// Each set stands on the side of the screen where the paper prints it: the
// left set ("S" frames, Image1) on the left, the right set ("D", Image2) on
// the right. Each frame keeps its own size.
const SetFrame firstPart[] = {
    {"FraSfondo1S", 1, Worksheet::Side::Left, {72, 195, 4605, 3075}},
    {"fraSfondo1D", 1, Worksheet::Side::Right, {4710, 195, 4605, 3075}},
    {"FraSfondo2S", 2, Worksheet::Side::Left, {72, 3390, 4605, 3075}},
    {"fraSfondo2D", 2, Worksheet::Side::Right, {4710, 3390, 4605, 3075}},
};
const SetFrame secondPart[] = {
    {"fraSfondo3S(2)", 3, Worksheet::Side::Left, {75, 195, 4560, 3075}},
    {"fraSondo3D", 3, Worksheet::Side::Right, {4725, 195, 4605, 3075}},
    {"fraSfondo3S(0)", 4, Worksheet::Side::Left, {75, 3375, 4560, 3075}},
    {"fraSfondo4D", 4, Worksheet::Side::Right, {4725, 3375, 4605, 3075}},
};

// A set frame: a white panel without an outline, as on the paper.
QWidget *setFrame(QWidget *parent, const QString &name)
{
    return ui::panel(parent, name, colours::white);
}

const char *const sheetFileTitle = QT_TRANSLATE_NOOP("WorksheetScreen", "Scheda - Gli insiemi");
const char *const classSetTitle = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                    "Schede per la classe - Gli insiemi");
const char *const saveDialogTitle = QT_TRANSLATE_NOOP("WorksheetScreen", "Salva la scheda in PDF");
const char *const classSetSaveDialogTitle = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                              "Salva le schede in PDF");
const char *const sheetFileName = QT_TRANSLATE_NOOP("WorksheetScreen", "scheda.pdf");
const char *const classSetFileName = QT_TRANSLATE_NOOP("WorksheetScreen", "schede-classe.pdf");
constexpr int progressDelayMs = 500;

// A line that elides its middle when it does not fit, the whole text in its
// tooltip and accessible name: a long printer name or path keeps both ends.
class ElidingLine : public QLabel
{
public:
    explicit ElidingLine(QWidget *parent) : QLabel(parent) {}

    void setFullText(const QString &text)
    {
        m_full = text;
        setToolTip(text);
        setAccessibleName(text);
        elide();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            elide();
    }

private:
    void elide()
    {
        setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, contentsRect().width()));
    }

    QString m_full;
};

QString setName(Worksheet::Side side, int exercise)
{
    return WorksheetScreen::tr("insieme di %1, esercizio %2")
        .arg(side == Worksheet::Side::Left ? WorksheetScreen::tr("sinistra")
                                           : WorksheetScreen::tr("destra"))
        .arg(exercise);
}
} // namespace

WorksheetScreen::WorksheetScreen(FigureCatalogue &figures, Worksheet &sheet,
                                 PrintService &printService, RandomSource &random)
    : Screen(QStringLiteral("frmStampaSchede3"), tr("VISUALIZZAZIONE SCHEDA         "), designTwips,
             Opening::Maximized, Frame::NoMinMax),
      m_figures(figures),
      m_sheet(sheet),
      m_printService(printService),
      m_random(random)
{
    m_steadyClock.start();
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);

    const QFont buttonFont = fonts::arial(9.75);

    // Made from the bottom of the stack up; each is registered with its
    // design box as it is made.
    auto makePart = [&](const char *name, const QRect &twips, const auto &frames) {
        QWidget *part = ui::panel(area, QString::fromLatin1(name), colours::windowPink);
        layout->addBox(part, twips);
        for (const SetFrame &f : frames) {
            QWidget *frame = setFrame(part, QString::fromLatin1(f.name));
            frame->setAccessibleName(setName(f.side, f.exercise));
            layout->addBox(frame, f.twips);
            auto &places = f.side == Worksheet::Side::Left ? m_leftPlaces : m_rightPlaces;
            const QString array = f.side == Worksheet::Side::Left ? QStringLiteral("Image1")
                                                                  : QStringLiteral("Image2");
            for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
                const int index = Worksheet::placeIndex(f.exercise, slot);
                auto *place = new PictureBox(frame, QStringLiteral("%1(%2)").arg(array).arg(index));
                places[index] = place;
                layout->addBox(place, {previewSetSlots[slot - 1], QSize(placeWidth, placeHeight)});
            }
        }
        return part;
    };
    m_firstPart = makePart("Frame3", {90, 975, 9360, 6675}, firstPart);
    m_secondPart = makePart("Frame4", {96, 972, 9360, 6672}, secondPart);

    auto button = [&](const char *name, const QString &text, const QRect &twips) {
        auto *b = new ColouredButton(area, QString::fromLatin1(name), text, buttonFont,
                                     colours::focusPink);
        layout->addBox(b, twips);
        return b;
    };
    auto *exercise1 = button("CmdInsieme1", tr("VISUALIZZA 1° ESERCIZIO"), {9660, 1725, 2145, 645});
    auto *exercise2 = button("cmdInsieme2", tr("VISUALIZZA 2° ESERCIZIO"), {9660, 2415, 2145, 645});
    auto *exercise3 = button("cmdInsieme3", tr("VISUALIZZA 3° ESERCIZIO"), {9660, 3090, 2145, 645});
    auto *exercise4 = button("cmdInsieme4", tr("VISUALIZZA 4° ESERCIZIO"), {9660, 3810, 2145, 645});
    m_printButton = button("Command1", tr("STAMPA"), {9675, 5925, 2145, 645});
    auto *exitButton = button("CmdFine", tr("ESCI"), {9660, 6660, 2145, 645});
    m_partButton = button("Command2", tr("Visualizza la prima parte"), {165, 7710, 3390, 495});

    QLabel *title = ui::label(area, QStringLiteral("Label1"),
                              tr(" SCHEDA: mettere il segno di relazione"), fonts::arial(20.25),
                              colours::darkRed, colours::windowPink, Qt::AlignLeft | Qt::AlignTop);
    title->setWordWrap(false);
    layout->addBox(title, {0, 0, 12000, 585});

    // Beside the part button, in the space the sets leave free.
    auto *confirmation = new ElidingLine(area);
    confirmation->setObjectName(QStringLiteral("lblConferma"));
    confirmation->setFont(buttonFont);
    confirmation->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Placed while hidden too, so that it elides for its box when it shows.
    QSizePolicy policy = confirmation->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    confirmation->setSizePolicy(policy);
    confirmation->hide();
    layout->addBox(confirmation, {3700, 7710, 5700, 495});
    m_confirmation = confirmation;
    m_confirmationTimer = new QTimer(this);
    m_confirmationTimer->setSingleShot(true);
    m_confirmationTimer->setInterval(confirmationTimeout);
    connect(m_confirmationTimer, &QTimer::timeout, this, &WorksheetScreen::clearConfirmation);

    QAction *printerMenu = menuBar()->addAction(tr("Seleziona stampante"));
    printerMenu->setObjectName(QStringLiteral("mnuStampante"));
    // The menu shows the plain texts, with a letter for Alt underlined.
    m_savePdfItem = menuBar()->addAction(tr("&Salva PDF..."));
    m_savePdfItem->setObjectName(QStringLiteral("mnuSalvaPdf"));
    m_classSetItem = menuBar()->addAction(tr("Schede per la &classe..."));
    m_classSetItem->setObjectName(QStringLiteral("mnuClasse"));

    connect(exercise1, &QPushButton::clicked, this, &WorksheetScreen::startOver);
    connect(exercise2, &QPushButton::clicked, this, [this] { composeExercise(2); });
    connect(exercise3, &QPushButton::clicked, this, [this] { composeExercise(3); });
    connect(exercise4, &QPushButton::clicked, this, [this] { composeExercise(4); });
    connect(m_printButton, &QPushButton::clicked, this, [this] {
        if (pressStartsJob())
            printSheet();
    });
    connect(exitButton, &QPushButton::clicked, this, &WorksheetScreen::close);
    connect(m_partButton, &QPushButton::clicked, this, &WorksheetScreen::togglePart);
    connect(printerMenu, &QAction::triggered, this, &WorksheetScreen::printerChooserRequested);
    connect(m_savePdfItem, &QAction::triggered, this, [this] {
        if (pressStartsJob())
            saveSheet();
    });
    connect(m_classSetItem, &QAction::triggered, this, &WorksheetScreen::openClassSet);
    takeDesignSize();

    // A new opening starts from exercise 1 alone.
    m_sheet.reset();
    startOver();
}

void WorksheetScreen::setMessageHandler(MessageHandler handler)
{
    m_messageHandler = std::move(handler);
}

void WorksheetScreen::setFileNameProvider(FileNameProvider provider)
{
    m_fileNames = std::move(provider);
}

void WorksheetScreen::showPart(Part part)
{
    m_part = part;
    const bool first = part == Part::First;
    m_firstPart->setVisible(first);
    m_secondPart->setVisible(!first);
    m_partButton->setText(tr(first ? secondPartCaption : firstPartCaption));
}

void WorksheetScreen::showExercise(int exercise)
{
    const qreal ratio = devicePixelRatioF();
    for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
        const int index = Worksheet::placeIndex(exercise, slot);
        for (auto side : {Worksheet::Side::Left, Worksheet::Side::Right}) {
            PictureBox *box = (side == Worksheet::Side::Left ? m_leftPlaces : m_rightPlaces)[index];
            const Worksheet::Place &place = m_sheet.place(side, index);
            if (place.picture == Worksheet::noPicture) {
                box->setPicture(QPixmap());
                box->setAccessibleName(QString());
            } else {
                box->setPicture(m_figures.picture(place.picture, ratio));
                box->setAccessibleName(FigureCatalogue::pictureName(place.picture));
            }
        }
    }
}

// The first exercise's button starts the sheet over from its first part.
void WorksheetScreen::startOver()
{
    showPart(Part::First);
    composeExercise(1);
}

void WorksheetScreen::composeExercise(int exercise)
{
    m_sheet.compose(exercise);
    showExercise(exercise);
}

void WorksheetScreen::togglePart()
{
    showPart(m_part == Part::First ? Part::Second : Part::First);
}

class WorksheetScreen::OutputRun
{
public:
    explicit OutputRun(WorksheetScreen &screen) : m_screen(screen)
    {
        ++m_screen.m_outputRuns;
        m_screen.setOutputEnabled(false);
    }
    ~OutputRun()
    {
        // The presses that waited for the run are delivered first, to
        // controls still off; they come back once no run is left waiting.
        // One of those presses may have closed the screen ("ESCI").
        QMetaObject::invokeMethod(
            &m_screen,
            [screen = QPointer<WorksheetScreen>(&m_screen)] {
                QCoreApplication::processEvents();
                if (screen && --screen->m_outputRuns == 0)
                    screen->setOutputEnabled(true);
            },
            Qt::QueuedConnection);
    }
    OutputRun(const OutputRun &) = delete;
    OutputRun &operator=(const OutputRun &) = delete;

private:
    WorksheetScreen &m_screen;
};

void WorksheetScreen::setPressClock(PressClock clock)
{
    m_pressClock = std::move(clock);
}

void WorksheetScreen::setConfirmationTimeout(std::chrono::milliseconds timeout)
{
    m_confirmationTimer->setInterval(timeout);
}

void WorksheetScreen::confirm(const QString &text)
{
    static_cast<ElidingLine *>(m_confirmation)->setFullText(text);
    m_confirmation->show();
    m_confirmationTimer->start();
}

void WorksheetScreen::clearConfirmation()
{
    m_confirmationTimer->stop();
    m_confirmation->hide();
    static_cast<ElidingLine *>(m_confirmation)->setFullText(QString());
}

bool WorksheetScreen::pressStartsJob()
{
    const qint64 now = m_pressClock ? m_pressClock() : m_steadyClock.elapsed();
    return m_presses.startsJob(now, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void WorksheetScreen::setOutputEnabled(bool enabled)
{
    m_printButton->setEnabled(enabled);
    m_savePdfItem->setEnabled(enabled);
    m_classSetItem->setEnabled(enabled);
}

void WorksheetScreen::printSheet()
{
    const OutputRun run(*this);
    clearConfirmation();
    const QString title = tr("GLI INSIEMI - scheda");
    // One print, one connection: the printer's page is asked for once.
    PrintSession printer(m_printService);
    const QByteArray pdf = sheet::sheetPdf(m_sheet, m_figures, printer.printableArea(), title);
    if (pdf.isEmpty()) {
        showMessage(sheet::problemMessage());
        return;
    }
    const PrintService::Result result = printer.submitPdf(pdf, title);
    if (!result.ok) {
        reportPrintFailure(printer.printer(), result.failure, result.error);
        return;
    }
    confirm(tr("Scheda inviata a %1").arg(printer.printer()));
}

void WorksheetScreen::reportPrintFailure(const QString &printer, PrintFailure failure,
                                         const QString &words)
{
    qCWarning(lcPrinting).nospace()
        << "printing on " << printer << " failed (" << printFailureName(failure) << "): " << words;
    showMessage(sheet::problemMessage(), printFailureText(failure));
}

void WorksheetScreen::showMessage(const QString &text, const QString &detail)
{
    if (m_messageHandler) {
        m_messageHandler(text, detail);
        return;
    }
    QMessageBox box(QMessageBox::Warning, program::displayName(), text, QMessageBox::Ok, this);
    box.setDetailedText(detail);
    box.exec();
}

QString WorksheetScreen::askFileName(QWidget *parent, const QString &title,
                                     const QString &proposedName) const
{
    if (m_fileNames)
        return pdffile::withPdfSuffix(m_fileNames(parent, proposedName));

    // Qt's own dialog: the same on every desktop, and it asks before it lets
    // an existing file be replaced. It opens where the last save went.
    const QString folder = !m_saveFolder.isEmpty() && QFileInfo(m_saveFolder).isDir()
        ? m_saveFolder
        : pdffile::defaultFolder();
    QFileDialog dialog(parent, title, folder);
    dialog.setObjectName(QStringLiteral("dlgSalvaPdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("Documenti PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // for a name without any suffix
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString typed = dialog.selectedFiles().constFirst();
    const QString file = pdffile::withPdfSuffix(typed);
    // The dialog asked about the name as typed; the file written is this one.
    if (file != typed && QFileInfo::exists(file)
        && QMessageBox::question(
               parent, title,
               tr("Il file \"%1\" esiste già. Sostituirlo?").arg(QFileInfo(file).fileName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return {};
    return file;
}

// The page "STAMPA" prints, on the quarter-inch margins any printer reaches:
// the file does not depend on the printer of the moment, nor needs one.
void WorksheetScreen::saveSheet()
{
    const OutputRun run(*this);
    clearConfirmation();
    const QString file = askFileName(this, tr(saveDialogTitle), tr(sheetFileName));
    if (file.isEmpty())
        return;
    const QByteArray pdf = sheet::sheetPdf(m_sheet, m_figures, PageArea::fallback(),
                                           tr(sheetFileTitle));
    if (pdf.isEmpty()) {
        showMessage(pdffile::failureMessage(
            file, QCoreApplication::translate("Sheet", "la pagina non si è potuta disegnare")));
        return;
    }
    const pdffile::Saved saved = pdffile::save(file, pdf);
    if (!saved.ok) {
        showMessage(saved.message);
        return;
    }
    m_saveFolder = QFileInfo(file).absolutePath();
    confirm(tr("Salvata in %1").arg(QDir::toNativeSeparators(file)));
}

void WorksheetScreen::openClassSet()
{
    if (m_classSet) {
        m_classSet->raise();
        return;
    }
    m_classSet = new ClassSetDialog(this, [this](QWidget *parent) {
        return askFileName(parent, tr(classSetSaveDialogTitle), tr(classSetFileName));
    });
    connect(m_classSet, &QDialog::finished, m_classSet, &QObject::deleteLater);
    connect(m_classSet, &QDialog::accepted, this, &WorksheetScreen::classSetChosen);
    m_classSet->show();
}

ClassSetDialog *WorksheetScreen::classSetDialog() const
{
    return m_classSet;
}

void WorksheetScreen::classSetChosen()
{
    if (!m_classSet)
        return;
    // Read before the set is made: the dialog goes at the next turn of the
    // event loop, which the progress dialog may run.
    const ClassSetDialog::Choice choice = m_classSet->choice();
    const int count = m_classSet->sheetCount();
    const bool withSolutions = m_classSet->withSolutions();
    const QString file = m_classSet->fileName();
    m_classSet = nullptr;
    if (!pressStartsJob())
        return;
    if (choice == ClassSetDialog::Choice::Print)
        printClassSet(count, withSolutions);
    else if (choice == ClassSetDialog::Choice::Save)
        saveClassSet(file, count, withSolutions);
}

bool WorksheetScreen::printClassSet(int count, bool withSolutions)
{
    return makeClassSet(Target::Printer, QString(), count, withSolutions);
}

bool WorksheetScreen::saveClassSet(const QString &file, int count, bool withSolutions)
{
    return makeClassSet(Target::File, pdffile::withPdfSuffix(file), count, withSolutions);
}

bool WorksheetScreen::makeClassSet(Target target, const QString &file, int count,
                                   bool withSolutions)
{
    if (m_makingClassSet)
        return false;
    const QScopedValueRollback busy(m_makingClassSet, true);
    const OutputRun run(*this);
    clearConfirmation();
    PrintService &printer = m_printService;
    // A printer that is gone is told before forty pages are drawn for it.
    if (target == Target::Printer) {
        const PrintService::Result check = printer.checkCurrentPrinter();
        if (!check.ok) {
            reportPrintFailure(printer.currentPrinter(), check.failure, check.error);
            return false;
        }
    }

    for (int e : m_sheet.composeMissing())
        showExercise(e);
    const ClassSet set(m_sheet, count, m_random);

    std::optional<PrintSession> session;
    if (target == Target::Printer)
        session.emplace(printer);
    const QRectF area = session ? session->printableArea() : PageArea::fallback();

    // Shown only when the set takes longer than half a second; modal, so
    // the screen waits as it does for "STAMPA".
    const int total = sheet::classSetSteps(set.count(), withSolutions);
    m_progress = new QProgressDialog(QString(), tr("Annulla"), 0, total, this);
    m_progress->setObjectName(QStringLiteral("prgSchedeClasse"));
    m_progress->setWindowTitle(tr("Schede per la classe"));
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(progressDelayMs);
    const auto progress = [&](int done, int steps) {
        if (!m_progress)
            return false;
        QString text;
        if (done < set.count())
            text = tr("Preparazione della scheda %1 di %2").arg(done + 1).arg(set.count());
        else if (done < steps - 1)
            text = tr("Preparazione delle soluzioni");
        else
            text = target == Target::Printer ? tr("Invio alla stampante...")
                                             : tr("Scrittura del file...");
        m_progress->setLabelText(text);
        m_progress->setValue(done);
        return !m_progress->wasCanceled();
    };
    const QString documentTitle = tr(classSetTitle);
    const sheet::ClassSetPdf made = sheet::classSetPdf(set, withSolutions, m_figures, area,
                                                       documentTitle, progress);

    // Handed on while the progress dialog still says so; a stopped set
    // hands nothing on.
    QString problem;
    std::optional<PrintService::Result> refused;
    if (made.result == sheet::DocumentResult::Ready) {
        if (target == Target::File) {
            const pdffile::Saved saved = pdffile::save(file, made.pdf);
            problem = saved.message;
        } else if (PrintService::Result sent = session->submitPdf(made.pdf, documentTitle);
                   !sent.ok) {
            refused = std::move(sent);
        }
    } else if (made.result == sheet::DocumentResult::Failed) {
        problem = target == Target::Printer
            ? sheet::problemMessage()
            : pdffile::failureMessage(
                file,
                QCoreApplication::translate("Sheet", "le pagine non si sono potute disegnare"));
    }
    delete m_progress;

    if (refused)
        reportPrintFailure(session->printer(), refused->failure, refused->error);
    else if (!problem.isEmpty())
        showMessage(problem);
    const bool handedOn = made.result == sheet::DocumentResult::Ready && problem.isEmpty()
        && !refused;
    if (!handedOn)
        return false;
    if (target == Target::File) {
        m_saveFolder = QFileInfo(file).absolutePath();
        confirm(tr("Salvate in %1").arg(QDir::toNativeSeparators(file)));
    } else {
        confirm(tr("Schede inviate a %1").arg(session->printer()));
    }
    return true;
}
