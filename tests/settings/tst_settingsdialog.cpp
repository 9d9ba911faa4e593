// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog driven as the teacher does: the class list's field,
// buttons and clipboard, OK and Cancel, a section added from outside, and
// the dialog opened from the start screen's menu, its settings applied and
// kept for the next run.
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

#include <memory>

namespace {
const QString anna = QStringLiteral("Anna");
const QString luca = QStringLiteral("Luca");
const QString sqlName = QStringLiteral("Robert'); DROP TABLE pupils;--");
const QString emojiName = QStringLiteral("Zoe \U0001F98A \"la piccola\"");

ProgramSettings someSettings()
{
    ProgramSettings s;
    s.voice = false;
    s.level = SetLevel::UpTo15;
    s.pupils = {anna, luca};
    s.className = QStringLiteral("1ª B");
    return s;
}

template<class T> T *find(QWidget *in, const char *name)
{
    return in->findChild<T *>(QString::fromLatin1(name));
}

// The dialog shown on its own, with what the teacher reaches in it.
struct Bench
{
    explicit Bench(const ProgramSettings &settings = someSettings()) : dialog(settings, nullptr)
    {
        dialog.show();
    }

    QLineEdit *nameField() { return find<QLineEdit>(&dialog, "txtNomeAlunno"); }
    QString message() { return find<QLabel>(&dialog, "lblMotivo")->text(); }
    QStringList names() { return dialog.classList()->names(); }
    void click(const char *button)
    {
        QTest::mouseClick(find<QPushButton>(&dialog, button), Qt::LeftButton);
    }
    void type(const QString &name)
    {
        nameField()->clear();
        // Keys for what a keyboard has, the rest as an input method gives it.
        for (QChar c : name) {
            if (c.unicode() < 0x80)
                QTest::keyClick(nameField(), c.toLatin1());
            else
                nameField()->insert(c);
        }
        QTest::keyClick(nameField(), Qt::Key_Return);
    }
    void chooseRow(int row)
    {
        auto *view = find<QListView>(&dialog, "lstClasse");
        view->setCurrentIndex(view->model()->index(row, 0));
    }

    SettingsDialog dialog;
};

void clearProgramSettings()
{
    QSettings settings(QString::fromLatin1(ProgramSettings::organisation),
                       QString::fromLatin1(ProgramSettings::application));
    settings.clear();
    settings.sync();
}
} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void showsTheSettingsItIsGiven_data();
    void showsTheSettingsItIsGiven();
    void typedNames_data();
    void typedNames();
    void renameAndRemoveTheChosenName();
    void pasteFromTheClipboard();
    void okTellsOnceAndCancelNothing();
    void everyControlIsNamedForScreenReaders();

    void menuOpensItModalAndOkApplies();
    void cancelFromTheMenuChangesNothing();
};

void TestSettingsDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void TestSettingsDialog::init()
{
    clearProgramSettings();
}

void TestSettingsDialog::showsTheSettingsItIsGiven_data()
{
    QTest::addColumn<ProgramSettings>("settings");
    QTest::addColumn<QString>("levelShown");
    QTest::newRow("defaults") << ProgramSettings{} << QStringLiteral("fino a 10");
    QTest::newRow("a class, fino a 15") << someSettings() << QStringLiteral("fino a 15");
    ProgramSettings small;
    small.level = SetLevel::UpTo5;
    small.pupils = {sqlName, emojiName};
    QTest::newRow("awkward names, fino a 5") << small << QStringLiteral("fino a 5");
}

void TestSettingsDialog::showsTheSettingsItIsGiven()
{
    QFETCH(ProgramSettings, settings);
    QFETCH(QString, levelShown);
    Bench bench(settings);
    QCOMPARE(find<QCheckBox>(&bench.dialog, "chkVoce")->isChecked(), settings.voice);
    auto *level = find<QComboBox>(&bench.dialog, "cmbLivello");
    QCOMPARE(level->currentText(), levelShown);
    QCOMPARE(level->count(), 3);
    QCOMPARE(find<QLineEdit>(&bench.dialog, "txtNomeClasse")->text(), settings.className);
    QCOMPARE(find<QListView>(&bench.dialog, "lstClasse")->model()->rowCount(),
             settings.pupils.size());
    QVERIFY(bench.dialog.settings() == settings);
    QVERIFY(qobject_cast<QFormLayout *>(bench.dialog.layout()->itemAt(0)->layout()));
}

