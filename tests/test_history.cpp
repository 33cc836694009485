// The pupil's history: what the exercise window hands over at each answer and
// at each series' close, what the SQLite file holds after each answer, the
// migrations, and the files that cannot be used.

#include <QFile>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>

#include "drill_fixture.h"
#include "file_bytes.h"
#include "history/schema.h"
#include "history/sqlite_history.h"
#include "history_fakes.h"
#include "windows/reading_aids.h"

using history::Question;

namespace {

// The drill with a recorder of the test's.
struct RecordedDrill : Drill {
    explicit RecordedDrill(history::Recorder &recorder)
    {
        form = std::make_unique<engine::FormB>(
            state, engine::ExerciseServices{clock, random, audio, 0, {}, nullptr, &recorder});
        form->show();
    }
};

history::AnswerEvent someAnswer(int unit, bool right)
{
    history::AnswerEvent a;
    a.sentence = 40;
    a.sourceFile = "/usr/share/analisi-grammaticale/frasi/animali.txt";
    a.sourceLine = 7;
    a.unit = unit;
    a.unitText = "perché";
    a.question = Question::PartOfSpeech;
    a.pressed = right ? 3 : 2;
    a.expected = 3;
    a.right = right;
    a.errorCategory = right ? 0 : 3;
    a.fullAnalysis = true;
    return a;
}

struct Told {
    QStringList messages;
    history::SqliteHistory::Notice notice()
    {
        return [this](const QString &m) { messages << m; };
    }
};

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void windowHandsOverEachAnswer_data();
    void windowHandsOverEachAnswer();
    void seriesCloseComesAfterItsTwentiethAnswer();
    void eachAnswerIsInTheFileAsSoonAsGiven();
    void seriesIsCompletedWhenItCloses();
    void aRunWithoutAnswersWritesNothing();
    void olderDatabasesAreMigrated();
    void unusableFilesAreMovedAside_data();
    void unusableFilesAreMovedAside();
    void answersWaitWhileTheFileCannotBeWritten_data();
    void answersWaitWhileTheFileCannotBeWritten();
    void eachPupilHasAFileOfTheirOwn();
    void readingAidSwitchesFollowThePupil();
};

void HistoryTest::windowHandsOverEachAnswer_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("script");  // v/V first step wrong/right, p/P second step, k/K the kind
    QTest::addColumn<QString>("questions");
    QTest::addColumn<QString>("rights");
    QTest::newRow("two steps right") << false << "VP" << "variabile parte" << "1 1";
    QTest::newRow("wrong then right at each step") << false << "vVpP" << "variabile variabile parte parte" << "0 1 0 1";
    QTest::newRow("complete analysis: the article's kind") << true << "VPkK" << "variabile parte tipo tipo" << "1 1 0 1";
}

void HistoryTest::windowHandsOverEachAnswer()
{
    QFETCH(bool, full);
    QFETCH(QString, script);
    QFETCH(QString, questions);
    QFETCH(QString, rights);
    KeptRecorder kept;
    RecordedDrill d(kept);
    if (full)
        d.form->AnalisiCompleta->setChecked(true);
    // A built-in sentence that starts with an article whose kind the key sets.
    int sentence = 0;
    while (d.state.bank.code(sentence, 1).value() != 1
           || d.state.bank.features(sentence, 1).kind == engine::ArticleKind::Unset)
        ++sentence;
    QVERIFY(d.via(sentence));
    const int code = d.code();
    const int right = int(d.state.bank.features(sentence, 1).kind);
    for (const QChar c : script) {
        switch (c.unicode()) {
        case 'v': case 'V': QVERIFY(d.firstStep(c == 'V')); break;
        case 'p': case 'P': QVERIFY(d.secondStep(c == 'P')); break;
        case 'k': QVERIFY(d.press(d.form->art[right == 1 ? 2 : 1])); break;
        case 'K': QVERIFY(d.press(d.form->art[right])); break;
        }
    }
    QStringList gotQuestions, gotRights;
    for (const history::AnswerEvent &a : kept.answers) {
        gotQuestions << QString::fromLatin1(history::questionName(a.question));
        gotRights << QString::number(a.right);
        QCOMPARE(a.sentence, sentence);
        QCOMPARE(a.unit, 1);
        QCOMPARE(a.sourceFile, std::string());
        QCOMPARE(a.unitText, d.state.bank.word(sentence, 1));
        QCOMPARE(a.fullAnalysis, full);
        QCOMPARE(a.errorCategory == 0, a.right);
    }
    QCOMPARE(gotQuestions.join(' '), questions);
    QCOMPARE(gotRights.join(' '), rights);
    // What the pupil pressed and what was right, in the codes of the buttons.
    QCOMPARE(kept.answers.front().expected, engine::rules::kVariableButton);
    QCOMPARE(kept.answers.back().expected, full ? right : code);
    // The drill counts as it always has.
    QCOMPARE(d.state.answerCount, int(script.size()));
}

