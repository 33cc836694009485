// "I miei risultati" and "Risultati della classe": the pupil's file written
// from a real history and read back, files that cannot be trusted, the
// class view's totals against a made-up class, its filters, the CSV and the
// PDF, and the pupil's save button through its seams.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "file_bytes.h"
#include "history/progress_window.h"
#include "history/sqlite_history.h"
#include "history_fakes.h"
#include "results/class_csv.h"
#include "results/class_results_window.h"
#include "results/my_results.h"
#include "results/results_file.h"
#include "results/sample_class.h"
#include "results/save_button.h"

using history::Question;

namespace {

history::AnswerEvent answer(Question q, int expected, bool right, const char *file = "", int line = 0)
{
    history::AnswerEvent a;
    a.sentence = 4;
    a.sourceFile = file;
    a.sourceLine = line;
    a.unit = 2;
    a.unitText = "cane";
    a.question = q;
    a.expected = expected;
    a.pressed = right ? expected : expected + 1;
    a.right = right;
    a.errorCategory = right ? 0 : expected;
    a.fullAnalysis = q != Question::Variable && q != Question::PartOfSpeech;
    return a;
}

history::PupilSeries series(const QString &id, std::int64_t closedAt, int answers, int wrong)
{
    history::PupilSeries s;
    s.id = id;
    s.startedAt = closedAt - 60'000;
    s.closedAt = closedAt;
    s.series = {answers, wrong, wrong == 0 ? 5 : 3, 60'000};
    for (int i = 0; i < answers; ++i)
        s.answers.push_back({closedAt - 1000 * (answers - i), answer(Question::PartOfSpeech, 3, i >= wrong)});
    return s;
}

const std::int64_t kDay = 1'780'000'000'000;  // a day of 2026

// A good file of two series, as a JSON object to spoil.
QJsonObject goodFile()
{
    const QByteArray bytes = results::writeResults({"Anna R.", "3B"}, {series("a-1", kDay, 4, 1), series("a-2", kDay, 2, 0)}, kDay);
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray spoiled(const std::function<void(QJsonObject &)> &spoil)
{
    QJsonObject o = goodFile();
    spoil(o);
    return QJsonDocument(o).toJson();
}

QByteArray spoiledSeries(int index, const std::function<void(QJsonObject &)> &spoil)
{
    return spoiled([&](QJsonObject &o) {
        QJsonArray all = o["serie"].toArray();
        QJsonObject s = all[index].toObject();
        spoil(s);
        all[index] = s;
        o["serie"] = all;
    });
}

// Where a message names a file and, after a comma, the place in it.
struct FileSource final : history::ClassResultsSource {
    QString name;
    std::vector<history::PupilSeries> held;
    QString where() const override { return name; }
    std::vector<history::PupilSeries> read(QStringList &) override { return held; }
};

}  // namespace

class ClassResultsTest : public QObject {
    Q_OBJECT
private slots:
    void savedFileHoldsTheClosedSeriesOfTheHistory();
    void untrustedFiles_data();
    void untrustedFiles();
    void theSameSeriesImportedTwiceCountsOnce();
    void classTotalsMatchTheMadeUpClass();
    void filters_data();
    void filters();
    void csvForASpreadsheet();
    void printedToPdf();
    void pupilSavesFromHerProgressWindow();
};

void ClassResultsTest::savedFileHoldsTheClosedSeriesOfTheHistory()
{
    QTemporaryDir dir;
    FakeWallClock clock;
    const QString path = dir.filePath("storico.sqlite");
    {
        history::SqliteHistory h(path, "Anna R.", clock, nullptr);
        h.answerGiven(answer(Question::Variable, 10, true));
        clock.ms += 2500;
        h.answerGiven(answer(Question::Gender, 2, false, "/home/prof/Le mie frasi.txt", 7));
        h.seriesClosed({.answers = 2, .errors = 1, .grade = 4, .durationMs = 3000});
        clock.ms += 10'000;
        h.answerGiven(answer(Question::Tense, 5, true));  // a series still open: not saved
    }
    const QString target = dir.filePath("risultati.json");
    int saved = 0;
    QString error;
    QVERIFY2(results::saveMyResults(path, {"Anna R.", "3B"}, target, clock.ms, saved, error), qPrintable(error));
    QCOMPARE(saved, 1);

    QStringList problems;
    const auto read = results::readResults(readBytes(target), "risultati.json", problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(read.size(), std::size_t(1));
    const history::PupilSeries &s = read.front();
    HistoryFile file(path);
    QCOMPARE(s.id, file.value("SELECT id FROM series WHERE ended_at IS NOT NULL").toString());
    QCOMPARE(s.pupil, QStringLiteral("Anna R."));
    QCOMPARE(s.className, QStringLiteral("3B"));
    QCOMPARE(s.closedAt, clock.ms - 10'000);
    QCOMPARE(s.startedAt, s.closedAt - 3000);
    QCOMPARE(s.series.grade, 4);
    QCOMPARE(s.answers.size(), std::size_t(2));
    const history::AnswerEvent &e = s.answers[1].event;
    QCOMPARE(s.answers[1].at, s.closedAt);
    QCOMPARE(QString::fromStdString(e.sourceFile), QStringLiteral("/home/prof/Le mie frasi.txt"));
    QCOMPARE(e.sourceLine, 7);
    QCOMPARE(e.question, Question::Gender);
    QCOMPARE(e.pressed, 3);
    QVERIFY(!e.right && e.fullAnalysis);
    QCOMPARE(e.errorCategory, 2);
    QCOMPARE(QString::fromStdString(e.unitText), QStringLiteral("cane"));

    // A folder that cannot be written: told, nothing claimed.
    QVERIFY(!results::saveMyResults(path, {"Anna R.", ""}, dir.filePath("manca/r.json"), clock.ms, saved, error));
    QVERIFY(error.contains("manca"));
}

void ClassResultsTest::untrustedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kept");         // series read
    QTest::addColumn<QString>("message");  // in the one problem, after the file's name
    const QByteArray good = QJsonDocument(goodFile()).toJson();
    QTest::newRow("good") << good << 2 << "";
    QTest::newRow("cut short") << good.left(good.size() / 2) << 0 << "è incompleto: si interrompe dopo";
    QTest::newRow("a stray byte") << QByteArray(good).replace(good.indexOf("\"voto\""), 1, "#") << 0
                                  << "è danneggiato alla posizione";
    QTest::newRow("empty") << QByteArray() << 0 << "non è un file di risultati";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << 0 << "non è un file di risultati";
    QTest::newRow("foreign JSON") << QByteArray("{\"titolo\": \"compiti\"}") << 0 << "non è un file di risultati";
    QTest::newRow("a list") << QByteArray("[1, 2]") << 0 << "non è un file di risultati";
    QTest::newRow("deep nesting") << QByteArray(100'000, '[') << 0 << "non è un file di risultati";
    QTest::newRow("newer program") << spoiled([](QJsonObject &o) { o["versione"] = 2; }) << 0 << "più recente";
    QTest::newRow("version a text") << spoiled([](QJsonObject &o) { o["versione"] = "1"; }) << 0 << "versione";
    QTest::newRow("no pupil") << spoiled([](QJsonObject &o) { o.remove("alunno"); }) << 0 << "nome dell'alunno";
    QTest::newRow("pupil with escapes") << spoiled([](QJsonObject &o) { o["alunno"] = "Anna\x1b[31m"; }) << 0
                                        << "nome dell'alunno";
    QTest::newRow("other columns") << spoiled([](QJsonObject &o) { o["colonne"] = QJsonArray{"a"}; }) << 0 << "colonne";
    QTest::newRow("series not a list") << spoiled([](QJsonObject &o) { o["serie"] = 3; }) << 0 << "elenco delle serie";
    QTest::newRow("a grade of 6") << spoiledSeries(0, [](QJsonObject &s) { s["voto"] = 6; }) << 1 << "serie 1: risposte";
    QTest::newRow("more errors than answers")
        << spoiledSeries(1, [](QJsonObject &s) { s["errori"] = 30; }) << 1 << "serie 2: risposte";
    QTest::newRow("an id that is a path")
        << spoiledSeries(0, [](QJsonObject &s) { s["id"] = "../../etc/passwd"; }) << 1 << "serie 1: il codice";
    QTest::newRow("ends before it starts")
        << spoiledSeries(0, [](QJsonObject &s) { s["fine"] = 5; }) << 1 << "serie 1: l'inizio o la fine";
    QTest::newRow("a column short") << spoiledSeries(1, [](QJsonObject &s) {
        QJsonArray a = s["domande"].toArray();
        a.removeLast();
        s["domande"] = a;
    }) << 1 << "serie 2: l'elenco delle risposte non ha 12 colonne";
    QTest::newRow("an unknown question") << spoiledSeries(0, [](QJsonObject &s) {
        QJsonArray a = s["domande"].toArray();
        a[12 + 6] = "colore";
        s["domande"] = a;
    }) << 1 << "serie 1: la risposta 2 la domanda «colore»";
    QTest::newRow("a huge number") << spoiledSeries(0, [](QJsonObject &s) {
        QJsonArray a = s["domande"].toArray();
        a[1] = 1e300;
        s["domande"] = a;
    }) << 1 << "serie 1: la risposta 1 un numero";
    QTest::newRow("a time in the year 5000") << spoiledSeries(0, [](QJsonObject &s) {
        QJsonArray a = s["domande"].toArray();
        a[0] = 95'000'000'000'000.0;
        s["domande"] = a;
    }) << 1 << "serie 1: la risposta 1 il momento";
}

void ClassResultsTest::untrustedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kept);
    QFETCH(QString, message);
    QStringList problems;
    const auto read = results::readResults(bytes, "risultati-Anna.json", problems);
    QCOMPARE(int(read.size()), kept);
    if (message.isEmpty()) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        return;
    }
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems.front().startsWith("risultati-Anna.json") && problems.front().contains(message),
             qPrintable(problems.front()));
    QVERIFY(problems.front().endsWith(kept == 0 ? "Il file è stato saltato." : "La serie è stata saltata."));
}

void ClassResultsTest::theSameSeriesImportedTwiceCountsOnce()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("anna.json"), results::writeResults({"Anna R.", "3B"}, {series("a-1", kDay, 20, 1)}, kDay));
    // The same series again, in a later file with one more.
    writeBytes(dir.filePath("anna-dopo.json"), results::writeResults({"Anna R.", "3B"},
                                                                     {series("a-1", kDay, 20, 1), series("a-2", kDay, 20, 0)}, kDay));
    writeBytes(dir.filePath("rotto.json"), "{\"formato\": \"analisi-grammaticale/risultati\", ");
    results::ClassResultsWindow window({}, {});
    window.importFiles({dir.filePath("anna.json"), dir.filePath("rotto.json"), dir.filePath("anna-dopo.json"),
                        dir.filePath("anna.json"), dir.filePath("non-esiste.json")});
    QCOMPARE(window.summary().all.series, 2);
    QCOMPARE(window.summary().all.answers, 40);
    QCOMPARE(window.problems().size(), 2);
    QVERIFY(window.problems()[0].startsWith("rotto.json: è incompleto"));
    QVERIFY(window.problems()[1].startsWith("non-esiste.json: non si può leggere"));
    QVERIFY(window.findChild<QWidget *>("problemi")->isVisibleTo(&window));
}

