// SPDX-License-Identifier: GPL-3.0-or-later
// The results of the drill: one answer's verdict on screen with its save
// queued, the save call alone on the GUI thread, the time until the answer
// is in the file (synced), and the summaries over a class of 30 pupils with
// 2,000 answers each, from the request until the rows are back on the GUI
// thread.
//
// usage: gli-bench-results [RUNS]

#include "QtBench.h"
#include "Stats.h"

#include "drill/DrillScreen.h"
#include "start/Program.h"
#include "storage/ResultsService.h"
#include "storage/SqliteResultsStore.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int pupils = 30;
constexpr int answersEach = 2000;
constexpr int days = 60;

AnswerRecord someAnswer(std::mt19937 &random, const QString &pupil, const QDateTime &at)
{
    std::uniform_int_distribution<int> count(1, 10);
    const int left = count(random);
    const int right = count(random);
    const QChar correct = left < right ? u'<' : left > right ? u'>' : u'=';
    // About one answer in four wrong.
    const QChar chosen = random() % 4 == 0 ? (correct == u'<' ? u'>' : u'<') : correct;
    AnswerRecord record = AnswerRecord::now(pupil, QStringLiteral("3B"), 10, left, right, chosen,
                                            chosen == correct, 1.0 + double(random() % 80) / 10);
    record.answeredAt = at;
    return record;
}