void HistoryTest::seriesCloseComesAfterItsTwentiethAnswer()
{
    KeptRecorder kept;
    RecordedDrill d(kept);
    QVERIFY(d.via(0));
    d.clock.ms += 500;
    QVERIFY(d.firstStep(false));
    QVERIFY(d.firstStep(false));
    for (int i = 0; i < 18; ++i) {
        if (d.word() > d.state.wordCount())
            QVERIFY(d.via(i + 1));
        d.clock.ms += 1000;
        QVERIFY(d.answerOnce());
    }
    QCOMPARE(kept.series.size(), std::size_t(1));
    QCOMPARE(kept.answersAtClose.front(), std::size_t(20));
    const history::SeriesEvent s = kept.series.front();
    QCOMPARE(s.answers, 20);
    QCOMPARE(s.errors, 2);
    QCOMPARE(s.grade, 3);
    QCOMPARE(s.durationMs, 18'500);
}

void HistoryTest::eachAnswerIsInTheFileAsSoonAsGiven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a/b/storico.sqlite");
    FakeWallClock clock;
    Told told;
    history::SqliteHistory h(path, QString(), clock, told.notice());
    for (int i = 1; i <= 3; ++i) {
        clock.ms += 1000;
        h.answerGiven(someAnswer(i, i != 2));
        // Read from another connection, as after a crash.
        HistoryFile file(path);
        QCOMPARE(file.value("SELECT count(*) FROM answers").toInt(), i);
        QCOMPARE(file.value("SELECT max(given_at) FROM answers").toLongLong(), clock.ms);
    }
    HistoryFile file(path);
    QCOMPARE(file.column("SELECT correct FROM answers ORDER BY seq"), (QVariantList{1, 0, 1}));
    QCOMPARE(file.value("SELECT source_file || ':' || source_line || ' ' || unit_text || ' ' || question"
                        " || ' ' || pressed || '/' || expected || ' ' || full_analysis FROM answers WHERE seq = 2")
                 .toString(),
             QStringLiteral("/usr/share/analisi-grammaticale/frasi/animali.txt:7 perché parte 2/3 1"));
    QCOMPARE(file.value("SELECT count(DISTINCT series_id) FROM answers").toInt(), 1);
    QCOMPARE(file.value("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QVERIFY(told.messages.isEmpty());
    QCOMPARE(h.waiting(), 0);
}

void HistoryTest::seriesIsCompletedWhenItCloses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("storico.sqlite");
    FakeWallClock clock;
    history::SqliteHistory h(path, QStringLiteral("Anna"), clock, {});
    const std::int64_t first = clock.ms;
    h.answerGiven(someAnswer(1, true));
    {
        HistoryFile file(path);
        QVERIFY(file.value("SELECT ended_at FROM series").isNull());  // still open
    }
    clock.ms += 60'000;
    h.answerGiven(someAnswer(2, false));
    h.seriesClosed({.answers = 2, .errors = 1, .grade = 4, .durationMs = 65'000});
    clock.ms += 5'000;
    h.answerGiven(someAnswer(1, true));  // the next series
    HistoryFile file(path);
    QCOMPARE(file.value("SELECT count(*) FROM series").toInt(), 2);
    QCOMPARE(file.column("SELECT pupil || ' ' || answers || ' ' || errors || ' ' || grade || ' ' || duration_ms"
                         " FROM series WHERE ended_at IS NOT NULL"),
             QVariantList{QStringLiteral("Anna 2 1 4 65000")});
    QCOMPARE(file.value("SELECT ended_at FROM series WHERE ended_at IS NOT NULL").toLongLong(), first + 60'000);
    QCOMPARE(file.value("SELECT started_at FROM series WHERE ended_at IS NOT NULL").toLongLong(), first - 5'000);
    QCOMPARE(file.column("SELECT count(*) FROM answers GROUP BY series_id ORDER BY min(given_at)"),
             (QVariantList{2, 1}));
}

void HistoryTest::aRunWithoutAnswersWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("storico/storico.sqlite");
    FakeWallClock clock;
    {
        history::SqliteHistory h(path, QString(), clock, {});
        h.seriesClosed({});
    }
    QVERIFY(!QFileInfo::exists(dir.filePath("storico")));
}

void HistoryTest::olderDatabasesAreMigrated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("storico.sqlite");
    {
        HistoryFile file(path);
        QSqlDatabase db = file.db();
        QString error;
        QVERIFY2(history::schema::migrate(db, error, nullptr, 1), qPrintable(error));
        QSqlQuery q(db);
        QVERIFY(q.exec("INSERT INTO series (id, pupil, started_at) VALUES ('vecchia', '', 5)"));
        QVERIFY(q.exec("INSERT INTO answers VALUES ('vecchia', 1, 5, 3, '', 0, 1, 'Il', 'variabile', 10, 10, 1, 0, 0)"));
    }
    FakeWallClock clock;
    Told told;
    history::SqliteHistory h(path, QString(), clock, told.notice());
    h.answerGiven(someAnswer(1, true));
    QVERIFY(told.messages.isEmpty());
    HistoryFile file(path);
    QCOMPARE(file.value("SELECT version FROM schema_version").toInt(), history::schema::kCurrentVersion);
    QCOMPARE(file.value("SELECT count(*) FROM schema_version").toInt(), 1);
    QCOMPARE(file.column("SELECT unit_text FROM answers ORDER BY given_at"),
             (QVariantList{QStringLiteral("Il"), QStringLiteral("perché")}));
    QCOMPARE(file.column("SELECT name FROM sqlite_master WHERE type = 'index' AND name NOT LIKE 'sqlite%' ORDER BY name"),
             (QVariantList{QStringLiteral("answers_by_time"), QStringLiteral("series_by_end")}));
}

void HistoryTest::unusableFilesAreMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: made by the test below
    QTest::addColumn<QString>("make");
    QTest::newRow("not a database") << QByteArray("Il cane corre.\n").repeated(400) << "";
    QTest::newRow("damaged header") << QByteArray() << "header";
    QTest::newRow("from a newer program") << QByteArray() << "newer";
    QTest::newRow("someone else's tables") << QByteArray() << "foreign";
}

void HistoryTest::unusableFilesAreMovedAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, make);
    QTemporaryDir dir;
    const QString path = dir.filePath("storico.sqlite");
    FakeWallClock clock;
    if (make == "header" || make == "newer") {
        history::SqliteHistory h(path, QString(), clock, {});
        h.answerGiven(someAnswer(1, true));
    }
    if (make == "header") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(100, '\x5a'));  // the header and its magic string
    } else if (make == "newer") {
        HistoryFile file(path);
        QSqlQuery q(file.db());
        QVERIFY(q.exec("UPDATE schema_version SET version = 99"));
    } else if (make == "foreign") {
        HistoryFile file(path);
        QSqlQuery q(file.db());
        QVERIFY(q.exec("CREATE TABLE series (nome TEXT)"));
        QVERIFY(q.exec("INSERT INTO series VALUES ('altro programma')"));
    } else {
        writeBytes(path, bytes);
    }
    const QByteArray before = readBytes(path);

    Told told;
    history::SqliteHistory h(path, QString(), clock, told.notice());
    h.answerGiven(someAnswer(1, true));
    h.answerGiven(someAnswer(2, false));

    QCOMPARE(told.messages.size(), 1);
    QVERIFY2(told.messages.front().contains("messo da parte"), qPrintable(told.messages.front()));
    const QStringList aside = QDir(dir.path()).entryList({"storico.sqlite.guasto-*"}, QDir::Files);
    QVERIFY2(!aside.filter(QRegularExpression("guasto-[0-9-]+$")).isEmpty(), qPrintable(aside.join(' ')));
    const QString kept = dir.filePath(aside.filter(QRegularExpression("guasto-[0-9-]+$")).front());
    QVERIFY(told.messages.front().contains(kept));
    if (make.isEmpty() || make == "header")
        QCOMPARE(readBytes(kept), before);  // the pupil's bytes are kept as they were
    HistoryFile file(path);
    QCOMPARE(file.value("SELECT count(*) FROM answers").toInt(), 2);
    QCOMPARE(h.waiting(), 0);
}

