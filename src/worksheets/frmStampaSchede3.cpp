#include "worksheets/frmStampaSchede3.h"

#include "printing/PrintService.h"
#include "printing/frmStampante.h"
#include "sets/FrmFigure.h"
#include "sets/RandomSource.h"
#include "shell/Elements.h"
#include "worksheets/PdfSheetDevice.h"
#include "worksheets/SheetPrint.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

namespace {
const QColor pink(255, 192, 255);
const QColor deepPink(255, 128, 255);
const QColor white(255, 255, 255);

const QString secondPartCaption = QStringLiteral("Visualizza la seconda parte");
const QString firstPartCaption = QStringLiteral("Visualiza la prima parte");

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
    p.setColor(QPalette::Window, white);
    p.setColor(QPalette::WindowText, QColor(128, 128, 128));
    frame->setPalette(p);
    frame->setAutoFillBackground(true);
    return frame;
}

QString setName(Worksheet::Side side, int exercise)
{
    return QStringLiteral("insieme di %1, esercizio %2")
        .arg(side == Worksheet::Side::Left ? QStringLiteral("sinistra") : QStringLiteral("destra"))
        .arg(exercise);
}
} // namespace

frmStampaSchede3::frmStampaSchede3()
    : Screen(QStringLiteral("VISUALIZZAZIONE SCHEDA         "), QSize(11910, 8280),
             Opening::Maximized),
      m_sheet(RandomSource::shared())
{
    setMinMaxButtons(false);
}

void frmStampaSchede3::setMessageHandler(MessageHandler handler)
{
    m_messageHandler = std::move(handler);
}

void frmStampaSchede3::createElements(QWidget *client)
{
    ui::fill(client, pink);

    ElementTable &e = elements();
    const QFont buttonFont = ui::font(QStringLiteral("Arial"), 9.75, true);

    // Made from the bottom of the stack up; each is registered with its
    // design box as it is made.
    auto makePart = [&](const char *name, const QRect &twips, const auto &frames) {
        QWidget *part = ui::panel(client, QString::fromLatin1(name), pink);
        e.add(part, twips);
        for (const SetFrame &f : frames) {
            QWidget *frame = setFrame(part, QString::fromLatin1(f.name));
            frame->setAccessibleName(setName(f.side, f.exercise));
            e.add(frame, f.twips);
            auto &places = f.side == Worksheet::Side::Left ? m_image1 : m_image2;
            const QString array = f.side == Worksheet::Side::Left ? QStringLiteral("Image1")
                                                                 : QStringLiteral("Image2");
            for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
                const int index = Worksheet::placeIndex(f.exercise, slot);
                auto *place = new PictureBox(frame, QStringLiteral("%1(%2)").arg(array).arg(index));
                places[index] = place;
                e.add(place, {placeLefts[(slot - 1) % 5], placeTops[(slot - 1) / 5], placeWidth,
                              placeHeight});
            }
        }
        return part;
    };
    m_frame3 = makePart("Frame3", {90, 975, 9360, 6675}, firstPart);
    m_frame4 = makePart("Frame4", {96, 972, 9360, 6672}, secondPart);

    auto button = [&](const char *name, const QString &text, const QRect &twips) {
        auto *b = new ColouredButton(client, QString::fromLatin1(name), text, buttonFont, deepPink);
        e.add(b, twips);
        return b;
    };
    auto *insieme1 = button("CmdInsieme1", QStringLiteral("VISUALIZZA 1° ESERCIZIO"),
                            {9660, 1725, 2145, 645});
    auto *insieme2 = button("cmdInsieme2", QStringLiteral("VISUALIZZA 2° ESERCIZIO"),
                            {9660, 2415, 2145, 645});
    auto *insieme3 = button("cmdInsieme3", QStringLiteral("VISUALIZZA 3° ESERCIZIO"),
                            {9660, 3090, 2145, 645});
    auto *insieme4 = button("cmdInsieme4", QStringLiteral("VISUALIZZA 4° ESERCIZIO"),
                            {9660, 3810, 2145, 645});
    auto *stampa = button("Command1", QStringLiteral("STAMPA"), {9675, 5925, 2145, 645});
    auto *fine = button("CmdFine", QStringLiteral("ESCI"), {9660, 6660, 2145, 645});
    m_command2 = button("Command2", QStringLiteral("Visualizza la prima parte"),
                        {165, 7710, 3390, 495});

    QLabel *title = ui::label(client, QStringLiteral("Label1"),
                              QStringLiteral(" SCHEDA: mettere il segno di relazione"),
                              ui::font(QStringLiteral("Arial"), 20.25, true), QColor(192, 0, 0),
                              pink, Qt::AlignLeft | Qt::AlignTop);
    title->setWordWrap(false);
    e.add(title, {0, 0, 12000, 585});

    QAction *printer = window()->menuBar()->addAction(QStringLiteral("Seleziona stampante"));
    printer->setObjectName(QStringLiteral("mnuStampante"));
    e.addUnplaced(printer, ElementKind::MenuItem);

    connect(insieme1, &QPushButton::clicked, this, &frmStampaSchede3::CmdInsieme1_Click);
    connect(insieme2, &QPushButton::clicked, this, [this] { cmdInsieme_Click(2); });
    connect(insieme3, &QPushButton::clicked, this, [this] { cmdInsieme_Click(3); });
    connect(insieme4, &QPushButton::clicked, this, [this] { cmdInsieme_Click(4); });
    connect(stampa, &QPushButton::clicked, this, &frmStampaSchede3::Command1_Click);
    connect(fine, &QPushButton::clicked, this, &frmStampaSchede3::CmdFine_Click);
    connect(m_command2, &QPushButton::clicked, this, &frmStampaSchede3::Command2_Click);
    connect(printer, &QAction::triggered, this, &frmStampaSchede3::mnuStampante_Click);

    placeAtDesign();
}

