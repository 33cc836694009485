#include "progress_data.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>
#include <algorithm>

namespace history {

namespace {

std::int64_t startOfDayMs(QDate day) { return day.startOfDay().toMSecsSinceEpoch(); }
QDate mondayOf(QDate d) { return d.addDays(1 - d.dayOfWeek()); }

// Local days are counted in SQL with today's offset from UTC: one number for
// the whole query, instead of a time-zone lookup per row (a change of summer
// time moves at most the hour around midnight to the next day).
struct LocalDays {
    qint64 offsetSeconds = QDateTime::currentDateTime().offsetFromUtc();
    QString sql(const char *column) const
    {
        return QStringLiteral("((%1 / 1000 + %2) / 86400)").arg(QLatin1String(column)).arg(offsetSeconds);
    }
    static QDate date(qint64 dayNumber) { return QDate(1970, 1, 1).addDays(dayNumber); }
};

void readDays(QSqlDatabase &db, Progress &p)
{
    const LocalDays local;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1, grade, count(*) FROM series WHERE ended_at IS NOT NULL"
                               " GROUP BY 1, 2 ORDER BY 1").arg(local.sql("ended_at"))))
        return;
    std::vector<DayGrades> all;
    while (q.next()) {
        const QDate day = LocalDays::date(q.value(0).toLongLong());
        if (all.empty() || all.back().day != day)
            all.push_back({day, {}});
        const int grade = q.value(1).toInt();
        const int count = q.value(2).toInt();
        if (grade >= 1 && grade <= 5)
            all.back().series[std::size_t(grade)] += count;
        p.totalSeries += count;
    }
    const std::size_t from = all.size() > std::size_t(kDays) ? all.size() - std::size_t(kDays) : 0;
    p.days.assign(all.begin() + std::ptrdiff_t(from), all.end());

    // The best time of a faultless series, each day it came down.
    if (!q.exec(QStringLiteral("SELECT %1, min(duration_ms) FROM series WHERE ended_at IS NOT NULL AND errors = 0"
                               " GROUP BY 1 ORDER BY 1").arg(local.sql("ended_at"))))
        return;
    while (q.next()) {
        const double seconds = q.value(1).toLongLong() / 1000.0;
        if (p.bestTimes.empty() || seconds < p.bestTimes.back().seconds)
            p.bestTimes.push_back({LocalDays::date(q.value(0).toLongLong()), seconds});
    }
}

void readWeeks(QSqlDatabase &db, QDate today, Progress &p)
{
    const LocalDays local;
    const QDate first = mondayOf(today).addDays(-7 * (kWeeks - 1));
    for (int w = 0; w < kWeeks; ++w)
        p.weeks.push_back({first.addDays(7 * w), {}, {}});
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1, question, expected, count(*), sum(1 - correct)"
                             " FROM answers WHERE given_at >= ? AND question <> 'variabile'"
                             " GROUP BY 1, 2, 3").arg(local.sql("given_at")));
    q.addBindValue(qint64(startOfDayMs(first)));
    if (!q.exec())
        return;
    while (q.next()) {
        const QDate day = LocalDays::date(q.value(0).toLongLong());
        const int week = int(first.daysTo(day) / 7);
        const int category = shareCategory(q.value(1).toString(), q.value(2).toInt());
        if (week < 0 || week >= kWeeks || category < 0)
            continue;
        p.weeks[std::size_t(week)].answers[std::size_t(category)] += q.value(3).toInt();
        p.weeks[std::size_t(week)].wrong[std::size_t(category)] += q.value(4).toInt();
    }
}

void readMissed(QSqlDatabase &db, QDate today, Progress &p)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT unit_text, max(CASE WHEN question = 'parte' THEN expected ELSE 0 END), sum(1 - correct),"
        " source_file, source_line, sentence"
        " FROM answers WHERE given_at >= ?"
        " GROUP BY sentence, source_file, source_line, unit, unit_text"
        " HAVING sum(1 - correct) > 0 ORDER BY sum(1 - correct) DESC, max(given_at) DESC, sentence, unit LIMIT ?"));
    q.addBindValue(qint64(startOfDayMs(today.addDays(-kMissedDays))));
    q.addBindValue(kMissed);
    if (!q.exec())
        return;
    while (q.next())
        p.missed.push_back({q.value(0).toString().trimmed(), q.value(1).toInt(), q.value(2).toInt(),
                            q.value(3).toString(), q.value(4).toInt(), q.value(5).toInt()});
}

}  // namespace

int shareCategory(const QString &question, int expected)
{
    if (question == QLatin1String("parte"))
        return expected >= 1 && expected <= 9 ? expected - 1 : -1;
    if (question == QLatin1String("tipo"))
        return 9;
    if (question == QLatin1String("genere"))
        return 10;
    if (question == QLatin1String("numero"))
        return 11;
    // The verb's seven questions make one share: seven lines would crowd a
    // chart meant for a pupil of ten.
    static const char *const verb[] = {"coniugazione", "modo", "tempo", "persona", "numero del verbo", "forma",
                                       "transitività"};
    for (const char *v : verb)
        if (question == QString::fromUtf8(v))
            return 12;
    // Histories written before the name was stored as UTF-8 hold its bytes
    // read as Latin-1.
    if (question == QString::fromLatin1("transitivit\xc3\xa0"))
        return 12;
    // The kinds beyond the article's, the adjective's degree and the personal
    // pronoun's person: one share, "Tipo e grado".
    static const char *const kinds[] = {"tipo di nome",    "tipo di aggettivo", "grado",
                                        "tipo di pronome", "persona del pronome", "tipo di avverbio",
                                        "tipo di preposizione", "tipo di congiunzione", "tipo di esclamazione"};
    for (const char *k : kinds)
        if (question == QLatin1String(k))
            return 13;
    return -1;
}

Progress readProgress(QSqlDatabase &db, QDate today)
{
    Progress p;
    readDays(db, p);
    readWeeks(db, today, p);
    readMissed(db, today, p);
    return p;
}

}  // namespace history
