// libFuzzer target for the rows the school's server sends back: any values, of
// any kind, in any number, give only series that make sense (grade 1..5, no
// more errors than answers, closed after they started, every answer of a
// question this program asks), each id once, and every series skipped is
// named in a problem that says where it came from.

#include <fuzzer/FuzzedDataProvider.h>

#include <QSet>
#include <QVariant>
#include <cstdlib>

#include "history/server_rows.h"

namespace {

QVariant value(FuzzedDataProvider &in)
{
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return QVariant();
    case 1: return QVariant(QMetaType(QMetaType::Int));  // a typed null, as the driver gives
    case 2: return QVariant(in.ConsumeIntegralInRange<int>(-3, 8));
    case 3: return QVariant(qlonglong(in.ConsumeIntegral<std::int64_t>()));
    case 4: {
        // Short texts, so that ids and question names meet.
        static const char *const known[] = {"a", "b", "parte", "genere", "tempo", "", "3B"};
        return QVariant(QString::fromUtf8(known[in.ConsumeIntegralInRange<std::size_t>(0, 6)]));
    }
    default: return QVariant(QString::fromStdString(in.ConsumeRandomLengthString(12)));
    }
}

std::vector<QVariantList> rows(FuzzedDataProvider &in, int columns)
{
    std::vector<QVariantList> out(in.ConsumeIntegralInRange<std::size_t>(0, 6));
    for (QVariantList &row : out) {
        const int n = in.ConsumeIntegralInRange(columns - 1, columns + 1);
        for (int i = 0; i < n; ++i)
            row << value(in);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::vector<QVariantList> series = rows(in, history::kSeriesColumns);
    const std::vector<QVariantList> answers = rows(in, history::kAnswerRowColumns);
    QStringList problems;
    const std::vector<history::PupilSeries> got = history::gatherSeries(series, answers, "server", problems);
    QSet<QString> ids;
    for (const history::PupilSeries &s : got) {
        if (s.id.isEmpty() || ids.contains(s.id) || s.series.grade < 1 || s.series.grade > 5 ||
            s.series.errors > s.series.answers || s.series.errors < 0 || s.closedAt < s.startedAt)
            std::abort();
        ids.insert(s.id);
        for (const history::TimedAnswer &a : s.answers)
            if (QLatin1String(history::questionName(a.event.question)) == QLatin1String("?") || a.event.unit < 1)
                std::abort();
    }
    for (const QString &p : problems)
        if (!p.startsWith(QStringLiteral("server: la serie ")))
            std::abort();
    if (got.size() + std::size_t(problems.size()) < series.size())
        std::abort();  // a series neither kept nor named
    return 0;
}
