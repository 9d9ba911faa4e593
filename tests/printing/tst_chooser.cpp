// SPDX-License-Identifier: GPL-3.0-or-later
// The printer chooser driven as the teacher does, on a list of printers the
// test gives it: loading, the automatic first selection, picking, closing
// either way and opening anew, long names, modality.
#include "ChooserDriver.h"
#include "printing/PrintService.h"
#include "printing/PrinterChooser.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

using namespace chooserdriver;

namespace {
const QStringList aule{QStringLiteral("Aula 1"), QStringLiteral("Aula 2"),
                       QStringLiteral("Segreteria")};
} // namespace

class ChooserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        makeProgram();
        m_installed = aule;
        program->setPrinterSource([this] { return m_installed; });
        program->printService().setCurrentPrinter(QStringLiteral("Segreteria"));
    }

    void cleanup() { endProgram(); }

    void firstOpeningSelectsTheFirstEntryAndChangesNothing()
    {
        program->openPrinterChooser();
        QVERIFY(program->printerChooser());
        QCOMPARE(chooser().windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(entries(), aule);
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nSegreteria"));
        QCOMPARE(labelText("Label2"), QString());
        QVERIFY(chooser().choice().isArmed());
    }

    void controlsKeepTheirPlacesWhenTheWindowGrows()
    {
        program->openPrinterChooser();
        const QRect comboBefore = combo()->geometry();
        const QRect closeBefore =
            chooser().findChild<QPushButton *>(QStringLiteral("Command2"))->geometry();
        chooser().resize(chooser().size() * 2);
        QTest::qWait(1);
        QCOMPARE(combo()->geometry(), comboBefore);
        QCOMPARE(chooser().findChild<QPushButton *>(QStringLiteral("Command2"))->geometry(),
                 closeBefore);
    }

    void pickingMakesThePrinterCurrentAtOnce_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<int>("index");

        QTest::newRow("second") << aule << 1;
        QTest::newRow("the entry already selected") << aule << 0;
        QTest::newRow("names differing in case")
            << QStringList{QStringLiteral("laser"), QStringLiteral("Laser")} << 1;
        QTest::newRow("markup in the name")
            << QStringList{QStringLiteral("Aula"), QStringLiteral("<b>Laser</b> &amp; <i>co</i>")}
            << 1;
        // Names no print queue can have, as a server might still list them.
        QTest::newRow("spaces and a slash")
            << QStringList{QStringLiteral("Aula"), QStringLiteral("Aula 2/Piano terra")} << 1;
        QTest::newRow("control characters")
            << QStringList{QStringLiteral("Aula"), QStringLiteral("Aula\t\u0001\u007f\r\n2")} << 1;
        QTest::newRow("10 000 characters")
            << QStringList{QStringLiteral("Aula"), QString(10000, QLatin1Char('x'))} << 1;
    }

    void pickingMakesThePrinterCurrentAtOnce()
    {
        QFETCH(QStringList, installed);
        QFETCH(int, index);
        m_installed = installed;
        program->openPrinterChooser();
        QVERIFY(pick(index));
        QCOMPARE(combo()->currentIndex(), index);
        QCOMPARE(program->printService().currentPrinter(), installed.at(index));
        const auto *chosen = chooser().findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(chosen->toolTip(), installed.at(index));
        if (installed.at(index).size() < 100)
            QCOMPARE(chosen->text(),
                     QStringLiteral("La stampante scelta è \r\n") + installed.at(index));
        // What the system calls a printer is shown as it is, never as markup.
        for (const char *name : {"Label1", "Label2"})
            QCOMPARE(chooser().findChild<QLabel *>(QString::fromLatin1(name))->textFormat(),
                     Qt::PlainText);
    }

    void aPrinterGoneSinceListingKeepsTheCurrentOne()
    {
        program->openPrinterChooser();
        m_installed = QStringList{QStringLiteral("Aula 1"), QStringLiteral("Segreteria")};
        QVERIFY(pick(1)); // "Aula 2", no longer installed
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label2"), QStringLiteral("La stampante scelta è \r\nSegreteria"));
    }

    void closedEitherWayReopensAnew_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("C H I U D I") << true;
        QTest::newRow("the title bar's close") << false;
    }

    // Closed by its button or its frame, the chooser goes; the next opening
    // lists the printers of that moment and starts from its first entry.
    void closedEitherWayReopensAnew()
    {
        QFETCH(bool, byButton);
        program->openPrinterChooser();
        QVERIFY(pick(1));
        if (byButton)
            QTest::mouseClick(chooser().findChild<QPushButton *>(QStringLiteral("Command2")),
                              Qt::LeftButton);
        else
            chooser().close();
        QVERIFY(!program->printerChooser());

        m_installed = QStringList{QStringLiteral("Aula 2"), QStringLiteral("Nuova")};
        program->openPrinterChooser();
        QCOMPARE(entries(), m_installed);
        QCOMPARE(combo()->currentIndex(), 0);
        // The current printer is the one chosen before, not the default.
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Aula 2"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nAula 2"));
        QCOMPARE(labelText("Label2"), QString());
        // The automatic selection of this loading did not count; a pick does.
        QVERIFY(pick(1));
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Nuova"));
    }

    // A name too long for its label keeps both ends on one line, whole in
    // the tooltip and the accessible description; a short one is shown whole.
    void aLongNameIsShortenedInTheMiddle()
    {
        const QString longName = QStringLiteral("Aula_Informatica_") + QString(80, QLatin1Char('x'))
            + QStringLiteral("_Piano_Terra");
        m_installed = QStringList{QStringLiteral("Aula 1"), longName};
        program->printService().setCurrentPrinter(longName);
        program->openPrinterChooser();
        QVERIFY(pick(0));
        const auto *defaultLabel = chooser().findChild<QLabel *>(QStringLiteral("Label1"));
        const auto *chosenLabel = chooser().findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(chosenLabel->text(), QStringLiteral("La stampante scelta è \r\nAula 1"));
        QCOMPARE(chosenLabel->toolTip(), QStringLiteral("Aula 1"));

        const QString lead = QStringLiteral("La stampante predefinita è \r\n");
        const QString shown = defaultLabel->text();
        QVERIFY2(shown.startsWith(lead + QStringLiteral("Aula_")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("Terra")), qPrintable(shown));
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY(defaultLabel->fontMetrics().horizontalAdvance(shown.mid(lead.size()))
                <= defaultLabel->contentsRect().width());
        QCOMPARE(defaultLabel->toolTip(), longName);
        QCOMPARE(defaultLabel->accessibleDescription(), longName);
    }

    void noPrinterInstalled()
    {
        m_installed.clear();
        program->openPrinterChooser();
        QCOMPARE(combo()->count(), 0);
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nSegreteria"));
        QCOMPARE(labelText("Label2"), QString());
    }

    void modalOverTheWorksheetScreen()
    {
        Screen *sheet = program->openWorksheets();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        program->openPrinterChooser();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser()));
        QCOMPARE(chooser().windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), &chooser());

        QTest::mouseClick(chooser().findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(sheet->isVisible());
    }

private:
    QStringList m_installed;
};

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
