#include "my_results.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <optional>

namespace results {

namespace {

std::optional<history::Question> questionNamed(const QString &name)
{
    for (int q = 0; q <= int(history::Question::Transitivity); ++q)
        if (QString::fromUtf8(history::questionName(history::Question(q))) == name)
            return history::Question(q);
    return std::nullopt;
}

bool readAll(QSqlDatabase &db, std::vector<history::PupilSeries> &series, QString &error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, started_at, ended_at, answers, errors, grade, duration_ms FROM series"
                               " WHERE ended_at IS NOT NULL ORDER BY started_at, id"))) {
        error = q.lastError().text();
        return false;
    }
    QHash<QString, std::size_t> index;
    while (q.next()) {
        history::PupilSeries s;
        s.id = q.value(0).toString();
        s.startedAt = q.value(1).toLongLong();
        s.closedAt = q.value(2).toLongLong();
        s.series = {q.value(3).toInt(), q.value(4).toInt(), q.value(5).toInt(), q.value(6).toLongLong()};
        index.insert(s.id, series.size());
        series.push_back(std::move(s));
    }
    if (!q.exec(QStringLiteral("SELECT series_id, given_at, sentence, source_file, source_line, unit, unit_text,"
                               " question, pressed, expected, correct, error_category, full_analysis"
                               " FROM answers ORDER BY series_id, seq"))) {
        error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        const auto found = index.constFind(q.value(0).toString());
        const auto question = questionNamed(q.value(7).toString());
        if (found == index.constEnd() || !question)
            continue;  // an answer of the series still open, or of a later program's question
        history::TimedAnswer a;
        a.at = q.value(1).toLongLong();
        a.event.sentence = q.value(2).toInt();
        a.event.sourceFile = q.value(3).toString().toStdString();
        a.event.sourceLine = q.value(4).toInt();
        a.event.unit = q.value(5).toInt();
        a.event.unitText = q.value(6).toString().toStdString();
        a.event.question = *question;
        a.event.pressed = q.value(8).toInt();
        a.event.expected = q.value(9).toInt();
        a.event.right = q.value(10).toInt() == 1;
        a.event.errorCategory = q.value(11).toInt();
        a.event.fullAnalysis = q.value(12).toInt() == 1;
        series[*found].answers.push_back(std::move(a));
    }
    return true;
}

}  // namespace

bool readHistorySeries(const QString &historyPath, std::vector<history::PupilSeries> &series, QString &error)
{
    if (!QFileInfo::exists(historyPath))
        return true;  // no answer given yet: nothing to save
    static std::atomic<int> next{0};
    const QString name = QStringLiteral("risultati-%1").arg(next++);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(historyPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        ok = db.open();
        if (!ok)
            error = db.lastError().text();
        ok = ok && readAll(db, series, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool saveMyResults(const QString &historyPath, const Owner &owner, const QString &target, std::int64_t nowMs,
                   int &saved, QString &error)
{
    std::vector<history::PupilSeries> series;
    QString why;
    if (!readHistorySeries(historyPath, series, why)) {
        error = QStringLiteral("Non riesco a leggere lo storico dei tuoi esercizi (%1): %2")
                    .arg(QDir::toNativeSeparators(historyPath), why);
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeResults(owner, series, nowMs)) < 0 || !file.commit()) {
        error = QStringLiteral("Non riesco a scrivere %1: %2").arg(QDir::toNativeSeparators(target), file.errorString());
        return false;
    }
    saved = int(series.size());
    return true;
}

}  // namespace results
