// The school's server: the set-up script against the program's migrations,
// the system-wide setting, and against a real PostgreSQL of the test's own:
// every closed series arrives exactly once and in order through an outage,
// one class's role cannot see or touch another's rows, the class view reads
// what was sent and skips what makes no sense.

#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "history/schema.h"
#include "history/server_results.h"
#include "history/server_start.h"
#include "history/sqlite_history.h"
#include "history_fakes.h"
#include "pg_server.h"

namespace {

// The first column of every row of `sql`, on a connection of its own; an
// error comes back as the text of the only value, so that it shows in a
// failed comparison.
QVariantList serverColumn(const history::ServerSettings &s, const QString &sql, bool *ok = nullptr)
{
    static int next = 0;
    const QString name = QStringLiteral("prova-%1").arg(next++);
    QVariantList out;
    {
        QSqlDatabase db = history::serverConnection(s, name);
        QSqlQuery q(db);
        const bool done = db.open() && q.exec(sql);
        if (ok)
            *ok = done;
        if (!done)
            out << (db.isOpen() ? q.lastError() : db.lastError()).text();
        while (done && q.next())
            out << q.value(0);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

int serverCount(const history::ServerSettings &s, const QString &sql) { return serverColumn(s, sql).value(0).toInt(); }

void writeSettings(const QString &file, const history::ServerSettings &s)
{
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup("server");
    ini.setValue("host", s.host);
    ini.setValue("port", s.port);
    ini.setValue("database", s.database);
    ini.setValue("user", s.user);
    ini.setValue("class", s.className);
}

history::AnswerEvent answer(int unit, bool right)
{
    history::AnswerEvent a;
    a.sentence = 3;
    a.unit = unit;
    a.unitText = "gattino";
    a.question = history::Question::PartOfSpeech;
    a.pressed = right ? 2 : 3;
    a.expected = 2;
    a.right = right;
    a.errorCategory = right ? 0 : 2;
    return a;
}

// Plays series first..last - 1 of two answers each; the odd ones have one error.
void play(history::SqliteHistory &h, FakeWallClock &clock, int first, int last)
{
    for (int i = first; i < last; ++i) {
        for (int unit = 1; unit <= 2; ++unit) {
            clock.ms += 1000;
            h.answerGiven(answer(unit, unit == 1 || i % 2 == 0));
        }
        clock.ms += 1000;
        h.seriesClosed({.answers = 2, .errors = i % 2, .grade = 5 - i % 2, .durationMs = 3000});
    }
}

constexpr int kSlowMachineMs = 30000;  // an upper bound only

}  // namespace

class ServerTest : public QObject {
    Q_OBJECT
    PgServer pg;
    history::ServerSettings owner(const QString &db) const { return pg.settings(db, PgServer::kOwner, {}); }

private slots:
    void initTestCase();
    void setUpScriptHoldsTheMigrations();
    void settingsFile_data();
    void settingsFile();
    void seriesArriveOnceAndInOrderThroughAnOutage();
    void aClassRoleKeepsToItsClass_data();
    void aClassRoleKeepsToItsClass();
    void rowsOfAnotherClassAreRefusedAndWait();
    void theClassViewSkipsWhatMakesNoSense();
    void cleanupTestCase();
};

void ServerTest::initTestCase()
{
    QVERIFY2(QSqlDatabase::isDriverAvailable("QPSQL"), "manca il driver PostgreSQL di Qt (libqt6sql6-psql)");
    if (!pg.missing().isEmpty())
        QSKIP(qPrintable(pg.missing()));
    QString error;
    QVERIFY2(pg.start(error), qPrintable(error));
    QVERIFY2(pg.makeSchoolDatabase("ruoli", error), qPrintable(error));
    // One series of 3B, with one answer, written by 3B's own role.
    QVERIFY2(pg.psql("ruoli", "classe_3B",
                     {"-c", "INSERT INTO series (id, pupil, started_at, ended_at, answers, errors, grade, duration_ms,"
                            " class_name) VALUES ('serie-3B', 'Anna', 1, 2, 1, 0, 5, 1, '3B')",
                      "-c", "INSERT INTO answers VALUES ('serie-3B', 1, 1, 0, '', 0, 1, 'Il', 'parte', 1, 1, 1, 0, 0)"},
                     error),
             qPrintable(error));
}

void ServerTest::cleanupTestCase()
{
    QString ignored;
    pg.stop(ignored);
}

void ServerTest::setUpScriptHoldsTheMigrations()
{
    // The school runs the script, not the program: it must make the very
    // tables the migrations make, in their order.
    QFile file(QStringLiteral(SERVER_SCRIPTS "/scuola.sql"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    qsizetype at = 0;
    for (int step = 1; step <= history::schema::kCurrentVersion; ++step) {
        QStringList expected = history::schema::statements(step);
        expected << QStringLiteral("UPDATE schema_version SET version = %1").arg(step);
        for (const QString &statement : expected) {
            const qsizetype found = script.indexOf(statement + QLatin1Char(';'), at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("migrazione %1: manca, o non è in ordine: %2").arg(step).arg(statement)));
            at = found;
        }
    }
}

void ServerTest::settingsFile_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("configured");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a whole setting") << QByteArray("[server]\nhost=db\nport=6543\ndatabase=a\nuser=classe_3B\nclass=3B\n")
                                     << true << 6543 << "";
    QTest::newRow("the usual port") << QByteArray("[server]\nhost=db\ndatabase=a\n") << true << 5432 << "";
    QTest::newRow("no server group") << QByteArray("[altro]\nhost=db\n") << false << 5432 << "";
    QTest::newRow("not a port") << QByteArray("[server]\nhost=db\nport=54x\ndatabase=a\n") << false << 5432
                                << "port: «54x»";
    QTest::newRow("a port too large") << QByteArray("[server]\nhost=db\nport=70000\ndatabase=a\n") << false << 5432
                                      << "port: «70000»";
    QTest::newRow("host without database") << QByteArray("[server]\nhost=db\n") << false << 5432 << "mancano database";
}

void ServerTest::settingsFile()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, configured);
    QFETCH(int, port);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("analisi-grammaticale.conf");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ini);
    f.close();
    QStringList problems;
    const history::ServerSettings s = history::readServerSettings(path, problems);
    QCOMPARE(s.configured(), configured);
    QCOMPARE(s.port, port);
    QCOMPARE(problems.size(), problem.isEmpty() ? 0 : 1);
    if (!problem.isEmpty()) {
        QVERIFY2(problems[0].contains(problem), qPrintable(problems[0]));
        QVERIFY(problems[0].contains(path));
    }
    QVERIFY(!history::readServerSettings(dir.filePath("nessuno.conf"), problems).configured());
    QVERIFY(history::serverSettingsFile().endsWith("/analisi-grammaticale/analisi-grammaticale.conf"));
}

