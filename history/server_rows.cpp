#include "server_rows.h"

#include <map>
#include <optional>

namespace history {

namespace {

// A whole number, and nothing else (no text, no null).
std::optional<std::int64_t> whole(const QVariant &v)
{
    if (v.isNull() || v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray)
        return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(n) : std::nullopt;
}

std::optional<int> small(const QVariant &v, std::int64_t low, std::int64_t high)
{
    const auto n = whole(v);
    return n && *n >= low && *n <= high ? std::optional<int>(int(*n)) : std::nullopt;
}

std::optional<QString> text(const QVariant &v)
{
    return v.typeId() == QMetaType::QString ? std::optional<QString>(v.toString()) : std::nullopt;
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

constexpr std::int64_t kMaxCount = 1'000'000;
constexpr int kMaxCode = 1'000'000;

std::optional<PupilSeries> seriesFrom(const QVariantList &row)
{
    if (row.size() != kSeriesColumns)
        return std::nullopt;
    PupilSeries s;
    const auto id = text(row[0]), pupil = text(row[1]), className = text(row[2]);
    const auto started = whole(row[3]), closed = whole(row[4]), duration = whole(row[8]);
    const auto answers = small(row[5], 0, kMaxCount), errors = small(row[6], 0, kMaxCount), grade = small(row[7], 1, 5);
    if (!id || id->isEmpty() || !pupil || !className || !started || !closed || !duration || !answers || !errors ||
        !grade || *errors > *answers || *closed < *started || *duration < 0)
        return std::nullopt;
    s.id = *id;
    s.pupil = *pupil;
    s.className = *className;
    s.startedAt = *started;
    s.closedAt = *closed;
    s.series = {.answers = *answers, .errors = *errors, .grade = *grade, .durationMs = *duration};
    return s;
}

std::optional<TimedAnswer> answerFrom(const QVariantList &row)
{
    if (row.size() != kAnswerRowColumns)
        return std::nullopt;
    const auto at = whole(row[1]);
    const auto sentence = small(row[2], 0, kMaxCode), line = small(row[4], 0, kMaxCode), unit = small(row[5], 1, kMaxCode);
    const auto file = text(row[3]), unitText = text(row[6]), question = text(row[7]);
    const auto pressed = small(row[8], -kMaxCode, kMaxCode), expected = small(row[9], -kMaxCode, kMaxCode);
    const auto right = small(row[10], 0, 1), category = small(row[11], 0, kMaxCode), full = small(row[12], 0, 1);
    const auto named = question ? questionNamed(*question) : std::nullopt;
    if (!at || !sentence || !line || !unit || !file || !unitText || !named || !pressed || !expected || !right ||
        !category || !full)
        return std::nullopt;
    TimedAnswer a;
    a.at = *at;
    a.event = {.sentence = *sentence, .sourceFile = file->toStdString(), .sourceLine = *line, .unit = *unit,
               .unitText = unitText->toStdString(), .question = *named, .pressed = *pressed,
               .expected = *expected, .right = *right == 1, .errorCategory = *category, .fullAnalysis = *full == 1};
    return a;
}

}  // namespace

std::vector<PupilSeries> gatherSeries(const std::vector<QVariantList> &series,
                                      const std::vector<QVariantList> &answers, const QString &where,
                                      QStringList &problems)
{
    std::vector<PupilSeries> read;
    std::vector<bool> spoilt;
    std::map<QString, std::size_t> index;
    for (const QVariantList &row : series) {
        const std::optional<PupilSeries> s = seriesFrom(row);
        const QString id = row.value(0).toString().left(80);
        if (!s || index.count(s->id)) {
            problems << QStringLiteral("%1: la serie «%2» ha valori impossibili ed è stata saltata.").arg(where, id);
            continue;
        }
        index[s->id] = read.size();
        read.push_back(*s);
        spoilt.push_back(false);
    }
    for (const QVariantList &row : answers) {
        const auto found = index.find(row.value(0).toString());
        if (found == index.end())
            continue;  // of a series skipped above
        const std::optional<TimedAnswer> a = answerFrom(row);
        if (!a) {
            if (!spoilt[found->second])
                problems << QStringLiteral("%1: la serie «%2» ha una risposta illeggibile ed è stata saltata.")
                                .arg(where, found->first.left(80));
            spoilt[found->second] = true;
            continue;
        }
        read[found->second].answers.push_back(*a);
    }
    std::vector<PupilSeries> kept;
    for (std::size_t i = 0; i < read.size(); ++i)
        if (!spoilt[i])
            kept.push_back(std::move(read[i]));
    return kept;
}

}  // namespace history