void ClassResultsTest::classTotalsMatchTheMadeUpClass()
{
    QTemporaryDir dir;
    history::SampleShape shape;
    shape.first = QDate(2026, 9, 14);
    shape.last = QDate(2026, 10, 11);  // four whole weeks
    results::SampleClass sample;
    QString error;
    QVERIFY2(results::writeSampleClass(dir.path(), "3B", 3, shape, sample, error), qPrintable(error));
    QStringList problems;
    std::vector<history::PupilSeries> all;
    int errors = 0;
    for (const QString &f : sample.files)
        for (auto &s : results::readResults(readBytes(f), f, problems)) {
            errors += s.series.errors;
            all.push_back(std::move(s));
        }
    QVERIFY(problems.isEmpty());
    const results::ClassSummary sum = results::summarize(all, {});
    QCOMPARE(sum.all.series, sample.size.series);
    QCOMPARE(sum.all.answers, sample.size.answers);
    QCOMPARE(sum.all.wrong, errors);
    QCOMPARE(int(sum.pupils.size()), 3);
    QCOMPARE(int(sum.weeks.size()), 4);
    QCOMPARE(sum.weeks.front().monday, shape.first);
    results::Totals byPupil, byWeek, byPupilWeek;
    for (const auto &p : sum.pupils)
        byPupil += p.totals;
    for (const auto &w : sum.weeks)
        byWeek += w.totals;
    for (const auto &w : sum.pupilWeeks)
        byPupilWeek += w.totals;
    int graded = 0;
    for (int g = 1; g <= 5; ++g)
        graded += sum.all.grades[std::size_t(g)];
    QCOMPARE(graded, sum.all.series);
    for (const results::Totals &t : {byPupil, byWeek, byPupilWeek}) {
        QCOMPARE(t.series, sum.all.series);
        QCOMPARE(t.answers, sum.all.answers);
        QCOMPARE(t.wrong, sum.all.wrong);
        QCOMPARE(t.missed, sum.all.missed);
    }
    // The sentences missed most: built-in ones, most wrong answers first.
    QVERIFY(!sum.missed.empty());
    for (std::size_t i = 1; i < sum.missed.size(); ++i)
        QVERIFY(sum.missed[i - 1].wrong >= sum.missed[i].wrong);
    QVERIFY(sum.missed.front().sourceFile.isEmpty() && !sum.missed.front().unit.isEmpty());
}

