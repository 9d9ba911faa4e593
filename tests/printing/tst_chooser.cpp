// SPDX-License-Identifier: GPL-3.0-or-later
// The printer chooser driven as the teacher does, on a list of printers the
// test gives it: loading, the automatic first selection, picking, hiding,
// closing through the frame, modality.
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
        QCOMPARE(labelText("Label2"),
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

    void closeButtonHidesAndReopeningShowsTheSameState()
    {
        program->openPrinterChooser();
        QVERIFY(pick(1));
        const QString label1 = labelText("Label1");
        const QString label2 = labelText("Label2");
        QTest::mouseClick(chooser().findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(program->printerChooser());
        QVERIFY(!chooser().isVisible());
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Aula 2"));

        // Printers installed meanwhile do not appear: the list is not rebuilt.
        m_installed.append(QStringLiteral("Nuova"));
        program->openPrinterChooser();
        QCOMPARE(entries(), aule);
        QCOMPARE(combo()->currentIndex(), 1);
        QCOMPARE(labelText("Label1"), label1);
        QCOMPARE(labelText("Label2"), label2);
        // Still armed: the next pick counts.
        QVERIFY(pick(2));
        QCOMPARE(program->printService().currentPrinter(), QStringLiteral("Segreteria"));
    }

    void frameCloseUnloadsAndReopeningRebuilds()
    {
        program->openPrinterChooser();
        QVERIFY(pick(1));
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