void TestSettingsDialog::typedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    QTest::newRow("a new name") << QStringLiteral("Marco")
                                << QStringList{anna, luca, QStringLiteral("Marco")} << QString();
    QTest::newRow("nothing") << QString() << QStringList{anna, luca}
                             << QStringLiteral("Il nome è vuoto.");
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringList{anna, luca}
                            << QStringLiteral("Il nome è vuoto.");
    QTest::newRow("another's name") << QStringLiteral("LUCA") << QStringList{anna, luca}
                                    << QStringLiteral("Questo nome c'è già.");
    QTest::newRow("text that looks like SQL")
        << sqlName << QStringList{anna, luca, sqlName} << QString();
    QTest::newRow("emoji and quotes")
        << emojiName << QStringList{anna, luca, emojiName} << QString();
}

void TestSettingsDialog::typedNames()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    Bench bench;
    QSignalSpy accepted(&bench.dialog, &QDialog::accepted);
    bench.type(typed); // ends with Enter
    QCOMPARE(bench.names(), names);
    QCOMPARE(bench.message(), message);
    // Enter adds the name; it does not close the dialog.
    QVERIFY(bench.dialog.isVisible());
    QCOMPARE(accepted.count(), 0);
    // Added, the field is empty for the next; refused, it keeps the text.
    QCOMPARE(bench.nameField()->text(), message.isEmpty() ? QString() : typed);

    // The same through the button.
    bench.nameField()->setText(typed);
    bench.click("cmdAggiungi");
    QVERIFY(!bench.message().isEmpty());
    QCOMPARE(bench.names(), names);
}

void TestSettingsDialog::renameAndRemoveTheChosenName()
{
    Bench bench;
    auto *rename = find<QPushButton>(&bench.dialog, "cmdRinomina");
    auto *remove = find<QPushButton>(&bench.dialog, "cmdTogli");
    QVERIFY(!rename->isEnabled() && !remove->isEnabled());

    bench.chooseRow(1);
    QCOMPARE(bench.nameField()->text(), luca);
    QVERIFY(rename->isEnabled() && remove->isEnabled());
    bench.nameField()->setText(QStringLiteral("anna "));
    bench.click("cmdRinomina");
    QCOMPARE(bench.message(), QStringLiteral("Questo nome c'è già."));
    bench.nameField()->setText(QStringLiteral("Luca Bianchi; \"LB\""));
    bench.click("cmdRinomina");
    QCOMPARE(bench.message(), QString());
    QCOMPARE(bench.names(), (QStringList{anna, QStringLiteral("Luca Bianchi; \"LB\"")}));

    bench.chooseRow(0);
    bench.click("cmdTogli");
    QCOMPARE(bench.names(), QStringList{QStringLiteral("Luca Bianchi; \"LB\"")});
    bench.click("cmdTogli");
    QVERIFY(bench.names().isEmpty());
    QVERIFY(!rename->isEnabled() && !remove->isEnabled());
    QVERIFY(bench.dialog.settings().pupils.isEmpty());
}

void TestSettingsDialog::pasteFromTheClipboard()
{
    Bench bench;
    QGuiApplication::clipboard()->setText(QStringLiteral("Bea\r\n\r\nanna\r\n") + sqlName
                                          + QStringLiteral("\r\n"));
    bench.click("cmdIncollaElenco");
    QCOMPARE(bench.names(), (QStringList{anna, luca, QStringLiteral("Bea"), sqlName}));
    QCOMPARE(bench.message(), QStringLiteral("Nomi aggiunti: 2. Già presenti: anna."));

    bench.click("cmdIncollaElenco");
    QCOMPARE(bench.message(), QStringLiteral("Già presenti: Bea, anna, %1.").arg(sqlName));
    QGuiApplication::clipboard()->setText(QStringLiteral("\n  \n"));
    bench.click("cmdIncollaElenco");
    QCOMPARE(bench.message(), QStringLiteral("Non ci sono nomi da aggiungere."));
    QCOMPARE(bench.names().size(), 4);

    // A list pasted into the name field is a list too.
    bench.nameField()->setText(QStringLiteral("Marco\nGiulia"));
    bench.click("cmdAggiungi");
    QCOMPARE(bench.names().mid(4),
             (QStringList{QStringLiteral("Marco"), QStringLiteral("Giulia")}));
    QVERIFY(bench.nameField()->text().isEmpty());
}