void ClassResultsTest::filters_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("ids");  // the series that pass, joined by ' '
    const QDate first = QDateTime::fromMSecsSinceEpoch(kDay).date();
    QTest::newRow("everything") << QDate() << QDate() << "" << "" << "a1 a2 b1 c1";
    QTest::newRow("from the next day") << first.addDays(1) << QDate() << "" << "" << "a2 c1";
    QTest::newRow("up to the first day") << QDate() << first << "" << "" << "a1 b1";
    QTest::newRow("one day in the middle") << first.addDays(7) << first.addDays(7) << "" << "" << "a2";
    QTest::newRow("class 3B, with its list's pupil at home") << QDate() << QDate() << "3B" << "" << "a1 a2 c1";
    QTest::newRow("class 2A") << QDate() << QDate() << "2A" << "" << "b1";
    QTest::newRow("one pupil") << QDate() << QDate() << "" << "Anna" << "a1 a2";
}

void ClassResultsTest::filters()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, className);
    QFETCH(QString, pupil);
    QFETCH(QString, ids);
    const auto made = [](const char *id, const char *who, const char *cls, int days) {
        history::PupilSeries s = series(id, kDay + days * 86'400'000LL, 2, 0);
        s.pupil = who;
        s.className = cls;
        return s;
    };
    const std::vector<history::PupilSeries> all = {made("a1", "Anna", "3B", 0), made("a2", "Anna", "3B", 7),
                                                   made("b1", "Bruno", "2A", 0), made("c1", "Carla", "", 30)};
    const results::Filter f{from, to, className, className == "3B" ? QStringList{"Anna", "Carla"} : QStringList{}, pupil};
    QStringList passed;
    for (const auto &s : all)
        if (results::passes(s, f))
            passed << s.id;
    QCOMPARE(passed.join(' '), ids);
}

