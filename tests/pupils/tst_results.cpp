// SPDX-License-Identifier: GPL-3.0-or-later
// The results as the teacher reads them: the models' columns and sorting
// over a fixed table, the bars, the painted page and its PDF, and the
// results screen over the real results file: loading, a pupil's days, the
// period, CSV, PDF, printing, deleting after a question, a file in trouble.
#include "PupilsFixture.h"

#include "printing/PageArea.h"
#include "pupils/ResultsModels.h"
#include "pupils/ResultsPage.h"
#include "pupils/ResultsScreen.h"
#include "storage/Mistake.h"
#include "storage/SqliteResultsStore.h"
#include "worksheets/PdfTools.h"

#include <QAction>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

using pupilstest::program;

namespace {
const QString guest;

// Four rows where sorting by text would give another order than by number
// or by day in every column but the name.
QList<PupilSummary> fixedRows()
{
    return {
        {QStringLiteral("Bruno"), 10, 8, 2, 0.8, 3.5, QDate(2026, 3, 10), Mistake::OffByOne},
        {QStringLiteral("anna"), 2, 1, 1, 0.5, 12.0, QDate(2026, 3, 18), Mistake::MissesEqual},
        {guest, 25, 5, 20, 0.2, 1.25, QDate(2026, 1, 31), Mistake::SwapsLessGreater},
        {QStringLiteral("Carla"), 100, 100, 0, 1.0, 2.0, QDate(2025, 12, 24), Mistake::None},
    };
}

// The pupils of a model, top to bottom.
QStringList pupilsOf(const QAbstractItemModel &model)
{
    QStringList pupils;
    for (int row = 0; row < model.rowCount(); ++row)
        pupils << model.index(row, 0).data(results::PupilRole).toString();
    return pupils;
}

// The results screen over the program's service, with the answers given.
ResultsScreen *openWith(const QList<AnswerRecord> &answers)
{
    if (!pupilstest::saveAll(program->results(), answers))
        return nullptr;
    ResultsScreen *screen = program->openResults();
    screen->setQuestion([](QWidget *, const QString &) { return false; });
    return screen;
}

const QList<AnswerRecord> classAnswers()
{
    using pupilstest::answer;
    const QString anna = QStringLiteral("Anna");
    return {answer(anna, 3, 5, u'<'), answer(anna, 4, 4, u'<'), answer(anna, 7, 2, u'>'),
            answer(QStringLiteral("Bruno"), 6, 6, u'='), answer(guest, 2, 9, u'>')};
}
} // namespace

class TestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void summaryCells();
    void sorting_data();
    void sorting();
    void days();
    void paintedBarsAndPages();
    void pdfDocument();

    void screenLoadsAndShowsDays();
    void csvPdfAndPrint();
    void deleteAfterQuestion();
    void fileInTrouble();
};

void TestResults::initTestCase()
{
    // Numbers and days written the same way wherever the test runs.
    QLocale::setDefault(QLocale::c());
}

void TestResults::cleanup()
{
    program.reset();
}

void TestResults::summaryCells()
{
    PupilSummaryModel model;
    model.setRows(fixedRows());
    QCOMPARE(model.columnCount(), int(PupilSummaryModel::ColumnCount));
    QCOMPARE(model.headerData(PupilSummaryModel::CommonMistake, Qt::Horizontal).toString(),
             QStringLiteral("Errore più frequente"));
    const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return model.index(row, column).data(role);
    };
    const QStringList bruno{QStringLiteral("Bruno"),
                            QStringLiteral("10"),
                            QStringLiteral("8"),
                            QStringLiteral("2"),
                            QStringLiteral("80 %"),
                            QStringLiteral("3.5"),
                            QLocale::c().toString(QDate(2026, 3, 10), QLocale::ShortFormat),
                            QStringLiteral("sbaglia di uno")};
    for (int column = 0; column < model.columnCount(); ++column)
        QCOMPARE(cell(0, column).toString(), bruno[column]);
    QCOMPARE(cell(1, PupilSummaryModel::CommonMistake).toString(), QStringLiteral("non vede ="));
    QCOMPARE(cell(2, PupilSummaryModel::CommonMistake).toString(), QStringLiteral("scambia < e >"));
    QVERIFY(cell(3, PupilSummaryModel::CommonMistake).toString().isEmpty());
    // The guest by name, kept as empty.
    QCOMPARE(cell(2, PupilSummaryModel::Pupil).toString(), QStringLiteral("Ospite"));
    QCOMPARE(cell(2, PupilSummaryModel::Pupil, results::PupilRole).toString(), guest);
    // The bar's counts, and the same in words for a screen reader.
    QCOMPARE(cell(2, PupilSummaryModel::ShareRight, results::RightRole).toInt(), 5);
    QCOMPARE(cell(2, PupilSummaryModel::ShareRight, results::WrongRole).toInt(), 20);
    QCOMPARE(cell(2, PupilSummaryModel::ShareRight, Qt::AccessibleTextRole).toString(),
             QStringLiteral("20 %: 5 giusti, 20 sbagliati"));
}

