// "I miei progressi": what is read from a history written through the real
// SQLite history (grades per day, best times, weekly shares of wrong answers,
// the units missed most), and the ways to open it from the drill.

#include <QLabel>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTest>
#include <time.h>

#include "drill_fixture.h"
#include "history/progress_data.h"
#include "history/progress_window.h"
#include "history/sqlite_history.h"
#include "history_fakes.h"

using history::Question;

namespace {

const QDate kToday(2026, 12, 9);  // a Wednesday

std::int64_t at(QDate day, int hour = 15) { return QDateTime(day, QTime(hour, 0), Qt::UTC).toMSecsSinceEpoch(); }

history::AnswerEvent answer(Question q, int expected, bool right, const char *text = "gatto", int sentence = 3, int unit = 2)
{
    history::AnswerEvent a;
    a.sentence = sentence;
    a.unit = unit;
    a.unitText = text;
    a.question = q;
    a.expected = expected;
    a.pressed = right ? expected : expected + 1;
    a.right = right;
    return a;
}

// A history file written the way the drill writes it, at chosen moments.
struct Written {
    QTemporaryDir dir;
    FakeWallClock clock;
    std::unique_ptr<history::SqliteHistory> h;
    Written() { h = std::make_unique<history::SqliteHistory>(dir.filePath("s.sqlite"), QString(), clock, nullptr); }
    void give(std::int64_t when, const history::AnswerEvent &a)
    {
        clock.ms = when;
        h->answerGiven(a);
    }
    // A series of one answer, closed with the given grade and duration.
    void series(QDate day, int grade, int errors, int seconds)
    {
        give(at(day), answer(Question::Variable, 10, true));
        h->seriesClosed({.answers = 20, .errors = errors, .grade = grade, .durationMs = seconds * 1000});
    }
    history::Progress read()
    {
        HistoryFile file(dir.filePath("s.sqlite"));
        QSqlDatabase db = file.db();
        return history::readProgress(db, kToday);
    }
};

}  // namespace

class ProgressTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    void gradesByDayAndBestTimes();
    void weeklySharesOfWrongAnswers_data();
    void weeklySharesOfWrongAnswers();
    void unitsMissedMost();
    void windowSaysWhatItShows();
    void openedByGWhileViaIsOffered();
    void openedFromTheResultsWindow();
};

void ProgressTest::gradesByDayAndBestTimes()
{
    Written w;
    const QDate d1 = kToday.addDays(-40), d2 = kToday.addDays(-39), d3 = kToday.addDays(-2);
    w.series(d1, 5, 0, 90);
    w.series(d1, 2, 3, 50);   // faster, but with errors: no record
    w.series(d1, 5, 0, 80);   // a better time the same day
    w.series(d2, 5, 0, 85);   // slower than the best: no new point
    w.series(d3, 1, 6, 40);
    w.series(d3, 5, 0, 70);
    w.give(at(kToday), answer(Question::Variable, 10, true));  // an open series counts for nothing
    const history::Progress p = w.read();
    QCOMPARE(p.totalSeries, 6);
    QCOMPARE(int(p.days.size()), 3);
    QCOMPARE(p.days[0].day, d1);
    QCOMPARE(p.days[0].series, (std::array<int, 6>{0, 0, 1, 0, 0, 2}));
    QCOMPARE(p.days[2].series, (std::array<int, 6>{0, 1, 0, 0, 0, 1}));
    QCOMPARE(int(p.bestTimes.size()), 2);
    QCOMPARE(p.bestTimes[0].day, d1);
    QCOMPARE(p.bestTimes[0].seconds, 80.0);
    QCOMPARE(p.bestTimes[1].day, d3);
    QCOMPARE(p.bestTimes[1].seconds, 70.0);
}

void ProgressTest::weeklySharesOfWrongAnswers_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("week");  // 0..11, 11 the week of kToday
    QTest::newRow("this Monday") << 2 << 11;
    QTest::newRow("last Sunday") << 3 << 10;
    QTest::newRow("eleven weeks back") << 7 * 11 << 0;
    QTest::newRow("before the twelve weeks") << 7 * 12 << -1;
}

void ProgressTest::weeklySharesOfWrongAnswers()
{
    QFETCH(int, daysAgo);
    QFETCH(int, week);
    Written w;
    const std::int64_t when = at(kToday.addDays(-daysAgo), 23);
    for (int i = 0; i < 4; ++i)  // adjectives: one wrong in four
        w.give(when, answer(Question::PartOfSpeech, 3, i != 0));
    w.give(when, answer(Question::Gender, 1, false));
    w.give(when, answer(Question::Variable, 10, false));  // the first step has a chart of its own: none here
    const history::Progress p = w.read();
    QCOMPARE(int(p.weeks.size()), history::kWeeks);
    QCOMPARE(p.weeks.back().monday, QDate(2026, 12, 7));
    for (int k = 0; k < history::kWeeks; ++k) {
        const history::WeekShares &s = p.weeks[std::size_t(k)];
        const bool here = k == week;
        QCOMPARE(s.answers[2], here ? 4 : 0);
        QCOMPARE(s.wrong[2], here ? 1 : 0);
        QCOMPARE(s.answers[10], here ? 1 : 0);
        QCOMPARE(s.wrong[10], here ? 1 : 0);
        int all = 0;
        for (int c : s.answers)
            all += c;
        QCOMPARE(all, here ? 5 : 0);
    }
}