void ClassResultsTest::csvForASpreadsheet()
{
    history::PupilSeries a = series("a1", kDay, 4, 1), b = series("b1", kDay + 7 * 86'400'000LL, 2, 0);
    a.pupil = "Rossi, Anna \"Nana\"";
    a.className = "3B";
    b.pupil = "=HYPERLINK(\"x\")";
    b.className = "3B";
    const QByteArray csv = results::classCsv(results::summarize({a, b}, {}));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" "Classe,Alunno,Settimana dal,Serie,Risposte,Risposte sbagliate,Serie ottimo,"));
    const QList<QByteArray> lines = csv.mid(3).split('\n');
    QCOMPARE(lines.size(), 4);  // header, two rows, the empty rest after the last line end
    const int columns = int(lines[0].count(',')) + 1;
    QCOMPARE(columns, 6 + 5 + 2 * history::kShareCategories);
    // The name with a comma and quotes stays one field; a formula is not run.
    QVERIFY(lines[1].startsWith("3B,\"'=HYPERLINK(\"\"x\"\")\",") || lines[2].startsWith("3B,\"'=HYPERLINK"));
    const QByteArray anna = lines[1].contains("Rossi") ? lines[1] : lines[2];
    QVERIFY(anna.startsWith("3B,\"Rossi, Anna \"\"Nana\"\"\"," + results::weekOf(kDay).toString(Qt::ISODate).toUtf8() +
                            ",1,4,1,0,0,1,"));
    QVERIFY(anna.endsWith("\r"));
}

