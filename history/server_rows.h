#pragma once
// The rows the server sends back, checked and gathered into a class's series.
// The server is input from outside: a value of the wrong kind or out of its
// range spoils its series, which is named in a problem and skipped, and
// nothing else is lost. Apart from the connection so that it can be fuzzed.

#include <QStringList>
#include <QVariantList>
#include <vector>

#include "class_results.h"

namespace history {

// `series`: id, pupil, class, started, closed, answers, errors, grade,
// duration. `answers`: series id, given at, sentence, source file, source
// line, unit, unit text, question, pressed, expected, right, error category,
// full analysis. Series keep the order they come in, answers theirs.
std::vector<PupilSeries> gatherSeries(const std::vector<QVariantList> &series,
                                      const std::vector<QVariantList> &answers, const QString &where,
                                      QStringList &problems);

inline constexpr int kSeriesColumns = 9;
inline constexpr int kAnswerRowColumns = 13;

}  // namespace history