// A class's answers over two months, written in one transaction (the
// program commits each answer on its own; this only fills the file).
bool fillClass(const QString &path)
{
    {
        SqliteResultsStore store(path);
        if (!store.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
            return false;
        }
    }
    std::mt19937 random(20260318);
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-days);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("fill"));
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO answers (id, pupil, class_name, answered_at, answered_day, level, "
            "left_count, right_count, chosen, correct, seconds, mistake) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int p = 0; ok && p < pupils; ++p) {
            const QString pupil = QStringLiteral("Alunno %1").arg(p + 1);
            for (int i = 0; ok && i < answersEach; ++i) {
                const QDateTime at = start.addSecs(qint64(i) * days * 86400 / answersEach);
                const AnswerRecord a = someAnswer(random, pupil, at);
                insert.addBindValue(a.id.toString(QUuid::WithoutBraces));
                insert.addBindValue(a.pupil);
                insert.addBindValue(a.className);
                insert.addBindValue(a.answeredAt.toMSecsSinceEpoch());
                insert.addBindValue(a.answeredAt.toLocalTime().date().toString(Qt::ISODate));
                insert.addBindValue(a.level);
                insert.addBindValue(a.left);
                insert.addBindValue(a.right);
                insert.addBindValue(QString(a.chosen));
                insert.addBindValue(a.correct ? 1 : 0);
                insert.addBindValue(a.seconds);
                insert.addBindValue(int(classifyMistake(a.left, a.right, a.chosen)));
                ok = insert.exec();
            }
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

// Queues a save the moment VERIFICA is pressed, as the program does when
// the drill judges an answer.
class SaveOnVerify : public QObject
{
public:
    SaveOnVerify(QWidget *verify, ResultsService *service) : m_verify(verify), m_service(service)
    {
        verify->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_verify && event->type() == QEvent::MouseButtonPress)
            m_service->save(AnswerRecord::now(QStringLiteral("Anna"), QStringLiteral("3B"), 10, 3,
                                              5, u'<', true, 2.0));
        return false;
    }

private:
    QWidget *m_verify;
    ResultsService *m_service;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = bench::runsFrom(argc, argv);
    const int samples = std::max(runs, 200);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    // The verdict with its save, on the drill as the child sees it.
    const QString drillFile = dir.filePath(QStringLiteral("drill/results.sqlite"));
    ResultsService drillResults(
        [drillFile] { return std::make_unique<SqliteResultsStore>(drillFile); }, drillFile);
    Program program;
    program.openStart();
    bench::settle();
    DrillScreen &drill = *program.openDrill();
    bench::settle();
    const auto option = [&drill](int index) {
        return drill.findChild<QWidget *>(QStringLiteral("Option1(%1)").arg(index));
    };
    SaveOnVerify saving(option(RelationDrill::optVerify), &drillResults);
    auto *verdict = drill.findChild<QLabel *>(QStringLiteral("LblEsito"));
    std::vector<double> answer;
    {
        bench::PaintWatch paints;
        for (int i = 0; i < samples + 10; ++i) {
            bench::press(option(RelationDrill::optLess));
            bench::release(option(RelationDrill::optLess));
            bench::settle();
            paints.armWidget(verdict);
            const bench::Clock::time_point start = bench::Clock::now();
            bench::press(option(RelationDrill::optVerify));
            if (!paints.waitForPaint() || verdict->text().isEmpty()) {
                std::fprintf(stderr, "no verdict was painted\n");
                return 1;
            }
            const double spent = bench::msSince(start);
            if (i >= 10)
                answer.push_back(spent);
            bench::release(option(RelationDrill::optVerify));
            bench::press(option(RelationDrill::optNext));
            bench::release(option(RelationDrill::optNext));
            bench::settle();
        }
    }
    program.closeAll();
    bench::settle();

    // The save call alone, and the time until the answer is synced to the file.
    const QString saveFile = dir.filePath(QStringLiteral("save/results.sqlite"));
    ResultsService results([saveFile] { return std::make_unique<SqliteResultsStore>(saveFile); },
                           saveFile);
    std::vector<double> call;
    std::vector<double> kept;
    for (int i = 0; i < samples + 10; ++i) {
        const AnswerRecord record = AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 3, 5, u'<',
                                                      true, 2.0);
        double callMs = 0;
        const double keptMs = bench::msUntil(results, &ResultsService::saved, [&] {
            const bench::Clock::time_point start = bench::Clock::now();
            results.save(record);
            callMs = bench::msSince(start);
        });
        if (i >= 10) {
            call.push_back(callMs);
            kept.push_back(keptMs);
        }
    }

    // The summaries over a class.
    const QString classFile = dir.filePath(QStringLiteral("class/results.sqlite"));
    if (!QDir().mkpath(QFileInfo(classFile).absolutePath()) || !fillClass(classFile)) {
        std::fprintf(stderr, "the class's answers could not be written\n");
        return 1;
    }
    ResultsService classResults(
        [classFile] { return std::make_unique<SqliteResultsStore>(classFile); }, classFile);
    qsizetype rows = 0;
    QObject::connect(&classResults, &ResultsService::summaryReady,
                     [&rows](const QList<PupilSummary> &summary) { rows = summary.size(); });
    std::vector<double> summary;
    std::vector<double> week;
    std::vector<double> pupilDays;
    for (int i = 0; i < runs + 2; ++i) {
        const double all = bench::msUntil(classResults, &ResultsService::summaryReady,
                                          [&] { classResults.requestSummary(ResultsPeriod::All); });
        if (rows != pupils) {
            std::fprintf(stderr, "the summary has %lld rows\n", qlonglong(rows));
            return 1;
        }
        const double thisWeek = bench::msUntil(classResults, &ResultsService::summaryReady, [&] {
            classResults.requestSummary(ResultsPeriod::ThisWeek);
        });
        const double oneDays = bench::msUntil(classResults, &ResultsService::pupilDaysReady, [&] {
            classResults.requestPupilDays(QStringLiteral("Alunno 7"), ResultsPeriod::All);
        });
        // The first request opens the file and checks it.
        if (i >= 2) {
            summary.push_back(all);
            week.push_back(thisWeek);
            pupilDays.push_back(oneDays);
        }
    }

    const bench::Summary a = bench::summarize(answer);
    const bench::Summary c = bench::summarize(call);
    const bench::Summary k = bench::summarize(kept);
    const bench::Summary s = bench::summarize(summary);
    const bench::Summary w = bench::summarize(week);
    const bench::Summary d = bench::summarize(pupilDays);
    bench::printRow("Results: one answer with its save, press on VERIFICA to verdict painted (ms)",
                    a, "< 5", a.median < 5.0, 3);
    bench::printRow("Results: save() of one answer on the GUI thread (ms)", c, "< 5",
                    c.median < 5.0, 4);
    bench::printInfo("Results: save() until the answer is synced to the file (ms)", k, 3);
    bench::printRow("Results: summary of 30 pupils x 2,000 answers, request to rows (ms)", s,
                    "< 300", s.median < 300.0, 2);
    bench::printInfo("Results: this week's summary of the same class (ms)", w, 2);
    bench::printInfo("Results: one pupil's 60 days of 2,000 answers (ms)", d, 2);
    return 0;
}