void ClassResultsTest::printedToPdf()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("anna.json"), results::writeResults({"Anna R.", "3B"}, {series("a-1", kDay, 20, 3)}, kDay));
    results::ClassResultsWindow window({}, {});
    window.importFiles({dir.filePath("anna.json")});
    QVERIFY(window.report().contains("Anna R."));
    QString error;
    QVERIFY2(window.printPdf(dir.filePath("classe.pdf"), error), qPrintable(error));
    QVERIFY(readBytes(dir.filePath("classe.pdf")).startsWith("%PDF"));
    QVERIFY(window.exportCsv(dir.filePath("classe.csv"), error));
    QVERIFY(readBytes(dir.filePath("classe.csv")).contains("Anna R."));
    QVERIFY(!window.exportCsv(dir.filePath("manca/classe.csv"), error));
    QVERIFY(error.contains("manca"));
}

void ClassResultsTest::pupilSavesFromHerProgressWindow()
{
    QTemporaryDir dir;
    FakeWallClock clock;
    const QString path = dir.filePath("storico.sqlite");
    {
        history::SqliteHistory h(path, "", clock, nullptr);
        h.answerGiven(answer(Question::Variable, 10, true));
        h.seriesClosed({.answers = 1, .errors = 0, .grade = 5, .durationMs = 1000});
    }
    QString suggested, told;
    int asked = 0;
    results::SaveSeams seams{
        .chooseFile = [&](QWidget *, const QString &s) { suggested = s; return dir.filePath("mio.json"); },
        .askOwner = [&](QWidget *, results::Owner &o) { ++asked; o = {"Zoë B.", "1C"}; return true; },
        .tell = [&](QWidget *, const QString &m, bool ok) { told = (ok ? "ok: " : "no: ") + m; },
        .nowMs = [&] { return clock.ms; },
    };
    history::ProgressWindow window(history::Progress{});
    results::addSaveButton(window, path, {}, seams);  // at home: no class list names her
    auto *button = window.findChild<QPushButton *>("salvarisultati");
    QVERIFY(button);
    button->click();
    QCOMPARE(asked, 1);
    QVERIFY2(QFileInfo(suggested).fileName().startsWith("risultati-Zoë_B_-") && suggested.endsWith(".json"),
             qPrintable(suggested));
    QVERIFY2(told.startsWith("ok: Ho salvato 1 serie"), qPrintable(told));
    QStringList problems;
    const auto read = results::readResults(readBytes(dir.filePath("mio.json")), "mio.json", problems);
    QCOMPARE(read.size(), std::size_t(1));
    QCOMPARE(read.front().pupil, QStringLiteral("Zoë B."));
    QCOMPARE(read.front().className, QStringLiteral("1C"));

    // A pupil named by the class list is not asked; one who gives up writes nothing.
    seams.chooseFile = [](QWidget *, const QString &) { return QString(); };
    told.clear();
    QVERIFY(!results::saveResultsAsked(&window, path, {"Anna R.", "3B"}, seams));
    QCOMPARE(asked, 1);
    QVERIFY(told.isEmpty());
}

QTEST_MAIN(ClassResultsTest)
#include "test_class_results.moc"