void ServerTest::seriesArriveOnceAndInOrderThroughAnOutage()
{
    QString error;
    QVERIFY2(pg.makeSchoolDatabase("invio", error), qPrintable(error));
    QTemporaryDir dir;
    const QString conf = dir.filePath("analisi-grammaticale.conf");
    writeSettings(conf, pg.settings("invio", "classe_3B", {}));  // the class from the list
    FakeWallClock clock;
    QStringList told;
    history::SqliteHistory h(dir.filePath("s.sqlite"), "Anna", clock, {});
    auto sending = history::startServerSending(h, {"Anna", "3B"}, [&](const QString &m) { told << m; }, conf);
    QVERIFY(sending);
    const auto server = owner("invio");

    play(h, clock, 0, 3);
    QTRY_COMPARE_WITH_TIMEOUT(serverCount(server, "SELECT count(*) FROM series"), 3, kSlowMachineMs);

    QVERIFY2(pg.stop(error), qPrintable(error));
    play(h, clock, 3, 6);
    QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, kSlowMachineMs);
    QVERIFY2(told[0].contains("non risponde"), qPrintable(told[0]));
    HistoryFile local(dir.filePath("s.sqlite"));
    QCOMPARE(local.value("SELECT count(*) FROM outbox").toInt(), 3);

    QVERIFY2(pg.start(error), qPrintable(error));
    sending->wake();
    QTRY_COMPARE_WITH_TIMEOUT(local.value("SELECT count(*) FROM outbox").toInt(), 0, kSlowMachineMs);
    // In the order they closed: each series is committed in a transaction of
    // its own, so the server's transaction ids give the order of arrival.
    const QVariantList closed = local.column("SELECT id FROM series ORDER BY ended_at");
    QCOMPARE(closed.size(), 6);
    QCOMPARE(serverColumn(server, "SELECT id FROM series ORDER BY xmin::text::bigint"), closed);
    QCOMPARE(serverCount(server, "SELECT count(*) FROM answers"), 12);

    // Sent twice (the local mark lost after the server committed): kept once.
    QVERIFY(QSqlQuery(local.db()).exec("INSERT INTO outbox (series_id, queued) SELECT id, 1 FROM series"));
    sending->wake();
    QTRY_COMPARE_WITH_TIMEOUT(local.value("SELECT count(*) FROM outbox").toInt(), 0, kSlowMachineMs);
    QCOMPARE(serverCount(server, "SELECT count(*) FROM series"), 6);
    QCOMPARE(serverCount(server, "SELECT count(*) FROM answers"), 12);
    QCOMPARE(told.size(), 1);  // one message for the whole outage

    // The class view reads back what was sent, under the class's role.
    QStringList problems;
    history::ServerResults results(pg.settings("invio", "classe_3B", "3B"));
    const std::vector<history::PupilSeries> got = results.read(problems);
    QCOMPARE(problems, QStringList());
    QCOMPARE(int(got.size()), 6);
    for (std::size_t i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].id, closed[int(i)].toString());
        QCOMPARE(got[i].pupil, QStringLiteral("Anna"));
        QCOMPARE(got[i].className, QStringLiteral("3B"));
        QCOMPARE(got[i].series.grade, 5 - int(i % 2));
        QCOMPARE(got[i].closedAt - got[i].startedAt, std::int64_t(3000));
        QCOMPARE(int(got[i].answers.size()), 2);
        QCOMPARE(got[i].answers[1].event.unit, 2);
        QCOMPARE(got[i].answers[1].event.right, i % 2 == 0);
        QCOMPARE(got[i].answers[0].event.question, history::Question::PartOfSpeech);
    }
}

