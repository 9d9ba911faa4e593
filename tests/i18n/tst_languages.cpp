// SPDX-License-Identifier: GPL-3.0-or-later
// The language helper on hand-made widgets, then every screen and the
// printed sheet in each language: no Italian text left that the catalogue
// translates, every text fitting its box.
#include "i18n/LanguageTexts.h"
#include "start/AboutScreen.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/PdfTools.h"
#include "worksheets/SheetPage.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/SheetJobs.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"
#include "printing/PageArea.h"
#include "pupils/ResultsScreen.h"
#include "pupils/WhoAreYouScreen.h"

#include <QAbstractButton>
#include <QAction>
#include <QRegularExpression>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void textsLeft_data();
    void textsLeft();
    void fitting_data();
    void fitting();
    void catalogueCountsFinishedMessagesOnly();
    void screens_data();
    void screens();
    void printedSheet_data();
    void printedSheet();
};

namespace {
// Italian is the source: there is no catalogue, nothing to be left.
i18n::Catalogue catalogueOf(const QString &language)
{
    return language == QLatin1String("it") ? i18n::Catalogue(QStringList())
                                           : i18n::Catalogue::forLanguage(language);
}

// The screen as a teacher or a child sees it: the drill after a verdict,
// the class-set dialog open over the worksheet screen.
QWidget *openScreen(Program &program, const QString &screen)
{
    if (screen == QLatin1String("start"))
        return program.openStart();
    if (screen == QLatin1String("about")) {
        program.openStart();
        return program.openAbout();
    }
    if (screen == QLatin1String("drill")) {
        DrillScreen *drill = program.openDrill();
        drill->choose(RelationDrill::optLess);
        drill->choose(RelationDrill::optVerify);
        return drill;
    }
    if (screen == QLatin1String("who are you")) {
        ProgramSettings settings = program.settings();
        settings.pupils = QStringList{QStringLiteral("Anna"), QStringLiteral("Bruno")};
        program.applySettings(settings);
        return program.openWhoAreYou();
    }
    if (screen == QLatin1String("results"))
        return program.openResults();
    WorksheetScreen *worksheets = program.openWorksheets();
    if (screen == QLatin1String("chooser")) {
        program.setPrinterSource([] { return QStringList{QStringLiteral("aula")}; });
        return program.openPrinterChooser();
    }
    if (screen == QLatin1String("class set")) {
        worksheets->output().openClassSet();
        return worksheets->output().classSetDialog();
    }
    return worksheets;
}
// Every label or button showing a letter-spaced text ("E s a t t o") whose
// accessible name is not that word ("Esatto"): a screen reader would spell it.
QStringList spokenLetterByLetter(const QWidget *root)
{
    const auto word = [](QString text) {
        return text.remove(QLatin1Char(' '))
            .toLower()
            .replace(QStringLiteral("ß"), QStringLiteral("ss"));
    };
    const QRegularExpression spaced(QStringLiteral("^\\S( \\S){2,}$"));
    QStringList found;
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (spaced.match(text).hasMatch()
            && (w->accessibleName().contains(QLatin1Char(' '))
                || word(w->accessibleName()) != word(text)))
            found << QStringLiteral("%1: \"%2\" read as \"%3\"")
                         .arg(w->objectName(), text, w->accessibleName());
    }
    return found;
}
} // namespace

void TestLanguages::initTestCase()
{
    // The results file in the test folders.
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void TestLanguages::textsLeft_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("left");
    QTest::newRow("window title") << "title"
                                  << "Autore" << true;
    QTest::newRow("label") << "label"
                           << "Chiudi" << true;
    QTest::newRow("button, mnemonic") << "button"
                                      << "S&tampa" << true;
    QTest::newRow("tooltip") << "tooltip"
                             << "Chiudi" << true;
    QTest::newRow("accessible name") << "accessible"
                                     << "Chiudi" << true;
    QTest::newRow("menu item") << "action"
                               << "Stampa schede" << true;
    QTest::newRow("filled placeholders") << "label"
                                         << "Scheda 3 di 10" << true;
    QTest::newRow("translated") << "label"
                                << "Schließen" << false;
    QTest::newRow("kept name") << "label"
                               << "VELMORA" << false;
    QTest::newRow("not all of a source") << "label"
                                         << "Chiudi la porta" << false;
    QTest::newRow("a bare placeholder matches nothing") << "label"
                                                        << "5" << false;
}