void TestSettingsDialog::okTellsOnceAndCancelNothing()
{
    {
        Bench bench;
        QSignalSpy changed(&bench.dialog, &SettingsDialog::settingsChanged);
        find<QCheckBox>(&bench.dialog, "chkVoce")->setChecked(true);
        find<QComboBox>(&bench.dialog, "cmbLivello")->setCurrentIndex(0);
        bench.type(QStringLiteral("Bea"));
        // Both presses of a double click.
        bench.click("cmdOK");
        bench.click("cmdOK");
        QCOMPARE(changed.count(), 1);
        ProgramSettings expected = someSettings();
        expected.voice = true;
        expected.level = SetLevel::UpTo5;
        expected.pupils << QStringLiteral("Bea");
        QVERIFY(changed.at(0).at(0).value<ProgramSettings>() == expected);
        QVERIFY(!bench.dialog.isVisible());
        QCOMPARE(bench.dialog.result(), int(QDialog::Accepted));
    }
    Bench bench;
    QSignalSpy changed(&bench.dialog, &SettingsDialog::settingsChanged);
    bench.type(QStringLiteral("Bea"));
    bench.click("cmdAnnulla");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(bench.dialog.result(), int(QDialog::Rejected));
}

void TestSettingsDialog::everyControlIsNamedForScreenReaders()
{
    Bench bench;
    auto *section = new QWidget;
    section->setObjectName(QStringLiteral("fraServer"));
    auto *rows = new QFormLayout(section);
    auto *host = new QLineEdit(section);
    host->setAccessibleName(QStringLiteral("Server"));
    rows->addRow(QStringLiteral("Server"), host);
    bench.dialog.addSection(QStringLiteral("Risultati"), section);
    QTRY_VERIFY(section->isVisible());
    QCOMPARE(section->window(), &bench.dialog);

    const QList<QWidget *> controls = bench.dialog.findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *control : controls) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&bench.dialog))
            continue;
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
        QVERIFY(spoken);
        QVERIFY2(!spoken->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
        ++checked;
    }
    // Voice, level, class name, list, field, four buttons, OK, Cancel, the
    // section's field.
    QVERIFY2(checked >= 12, qPrintable(QString::number(checked)));
}

void TestSettingsDialog::menuOpensItModalAndOkApplies()
{
    auto program = std::make_unique<Program>();
    QVERIFY(program->settings() == ProgramSettings{});
    StartScreen *start = program->openStart();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    QSignalSpy changed(program.get(), &Program::settingsChanged);
    QAction *item = start->findChild<QAction *>(QStringLiteral("mnuImpostazioni"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("Impostazioni..."));
    item->trigger();
    item->trigger(); // still one dialog
    SettingsDialog *dialog = program->settingsDialog();
    QVERIFY(dialog);
    QCOMPARE(start->findChildren<SettingsDialog *>().size(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    QCOMPARE(dialog->parentWidget(), start);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Impostazioni"));

    // An exercise already shown keeps its sets; the next is drawn anew.
    program->openDrill();
    const RelationDrill &drill = program->drillState().drill;
    const QList<int> shown = drill.leftSlots();
    find<QCheckBox>(dialog, "chkVoce")->setChecked(false);
    find<QComboBox>(dialog, "cmbLivello")->setCurrentIndex(0);
    find<QLineEdit>(dialog, "txtNomeClasse")->setText(QStringLiteral("2ª A"));
    QGuiApplication::clipboard()->setText(anna + u'\n' + emojiName);
    QTest::mouseClick(find<QPushButton>(dialog, "cmdIncollaElenco"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(!program->settingsDialog());

    ProgramSettings expected;
    expected.voice = false;
    expected.level = SetLevel::UpTo5;
    expected.className = QStringLiteral("2ª A");
    expected.pupils = {anna, emojiName};
    QVERIFY(program->settings() == expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(drill.level(), SetLevel::UpTo5);
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
    QVERIFY(again.settings() == expected);
    QCOMPARE(again.drillState().drill.level(), SetLevel::UpTo5);
    QCOMPARE(again.worksheet().level(), SetLevel::UpTo5);
}

void TestSettingsDialog::cancelFromTheMenuChangesNothing()
{
    Program program;
    StartScreen *start = program.openStart();
    QSignalSpy changed(&program, &Program::settingsChanged);
    start->findChild<QAction *>(QStringLiteral("mnuImpostazioni"))->trigger();
    SettingsDialog *dialog = program.settingsDialog();
    QVERIFY(dialog);
    find<QComboBox>(dialog, "cmbLivello")->setCurrentIndex(2);
    dialog->classList()->pasteList(QStringLiteral("Bea"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!program.settingsDialog());
    QCOMPARE(changed.count(), 0);
    QVERIFY(program.settings() == ProgramSettings{});
    QVERIFY(ProgramSettings::load() == ProgramSettings{});
    QCOMPARE(program.drillState().drill.level(), sets::defaultLevel);
    program.closeAll();
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
