// The real program killed with SIGKILL in the middle of a series: the history
// file holds every answer given before the kill, as the pupil gave it, and
// opens afterwards without being moved aside.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "history/sqlite_history.h"
#include "history_fakes.h"

class HistoryKillTest : public QObject {
    Q_OBJECT
private slots:
    void everyAnswerBeforeTheKillIsKept_data();
    void everyAnswerBeforeTheKillIsKept();
};

void HistoryKillTest::everyAnswerBeforeTheKillIsKept_data()
{
    QTest::addColumn<int>("killAfter");  // answers printed before the kill
    QTest::newRow("in the first series") << 5;
    QTest::newRow("in the second series, after a close") << 23;
}

void HistoryKillTest::everyAnswerBeforeTheKillIsKept()
{
    QFETCH(int, killAfter);
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("share"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(QStringLiteral(HISTORY_KILL_DRIVER), {QString::number(killAfter + 50)});
    QVERIFY(program.waitForStarted());

    QStringList printed;
    while (printed.size() < killAfter) {
        if (!program.canReadLine() && !program.waitForReadyRead(60'000))
            QFAIL(qPrintable("no answer after " + printed.join(", ") + "\n" + program.readAllStandardError()));
        while (program.canReadLine() && printed.size() < killAfter)
            printed << QString::fromUtf8(program.readLine()).trimmed();
    }
    program.kill();  // SIGKILL
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);

    const QString path = home.filePath("share/analisi-grammaticale/storico/storico.sqlite");
    QStringList stored;
    {
        HistoryFile file(path);
        int n = 0;
        for (const QVariant &right : file.column("SELECT a.correct FROM answers a JOIN series s ON s.id = a.series_id"
                                                 " ORDER BY a.given_at, a.seq"))
            stored << QStringLiteral("risposta %1 %2").arg(++n).arg(right.toInt() ? "giusta" : "sbagliata");
        QVERIFY(file.value("PRAGMA integrity_check").toString() == "ok");
        // The series graded before the kill is complete.
        QCOMPARE(file.value("SELECT count(*) FROM series WHERE ended_at IS NOT NULL").toInt(), killAfter / 20);
    }
    // Every answer printed is there, in order; at most the one being given
    // when the kill came is there too.
    QVERIFY2(stored.size() == printed.size() || stored.size() == printed.size() + 1, qPrintable(stored.join(", ")));
    QCOMPARE(stored.mid(0, printed.size()), printed);

    // The next start goes on with the same file.
    FakeWallClock clock;
    QStringList told;
    history::SqliteHistory again(path, QString(), clock, [&](const QString &m) { told << m; });
    again.answerGiven({});
    QVERIFY2(told.isEmpty(), qPrintable(told.join('\n')));
    HistoryFile file(path);
    QCOMPARE(file.value("SELECT count(*) FROM answers").toInt(), stored.size() + 1);
}

QTEST_GUILESS_MAIN(HistoryKillTest)
#include "test_history_kill.moc"