void TestLanguages::textsLeft()
{
    QFETCH(QString, where);
    QFETCH(QString, text);
    QFETCH(bool, left);
    const i18n::Catalogue catalogue(
        {"Autore", "Chiudi", "&Stampa", "Stampa schede", "Scheda %1 di %2", "%1"});
    QWidget root;
    root.setObjectName(QStringLiteral("frmProva"));
    auto *label = new QLabel(&root);
    auto *button = new QPushButton(&root);
    if (where == QLatin1String("title"))
        root.setWindowTitle(text);
    else if (where == QLatin1String("label"))
        label->setText(text);
    else if (where == QLatin1String("button"))
        button->setText(text);
    else if (where == QLatin1String("tooltip"))
        button->setToolTip(text);
    else if (where == QLatin1String("accessible"))
        label->setAccessibleName(text);
    else
        root.addAction(new QAction(text, &root));
    const QStringList found = i18n::textsLeftInItalian(&root, catalogue);
    QCOMPARE(found.size(), left ? 1 : 0);
    if (left)
        QVERIFY2(found.first().contains(text), qPrintable(found.first()));
}

void TestLanguages::fitting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fits");
    QTest::newRow("short label") << "label"
                                 << "Autor" << QSize(200, 30) << true;
    QTest::newRow("label too long") << "label"
                                    << "Arbeitsblätter drucken" << QSize(40, 30) << false;
    QTest::newRow("label lower than a line") << "label"
                                             << "Vers.  1.0.0" << QSize(200, 5) << true;
    // An empty size: as wide as the widest word, as high as the lines in
    // the width column, measured in the test's font.
    QTest::newRow("wrapped in two lines") << "wrapped"
                                          << "Richtige Antworten" << QSize(2, 0) << true;
    QTest::newRow("wrapped, too many lines") << "wrapped"
                                             << "Richtige Antworten" << QSize(1, 0) << false;
    QTest::newRow("wrapped, word too long") << "wrapped"
                                            << "Gesamtzeit" << QSize(20, 200) << false;
    QTest::newRow("button") << "button"
                            << "ENDE" << QSize(120, 40) << true;
    QTest::newRow("button too narrow") << "button"
                                       << "S C H L I E S S E N" << QSize(40, 40) << false;
    QTest::newRow("hidden label") << "hidden"
                                  << "Arbeitsblätter drucken" << QSize(10, 10) << true;
}

void TestLanguages::fitting()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QFETCH(bool, fits);
    // A font the scripts install, whatever the machine's sans-serif is.
    QWidget root;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    root.setFont(font);
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    if (size.height() == 0) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString &word : text.split(u' '))
            widest = qMax(widest, metrics.horizontalAdvance(word));
        size = QSize(widest + 4, size.width() * metrics.lineSpacing() + 2);
        QVERIFY(metrics.horizontalAdvance(text) > size.width());
    }
    QWidget *element = nullptr;
    if (kind == QLatin1String("button")) {
        element = new QPushButton(text, &root);
    } else {
        auto *label = new QLabel(text, &root);
        label->setWordWrap(kind == QLatin1String("wrapped"));
        label->setVisible(kind != QLatin1String("hidden"));
        element = label;
    }
    element->setGeometry(QRect(QPoint(0, 0), size));
    const QStringList found = i18n::textsNotFitting(&root);
    QVERIFY2(found.isEmpty() == fits, qPrintable(found.join(QLatin1Char('\n'))));
}

void TestLanguages::catalogueCountsFinishedMessagesOnly()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile ts(dir.filePath(QStringLiteral("prova_de.ts")));
    QVERIFY(ts.open(QIODevice::WriteOnly));
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>Prova</name>
    <message><source>Chiudi</source><translation>Schließen</translation></message>
    <message><source>ESCI</source><translation type="unfinished"></translation></message>
    <message><source>VAI</source><translation type="unfinished">LOS</translation></message>
    <message><source>Stampa</source><translation type="vanished">Drucken</translation></message>
    <message><source>Email:</source><translation>Email:</translation></message>
    <message><source>Il file &quot;%1&quot; esiste già.</source><translation>Die Datei „%1“ gibt es schon.</translation></message>