void ProgressTest::unitsMissedMost()
{
    Written w;
    const std::int64_t recent = at(kToday.addDays(-3)), old = at(kToday.addDays(-100));
    // "bello" (adjective) missed three times, once at the first step.
    w.give(recent, answer(Question::Variable, 10, false, "bello", 5, 3));
    w.give(recent, answer(Question::PartOfSpeech, 3, false, "bello", 5, 3));
    w.give(recent, answer(Question::PartOfSpeech, 3, false, "bello", 5, 3));
    w.give(recent, answer(Question::PartOfSpeech, 3, true, "bello", 5, 3));
    // The same text in another sentence is another unit.
    w.give(recent, answer(Question::PartOfSpeech, 2, false, "bello", 6, 1));
    // Missed long ago only: left out.
    for (int i = 0; i < 5; ++i)
        w.give(old, answer(Question::PartOfSpeech, 8, false, "e", 7, 4));
    // Right only: left out.
    w.give(recent, answer(Question::PartOfSpeech, 1, true, "il", 5, 1));
    for (int u = 0; u < 5; ++u)
        for (int i = 0; i <= u; ++i)
            w.give(recent, answer(Question::PartOfSpeech, 6, false, "qui", 20 + u, 1));
    const history::Progress p = w.read();
    QCOMPARE(int(p.missed.size()), history::kMissed);
    QStringList got;
    for (const history::MissedUnit &m : p.missed)
        got << QStringLiteral("%1/%2 %3x%4").arg(m.text).arg(m.sentence).arg(m.rightCode).arg(m.wrong);
    QCOMPARE(got.join(", "), QStringLiteral("qui/24 6x5, qui/23 6x4, bello/5 3x3, qui/22 6x3, qui/21 6x2"));
}

void ProgressTest::windowSaysWhatItShows()
{
    Written w;
    w.series(kToday.addDays(-1), 5, 0, 75);
    w.give(at(kToday), answer(Question::PartOfSpeech, 3, false, "bello"));
    history::ProgressWindow filled(w.read());
    history::ProgressWindow empty{history::Progress{}};
    const auto texts = [](QWidget &window) {
        QStringList out;
        for (QLabel *l : window.findChildren<QLabel *>())
            out << l->text();
        return out.join('\n');
    };
    QVERIFY(texts(filled).contains(QStringLiteral("ora è %1 secondi").arg(QLocale().toString(75.0, 'f', 1))));
    QVERIFY(texts(filled).contains(QStringLiteral("«bello»")));
    QVERIFY(texts(empty).contains(QStringLiteral("Qui vedrai il tuo tempo migliore")));
    QVERIFY(texts(empty).contains(QStringLiteral("non hai sbagliato nessuna parola")));
}

void ProgressTest::openedByGWhileViaIsOffered()
{
    int opened = 0;
    Drill d;
    d.form = std::make_unique<engine::FormB>(
        d.state, engine::ExerciseServices{d.clock, d.random, d.audio, 0, {}, nullptr, nullptr, [&](QWidget *) { ++opened; }});
    d.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.form.get()));
    QTest::keyClick(d.form.get(), Qt::Key_G);
    QCOMPARE(opened, 1);
    QVERIFY(d.via(0));
    QTest::keyClick(d.form.get(), Qt::Key_G);  // in the middle of a sentence: nothing
    QCOMPARE(opened, 1);
    QCOMPARE(d.state.answerCount, 0);
}

void ProgressTest::openedFromTheResultsWindow()
{
    int opened = 0;
    Drill d;
    d.form = std::make_unique<engine::FormB>(
        d.state, engine::ExerciseServices{d.clock, d.random, d.audio, 0, {}, nullptr, nullptr, [&](QWidget *over) {
                                              QVERIFY(qobject_cast<classificaform *>(over));
                                              ++opened;
                                          }});
    d.form->show();
    d.results.inside = [&](classificaform *results) {
        auto *button = results->findChild<QPushButton *>("progressi");
        QVERIFY(button && pressable(button));
        QTest::mouseClick(button, Qt::LeftButton);
    };
    QVERIFY(d.via(0));
    for (int i = 0; i < 20; ++i) {
        if (d.word() > d.state.wordCount())
            QVERIFY(d.via(i + 1));
        QVERIFY(d.answerOnce());
    }
    QCOMPARE(d.results.opened, 1);
    QCOMPARE(opened, 1);
}

QTEST_MAIN(ProgressTest)
#include "test_progress.moc"