void TestResults::sorting_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("pupils");
    const QString a = QStringLiteral("anna"), b = QStringLiteral("Bruno"),
                  c = QStringLiteral("Carla");
    using M = PupilSummaryModel;
    QTest::newRow("names, any case, the guest as Ospite")
        << int(M::Pupil) << Qt::AscendingOrder << QStringList{a, b, c, guest};
    QTest::newRow("exercises as numbers")
        << int(M::Exercises) << Qt::AscendingOrder << QStringList{a, b, guest, c};
    QTest::newRow("right, most first")
        << int(M::Right) << Qt::DescendingOrder << QStringList{c, b, guest, a};
    QTest::newRow("wrong") << int(M::Wrong) << Qt::AscendingOrder << QStringList{c, a, b, guest};
    QTest::newRow("share right") << int(M::ShareRight) << Qt::AscendingOrder
                                 << QStringList{guest, a, b, c};
    QTest::newRow("mean seconds as numbers")
        << int(M::MeanSeconds) << Qt::AscendingOrder << QStringList{guest, c, b, a};
    QTest::newRow("last day by the calendar")
        << int(M::LastDay) << Qt::AscendingOrder << QStringList{c, guest, b, a};
}

void TestResults::sorting()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, pupils);
    program = std::make_unique<Program>();
    // The screen's own sorting, as a click on the header does it.
    ResultsScreen screen(program->results(), program->printService(), program->outputPool(),
                         QString());
    screen.summary().setRows(fixedRows());
    auto *view = screen.findChild<QTableView *>(QStringLiteral("tblRisultati"));
    view->sortByColumn(column, order);
    QCOMPARE(pupilsOf(screen.sortedSummary()), pupils);
    // The page prints them in the same order.
    const ResultsTable table = screen.printedTable();
    QCOMPARE(table.rows.size(), pupils.size());
    for (int row = 0; row < pupils.size(); ++row) {
        const QString shown = pupils[row].isEmpty() ? QStringLiteral("Ospite") : pupils[row];
        QCOMPARE(table.rows[row].constFirst(), shown);
    }
}

void TestResults::days()
{
    PupilDayModel model;
    model.setDays(QStringLiteral("Anna"),
                  {{QDate(2026, 3, 9), 4, 3, 1, 2.5, Mistake::OffByOne},
                   {QDate(2026, 3, 10), 10, 10, 0, 1.0, Mistake::None}});
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(results::SortRole);
    sorted.sort(PupilDayModel::Day, Qt::DescendingOrder);
    QCOMPARE(sorted.index(0, PupilDayModel::Exercises).data().toString(), QStringLiteral("10"));
    QCOMPARE(sorted.index(1, PupilDayModel::ShareRight).data().toString(), QStringLiteral("75 %"));
    QCOMPARE(sorted.index(1, PupilDayModel::CommonMistake).data().toString(),
             QStringLiteral("sbaglia di uno"));
    QCOMPARE(sorted.index(1, PupilDayModel::Day).data(results::PupilRole).toString(),
             QStringLiteral("Anna"));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TestResults::paintedBarsAndPages()
{
    PupilSummaryModel model;
    model.setRows(fixedRows());
    const ResultsTable table = ResultsTable::fromModel(model, QStringLiteral("Classe 3B"),
                                                       PupilSummaryModel::ShareRight);
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QCOMPARE(resultspage::paint(painter, QRectF(20, 20, 760, 560), table, 0), 4);
    }
    // Every bar as long as the others: green and red in the shares' proportion
    // (0.8, 0.5, 0.2 and 1 right).
    qint64 green = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c == QColor(0, 150, 0);
            red += c == QColor(210, 0, 0);
        }
    }
    QVERIFY(green > 0 && red > 0);
    QVERIFY2(qAbs(double(green) / double(green + red) - 0.625) < 0.03,
             qPrintable(QStringLiteral("green %1, red %2").arg(green).arg(red)));

    // A short page takes some rows; the next page goes on from there.
    QImage shortPage(800, 160, QImage::Format_RGB32);
    QPainter painter(&shortPage);
    const int first = resultspage::paint(painter, QRectF(0, 0, 800, 160), table, 0);
    QVERIFY(first > 0 && first < 4);
    QCOMPARE(resultspage::paint(painter, QRectF(0, 0, 800, 160), table, first),
             std::min(4, 2 * first));
}

