#include "server_results.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>
#include <optional>

namespace history {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("risultati-server-%1").arg(next++);
}

// The question stored under `name`; none for a name this program never wrote.
std::optional<Question> questionNamed(const QString &name)
{
    for (int q = 0; q < 64; ++q) {
        const char *known = questionName(Question(q));
        if (QLatin1String(known) == QLatin1String("?"))
            break;
        if (name == QString::fromUtf8(known))
            return Question(q);
    }
    return std::nullopt;
}

// The series' columns, then its answers', in the order the queries give them.
bool readSeries(const QSqlQuery &q, PupilSeries &s)
{
    s.id = q.value(0).toString();
    s.pupil = q.value(1).toString();
    s.className = q.value(2).toString();
    s.startedAt = q.value(3).toLongLong();
    s.closedAt = q.value(4).toLongLong();
    s.series.answers = q.value(5).toInt();
    s.series.errors = q.value(6).toInt();
    s.series.grade = q.value(7).toInt();
    s.series.durationMs = q.value(8).toLongLong();
    return !s.id.isEmpty() && s.series.grade >= 1 && s.series.grade <= 5 && s.series.answers >= 0 &&
           s.series.errors >= 0 && s.series.errors <= s.series.answers && s.closedAt >= s.startedAt &&
           s.series.durationMs >= 0;
}

bool readAnswer(const QSqlQuery &q, TimedAnswer &a)
{
    a.at = q.value(1).toLongLong();
    AnswerEvent &e = a.event;
    e.sentence = q.value(2).toInt();
    e.sourceFile = q.value(3).toString().toStdString();
    e.sourceLine = q.value(4).toInt();
    e.unit = q.value(5).toInt();
    e.unitText = q.value(6).toString().toStdString();
    const std::optional<Question> question = questionNamed(q.value(7).toString());
    e.pressed = q.value(8).toInt();
    e.expected = q.value(9).toInt();
    e.right = q.value(10).toInt() == 1;
    e.errorCategory = q.value(11).toInt();
    e.fullAnalysis = q.value(12).toInt() == 1;
    if (!question)
        return false;
    e.question = *question;
    return e.sentence >= 0 && e.sourceLine >= 0 && e.unit >= 1 && e.errorCategory >= 0;
}

}  // namespace

QString ServerResults::where() const
{
    return QStringLiteral("server della scuola (%1, %2)").arg(settings_.host, settings_.database);
}

std::vector<PupilSeries> ServerResults::read(QStringList &problems)
{
    std::vector<PupilSeries> out;
    const QString connection = uniqueConnectionName();
    {
        QSqlDatabase db = serverConnection(settings_, connection);
        const auto fault = [&](const QSqlError &e) {
            problems << QStringLiteral("%1: non riesco a leggere i risultati (%2).").arg(where(), e.text().trimmed());
        };
        if (!db.open()) {
            fault(db.lastError());
        } else {
            // Only closed series; the role sees its own class and no other.
            const QString closed = QStringLiteral(" FROM series WHERE ended_at IS NOT NULL AND (? = '' OR class_name = ?)");
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT id, pupil, class_name, started_at, ended_at, answers, errors, grade,"
                                     " duration_ms") + closed + QStringLiteral(" ORDER BY ended_at, id"));
            q.addBindValue(settings_.className);
            q.addBindValue(settings_.className);
            std::map<QString, std::size_t> index;
            std::vector<bool> spoilt;
            if (!q.exec()) {
                fault(q.lastError());
            } else {
                while (q.next()) {
                    PupilSeries s;
                    if (!readSeries(q, s)) {
                        problems << QStringLiteral("%1: la serie %2 ha valori impossibili ed è stata saltata.")
                                        .arg(where(), s.id);
                        continue;
                    }
                    index[s.id] = out.size();
                    out.push_back(std::move(s));
                    spoilt.push_back(false);
                }
                q.prepare(QStringLiteral("SELECT series_id, given_at, sentence, source_file, source_line, unit,"
                                         " unit_text, question, pressed, expected, correct, error_category,"
                                         " full_analysis FROM answers WHERE series_id IN (SELECT id") +
                          closed + QStringLiteral(") ORDER BY series_id, seq"));
                q.addBindValue(settings_.className);
                q.addBindValue(settings_.className);
                if (!q.exec()) {
                    fault(q.lastError());
                    out.clear();
                    spoilt.clear();
                } else {
                    while (q.next()) {
                        const auto found = index.find(q.value(0).toString());
                        if (found == index.end())
                            continue;  // a series skipped above
                        TimedAnswer a;
                        if (!readAnswer(q, a)) {
                            if (!spoilt[found->second])
                                problems << QStringLiteral("%1: la serie %2 ha una risposta illeggibile ed è stata "
                                                           "saltata.")
                                                .arg(where(), found->first);
                            spoilt[found->second] = true;
                            continue;
                        }
                        out[found->second].answers.push_back(std::move(a));
                    }
                }
            }
            std::vector<PupilSeries> kept;
            for (std::size_t i = 0; i < out.size(); ++i)
                if (!spoilt[i])
                    kept.push_back(std::move(out[i]));
            out = std::move(kept);
            q.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return out;
}

}  // namespace history
