// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's rows for the results server and its "Prova
// connessione".
#include "ServerTestSystem.h"

#include "settings/ServerSection.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace server_test;

class TestServerSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void showsAndGivesBackTheSettings();
    void everyControlHasAName();
    void saysWhatIsWrongBeforeTrying_data();
    void saysWhatIsWrongBeforeTrying();
    void triesTheServerInTheBackground();

private:
    QTemporaryDir m_home;
};

void TestServerSection::initTestCase()
{
    if (missing().isEmpty())
        useTestPasswords(m_home.path());
}

void TestServerSection::showsAndGivesBackTheSettings()
{
    ServerSection section;
    const ServerSettings full{"scuola.example", 5433,          "risultati",
                              "aula",           "verify-full", "gli_room"};
    section.setServer(full);
    QCOMPARE(section.server(), full);
    // Defaults stay defaults: no port, no sslmode of ours.
    section.setServer(ServerSettings{"scuola.example", 0, "", "", "", ""});
    QCOMPARE(section.server().port, 0);
    QCOMPARE(section.server().sslMode, QString());
    section.setServer(ServerSettings{});
    QVERIFY(!section.server().isSet());
}

void TestServerSection::everyControlHasAName()
{
    ServerSection section;
    const QList<QWidget *> controls = section.findChildren<QWidget *>();
    int named = 0;
    for (QWidget *control : controls) {
        if (!qobject_cast<QLineEdit *>(control) && !qobject_cast<QAbstractSpinBox *>(control)
            && !qobject_cast<QComboBox *>(control) && !qobject_cast<QPushButton *>(control))
            continue;
        if (control->parentWidget() != &section)
            continue; // the spin box's own line edit
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
        ++named;
    }
    QCOMPARE(named, 7);
}

void TestServerSection::saysWhatIsWrongBeforeTrying_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("words");
    QTest::newRow("no server") << ""
                               << "Nessun server";
    QTest::newRow("a host with a space") << "scuola example"
                                         << "non è valido";
}

void TestServerSection::saysWhatIsWrongBeforeTrying()
{
    QFETCH(QString, host);
    QFETCH(QString, words);
    ServerSection section;
    section.setServer(ServerSettings{host, 0, "", "", "", ""});
    QSignalSpy tested(&section, &ServerSection::tested);
    QTest::mouseClick(section.testButton(), Qt::LeftButton);
    QCOMPARE(tested.size(), 1);
    QVERIFY2(section.result().contains(words), qPrintable(section.result()));
    QVERIFY(section.testButton()->isEnabled());
}

void TestServerSection::triesTheServerInTheBackground()
{
    if (!missing().isEmpty())
        QSKIP(qPrintable(missing()));
    Database database(Database::Tables::SchoolScript);
    QVERIFY2(database.ready(), qPrintable(database.error()));
    ServerSection section;
    QSignalSpy tested(&section, &ServerSection::tested);

    ServerSettings wrong = database.asProgram();
    wrong.database = QStringLiteral("gli_nessuno");
    section.setServer(wrong);
    QTest::mouseClick(section.testButton(), Qt::LeftButton);
    QVERIFY(!section.testButton()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(tested.size(), 1, 30'000);
    QCOMPARE(section.result(), serverFaultText(ServerFault::NoDatabase, wrong.description()));

    section.setServer(database.asProgram());
    QTest::mouseClick(section.testButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(tested.size(), 2, 30'000);
    QCOMPARE(tested.last().first().value<ServerFault>(), ServerFault::None);
    QVERIFY2(section.result().contains(database.name()), qPrintable(section.result()));
    QVERIFY(section.testButton()->isEnabled());
}

QTEST_MAIN(TestServerSection)
#include "tst_serversection.moc"
