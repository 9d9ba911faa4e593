// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/WorksheetScreen.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"
#include "shell/Program.h"
#include "worksheets/ClassSet.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/PdfFile.h"
#include "worksheets/PdfSheetDevice.h"
#include "worksheets/SheetPrint.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScopedValueRollback>

#include <optional>

namespace {

constexpr QSize designTwips(11910, 8280);

const char *const secondPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                        "Visualizza la seconda parte");
const char *const firstPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                       "Visualiza la prima parte");

// Place positions inside a set frame, slot 1 top left, row by row. A place
// is large enough for the tallest and the widest picture at design size.
constexpr int placeLefts[5] = {120, 975, 1830, 2700, 3585};
constexpr int placeTops[3] = {165, 1140, 2085};
constexpr int placeWidth = 915;
constexpr int placeHeight = 930;

struct SetFrame
{
    const char *name;
    int exercise;
    Worksheet::Side side;
    QRect twips; // inside its part frame
};

// On screen the right set stands on the left: the mirror of the paper.
const SetFrame firstPart[] = {
    {"fraSfondo1D", 1, Worksheet::Side::Right, {72, 195, 4605, 3075}},
    {"FraSfondo1S", 1, Worksheet::Side::Left, {4710, 195, 4605, 3075}},
    {"fraSfondo2D", 2, Worksheet::Side::Right, {72, 3390, 4605, 3075}},
    {"FraSfondo2S", 2, Worksheet::Side::Left, {4710, 3390, 4605, 3075}},
};
const SetFrame secondPart[] = {
    {"fraSondo3D", 3, Worksheet::Side::Right, {75, 195, 4605, 3075}},
    {"fraSfondo3S(2)", 3, Worksheet::Side::Left, {4725, 195, 4560, 3075}},
    {"fraSfondo4D", 4, Worksheet::Side::Right, {75, 3375, 4605, 3075}},
    {"fraSfondo3S(0)", 4, Worksheet::Side::Left, {4725, 3375, 4560, 3075}},
};

// A white set frame with a thin outline, so that the two sets of an
// exercise, nearly touching, still read as two.
QWidget *setFrame(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, colours::white);
    p.setColor(QPalette::WindowText, colours::grey);
    frame->setPalette(p);
    frame->setAutoFillBackground(true);
    return frame;
}

