// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every screen for the documentation:
//   gli-screenshots [--language LANG] OUTDIR
// With a language other than Italian, only the start screen in it, as
// inizio-LANG.png.
// Drives the screens as a user would, by clicks on their elements, on the
// offscreen platform with one 1280x800 screen, and saves each window as a
// PNG. The printed sheet is drawn by the worksheet's own print routine into a
// PDF and turned into a PNG by pdftoppm, as is the solutions page of a class
// set saved by the worksheet screen. Ends with a non-zero status, naming
// the picture, when a screen does not reach the state its picture shows.
#include "drill/DrillScreen.h"
#include "shell/ProgramTexts.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "settings/ClassListEditor.h"
#include "settings/SettingsDialog.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "start/AboutScreen.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/SheetPage.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/WorksheetScreen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <functional>

namespace {

constexpr int screenWidth = 1280;
constexpr int screenHeight = 800;
constexpr int sheetDpi = 60;

const QString wrong = QStringLiteral("E r r a t o");
const QString right = QStringLiteral("E s a t t o");

// The offscreen platform's one screen, without window frames, so that a
// maximized screen covers exactly screenWidth x screenHeight.
bool useFixedScreen(const QTemporaryDir &work)
{
    const QString path = work.filePath(QStringLiteral("offscreen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [)"
                              R"({"name": "shot", "x": 0, "y": 0, "width": %1, "height": %2,)"
                              R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(screenWidth)
                   .arg(screenHeight)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    return true;
}

class Shooter
{
public:
    Shooter(Program &program, const QDir &out, const QString &suffix = QString())
        : m_program(program), m_out(out), m_suffix(suffix)
    {}

    bool startScreen();
    bool drill();
    bool worksheet();
    bool printerChooser();
    bool about();
    bool printedSheet(const QTemporaryDir &work);
    bool classSetDialog();
    bool settingsDialog();
    bool solutionsPage(const QTemporaryDir &work);

    const QString &failure() const { return m_failure; }

private:
    bool fail(const QString &why)
    {
        m_failure = why;
        return false;
    }
    bool save(QWidget *window, const QString &name);
    static bool shown(const Screen *screen);
    // target answers the open screen, or null.
    bool modal(const std::function<Screen *()> &target, const QString &name, QAction *open,
               const QString &closeButton);

    static bool waitFor(const std::function<bool()> &ready, int ms = 10000);
    static void settle(int ms = 150)
    {
        waitFor([] { return false; }, ms);
    }
    static void click(QWidget *target);
    bool rasterise(const QString &pdfPath, int page, const QString &name);
    template<class T> static T *find(const Screen *screen, const QString &name);

    Program &m_program;
    QDir m_out;
    QString m_suffix; // after each picture's name
    QString m_failure;
};

bool Shooter::waitFor(const std::function<bool()> &ready, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// A press and a release of the left button in the middle of the element.
void Shooter::click(QWidget *target)
{
    const QPointF local = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QCoreApplication::processEvents();
}

template<class T> T *Shooter::find(const Screen *screen, const QString &name)
{
    return screen ? screen->findChild<T *>(name) : nullptr;
}

bool Shooter::shown(const Screen *screen)
{
    return screen && screen->isVisible();
}

bool Shooter::save(QWidget *window, const QString &name)
{
    settle();
    const QString file = m_out.filePath(name + m_suffix + QStringLiteral(".png"));
    if (!window->grab().save(file, "PNG"))
        return fail(QStringLiteral("%1: cannot write %2").arg(name, file));
    QTextStream(stdout) << file << '\n';
    return true;
}

bool Shooter::startScreen()
{
    StartScreen *start = m_program.openStart();
    const bool open = waitFor([&] {
        return shown(start) && !start->isCurtainTimerEnabled() && start->curtains().isOpen();
    });
    if (!open)
        return fail(QStringLiteral("inizio: the curtains did not open"));
    return save(start, QStringLiteral("inizio"));
}

bool Shooter::drill()
{
    auto *vai = find<QWidget>(m_program.startScreen(), QStringLiteral("Option1(0)"));
    if (!vai)
        return fail(QStringLiteral("esercizio-errato: no \"VAI\" on the start screen"));
    click(vai);
    DrillScreen *drill = nullptr;
    if (!waitFor([&] { return shown(drill = m_program.drillScreen()); }))
        return fail(QStringLiteral("esercizio-errato: \"VAI\" did not open the drill"));
    settle();

    // "=" is wrong unless the two sets are equal: a few rounds at most.
    for (int round = 0; round < 100; ++round) {
        auto *sign = find<QWidget>(drill, QStringLiteral("Option1(1)"));
        auto *check = find<QWidget>(drill, QStringLiteral("Option1(3)"));
        auto *next = find<QWidget>(drill, QStringLiteral("Option1(4)"));
        auto *verdict = find<QLabel>(drill, QStringLiteral("LblEsito"));
        if (!sign || !check || !next || !verdict)
            return fail(QStringLiteral("esercizio-errato: the drill lacks its options"));
        if (!sign->isEnabled())
            return fail(QStringLiteral("esercizio-errato: the signs are not enabled"));
        click(sign);
        if (!check->isEnabled())
            return fail(QStringLiteral("esercizio-errato: a sign did not enable \"VERIFICA\""));
        click(check);
        if (verdict->text() == wrong)
            return save(drill, QStringLiteral("esercizio-errato"));
        if (verdict->text() != right || !next->isEnabled())
            return fail(QStringLiteral("esercizio-errato: \"VERIFICA\" gave no verdict"));
        click(next);
    }
    return fail(QStringLiteral("esercizio-errato: never a wrong answer"));
}

bool Shooter::worksheet()
{
    auto *menu = find<QAction>(m_program.startScreen(), QStringLiteral("mnuStampaSchede"));
    if (!menu)
        return fail(QStringLiteral("scheda: no \"Stampa schede\" menu item"));
    menu->trigger();
    WorksheetScreen *sheet = nullptr;
    if (!waitFor([&] { return shown(sheet = m_program.worksheetScreen()); }))
        return fail(QStringLiteral("scheda: the worksheet screen did not open"));

    // All four exercises, so that the second part is not empty.
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"}) {
        auto *button = find<QPushButton>(sheet, QString::fromLatin1(name));
        if (!button)
            return fail(QStringLiteral("scheda: no %1").arg(QString::fromLatin1(name)));
        click(button);
    }
    for (int e = 1; e <= Worksheet::exerciseCount; ++e) {
        if (!sheet->worksheet().isComposed(e))
            return fail(QStringLiteral("scheda: exercise %1 was not composed").arg(e));
    }

    auto *toggle = find<QPushButton>(sheet, QStringLiteral("Command2"));
    auto *first = find<QWidget>(sheet, QStringLiteral("Frame3"));
    auto *second = find<QWidget>(sheet, QStringLiteral("Frame4"));
    if (!toggle || !first || !second)
        return fail(QStringLiteral("scheda: no part toggle or part frames"));
    if (!first->isVisible() || second->isVisible())
        return fail(QStringLiteral("scheda-parte-1: the first part is not in view"));
    if (!save(sheet, QStringLiteral("scheda-parte-1")))
        return false;

    click(toggle);
    if (first->isVisible() || !second->isVisible()
        || toggle->text() != QStringLiteral("Visualiza la prima parte"))
        return fail(QStringLiteral("scheda-parte-2: the toggle did not bring the second part"));
    if (!save(sheet, QStringLiteral("scheda-parte-2")))
        return false;
    click(toggle);
    return true;
}

// Opens a modal screen by its menu item, saves it once it is shown and closes
// it with its own button, whether the opening waits for the close or not.
bool Shooter::modal(const std::function<Screen *()> &target, const QString &name, QAction *open,
                    const QString &closeButton)
{
    bool saved = false;
    bool failed = false;
    QElapsedTimer visibleFor;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        Screen *screen = target();
        if (!shown(screen)) {
            visibleFor.invalidate();
            return;
        }
        if (!visibleFor.isValid())
            visibleFor.start();
        if (visibleFor.elapsed() < 150)
            return;
        poll.stop();
        if (!screen->isModal())
            failed = !fail(name + QStringLiteral(": the screen is not modal"));
        else if (save(screen, name))
            saved = true;
        else
            failed = true;
        if (auto *close = find<QPushButton>(screen, closeButton))
            close->click();
        else
            screen->close();
    });
    poll.start();
    open->trigger();
    waitFor([&] { return saved || failed; });
    poll.stop();
    if (!saved && !failed)
        return fail(name + QStringLiteral(": the screen did not open"));
    waitFor([&] { return !shown(target()); });
    return saved;
}

bool Shooter::printerChooser()
{
    auto *menu = find<QAction>(m_program.worksheetScreen(), QStringLiteral("mnuStampante"));
    if (!menu)
        return fail(QStringLiteral("stampante: no \"Seleziona stampante\" menu item"));
    return modal([this] { return m_program.printerChooser(); }, QStringLiteral("stampante"), menu,
                 QStringLiteral("Command2"));
}

bool Shooter::about()
{
    auto *menu = find<QAction>(m_program.startScreen(), QStringLiteral("mnuInfo"));
    if (!menu)
        return fail(QStringLiteral("autore: no \"About\" menu item"));
    return modal([this]() -> Screen * { return m_program.aboutScreen(); }, QStringLiteral("autore"),
                 menu, QStringLiteral("Command1"));
}

// The sheet as printed: the worksheet screen's exercises drawn by the print
// routine onto a whole A4 page, then rasterised.
bool Shooter::printedSheet(const QTemporaryDir &work)
{
    const QString name = QStringLiteral("scheda-stampata");
    const QByteArray pdf = sheet::sheetPdf(m_program.worksheet(), m_program.figures(), QRectF(),
                                           QStringLiteral("GLI INSIEMI - scheda"));
    if (pdf.isEmpty())
        return fail(name + QStringLiteral(": the sheet was not drawn"));

    const QString pdfPath = work.filePath(name + QStringLiteral(".pdf"));
    QFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return fail(name + QStringLiteral(": cannot write ") + pdfPath);
    file.close();

    return rasterise(pdfPath, 1, name);
}

// One page of a PDF as a PNG of the documentation, at the sheet's resolution.
bool Shooter::rasterise(const QString &pdfPath, int page, const QString &name)
{
    QProcess pdftoppm;
    const QString n = QString::number(page);
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(sheetDpi),
                    QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-singlefile"),
                    pdfPath, m_out.filePath(name)});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit
        || pdftoppm.exitCode() != 0)
        return fail(name + QStringLiteral(": pdftoppm failed: ")
                    + QString::fromLocal8Bit(pdftoppm.readAllStandardError()));
    QTextStream(stdout) << m_out.filePath(name + QStringLiteral(".png")) << '\n';
    return true;
}