</context>
</TS>
)");
    ts.close();
    const i18n::Catalogue catalogue = i18n::Catalogue::fromTsFile(ts.fileName());
    QVERIFY(catalogue.isValid());
    QCOMPARE(catalogue.size(), 2);
    QVERIFY(catalogue.translates(QStringLiteral("Chiudi")));
    QVERIFY(catalogue.translates(QStringLiteral("Il file \"scheda.pdf\" esiste già.")));
    for (const char *text : {"ESCI", "VAI", "Stampa", "Email:"})
        QVERIFY2(!catalogue.translates(QString::fromUtf8(text)), text);
    QVERIFY(!i18n::Catalogue::fromTsFile(dir.filePath(QStringLiteral("none.ts"))).isValid());
}

void TestLanguages::screens_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("screen");
    for (const char *language : {"it", "de", "en"}) {
        for (const char *screen : {"start", "drill", "worksheets", "chooser", "about", "class set",
                                   "who are you", "results"})
            QTest::addRow("%s %s", language, screen) << language << screen;
    }
}

void TestLanguages::screens()
{
    QFETCH(QString, language);
    QFETCH(QString, screen);
    const i18n::LanguageScope texts(language);
    QVERIFY(texts.isLoaded());
    const i18n::Catalogue catalogue = catalogueOf(language);
    QVERIFY(catalogue.isValid());

    Program program;
    const auto closeAll = qScopeGuard([&program] {
        program.applySettings(ProgramSettings());
        program.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    QWidget *window = openScreen(program, screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (screen == QLatin1String("drill"))
        QTRY_VERIFY(!window->findChild<QLabel *>(QStringLiteral("LblEsito"))->text().isEmpty());
    const QStringList left = i18n::textsLeftInItalian(window, catalogue);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    const QStringList overflowing = i18n::textsNotFitting(window);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(QLatin1Char('\n'))));
    const QStringList spelt = spokenLetterByLetter(window);
    QVERIFY2(spelt.isEmpty(), qPrintable(spelt.join(QLatin1Char('\n'))));
}

void TestLanguages::printedSheet_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << "de";
    QTest::newRow("en") << "en";
}

// The sheet, a class set's footers and its solutions page, and the class
// set's title, read back from the PDF files.
void TestLanguages::printedSheet()
{
    QFETCH(QString, language);
    if (!pdftools::available())
        QSKIP("poppler's pdftotext is not installed");
    const QStringList italian = QStringList{sheet::nameLine(), sheet::instruction(),
                                            sheet::solutionsTitle(), sheet::footerText(1, 2)}
        + sheet::SolutionsLayout::headings();
    const i18n::LanguageScope texts(language);
    QVERIFY(texts.isLoaded());
    const i18n::Catalogue catalogue = catalogueOf(language);
    const QStringList translated = QStringList{sheet::nameLine(), sheet::instruction(),
                                               sheet::solutionsTitle(), sheet::footerText(1, 2)}
        + sheet::SolutionsLayout::headings();

    Program program;
    const auto closeAll = qScopeGuard([&program] {
        program.applySettings(ProgramSettings());
        program.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    WorksheetScreen *worksheets = program.openWorksheets();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile single(dir.filePath(QStringLiteral("scheda.pdf")));
    QVERIFY(single.open(QIODevice::WriteOnly));
    single.write(sheet::sheetPdf(program.worksheet(), program.figures(), PageArea::fallback(),
                                 QStringLiteral("prova")));
    single.close();
    const QString classSet = dir.filePath(QStringLiteral("classe.pdf"));
    const sheetjobs::ClassSetOrder order(worksheets->worksheet(), 2, program.random(), true,
                                         classSet);
    const sheetjobs::Stop stop{false};
    QCOMPARE(sheetjobs::makeClassSet(program.printService(), order, stop, {}).kind,
             OutputOutcome::Kind::HandedOver);

    const QString sheetText = pdftools::text(single.fileName()).simplified();
    const QString setText = pdftools::text(classSet).simplified();
    QVERIFY(!sheetText.isEmpty() && !setText.isEmpty());
    for (int i = 0; i < italian.size(); ++i) {
        QVERIFY2(catalogue.translates(italian[i]), qPrintable(italian[i]));
        QVERIFY2(!setText.contains(italian[i].simplified()), qPrintable(italian[i]));
        QVERIFY2(setText.contains(translated[i].simplified()), qPrintable(translated[i]));
    }
    for (int i = 0; i < 2; ++i) // the name line and the instruction
        QVERIFY2(sheetText.contains(translated[i].simplified()), qPrintable(translated[i]));
    const QString title = pdftools::infoField(classSet, QStringLiteral("Title"));
    QVERIFY2(!title.isEmpty() && !catalogue.translates(title), qPrintable(title));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