const QString sheetFileTitle = QStringLiteral("Scheda - Gli insiemi");
const QString classSetTitle = QStringLiteral("Schede per la classe - Gli insiemi");
const char *const saveDialogTitle
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Salva la scheda in PDF");
const QString sheetFileName = QStringLiteral("scheda.pdf");
const QString classSetFileName = QStringLiteral("schede-classe.pdf");
constexpr int progressDelayMs = 500;

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
    : Screen(QStringLiteral("frmStampaSchede3"), tr("VISUALIZZAZIONE SCHEDA         "),
             designTwips, Opening::Maximized, Frame::NoMinMax),
      m_figures(figures),
      m_sheet(sheet),
      m_printService(printService),
      m_random(random)
{
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
                layout->addBox(place, {placeLefts[(slot - 1) % 5], placeTops[(slot - 1) / 5],
                                       placeWidth, placeHeight});
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
    auto *exercise1 = button("CmdInsieme1", tr("VISUALIZZA 1° ESERCIZIO"),
                             {9660, 1725, 2145, 645});
    auto *exercise2 = button("cmdInsieme2", tr("VISUALIZZA 2° ESERCIZIO"),
                             {9660, 2415, 2145, 645});
    auto *exercise3 = button("cmdInsieme3", tr("VISUALIZZA 3° ESERCIZIO"),
                             {9660, 3090, 2145, 645});
    auto *exercise4 = button("cmdInsieme4", tr("VISUALIZZA 4° ESERCIZIO"),
                             {9660, 3810, 2145, 645});
    auto *printButton = button("Command1", tr("STAMPA"), {9675, 5925, 2145, 645});
    auto *exitButton = button("CmdFine", tr("ESCI"), {9660, 6660, 2145, 645});
    m_partButton = button("Command2", tr("Visualizza la prima parte"), {165, 7710, 3390, 495});

    QLabel *title = ui::label(area, QStringLiteral("Label1"),
                              tr(" SCHEDA: mettere il segno di relazione"), fonts::arial(20.25),
                              colours::darkRed, colours::windowPink, Qt::AlignLeft | Qt::AlignTop);
    title->setWordWrap(false);
    layout->addBox(title, {0, 0, 12000, 585});

    QAction *printerMenu = menuBar()->addAction(tr("Seleziona stampante"));
    printerMenu->setObjectName(QStringLiteral("mnuStampante"));
    // The menu shows the plain texts, with a letter for Alt underlined.
    QAction *savePdfMenu = menuBar()->addAction(tr("&Salva PDF..."));
    savePdfMenu->setObjectName(QStringLiteral("mnuSalvaPdf"));
    QAction *classSetMenu = menuBar()->addAction(tr("Schede per la &classe..."));
    classSetMenu->setObjectName(QStringLiteral("mnuClasse"));

    connect(exercise1, &QPushButton::clicked, this, &WorksheetScreen::startOver);
    connect(exercise2, &QPushButton::clicked, this, [this] { composeExercise(2); });
    connect(exercise3, &QPushButton::clicked, this, [this] { composeExercise(3); });
    connect(exercise4, &QPushButton::clicked, this, [this] { composeExercise(4); });
    connect(printButton, &QPushButton::clicked, this, &WorksheetScreen::printSheet);
    connect(exitButton, &QPushButton::clicked, this, &WorksheetScreen::close);
    connect(m_partButton, &QPushButton::clicked, this, &WorksheetScreen::togglePart);
    connect(printerMenu, &QAction::triggered, this, &WorksheetScreen::printerChooserRequested);
    connect(savePdfMenu, &QAction::triggered, this, &WorksheetScreen::saveSheet);
    connect(classSetMenu, &QAction::triggered, this, &WorksheetScreen::openClassSet);
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

void WorksheetScreen::printSheet()
{
    const QString title = QStringLiteral("GLI INSIEMI - scheda");
    // One print, one connection: the printer's page is asked for once.
    PrintSession printer(m_printService);
    PdfSheetDevice device(m_figures, printer.printableArea(), title,
                          [&](const QByteArray &pdf) { return printer.submitPdf(pdf, title).ok; });
    sheet::print(m_sheet, device, &FigureCatalogue::pictureSize,
                 [this](const QString &text) { showMessage(text); });
}

void WorksheetScreen::showMessage(const QString &text)
{
    if (m_messageHandler) {
        m_messageHandler(text);
        return;
    }
    QMessageBox::warning(this, program::displayName(), text,
                         QMessageBox::Ok);
}

QString WorksheetScreen::askFileName(QWidget *parent, const QString &proposedName) const
{
    if (m_fileNames)
        return pdffile::withPdfSuffix(m_fileNames(parent, proposedName));

    // Qt's own dialog: the same on every desktop, and it asks before it lets
    // an existing file be replaced.
    QFileDialog dialog(parent, tr(saveDialogTitle), pdffile::defaultFolder());
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
        && QMessageBox::question(parent, tr(saveDialogTitle),
                                 tr("Il file \"%1\" esiste già. Sostituirlo?")
                                     .arg(QFileInfo(file).fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return {};
    return file;
}

// The page "STAMPA" prints, on the quarter-inch margins any printer reaches:
// the file does not depend on the printer of the moment, nor needs one.
void WorksheetScreen::saveSheet()
{
    const QString file = askFileName(this, sheetFileName);
    if (file.isEmpty())
        return;
    pdffile::Saved saved;
    PdfSheetDevice device(m_figures, PageArea::fallback(), sheetFileTitle,
                          [&](const QByteArray &pdf) {
                              saved = pdffile::save(file, pdf);
                              return saved.ok;
                          });
    const sheet::Outcome page = sheet::drawPage(m_sheet, device, &FigureCatalogue::pictureSize);
    // A page that could not be drawn is not written: the device discards it.
    if (page.headerFailed || page.bodyFailed) {
        showMessage(
            pdffile::failureMessage(file, QStringLiteral("la pagina non si è potuta disegnare")));
        return;
    }
    if (!device.endDocument())
        showMessage(saved.message.isEmpty() ? pdffile::failureMessage(
                        file, QStringLiteral("il documento non si è potuto chiudere"))
                                            : saved.message);
}

void WorksheetScreen::openClassSet()
{
    if (m_classSet) {
        m_classSet->raise();
        return;
    }
    m_classSet = new ClassSetDialog(this, [this](QWidget *parent) {
        return askFileName(parent, classSetFileName);
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
    // Read before the set is made: the dialog goes at the next turn of the
    // event loop, which the progress dialog may run.
    const ClassSetDialog::Choice choice = m_classSet->choice();
    const int count = m_classSet->sheetCount();
    const bool withSolutions = m_classSet->withSolutions();
    const QString file = m_classSet->fileName();
    m_classSet = nullptr;
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
    PrintService &printer = m_printService;
    // A printer that is gone is told before forty pages are drawn for it.
    if (target == Target::Printer && !printer.checkCurrentPrinter().ok) {
        showMessage(sheet::problemMessage);
        return false;
    }

    for (int e : m_sheet.composeMissing())
        showExercise(e);
    const ClassSet set(m_sheet, count, m_random);

    pdffile::Saved saved;
    std::optional<PrintSession> session;
    if (target == Target::Printer)
        session.emplace(printer);
    const QRectF area = session ? session->printableArea() : PageArea::fallback();
    PdfSheetDevice device(
        m_figures, area, classSetTitle,
        [&](const QByteArray &pdf) {
            if (target == Target::File) {
                saved = pdffile::save(file, pdf);
                return saved.ok;
            }
            return session->submitPdf(pdf, classSetTitle).ok;
        },
        QSize(sheet::width, sheet::classSetHeight));

    // Shown only when the set takes longer than half a second; modal, so
    // the screen waits as it does for "STAMPA".
    const int total = sheet::classSetSteps(set.count(), withSolutions);
    m_progress = new QProgressDialog(QString(), QStringLiteral("Annulla"), 0, total, this);
    m_progress->setObjectName(QStringLiteral("prgSchedeClasse"));
    m_progress->setWindowTitle(QStringLiteral("Schede per la classe"));
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(progressDelayMs);
    const auto progress = [&](int done, int steps) {
        if (!m_progress)
            return false;
        QString text;
        if (done < set.count())
            text = QStringLiteral("Preparazione della scheda %1 di %2")
                       .arg(done + 1)
                       .arg(set.count());
        else if (done < steps - 1)
            text = QStringLiteral("Preparazione delle soluzioni");
        else
            text = target == Target::Printer ? QStringLiteral("Invio alla stampante...")
                                             : QStringLiteral("Scrittura del file...");
        m_progress->setLabelText(text);
        m_progress->setValue(done);
        return !m_progress->wasCanceled();
    };
    const sheet::DocumentResult result = sheet::printClassSet(
        set, withSolutions, device, &FigureCatalogue::pictureSize, device.areaHeight(), progress);
    delete m_progress;

    if (result == sheet::DocumentResult::Failed) {
        if (target == Target::Printer)
            showMessage(sheet::problemMessage);
        else
            showMessage(saved.message.isEmpty() ? pdffile::failureMessage(
                            file, QStringLiteral("le pagine non si sono potute disegnare"))
                                                : saved.message);
    }
    return result == sheet::DocumentResult::Delivered;
}