void TestResults::pdfDocument()
{
    if (!pdftools::available())
        QSKIP("poppler's pdftotext and pdfinfo are not installed");
    ResultsTable table;
    table.title = QStringLiteral("Risultati della classe 3B");
    table.headers = {QStringLiteral("Alunno"), QStringLiteral("Giusti in %")};
    table.barColumn = 1;
    for (int i = 1; i <= 120; ++i) {
        table.rows.append({QStringLiteral("Pupil%1").arg(i), QStringLiteral("%1 %").arg(i % 100)});
        table.bars.append({i % 7, 7 - i % 7});
    }
    const QByteArray pdf = resultspage::pdf(table, PageArea::fallback());
    QVERIFY(pdf.startsWith("%PDF"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.pdf"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size());
    out.close();
    const int pages = pdftools::pageCount(file);
    QVERIFY(pages > 1);
    const QString text = pdftools::text(file);
    // Every row on some page, the title and header on every page.
    for (int i = 1; i <= 120; ++i)
        QVERIFY2(text.contains(QStringLiteral("Pupil%1 ").arg(i)), qPrintable(QString::number(i)));
    QCOMPARE(text.count(table.title), pages);
    QCOMPARE(pdftools::text(file, pages).count(QStringLiteral("Alunno")), 1);
}

void TestResults::screenLoadsAndShowsDays()
{
    pupilstest::freshProgram({}, QStringLiteral("3B"));
    ResultsScreen *screen = openWith(classAnswers());
    QVERIFY(screen);
    QVERIFY(screen->isLoading());
    QCOMPARE(screen->status(), QStringLiteral("Caricamento..."));
    QTRY_COMPARE(screen->summary().rowCount(), 3);
    QVERIFY(!screen->isLoading());
    QVERIFY(screen->status().isEmpty());
    QCOMPARE(pupilsOf(screen->sortedSummary()),
             (QStringList{QStringLiteral("Anna"), QStringLiteral("Bruno"), guest}));

    // A click on a row shows that pupil's days.
    auto *view = screen->findChild<QTableView *>(QStringLiteral("tblRisultati"));
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    const QRect annaRow = view->visualRect(screen->sortedSummary().index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, annaRow.center());
    QCOMPARE(screen->shownPupil(), QStringLiteral("Anna"));
    QTRY_COMPARE(screen->days().rowCount(), 1);
    const QModelIndex today = screen->days().index(0, PupilDayModel::Exercises);
    QCOMPARE(today.data().toString(), QStringLiteral("3"));
    QCOMPARE(screen->days().index(0, PupilDayModel::Right).data().toString(), QStringLiteral("2"));

    // An answer given while the screen is open shows soon after.
    QVERIFY(pupilstest::saveAll(program->results(),
                                {pupilstest::answer(QStringLiteral("Carla"), 1, 2, u'<')}));
    QTRY_COMPARE(screen->summary().rowCount(), 4);
    QTRY_COMPARE(screen->days().rowCount(), 1);

    // Another period asks again, and the pupil stays chosen.
    screen->setPeriod(ResultsPeriod::Today);
    QVERIFY(screen->isLoading());
    QTRY_VERIFY(!screen->isLoading());
    QCOMPARE(screen->summary().rowCount(), 4);
    QCOMPARE(view->currentIndex().data(results::PupilRole).toString(), QStringLiteral("Anna"));
    QVERIFY(view->selectionModel()->isRowSelected(view->currentIndex().row()));
}

void TestResults::csvPdfAndPrint()
{
    pupilstest::freshProgram({}, QStringLiteral("3B"));
    ResultsScreen *screen = openWith(classAnswers());
    QVERIFY(screen);
    QTRY_COMPARE(screen->summary().rowCount(), 3);
    QTemporaryDir dir;
    QString asked;
    screen->setFileNameProvider([&](QWidget *, const QString &title, const QString &) {
        asked = title;
        return dir.filePath(QStringLiteral("risultati"));
    });

    screen->findChild<QAction *>(QStringLiteral("mnuEsportaCsv"))->trigger();
    const QString csv = dir.filePath(QStringLiteral("risultati.csv"));
    QTRY_COMPARE(screen->message(), QStringLiteral("Risultati esportati in %1").arg(csv));
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("Anna"));

    QSignalSpy finished(screen, &ResultsScreen::outputFinished);
    screen->findChild<QAction *>(QStringLiteral("mnuSalvaPdf"))->trigger();
    QVERIFY(screen->isOutputRunning());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.takeFirst().constFirst().toBool(), true);
    const QString pdf = dir.filePath(QStringLiteral("risultati.pdf"));
    QCOMPARE(screen->message(), QStringLiteral("Salvata in %1").arg(pdf));
    if (pdftools::available()) {
        const QString text = pdftools::text(pdf);
        QVERIFY(text.contains(QStringLiteral("Anna")));
        QVERIFY(text.contains(QStringLiteral("classe 3B")));
    }

    // No print system answers the tests: the screen says so and goes on.
    screen->findChild<QAction *>(QStringLiteral("mnuStampa"))->trigger();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.takeFirst().constFirst().toBool(), false);
    QVERIFY2(screen->message().startsWith(QStringLiteral("Non è stato possibile stampare")),
             qPrintable(screen->message()));
    QVERIFY(screen->findChild<QAction *>(QStringLiteral("mnuStampa"))->isEnabled());

    // A folder that cannot be written: the reason, and no file.
    screen->setFileNameProvider([&](QWidget *, const QString &, const QString &) {
        return dir.filePath(QStringLiteral("missing/risultati.pdf"));
    });
    screen->savePdf();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.takeFirst().constFirst().toBool(), false);
    QVERIFY(screen->message().contains(QStringLiteral("missing")));
}

