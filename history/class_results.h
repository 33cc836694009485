#pragma once
// What the teacher's class view reads: every closed series of the pupils of a
// class, with its answers, from the school's server or from the results
// files pupils saved ("i miei risultati"). Each place the series come from is
// a ClassResultsSource; the view gathers them, keeps each series once (by its
// id) and never trusts what it reads: a source that cannot be read, or a
// series in it that makes no sense, is named in a problem and skipped.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "events.h"

namespace history {

struct TimedAnswer {
    std::int64_t at = 0;  // milliseconds since the epoch, UTC
    AnswerEvent event;
};

struct PupilSeries {
    QString id;         // unique for the series wherever it was played
    QString pupil;      // as the class list names the pupil, or the account's
    QString className;  // the class list's name, empty at home
    std::int64_t startedAt = 0;  // milliseconds since the epoch, UTC
    std::int64_t closedAt = 0;
    SeriesEvent series;
    std::vector<TimedAnswer> answers;
};

class ClassResultsSource {
public:
    virtual ~ClassResultsSource() = default;
    // Where the series come from, as the teacher reads it in a message
    // ("server della scuola", a file's name).
    virtual QString where() const = 0;
    // The series it holds; each fault found goes to `problems` as one Italian
    // line naming where it is, and what it spoils is skipped.
    virtual std::vector<PupilSeries> read(QStringList &problems) = 0;
};

}  // namespace history
