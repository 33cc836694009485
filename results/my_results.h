#pragma once
// Saving "i miei risultati": the closed series of the pupil's history file,
// with their answers, written to one results file (results_file.h) through
// QSaveFile, so a stick pulled out mid-write leaves the old file whole.

#include <QString>
#include <vector>

#include "results_file.h"

namespace results {

// The closed series of the history file at `historyPath`, oldest first, with
// their answers in order; false with `error` when it cannot be read. Each
// series keeps the id the history gave it when it began.
bool readHistorySeries(const QString &historyPath, std::vector<history::PupilSeries> &series, QString &error);

// Reads the history and writes the results file `target`; `saved` is the
// number of series written. False with an Italian `error` naming the file.
bool saveMyResults(const QString &historyPath, const Owner &owner, const QString &target, std::int64_t nowMs,
                   int &saved, QString &error);

}  // namespace results