void ServerTest::aClassRoleKeepsToItsClass_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("rows");
    QTest::newRow("3B reads its series") << "classe_3B" << "SELECT id FROM series" << true << 1;
    QTest::newRow("3B reads its answers") << "classe_3B" << "SELECT seq FROM answers" << true << 1;
    QTest::newRow("2A sees no series of 3B") << "classe_2A" << "SELECT id FROM series" << true << 0;
    QTest::newRow("2A sees no answer of 3B") << "classe_2A" << "SELECT seq FROM answers" << true << 0;
    QTest::newRow("2A cannot write as 3B")
        << "classe_2A" << "INSERT INTO series (id, pupil, started_at, class_name) VALUES ('x', 'Bo', 1, '3B')" << false
        << 0;
    QTest::newRow("2A cannot add to a series of 3B")
        << "classe_2A" << "INSERT INTO answers VALUES ('serie-3B', 2, 1, 0, '', 0, 1, 'Il', 'parte', 1, 1, 1, 0, 0)"
        << false << 0;
    QTest::newRow("3B cannot change a series") << "classe_3B" << "UPDATE series SET grade = 1" << false << 0;
    QTest::newRow("3B cannot delete answers") << "classe_3B" << "DELETE FROM answers" << false << 0;
    QTest::newRow("3B cannot read the machines' tables") << "classe_3B" << "SELECT name FROM switches" << false << 0;
}

