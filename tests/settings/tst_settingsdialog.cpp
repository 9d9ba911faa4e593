// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog driven as the teacher does: the class list's field,
// buttons and clipboard, OK and Cancel, an added section, and the dialog
// opened from the start screen's menu, its settings applied and kept.
#include "drill/DrillScreen.h"
#include "settings/ClassListEditor.h"
#include "settings/SettingsDialog.h"
#include "start/Program.h"
#include "start/StartScreen.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {
const QString anna = QStringLiteral("Anna");
const QString luca = QStringLiteral("Luca");
const QString sqlName = QStringLiteral("Robert'); DROP TABLE pupils;--");

// The dialog on its own, over a class of two, and what the teacher reaches.
struct Bench
{
    Bench() : dialog(given(), nullptr) { dialog.show(); }

    static ProgramSettings given()
    {
        ProgramSettings s;
        s.voice = false;
        s.level = SetLevel::UpTo15;
        s.pupils = {anna, luca};
        s.className = QStringLiteral("1ª B");
        return s;
    }
    template<class T = QWidget> T *find(const char *name)
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *field() { return find<QLineEdit>("txtNomeAlunno"); }
    QString message() { return find<QLabel>("lblMotivo")->text(); }
    QStringList names() { return dialog.classList()->names(); }
    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void chooseRow(int row)
    {
        auto *view = find<QListView>("lstClasse");
        view->setCurrentIndex(view->model()->index(row, 0));
    }

    SettingsDialog dialog;
};
} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void typedNames_data();
    void typedNames();
    void renameRemoveAndPaste();
    void okTellsOnceAndCancelNothing();
    void everyControlIsNamedForScreenReaders();
    void menuOpensItModalAndOkApplies();
};

void TestSettingsDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void TestSettingsDialog::init()
{
    QSettings(QString::fromLatin1(ProgramSettings::organisation),
              QString::fromLatin1(ProgramSettings::application))
        .clear();
}

void TestSettingsDialog::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: added
    QTest::newRow("a new name") << QStringLiteral("Marco") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral("Il nome è vuoto.");
    QTest::newRow("another's name")
        << QStringLiteral("LUCA") << QStringLiteral("Questo nome c'è già.");
    QTest::newRow("text that looks like SQL") << sqlName << QString();
}

void TestSettingsDialog::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Bench bench;
    QCOMPARE(bench.dialog.settings(), Bench::given());
    QSignalSpy accepted(&bench.dialog, &QDialog::accepted);
    QTest::keyClicks(bench.field(), typed);
    QTest::keyClick(bench.field(), Qt::Key_Return);
    // Enter adds the name, or says why not; it does not close the dialog.
    QCOMPARE(bench.message(), message);
    const QStringList before{anna, luca};
    QCOMPARE(bench.names(), message.isEmpty() ? before + QStringList{typed} : before);
    QCOMPARE(bench.field()->text(), message.isEmpty() ? QString() : typed);
    QVERIFY(bench.dialog.isVisible());
    QCOMPARE(accepted.count(), 0);
}

void TestSettingsDialog::renameRemoveAndPaste()
{
    Bench bench;
    auto *rename = bench.find<QPushButton>("cmdRinomina");
    QVERIFY(!rename->isEnabled());
    bench.chooseRow(1);
    QCOMPARE(bench.field()->text(), luca);
    bench.field()->setText(QStringLiteral("anna "));
    bench.click("cmdRinomina");
    QCOMPARE(bench.message(), QStringLiteral("Questo nome c'è già."));
    bench.field()->setText(sqlName);
    bench.click("cmdRinomina");
    QCOMPARE(bench.names(), (QStringList{anna, sqlName}));
    bench.chooseRow(0);
    bench.click("cmdTogli");
    QCOMPARE(bench.names(), QStringList{sqlName});

    QGuiApplication::clipboard()->setText(QStringLiteral("Bea\r\n\r\nanna\r\n") + sqlName);
    bench.click("cmdIncollaElenco");
    QCOMPARE(bench.names(), (QStringList{sqlName, QStringLiteral("Bea"), QStringLiteral("anna")}));
    QCOMPARE(bench.message(), QStringLiteral("Nomi aggiunti: 2. Già presenti: %1.").arg(sqlName));
    // Lines pasted into the name field are a list too.
    bench.field()->setText(QStringLiteral("Marco\nbea"));
    bench.click("cmdAggiungi");
    QCOMPARE(bench.names().size(), 4);
    QCOMPARE(bench.dialog.settings().pupils, bench.names());
}