// "Schede per la classe" as it opens from the worksheet screen's menu.
bool Shooter::classSetDialog()
{
    WorksheetScreen *sheet = m_program.worksheetScreen();
    auto *menu = find<QAction>(sheet, QStringLiteral("mnuClasse"));
    if (!menu)
        return fail(QStringLiteral("schede-classe: no \"Schede per la classe...\" menu item"));
    menu->trigger();
    ClassSetDialog *dialog = sheet->classSetDialog();
    if (!dialog || !waitFor([dialog] { return dialog->isVisible(); }))
        return fail(QStringLiteral("schede-classe: the dialog did not open"));
    if (!dialog->isModal())
        return fail(QStringLiteral("schede-classe: the dialog is not modal"));
    const bool saved = save(dialog, QStringLiteral("schede-classe"));
    if (auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("cmdAnnulla")))
        click(cancel);
    if (!waitFor([sheet] { return !sheet->classSetDialog(); }))
        return fail(QStringLiteral("schede-classe: \"Annulla\" did not close the dialog"));
    return saved;
}

// "Impostazioni..." over the start screen, with a class typed in; closed with
// "Annulla", so nothing is kept.
bool Shooter::settingsDialog()
{
    const QString name = QStringLiteral("impostazioni");
    auto *menu = find<QAction>(m_program.startScreen(), QStringLiteral("mnuImpostazioni"));
    if (!menu)
        return fail(name + QStringLiteral(": no \"Impostazioni...\" menu item"));
    menu->trigger();
    SettingsDialog *dialog = m_program.settingsDialog();
    if (!dialog || !waitFor([dialog] { return dialog->isVisible(); }))
        return fail(name + QStringLiteral(": the dialog did not open"));
    dialog->classList()->pasteList(QStringLiteral("Anna\nLuca\nGiulia\nMarco\nSofia"));
    if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("txtNomeAlunno")))
        field->setText(QStringLiteral("anna"));
    dialog->classList()->addTyped(); // refused, with its reason
    const bool saved = save(dialog, name);
    if (auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("cmdAnnulla")))
        click(cancel);
    if (!waitFor([this] { return !m_program.settingsDialog(); }))
        return fail(name + QStringLiteral(": \"Annulla\" did not close the dialog"));
    return saved;
}