void HistoryTest::answersWaitWhileTheFileCannotBeWritten_data()
{
    QTest::addColumn<QString>("blocker");  // what stands where the file must go
    QTest::newRow("the folder is a file") << "folder";
    QTest::newRow("the file is a folder") << "file";
}

void HistoryTest::answersWaitWhileTheFileCannotBeWritten()
{
    QFETCH(QString, blocker);
    QTemporaryDir dir;
    const QString folder = dir.filePath("storico");
    const QString path = folder + "/storico.sqlite";
    if (blocker == "folder")
        writeBytes(folder, "non una cartella");
    else
        QVERIFY(QDir().mkpath(path + "/dentro"));
    FakeWallClock clock;
    Told told;
    history::SqliteHistory h(path, QString(), clock, told.notice());
    for (int i = 1; i <= 3; ++i) {
        clock.ms += 1000;
        h.answerGiven(someAnswer(i, true));
    }
    h.seriesClosed({.answers = 3, .errors = 0, .grade = 5, .durationMs = 3000});
    QCOMPARE(told.messages.size(), 1);  // one message, however many answers
    QVERIFY(told.messages.front().contains("restano in memoria"));
    QCOMPARE(h.waiting(), 4);

    // The way is clear again: everything waiting goes in, in order, with the next answer.
    if (blocker == "folder")
        QVERIFY(QFile::remove(folder));
    else
        QVERIFY(QDir(path).removeRecursively());
    clock.ms += 1000;
    h.answerGiven(someAnswer(1, false));
    QCOMPARE(h.waiting(), 0);
    HistoryFile file(path);
    QCOMPARE(file.column("SELECT unit FROM answers ORDER BY given_at"), (QVariantList{1, 2, 3, 1}));
    QCOMPARE(file.column("SELECT grade FROM series WHERE ended_at IS NOT NULL"), QVariantList{5});
    QCOMPARE(file.value("SELECT count(*) FROM series").toInt(), 2);
    QCOMPARE(told.messages.size(), 1);
}

