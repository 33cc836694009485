#pragma once
// A made-up pupil's history, for the benchmark and the pictures: a pupil
// who practises on most days and makes fewer mistakes as the weeks go by.
// Written straight into a history file in one transaction.

#include <QDate>
#include <QString>

namespace history {

struct SampleShape {
    QDate first;              // the first day of practice
    QDate last;               // the last one (today, for the pictures)
    int seriesPerDay = 3;     // on a day of practice, 1..this many series
    double practiceDays = 0.8;  // the share of days with practice
    unsigned seed = 18;
};

struct SampleSize {
    int series = 0;
    int answers = 0;
};

// Writes the sample into the history file at `path` (created and migrated
// if needed); false with `error` when the file cannot be written.
bool writeSampleHistory(const QString &path, const SampleShape &shape, SampleSize &size, QString &error);

}  // namespace history
