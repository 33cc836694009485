// libFuzzer target for the results file reader: any bytes give series that
// make sense (an id, a grade 1..5, no more errors than answers, an answer's
// time within the years the reader takes), or problems that name the file;
// a series read is written again and read back the same.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "results/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList problems;
    const auto read = results::readResults(bytes, QStringLiteral("r.json"), problems);
    for (const QString &p : problems)
        if (!p.startsWith(QStringLiteral("r.json")))
            std::abort();
    if (read.empty())
        return 0;
    for (const history::PupilSeries &s : read) {
        if (s.id.isEmpty() || s.pupil.isEmpty() || s.series.grade < 1 || s.series.grade > 5 ||
            s.series.errors > s.series.answers || s.startedAt > s.closedAt ||
            s.answers.size() > std::size_t(results::kMaxAnswersPerSeries))
            std::abort();
    }
    QStringList again;
    const auto back = results::readResults(
        results::writeResults({read.front().pupil, read.front().className}, read, 0), QStringLiteral("r.json"), again);
    if (!again.isEmpty() || back.size() != read.size() || back.front().id != read.front().id ||
        back.front().answers.size() != read.front().answers.size())
        std::abort();
    return 0;
}