void HistoryTest::eachPupilHasAFileOfTheirOwn()
{
    const QString home = history::historyFile(QString());
    QVERIFY(home.endsWith("/analisi-grammaticale/storico/storico.sqlite"));
    const QString anna = history::historyFile(QStringLiteral("Anna Maria"));
    QVERIFY(anna.endsWith("/analisi-grammaticale/storico/storico-Anna_Maria.sqlite"));
    // A name never leaves the folder.
    QCOMPARE(QFileInfo(history::historyFile(QStringLiteral("../../etc/x"))).dir().path(), QFileInfo(home).dir().path());
}

// "alta leggibilità" set by the pupil is on at the next start, in her own
// file only; reading the switches creates no file.
void HistoryTest::readingAidSwitchesFollowThePupil()
{
    QTemporaryDir dir;
    const QString anna = dir.filePath("storico/storico-Anna.sqlite");
    const QString luca = dir.filePath("storico/storico-Luca.sqlite");
    FakeWallClock clock;
    bool clickable = true;
    const auto legibleAtStart = [&](const QString &path, bool toggle) {
        history::SqliteHistory h(path, QString(), clock, {});
        RecordedDrill d(h);
        QCheckBox *legible = d.form->readingAids()->AltaLeggibilita;
        const bool was = legible->isChecked();
        if (toggle) {
            clickable = clickable && legible->isEnabled();
            legible->click();
        }
        return was;
    };
    QVERIFY(!legibleAtStart(anna, false));
    QVERIFY(!QFileInfo::exists(anna));
    QVERIFY(!legibleAtStart(anna, true));
    QVERIFY(legibleAtStart(anna, false));
    QVERIFY(!legibleAtStart(luca, false));
    QVERIFY(legibleAtStart(anna, true));  // switched off again
    QVERIFY(!legibleAtStart(anna, false));
    QVERIFY(clickable);
}

QTEST_MAIN(HistoryTest)
#include "test_history.moc"
