#include "server_results.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "server_rows.h"

namespace history {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("risultati-server-%1").arg(next++);
}

// Every row of `q`, `columns` values each.
std::vector<QVariantList> rows(QSqlQuery &q, int columns)
{
    std::vector<QVariantList> out;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        out.push_back(row);
    }
    return out;
}

}  // namespace

QString ServerResults::where() const
{
    return QStringLiteral("server della scuola (%1, %2)").arg(settings_.host, settings_.database);
}

std::vector<PupilSeries> ServerResults::read(QStringList &problems)
{
    std::vector<QVariantList> series, answers;
    QString fault;
    const QString connection = uniqueConnectionName();
    {
        QSqlDatabase db = serverConnection(settings_, connection);
        if (!db.open()) {
            fault = db.lastError().text();
        } else {
            // Only closed series; the role sees its own class and no other.
            const QString closed =
                QStringLiteral(" FROM series WHERE ended_at IS NOT NULL AND (? = '' OR class_name = ?)");
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT id, pupil, class_name, started_at, ended_at, answers, errors, grade,"
                                     " duration_ms") + closed + QStringLiteral(" ORDER BY ended_at, id"));
            q.addBindValue(settings_.className);
            q.addBindValue(settings_.className);
            if (q.exec())
                series = rows(q, kSeriesColumns);
            else
                fault = q.lastError().text();
            q.prepare(QStringLiteral("SELECT series_id, given_at, sentence, source_file, source_line, unit,"
                                     " unit_text, question, pressed, expected, correct, error_category,"
                                     " full_analysis FROM answers WHERE series_id IN (SELECT id") +
                      closed + QStringLiteral(") ORDER BY series_id, seq"));
            q.addBindValue(settings_.className);
            q.addBindValue(settings_.className);
            if (fault.isEmpty() && q.exec())
                answers = rows(q, kAnswerRowColumns);
            else if (fault.isEmpty())
                fault = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!fault.isEmpty()) {
        problems << QStringLiteral("%1: non riesco a leggere i risultati (%2).").arg(where(), fault.trimmed());
        return {};
    }
    return gatherSeries(series, answers, where(), problems);
}

}  // namespace history
