#include "server_sender.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QDeadlineTimer>
#include <QTimer>
#include <QVariant>
#include <iostream>

#include "schema.h"

namespace history {

namespace {

QString uniqueName(const char *what)
{
    static std::atomic<int> next{0};
    return QStringLiteral("%1-%2").arg(QLatin1String(what)).arg(next++);
}

const char *const kAnswerColumns =
    "series_id, seq, given_at, sentence, source_file, source_line, unit, unit_text, question, pressed, expected,"
    " correct, error_category, full_analysis";
constexpr int kAnswerColumnCount = 14;

QString placeholders(int n)
{
    QStringList marks;
    for (int i = 0; i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

}  // namespace

ServerSender::ServerSender(ServerSettings settings, QString localPath, QString pupil, int retryMs)
    : settings_(std::move(settings)), localPath_(std::move(localPath)), pupil_(std::move(pupil)), retryMs_(retryMs),
      local_(uniqueName("invio-locale")), server_(uniqueName("invio-server"))
{
}

bool ServerSender::openLocal()
{
    if (QSqlDatabase::contains(local_))
        return QSqlDatabase::database(local_, false).isOpen();
    // Nothing is created here: the history makes its file with the first answer.
    if (!QFileInfo::exists(localPath_))
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), local_);
    db.setDatabaseName(localPath_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (db.open()) {
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
        return true;
    }
    db = QSqlDatabase();
    closeLocal();
    return false;
}

ServerSender::Result ServerSender::openServer(QString &error)
{
    if (QSqlDatabase::contains(server_) && QSqlDatabase::database(server_, false).isOpen())
        return Result::Sent;
    dropServer();
    QSqlDatabase db = serverConnection(settings_, server_);
    if (!db.open()) {
        error = db.lastError().text();
        db = QSqlDatabase();  // the handle goes before its connection
        dropServer();
        return Result::Unreachable;
    }
    // The server's tables must be at least the ones this program writes.
    bool current = false;
    {
        QSqlQuery q(db);
        current = q.exec(QStringLiteral("SELECT version FROM schema_version")) && q.next() &&
                  q.value(0).toInt() >= schema::kCurrentVersion;
    }
    if (!current) {
        error = QStringLiteral("le tabelle del server non sono della versione %1 (lo script di preparazione del "
                               "server non è stato eseguito?)")
                    .arg(schema::kCurrentVersion);
        db = QSqlDatabase();
        dropServer();
        return Result::Refused;
    }
    return Result::Sent;
}

void ServerSender::dropServer()
{
    if (!QSqlDatabase::contains(server_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(server_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(server_);
}

void ServerSender::stop()
{
    stopping = true;
    if (retry_)
        retry_->stop();
    dropServer();
    closeLocal();
}

void ServerSender::closeLocal()
{
    if (!QSqlDatabase::contains(local_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(local_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(local_);
}

void ServerSender::tell(const QString &message, const QString &detail)
{
    if (troubled_)
        return;
    troubled_ = true;
    // The pupil reads Italian only; the server's own words are for whoever
    // looks after the machines.
    std::cerr << message.toStdString() << '\n' << "  " << detail.simplified().toStdString() << std::endl;
    emit trouble(message);
}

void ServerSender::retryLater()
{
    if (!retry_) {
        retry_ = new QTimer(this);
        retry_->setSingleShot(true);
        connect(retry_, &QTimer::timeout, this, &ServerSender::sendWaiting);
    }
    if (!retry_->isActive())
        retry_->start(retryMs_);
}

void ServerSender::sendWaiting()
{
    if (stopping || !openLocal())
        return;
    drain();
    // Closed between rounds: a history file moved aside and started anew is
    // the one read next time.
    closeLocal();
}

void ServerSender::drain()
{
    QSqlDatabase local = QSqlDatabase::database(local_, false);
    while (!stopping) {
        QSqlQuery next(local);
        if (!next.exec(QStringLiteral("SELECT series_id FROM outbox ORDER BY queued LIMIT 1"))) {
            retryLater();  // the file is busy or gone for now
            return;
        }
        if (!next.next()) {
            troubled_ = false;
            emit allSent();
            return;
        }
        const QString id = next.value(0).toString();
        next.finish();
        QString error;
        switch (sendOne(id, error)) {
        case Result::Sent: {
            QSqlQuery done(local);
            done.prepare(QStringLiteral("DELETE FROM outbox WHERE series_id = ?"));
            done.addBindValue(id);
            if (!done.exec()) {
                // The server has it; sent again later, it is kept once.
                retryLater();
                return;
            }
            break;
        }
        case Result::LocalBusy:
            retryLater();  // the pupil's own file, busy for now
            return;
        case Result::Unreachable:
            tell(QStringLiteral("Il server della scuola (%1) non risponde: i risultati restano su questo computer "
                                "e saranno inviati appena possibile. L'esercizio continua.")
                     .arg(settings_.host),
                 error);
            retryLater();
            return;
        case Result::Refused:
            tell(QStringLiteral("Il server della scuola (%1) non accetta i risultati: restano su questo computer; "
                                "avvisa l'insegnante. L'esercizio continua.")
                     .arg(settings_.host),
                 error);
            retryLater();
            return;
        }
    }
}

ServerSender::Result ServerSender::sendOne(const QString &seriesId, QString &error)
{
    QSqlDatabase local = QSqlDatabase::database(local_, false);
    QSqlQuery series(local);
    series.prepare(QStringLiteral("SELECT pupil, class_name, started_at, ended_at, answers, errors, grade, duration_ms"
                                  " FROM series WHERE id = ?"));
    series.addBindValue(seriesId);
    if (!series.exec() || !series.next()) {
        error = series.lastError().text();
        return Result::LocalBusy;
    }
    QVariantList seriesRow{seriesId};
    for (int i = 0; i < 8; ++i)
        seriesRow << series.value(i);
    if (seriesRow[1].toString().isEmpty())
        seriesRow[1] = pupil_;
    series.finish();
    QSqlQuery answers(local);
    answers.prepare(QStringLiteral("SELECT %1 FROM answers WHERE series_id = ? ORDER BY seq")
                        .arg(QLatin1String(kAnswerColumns)));
    answers.addBindValue(seriesId);
    if (!answers.exec()) {
        error = answers.lastError().text();
        return Result::LocalBusy;
    }
    std::vector<QVariantList> answerRows;
    while (answers.next()) {
        QVariantList row;
        for (int i = 0; i < kAnswerColumnCount; ++i)
            row << answers.value(i);
        answerRows.push_back(row);
    }
    answers.finish();

    if (const Result opened = openServer(error); opened != Result::Sent)
        return opened;
    const Result result = insert(seriesRow, answerRows, error);
    if (result != Result::Sent)
        dropServer();  // opened anew on the next try
    return result;
}

ServerSender::Result ServerSender::insert(const QVariantList &seriesRow, const std::vector<QVariantList> &answerRows,
                                          QString &error)
{
    QSqlDatabase server = QSqlDatabase::database(server_, false);
    const auto failed = [&](const QSqlError &e) {
        error = e.text();
        if (server.isOpen())
            server.rollback();
        // A connection lost (SQLSTATE class 08, or the server shutting down,
        // 57P) is the server gone; anything else is the server refusing the rows.
        const QString state = e.nativeErrorCode();
        const bool lost = e.type() == QSqlError::ConnectionError || !server.isOpen() || state.isEmpty() ||
                          state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"));
        return lost ? Result::Unreachable : Result::Refused;
    };
    if (!server.transaction())
        return failed(server.lastError());
    QSqlQuery q(server);
    q.prepare(QStringLiteral("INSERT INTO series (id, pupil, class_name, started_at, ended_at, answers, errors, grade,"
                             " duration_ms) VALUES (%1) ON CONFLICT (id) DO NOTHING")
                  .arg(placeholders(9)));
    for (const QVariant &v : seriesRow)
        q.addBindValue(v);
    if (!q.exec())
        return failed(q.lastError());
    q.prepare(QStringLiteral("INSERT INTO answers (%1) VALUES (%2) ON CONFLICT (series_id, seq) DO NOTHING")
                  .arg(QLatin1String(kAnswerColumns), placeholders(kAnswerColumnCount)));
    for (const QVariantList &row : answerRows) {
        for (const QVariant &v : row)
            q.addBindValue(v);
        if (!q.exec())
            return failed(q.lastError());
    }
    if (!server.commit())
        return failed(server.lastError());
    return Result::Sent;
}

ServerSending::ServerSending(ServerSettings settings, QString localPath, QString pupil, Notice notice, int retryMs)
    : thread_(new QThread), sender_(new ServerSender(std::move(settings), std::move(localPath), std::move(pupil), retryMs))
{
    thread_->setObjectName(QStringLiteral("invio al server"));
    sender_->moveToThread(thread_);
    connect(sender_, &ServerSender::trouble, this, [notice](const QString &m) {
        if (notice)
            notice(m);
    });
    connect(sender_, &ServerSender::allSent, this, &ServerSending::allSent);
    // The connections are closed on the thread that opened them, as it ends.
    connect(thread_, &QThread::finished, sender_, &ServerSender::stop, Qt::DirectConnection);
    thread_->start();
}

ServerSending::~ServerSending()
{
    sender_->stopping = true;  // a long queue stops between two series
    thread_->quit();
    // A connection the network has dropped without a word ends within the
    // keep-alive's bound; should the thread still be busy then, the program
    // ends without it rather than wait: the series in hand stays in the
    // outbox (or, sent, is kept once when sent again).
    if (!thread_->wait(QDeadlineTimer(kEndWaitMs)))
        return;
    delete sender_;
    delete thread_;
}

void ServerSending::wake() { QMetaObject::invokeMethod(sender_, &ServerSender::sendWaiting, Qt::QueuedConnection); }

}  // namespace history
