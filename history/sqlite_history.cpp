#include "sqlite_history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <atomic>

#include "schema.h"

namespace history {

namespace {

// SQLite's primary result code (the low byte of an extended one); 0 if none.
int primaryCode(const QSqlError &e) { return e.nativeErrorCode().toInt() & 0xff; }

// "This is not a database", "the file is damaged".
bool isDamage(const QSqlError &e) { return primaryCode(e) == 26 || primaryCode(e) == 11; }

// Troubles that pass (busy, locked, read-only, input/output, full, cannot
// open): the file is left where it is and tried again later.
bool isPassing(const QSqlError &e)
{
    const int code = primaryCode(e);
    return code == 5 || code == 6 || code == 8 || code == 10 || code == 13 || code == 14;
}

// Text columns are never null: an empty text is bound as "".
QVariant text(const QString &s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }
QVariant text(const std::string &s) { return text(QString::fromStdString(s)); }

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Non posso scrivere lo storico dei tuoi esercizi in %1 (%2): le risposte restano "
                          "in memoria e saranno salvate appena possibile. L'esercizio continua.")
        .arg(shown(path), reason);
}

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("storico-%1").arg(next++);
}

}  // namespace

SqliteHistory::SqliteHistory(QString path, QString pupil, const WallClock &clock, Notice notice)
    : path_(std::move(path)), pupil_(std::move(pupil)), clock_(clock), notice_(std::move(notice)),
      connection_(uniqueConnectionName())
{
    // The file is opened with the first answer: a run without answers
    // writes nothing.
}

SqliteHistory::~SqliteHistory() { closeFile(); }

void SqliteHistory::closeFile()
{
    if (QSqlDatabase::contains(connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

bool SqliteHistory::tryOpen(QString &error, bool &damaged)
{
    damaged = false;
    closeFile();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        error = db.lastError().text();
        damaged = isDamage(db.lastError());
        return false;
    }
    QSqlQuery q(db);
    // The log survives a crash; a full sync at each commit survives a power cut.
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON"}) {
        if (!q.exec(QString::fromLatin1(pragma))) {
            error = q.lastError().text();
            damaged = isDamage(q.lastError());
            return false;
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        error = q.lastError().text();
        damaged = isDamage(q.lastError());
        return false;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        error = q.value(0).toString();
        damaged = true;
        return false;
    }
    q.finish();
    QSqlError failure;
    if (!schema::migrate(db, error, &failure)) {
        // A database that is not ours (its tables clash with ours), or from a
        // newer program, is set aside rather than written over.
        damaged = !isPassing(failure);
        return false;
    }
    return true;
}

void SqliteHistory::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".guasto-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".guasto-%1-%2").arg(stamp).arg(n);
    QFile::rename(path_, aside);
    // The log and its index belong to the damaged file: a new file must not
    // pick them up.
    for (const char *suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(path_ + QLatin1String(suffix)))
            QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    tell(QStringLiteral("Lo storico dei tuoi esercizi (%1) era danneggiato: è stato messo da parte "
                        "come %2 e ne è stato iniziato uno nuovo. L'esercizio continua.")
             .arg(shown(path_), shown(aside)));
}

bool SqliteHistory::openFile()
{
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        tell(QStringLiteral("Non posso creare la cartella %1: le risposte restano in memoria e saranno "
                            "salvate appena possibile. L'esercizio continua.")
                 .arg(shown(folder)));
        return false;
    }
    QString error;
    bool damaged = false;
    open_ = tryOpen(error, damaged);
    if (!open_ && damaged) {
        closeFile();
        moveAside();
        open_ = tryOpen(error, damaged);
    }
    if (!open_) {
        closeFile();
        tell(cannotWrite(path_, error));
    }
    return open_;
}

void SqliteHistory::tell(const QString &message)
{
    if (troubled_)
        return;  // one message per trouble, not one per answer
    troubled_ = true;
    if (notice_)
        notice_(message);
}

void SqliteHistory::answerGiven(const AnswerEvent &answer)
{
    if (seriesId_.isEmpty()) {
        seriesId_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
        seq_ = 0;
    }
    pending_.push_back(Answer{seriesId_, ++seq_, clock_.nowMsSinceEpoch(), answer});
    flush();
}

void SqliteHistory::seriesClosed(const SeriesEvent &series)
{
    if (seriesId_.isEmpty())
        return;  // no answer, nothing to close
    pending_.push_back(Close{seriesId_, clock_.nowMsSinceEpoch(), series});
    seriesId_.clear();
    flush();
}

bool SqliteHistory::rememberedSwitch(const std::string &name)
{
    // A pupil who never answered has no file, and no switch on: nothing is
    // created just to read.
    if (!open_ && (!QFileInfo::exists(path_) || !openFile()))
        return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT value FROM switches WHERE name = ?"));
    q.addBindValue(text(name));
    return q.exec() && q.next() && q.value(0).toInt() == 1;
}