// A class of 25 with its solutions, saved by the worksheet screen: the last
// page.
bool Shooter::solutionsPage(const QTemporaryDir &work)
{
    const QString name = QStringLiteral("soluzioni");
    const QString pdfPath = work.filePath(QStringLiteral("schede-classe.pdf"));
    constexpr int sheets = 25;
    WorksheetScreen *sheet = m_program.worksheetScreen();
    if (!sheet || !sheet->saveClassSet(pdfPath, sheets, true))
        return fail(name + QStringLiteral(": the class set was not saved"));
    return rasterise(pdfPath, sheets + 1, name);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir work;
    if (!work.isValid() || !useFixedScreen(work)) {
        QTextStream(stderr) << "gli-screenshots: no temporary folder\n";
        return 1;
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool withLanguage = args.size() == 4 && args.at(1) == QLatin1String("--language");
    if (args.size() != 2 && !withLanguage) {
        QTextStream(stderr) << "usage: gli-screenshots [--language LANG] OUTDIR\n";
        return 2;
    }
    const QString language = withLanguage ? args.at(2) : QString();
    if (withLanguage && !program::installTexts(language, &app)) {
        QTextStream(stderr) << "gli-screenshots: no texts for " << language << '\n';
        return 1;
    }
    QDir out(args.constLast());
    if (!out.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "gli-screenshots: cannot make " << args.constLast() << '\n';
        return 1;
    }

    // The default settings, whatever the user set.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    Program program;
    const bool another = withLanguage && language != QLatin1String("it");
    Shooter shooter(program, out, another ? QLatin1Char('-') + language : QString());
    const bool ok = another ? shooter.startScreen()
                            : shooter.startScreen() && shooter.drill() && shooter.worksheet()
            && shooter.printerChooser() && shooter.printedSheet(work) && shooter.classSetDialog()
            && shooter.solutionsPage(work) && shooter.about() && shooter.settingsDialog();
    if (!ok)
        QTextStream(stderr) << "gli-screenshots: " << shooter.failure() << '\n';
    program.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok ? 0 : 1;
}
