#include "schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

namespace history::schema {

namespace {

// Migration n brings version n - 1 to version n. Never edit a released one:
// add the next.
const std::vector<std::vector<const char *>> kMigrations = {
    // 1: series and answers. Times are milliseconds since 1970 (UTC). A series
    // is created open with its first answer and completed when it closes; its
    // id is unique across machines, so a copy sent twice is kept once.
    {
        "CREATE TABLE schema_version (version INTEGER NOT NULL)",
        "INSERT INTO schema_version (version) VALUES (0)",
        "CREATE TABLE series ("
        " id TEXT PRIMARY KEY,"
        " pupil TEXT NOT NULL,"
        " started_at BIGINT NOT NULL,"
        " ended_at BIGINT,"
        " answers INTEGER,"
        " errors INTEGER,"
        " grade INTEGER,"
        " duration_ms BIGINT)",
        "CREATE TABLE answers ("
        " series_id TEXT NOT NULL REFERENCES series (id),"
        " seq INTEGER NOT NULL,"
        " given_at BIGINT NOT NULL,"
        " sentence INTEGER NOT NULL,"
        " source_file TEXT NOT NULL,"
        " source_line INTEGER NOT NULL,"
        " unit INTEGER NOT NULL,"
        " unit_text TEXT NOT NULL,"
        " question TEXT NOT NULL,"
        " pressed INTEGER NOT NULL,"
        " expected INTEGER NOT NULL,"
        " correct INTEGER NOT NULL,"
        " error_category INTEGER NOT NULL,"
        " full_analysis INTEGER NOT NULL,"
        " PRIMARY KEY (series_id, seq))",
    },
    // 2: the pupil's and the teacher's views read by date.
    {
        "CREATE INDEX series_by_end ON series (ended_at)",
        "CREATE INDEX answers_by_time ON answers (given_at)",
    },
    // 3: the pupil's switches of the reading aids, by name (1 on, 0 off).
    {
        "CREATE TABLE switches (name TEXT PRIMARY KEY, value INTEGER NOT NULL)",
    },
    // 4: a school's server. A series carries its class, which the server's
    // roles are checked against; the series closed while a server is set up
    // wait in the outbox, in the order they closed, until the server has them.
    {
        "ALTER TABLE series ADD COLUMN class_name TEXT NOT NULL DEFAULT ''",
        "CREATE TABLE outbox ("
        " series_id TEXT PRIMARY KEY REFERENCES series (id),"
        " queued INTEGER NOT NULL)",
    },
};
static_assert(kCurrentVersion > 0);

bool hasVersionTable(QSqlDatabase &db) { return db.tables().contains(QStringLiteral("schema_version")); }

}  // namespace

QStringList statements(int step)
{
    QStringList out;
    if (step < 1 || step > kCurrentVersion)
        return out;
    for (const char *statement : kMigrations[std::size_t(step - 1)])
        out << QString::fromUtf8(statement);
    return out;
}

int version(QSqlDatabase &db, QString *error)
{
    QSqlQuery probe(db);
    // Any read of a file that is not a database fails here.
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && db.driverName() == QLatin1String("QSQLITE")) {
        if (error)
            *error = probe.lastError().text();
        return -1;
    }
    if (!hasVersionTable(db))
        return 0;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT version FROM schema_version")) || !q.next()) {
        if (error)
            *error = q.lastError().isValid() ? q.lastError().text() : QStringLiteral("versione mancante");
        return -1;
    }
    return q.value(0).toInt();
}

bool migrate(QSqlDatabase &db, QString &error, QSqlError *failure, int target)
{
    const auto fail = [&](const QSqlError &e) {
        error = e.text();
        if (failure)
            *failure = e;
        return false;
    };
    const int from = version(db, &error);
    if (from < 0)
        return false;
    if (from > kCurrentVersion) {
        error = QStringLiteral("creato da una versione più recente del programma (%1)").arg(from);
        return false;
    }
    for (int step = from + 1; step <= target; ++step) {
        if (!db.transaction())
            return fail(db.lastError());
        QSqlQuery q(db);
        for (const char *statement : kMigrations[std::size_t(step - 1)]) {
            if (!q.exec(QString::fromUtf8(statement))) {
                const QSqlError e = q.lastError();
                db.rollback();
                return fail(e);
            }
        }
        q.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
        q.addBindValue(step);
        if (!q.exec()) {
            const QSqlError e = q.lastError();
            db.rollback();
            return fail(e);
        }
        if (!db.commit()) {
            const QSqlError e = db.lastError();
            db.rollback();
            return fail(e);
        }
    }
    return true;
}

}  // namespace history::schema