void TestResults::deleteAfterQuestion()
{
    pupilstest::freshProgram();
    ResultsScreen *screen = openWith(classAnswers());
    QVERIFY(screen);
    QTRY_COMPARE(screen->summary().rowCount(), 3);
    QStringList questions;
    bool answer = false;
    screen->setQuestion([&](QWidget *, const QString &text) {
        questions << text;
        return answer;
    });
    auto *deletePupil = screen->findChild<QAction *>(QStringLiteral("mnuEliminaAlunno"));
    auto *deleteAll = screen->findChild<QAction *>(QStringLiteral("mnuEliminaTutti"));

    // The guest's results go only with everyone's.
    screen->showPupil(guest);
    QVERIFY(!deletePupil->isEnabled());
    screen->showPupil(QStringLiteral("Anna"));
    QVERIFY(deletePupil->isEnabled());

    // "No" keeps everything; the question names the pupil and the file.
    deletePupil->trigger();
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.last().contains(QStringLiteral("Anna")));
    QVERIFY(questions.last().contains(program->results().location()));
    screen->refresh();
    QTRY_VERIFY(!screen->isLoading());
    QCOMPARE(screen->summary().rowCount(), 3);

    answer = true;
    deletePupil->trigger();
    QTRY_COMPARE(screen->summary().rowCount(), 2);
    QTRY_VERIFY(!screen->isLoading());
    QCOMPARE(pupilsOf(screen->sortedSummary()), (QStringList{QStringLiteral("Bruno"), guest}));
    QCOMPARE(screen->message(), QStringLiteral("Risultati eliminati."));
    QVERIFY(!screen->isPupilShown());

    deleteAll->trigger();
    QCOMPARE(questions.size(), 3);
    QVERIFY(questions.last().contains(QStringLiteral("tutti")));
    QTRY_COMPARE(screen->summary().rowCount(), 0);
    QTRY_COMPARE(screen->status(), QStringLiteral("Nessun risultato in questo periodo."));
    QVERIFY(!deleteAll->isEnabled());
}

void TestResults::fileInTrouble()
{
    program = std::make_unique<Program>();
    QTemporaryDir dir;
    // The results file's folder is a plain file: nothing can be opened there.
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = blocker + QStringLiteral("/results.sqlite");
    ResultsService service([path] { return std::make_unique<SqliteResultsStore>(path); }, path);
    ResultsScreen screen(service, program->printService(), program->outputPool(), QString());
    QTRY_VERIFY(!screen.isLoading());
    // It says where: the file, or the folder it should be in.
    QVERIFY2(screen.status().contains(QDir::toNativeSeparators(blocker)),
             qPrintable(screen.status()));
    QCOMPARE(screen.summary().rowCount(), 0);
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