void TestSettingsDialog::okTellsOnceAndCancelNothing()
{
    {
        Bench bench;
        QSignalSpy changed(&bench.dialog, &SettingsDialog::settingsChanged);
        bench.find<QCheckBox>("chkVoce")->setChecked(true);
        bench.find<QComboBox>("cmbLivello")->setCurrentIndex(0);
        // Both presses of a double click.
        bench.click("cmdOK");
        bench.click("cmdOK");
        QCOMPARE(changed.count(), 1);
        ProgramSettings expected = Bench::given();
        expected.voice = true;
        expected.level = SetLevel::UpTo5;
        QCOMPARE(changed.at(0).at(0).value<ProgramSettings>(), expected);
        QCOMPARE(bench.dialog.result(), int(QDialog::Accepted));
    }
    Bench bench;
    QSignalSpy changed(&bench.dialog, &SettingsDialog::settingsChanged);
    bench.find<QComboBox>("cmbLivello")->setCurrentIndex(0);
    QTest::keyClick(&bench.dialog, Qt::Key_Escape);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(bench.dialog.result(), int(QDialog::Rejected));
}

void TestSettingsDialog::everyControlIsNamedForScreenReaders()
{
    Bench bench;
    auto *section = new QWidget;
    auto *host = new QLineEdit(section);
    host->setAccessibleName(QStringLiteral("Server"));
    (new QFormLayout(section))->addRow(QStringLiteral("Server"), host);
    bench.dialog.addSection(QStringLiteral("Risultati"), section);
    QTRY_VERIFY(host->isVisible());
    QCOMPARE(host->window(), &bench.dialog);

    int named = 0;
    for (QWidget *control : bench.dialog.findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible())
            continue;
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
        ++named;
    }
    // Voice, level, class name, list, field, four buttons, OK, Cancel, server.
    QCOMPARE(named, 12);
}

void TestSettingsDialog::menuOpensItModalAndOkApplies()
{
    auto program = std::make_unique<Program>();
    QCOMPARE(program->settings(), ProgramSettings{});
    StartScreen *start = program->openStart();
    QSignalSpy changed(program.get(), &Program::settingsChanged);
    QAction *item = start->findChild<QAction *>(QStringLiteral("mnuImpostazioni"));
    item->trigger();
    item->trigger(); // still one dialog
    SettingsDialog *dialog = program->settingsDialog();
    QCOMPARE(start->findChildren<SettingsDialog *>(), QList<SettingsDialog *>{dialog});
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(QApplication::activeModalWidget(), dialog);

    // The exercise on screen keeps its sets; the next ones are drawn anew.
    program->openDrill();
    const RelationDrill &drill = program->drillState().drill;
    const QList<int> shown = drill.leftSlots();
    dialog->findChild<QCheckBox *>(QStringLiteral("chkVoce"))->setChecked(false);
    dialog->findChild<QComboBox *>(QStringLiteral("cmbLivello"))->setCurrentIndex(0);
    dialog->classList()->pasteList(anna + u'\n' + sqlName);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(!program->settingsDialog());

    ProgramSettings expected;
    expected.voice = false;
    expected.level = SetLevel::UpTo5;
    expected.pupils = {anna, sqlName};
    QCOMPARE(program->settings(), expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(program->worksheet().level(), SetLevel::UpTo5);
    QCOMPARE(drill.leftSlots(), shown);
    for (int i = 0; i < 30; ++i) {
        program->drillScreen()->nextExercise();
        QVERIFY(drill.leftSize() <= 5 && drill.rightSize() <= 5);
    }

    // The next run starts with them.
    program->closeAll();
    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Program again;
    QCOMPARE(again.settings(), expected);
    QCOMPARE(again.drillState().drill.level(), SetLevel::UpTo5);
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
