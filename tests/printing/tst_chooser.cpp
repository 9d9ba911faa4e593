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
        m_installed = aule;
        chooser().setPrinterSource([this] { return m_installed; });
        PrintService::shared().setCurrentPrinter(QStringLiteral("Segreteria"));
    }

    void cleanup()
    {
        chooser().unload();
        Screen::the<WorksheetScreen>().unload();
        QTest::qWait(1);
    }

    void firstOpeningSelectsTheFirstEntryAndChangesNothing()
    {
        chooser().showModal();
        QVERIFY(chooser().isLoaded());
        QCOMPARE(chooser().window()->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(entries(), aule);
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nSegreteria"));
        QCOMPARE(labelText("Label2"), QString());
        QVERIFY(chooser().choice().isArmed());
    }

    void controlsKeepTheirPlacesWhenTheWindowGrows()
    {
        chooser().showModal();
        const QRect comboBefore = combo()->geometry();
        const QRect closeBefore
            = chooser().window()->findChild<QPushButton *>(QStringLiteral("Command2"))->geometry();
        chooser().window()->resize(chooser().window()->size() * 2);
        QTest::qWait(1);
        QCOMPARE(combo()->geometry(), comboBefore);
        QCOMPARE(
            chooser().window()->findChild<QPushButton *>(QStringLiteral("Command2"))->geometry(),
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
        chooser().showModal();
        QVERIFY(pick(index));
        QCOMPARE(combo()->currentIndex(), index);
        QCOMPARE(PrintService::shared().currentPrinter(), installed.at(index));
        QCOMPARE(labelText("Label2"),
                 QStringLiteral("La stampante scelta è \r\n") + installed.at(index));
        // What the system calls a printer is shown as it is, never as markup.
        for (const char *name : {"Label1", "Label2"})
            QCOMPARE(
                chooser().window()->findChild<QLabel *>(QString::fromLatin1(name))->textFormat(),
                Qt::PlainText);
    }

    void aPrinterGoneSinceListingKeepsTheCurrentOne()
    {
        chooser().showModal();
        m_installed = QStringList{QStringLiteral("Aula 1"), QStringLiteral("Segreteria")};
        QVERIFY(pick(1)); // "Aula 2", no longer installed
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label2"), QStringLiteral("La stampante scelta è \r\nSegreteria"));
    }

    void closeButtonHidesAndReopeningShowsTheSameState()
    {
        chooser().showModal();
        QVERIFY(pick(1));
        const QString label1 = labelText("Label1");
        const QString label2 = labelText("Label2");
        QTest::mouseClick(chooser().window()->findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QVERIFY(chooser().isLoaded());
        QVERIFY(!chooser().window()->isVisible());
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Aula 2"));

        // Printers installed meanwhile do not appear: the list is not rebuilt.
        m_installed.append(QStringLiteral("Nuova"));
        chooser().showModal();
        QCOMPARE(entries(), aule);
        QCOMPARE(combo()->currentIndex(), 1);
        QCOMPARE(labelText("Label1"), label1);
        QCOMPARE(labelText("Label2"), label2);
        // Still armed: the next pick counts.
        QVERIFY(pick(2));
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Segreteria"));
    }

    void frameCloseUnloadsAndReopeningRebuilds()
    {
        chooser().showModal();
        QVERIFY(pick(1));
        chooser().window()->close();
        QVERIFY(!chooser().isLoaded());

        m_installed = QStringList{QStringLiteral("Aula 2"), QStringLiteral("Nuova")};
        chooser().showModal();
        QCOMPARE(entries(), m_installed);
        QCOMPARE(combo()->currentIndex(), 0);
        // The current printer is the one chosen before, not the default.
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Aula 2"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nAula 2"));
        QCOMPARE(labelText("Label2"), QString());
        // The automatic selection of this loading did not count; a pick does.
        QVERIFY(pick(1));
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Nuova"));
    }

    void noPrinterInstalled()
    {
        m_installed.clear();
        chooser().showModal();
        QCOMPARE(combo()->count(), 0);
        QCOMPARE(PrintService::shared().currentPrinter(), QStringLiteral("Segreteria"));
        QCOMPARE(labelText("Label1"), QStringLiteral("La stampante predefinita è \r\nSegreteria"));
        QCOMPARE(labelText("Label2"), QString());
    }

    void modalOverTheWorksheetScreen()
    {
        Screen &sheet = Screen::the<WorksheetScreen>();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.window()));
        chooser().showModal();
        QVERIFY(QTest::qWaitForWindowExposed(chooser().window()));
        QCOMPARE(chooser().window()->windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), chooser().window());

        QTest::mouseClick(chooser().window()->findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(sheet.window()->isVisible());
    }

private:
    QStringList m_installed;
};

QTEST_MAIN(ChooserTest)
#include "tst_chooser.moc"