void frmStampaSchede3::formLoad()
{
    captureLayout();
    // A new opening starts from exercise 1 alone.
    m_sheet.reset();
    CmdInsieme1_Click();
}

void frmStampaSchede3::formResize()
{
    applyLayout();
}

void frmStampaSchede3::showPart(bool first)
{
    m_frame3->setVisible(first);
    m_frame4->setVisible(!first);
    m_command2->setText(first ? secondPartCaption : firstPartCaption);
}

void frmStampaSchede3::showExercise(int exercise)
{
    FrmFigure &catalogue = Screen::the<FrmFigure>();
    const qreal ratio = window()->devicePixelRatioF();
    for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
        const int index = Worksheet::placeIndex(exercise, slot);
        for (auto side : {Worksheet::Side::Left, Worksheet::Side::Right}) {
            PictureBox *box = (side == Worksheet::Side::Left ? m_image1 : m_image2)[index];
            const Worksheet::Place &place = m_sheet.place(side, index);
            if (place.picture == Worksheet::noPicture) {
                box->setPicture(QPixmap());
                box->setAccessibleName(QString());
            } else {
                box->setPicture(catalogue.picture(place.picture, ratio));
                box->setAccessibleName(FrmFigure::pictureName(place.picture));
            }
            box->setVisible(place.visible);
        }
    }
}

void frmStampaSchede3::CmdInsieme1_Click()
{
    showPart(true);
    m_sheet.compose(1);
    showExercise(1);
}

void frmStampaSchede3::cmdInsieme_Click(int exercise)
{
    m_sheet.compose(exercise);
    showExercise(exercise);
}

void frmStampaSchede3::Command2_Click()
{
    showPart(m_command2->text() != secondPartCaption);
}

void frmStampaSchede3::Command1_Click()
{
    StampaScheda();
}

void frmStampaSchede3::CmdFine_Click()
{
    unload();
}

void frmStampaSchede3::mnuStampante_Click()
{
    Screen::the<frmStampante>().showModal();
}

void frmStampaSchede3::StampaScheda()
{
    const QString title = QStringLiteral("GLI INSIEMI - scheda");
    // One print, one connection: the page is asked for once.
    PrintSession printer(PrintService::shared());
    PdfSheetDevice device(printer.printableArea(), title, [&](const QByteArray &pdf) {
        return printer.submitPdf(pdf, title).ok;
    });
    sheet::print(m_sheet, device, &FrmFigure::pictureSize,
                 [this](const QString &text) { showMessage(text); });
}

void frmStampaSchede3::showMessage(const QString &text)
{
    if (m_messageHandler) {
        m_messageHandler(text);
        return;
    }
    QMessageBox::warning(window(), QGuiApplication::applicationDisplayName(), text,
                         QMessageBox::Ok);
}