void SqliteHistory::rememberSwitch(const std::string &name, bool on)
{
    if (!open_ && !openFile())
        return;  // the pupil has been told; the switch still works for this run
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO switches (name, value) VALUES (?, ?)"
                             " ON CONFLICT (name) DO UPDATE SET value = excluded.value"));
    q.addBindValue(text(name));
    q.addBindValue(on ? 1 : 0);
    if (!q.exec())
        tell(cannotWrite(path_, q.lastError().text()));
}

void SqliteHistory::queueForServer(QString className, std::function<void()> queued)
{
    className_ = std::move(className);
    queueing_ = true;
    queued_ = std::move(queued);
}

void SqliteHistory::flush()
{
    if (!open_ && !openFile())
        return;
    bool closed = false;
    while (!pending_.empty()) {
        const bool done = std::visit([this](const auto &p) { return write(p); }, pending_.front());
        if (!done)
            break;
        closed = closed || std::holds_alternative<Close>(pending_.front());
        pending_.pop_front();
    }
    if (closed && queueing_ && queued_)
        queued_();
    if (pending_.empty())
        troubled_ = false;  // all written: a later trouble is told again
}

bool SqliteHistory::write(const Answer &a)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    const auto failed = [&](const QSqlError &e) {
        db.rollback();
        tell(cannotWrite(path_, e.text()));
        return false;
    };
    if (!db.transaction())
        return failed(db.lastError());
    q.prepare(QStringLiteral("INSERT INTO series (id, pupil, started_at, class_name) VALUES (?, ?, ?, ?) "
                             "ON CONFLICT (id) DO NOTHING"));
    q.addBindValue(a.seriesId);
    q.addBindValue(text(pupil_));
    q.addBindValue(qint64(a.at));
    q.addBindValue(text(className_));
    if (!q.exec())
        return failed(q.lastError());
    const AnswerEvent &e = a.event;
    q.prepare(QStringLiteral(
        "INSERT INTO answers (series_id, seq, given_at, sentence, source_file, source_line, unit, unit_text,"
        " question, pressed, expected, correct, error_category, full_analysis)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (series_id, seq) DO NOTHING"));
    for (const QVariant &v : {QVariant(a.seriesId), QVariant(a.seq), QVariant(qint64(a.at)), QVariant(e.sentence),
                              text(e.sourceFile), QVariant(e.sourceLine),
                              QVariant(e.unit), text(e.unitText),
                              QVariant(QString::fromUtf8(questionName(e.question))), QVariant(e.pressed),
                              QVariant(e.expected), QVariant(e.right ? 1 : 0), QVariant(e.errorCategory),
                              QVariant(e.fullAnalysis ? 1 : 0)})
        q.addBindValue(v);
    if (!q.exec())
        return failed(q.lastError());
    if (!db.commit())
        return failed(db.lastError());
    return true;
}

bool SqliteHistory::write(const Close &c)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    const auto failed = [&](const QSqlError &e) {
        db.rollback();
        tell(cannotWrite(path_, e.text()));
        return false;
    };
    // The close and its place in the outbox are one step: a series is never
    // closed without being queued, nor queued open.
    if (!db.transaction())
        return failed(db.lastError());
    const SeriesEvent &e = c.event;
    q.prepare(QStringLiteral("UPDATE series SET started_at = ?, ended_at = ?, answers = ?, errors = ?, grade = ?,"
                             " duration_ms = ? WHERE id = ?"));
    for (const QVariant &v : {QVariant(qint64(c.at - e.durationMs)), QVariant(qint64(c.at)), QVariant(e.answers),
                              QVariant(e.errors), QVariant(e.grade), QVariant(qint64(e.durationMs)),
                              QVariant(c.seriesId)})
        q.addBindValue(v);
    if (!q.exec())
        return failed(q.lastError());
    if (queueing_) {
        q.prepare(QStringLiteral("INSERT INTO outbox (series_id, queued)"
                                 " SELECT ?, COALESCE(MAX(queued), 0) + 1 FROM outbox WHERE 1 = 1"
                                 " ON CONFLICT (series_id) DO NOTHING"));
        q.addBindValue(c.seriesId);
        if (!q.exec())
            return failed(q.lastError());
    }
    if (!db.commit())
        return failed(db.lastError());
    return true;
}

QString historyFile(const QString &pupil)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QString name = QStringLiteral("storico");
    if (!pupil.isEmpty()) {
        // Letters and digits of the name only: a name never makes a path.
        QString safe;
        for (const QChar c : pupil)
            safe += c.isLetterOrNumber() ? c : QLatin1Char('_');
        name += QLatin1Char('-') + safe;
    }
    return QDir(base).filePath(QStringLiteral("analisi-grammaticale/storico/") + name + QStringLiteral(".sqlite"));
}

}  // namespace history
