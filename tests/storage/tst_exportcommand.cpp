// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --export-results, --help and --version work
// without a display, say what went wrong, and end with the right status.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestExportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void runs_data();
    void runs();
    void withoutItsResultsModuleSaysSo();

private:
    QTemporaryDir m_dir;
    // The data folders: "data" with two pupils' answers, "damaged" with a
    // results file that is no database, "empty" without a results file.
    QString dataHome(const QString &name) const { return m_dir.filePath(name); }
    // Starts program with the data folder `data`, the texts in `language`
    // and no display of any kind: the command line must not need one.
    void start(QProcess &process, const QString &program, const QStringList &arguments,
               const QString &language, const QString &data) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANGUAGE"), language);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome(data));
        process.setProcessEnvironment(env);
        process.start(program, arguments);
    }
    QString resultsIn(const QString &name) const
    {
        return dataHome(name) + QStringLiteral("/gli-insiemi/results.sqlite");
    }
};

void TestExportCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The same file the program reads: the data folder's gli-insiemi/.
    const QString file = resultsIn(QStringLiteral("data"));
    for (const QString &pupil : {QStringLiteral("=Anna \"A\""), QStringLiteral("Bruno")}) {
        QProcess writer;
        writer.start(QStringLiteral(GLI_RESULTS_WRITER), {file, pupil, QStringLiteral("4")});
        QVERIFY(writer.waitForFinished(60'000));
        QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError().constData());
    }
    QVERIFY(QDir().mkpath(QFileInfo(resultsIn(QStringLiteral("damaged"))).absolutePath()));
    QFile damaged(resultsIn(QStringLiteral("damaged")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QVERIFY(damaged.write("Alunno;Giusti\r\n") > 0);
}

void TestExportCommand::runs_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1 is the test's folder
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("data"); // the data folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // a part of standard output
    QTest::addColumn<QString>("error"); // a part of standard error
    QTest::addColumn<QStringList>("lines"); // the CSV file's lines, BOM and CR LF off

    const QString csv = QStringLiteral("%1/risultati.csv");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << "it"
                          << "data" << 0 << "--export-results <FILE>"
                          << "" << QStringList();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << "en"
                             << "data" << 0 << "gli-insiemi " GLI_VERSION << "" << QStringList();
    QTest::newRow("Italian: semicolons, decimal comma")
        << QStringList{QStringLiteral("--export-results"), csv} << "it"
        << "data" << 0 << ""
        << ""
        << QStringList{QStringLiteral("\"Alunno\";\"Esercizi\";\"Giusti\";\"Sbagliati\";"
                                      "\"Giusti (%)\";\"Secondi in media\";\"Ultimo giorno\";"
                                      "\"Errore più frequente\""),
                       QStringLiteral("\"'=Anna \"\"A\"\"\";\"4\";\"2\";\"2\";\"50,0\";\"1,5\";"),
                       QStringLiteral("\"Bruno\";\"4\";\"2\";\"2\";\"50,0\";\"1,5\";")};
    QTest::newRow("English: commas, decimal point")
        << QStringList{QStringLiteral("--export-results=%1/risultati.csv")} << "en"
        << "data" << 0 << ""
        << ""
        << QStringList{QStringLiteral("\"Pupil\",\"Exercises\","),
                       QStringLiteral("\"'=Anna \"\"A\"\"\",\"4\",\"2\",\"2\",\"50.0\",\"1.5\","),
                       QStringLiteral("\"Bruno\",\"4\",")};
    QTest::newRow("no results yet: the heading only")
        << QStringList{QStringLiteral("--export-results"), csv} << "de"
        << "empty" << 0 << ""
        << "" << QStringList{QStringLiteral("\"Schüler\";")};
    QTest::newRow("no such folder")
        << QStringList{QStringLiteral("--export-results"), QStringLiteral("%1/nowhere/r.csv")}
        << "it"
        << "data" << 1 << ""
        << "nowhere" << QStringList();
    QTest::newRow("no file named") << QStringList{QStringLiteral("--export-results")} << "it"
                                   << "data" << 1 << ""
                                   << "--export-results" << QStringList();
    QTest::newRow("an argument too many")
        << QStringList{QStringLiteral("--export-results"), csv, QStringLiteral("altro")} << "it"
        << "data" << 1 << ""
        << "altro" << QStringList();
    QTest::newRow("damaged file: moved aside, said, status 1")
        << QStringList{QStringLiteral("--export-results"), csv} << "it"
        << "damaged" << 1 << ""
        << "results.sqlite.damaged-" << QStringList{QStringLiteral("\"Alunno\";")};
}

void TestExportCommand::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, data);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QFETCH(QStringList, lines);
    const QString csv = m_dir.filePath(QStringLiteral("risultati.csv"));
    QFile::remove(csv);
    for (QString &argument : arguments)
        argument = argument.arg(m_dir.path());

    QProcess program;
    start(program, QStringLiteral(GLI_PROGRAM), arguments, language, data);
    QVERIFY(program.waitForFinished(60'000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, qPrintable(err));
    QVERIFY2(out.contains(output), qPrintable(out));
    QVERIFY2(err.contains(error), qPrintable(err));
    // Each fault said once, on one line.
    QCOMPARE(err.count(u'\n'), status == 0 ? 0 : 1);
    QVERIFY(!QFile::exists(dataHome(QStringLiteral("empty"))));

    QFile file(csv);
    QCOMPARE(file.exists(), !lines.isEmpty());
    if (lines.isEmpty())
        return;
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList written =
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(written.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(written.at(i).startsWith(lines.at(i)), qPrintable(written.at(i)));
}

// A copy of the program without the results module beside it (or in its
// library folder) writes nothing and says which module it missed.
void TestExportCommand::withoutItsResultsModuleSaysSo()
{
    const QString alone = m_dir.filePath(QStringLiteral("alone/bin/gli-insiemi"));
    QVERIFY(QDir().mkpath(QFileInfo(alone).absolutePath()));
    QVERIFY(QFile::copy(QStringLiteral(GLI_PROGRAM), alone));
    const QString csv = m_dir.filePath(QStringLiteral("alone/risultati.csv"));
    QProcess program;
    start(program, alone, {QStringLiteral("--export-results"), csv}, QStringLiteral("it"),
          QStringLiteral("data"));
    QVERIFY(program.waitForFinished(60'000));
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 1, qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("gli-insiemi-results.so")), qPrintable(err));
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(csv));
}

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