void ServerTest::aClassRoleKeepsToItsClass()
{
    QFETCH(QString, role);
    QFETCH(QString, sql);
    QFETCH(bool, allowed);
    QFETCH(int, rows);
    bool ok = false;
    const QVariantList got = serverColumn(pg.settings("ruoli", role, {}), sql, &ok);
    QVERIFY2(ok == allowed, qPrintable(got.value(0).toString()));
    if (allowed)
        QCOMPARE(got.size(), rows);
    // Whatever was tried, 3B's rows are as they were.
    QCOMPARE(serverColumn(owner("ruoli"), "SELECT grade::text || '/' || count(*) FROM series JOIN answers ON"
                                          " series_id = id GROUP BY grade"),
             QVariantList{"5/1"});
}

void ServerTest::rowsOfAnotherClassAreRefusedAndWait()
{
    // A machine set up with 3B's role but class 2A: the server refuses the
    // rows, the pupil is told once and the series stay in the outbox.
    QTemporaryDir dir;
    const QString conf = dir.filePath("analisi-grammaticale.conf");
    writeSettings(conf, pg.settings("ruoli", "classe_3B", "2A"));
    FakeWallClock clock;
    QStringList told;
    history::SqliteHistory h(dir.filePath("s.sqlite"), "Bruno", clock, {});
    auto sending = history::startServerSending(h, {}, [&](const QString &m) { told << m; }, conf);
    QVERIFY(sending);
    play(h, clock, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, kSlowMachineMs);
    QVERIFY2(told[0].contains("non accetta"), qPrintable(told[0]));
    sending.reset();  // the sender's thread has ended: nothing moves any more
    HistoryFile local(dir.filePath("s.sqlite"));
    QCOMPARE(local.value("SELECT count(*) FROM outbox").toInt(), 2);
    QCOMPARE(serverCount(owner("ruoli"), "SELECT count(*) FROM series WHERE pupil = 'Bruno'"), 0);
}

void ServerTest::theClassViewSkipsWhatMakesNoSense()
{
    QString error;
    QVERIFY2(pg.makeSchoolDatabase("lettura", error), qPrintable(error));
    // What a faulty or hostile machine of the class could have sent.
    QVERIFY2(pg.psql("lettura", "classe_3B",
                     {"-c", "INSERT INTO series VALUES ('buona', 'Anna', 1, 2, 1, 0, 5, 1, '3B'),"
                            " ('voto-9', 'Anna', 1, 2, 1, 0, 9, 1, '3B'), ('domanda-strana', 'Anna', 1, 2, 1, 0, 5, 1, '3B'),"
                            " ('aperta', 'Anna', 1, NULL, NULL, NULL, NULL, NULL, '3B')",
                      "-c", "INSERT INTO answers VALUES ('buona', 1, 1, 0, '', 0, 1, 'Il', 'genere', 1, 1, 1, 0, 1),"
                            " ('domanda-strana', 1, 1, 0, '', 0, 1, 'Il', 'colore', 1, 1, 1, 0, 0)"},
                     error),
             qPrintable(error));
    QStringList problems;
    const std::vector<history::PupilSeries> got =
        history::ServerResults(pg.settings("lettura", "classe_3B", "3B")).read(problems);
    QCOMPARE(int(got.size()), 1);
    QCOMPARE(got[0].id, QStringLiteral("buona"));
    QCOMPARE(got[0].answers.at(0).event.question, history::Question::Gender);
    QVERIFY(got[0].answers.at(0).event.fullAnalysis);
    QCOMPARE(problems.size(), 2);
    QVERIFY2(problems.join('\n').contains("voto-9") && problems.join('\n').contains("domanda-strana"),
             qPrintable(problems.join('\n')));

    // Another class's role reads nothing of it; a server that is not there
    // is one message.
    problems.clear();
    QVERIFY(history::ServerResults(pg.settings("lettura", "classe_2A", "3B")).read(problems).empty());
    QCOMPARE(problems, QStringList());
    history::ServerSettings nowhere = pg.settings("lettura", "classe_3B", "3B");
    nowhere.host = QDir::temp().filePath("nessun-server");
    QVERIFY(history::ServerResults(nowhere).read(problems).empty());
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems[0].startsWith("server della scuola"), qPrintable(problems[0]));
}

QTEST_GUILESS_MAIN(ServerTest)
#include "test_server.moc"
