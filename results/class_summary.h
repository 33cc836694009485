#pragma once
// What "Risultati della classe" shows, worked out from the series its sources
// gave: each series once (by its id), the filters of the teacher (dates,
// class, pupil), then per pupil and for the whole: series and answers per
// week, grades, wrong answers per part of speech and per further question,
// and the sentences missed most with their collection file and line.

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "history/class_results.h"
#include "history/progress_data.h"

namespace results {

// The series of every source, each once; the sources' problems in order.
struct Gathered {
    std::vector<history::PupilSeries> series;
    QStringList problems;
    int repeated = 0;  // series met again (the same file imported twice, a series in two files)
    // Takes what one source read, keeping the series not met before.
    void add(std::vector<history::PupilSeries> &&read, const QStringList &readProblems);

private:
    QSet<QString> seen_;
};
Gathered gather(const std::vector<history::ClassResultsSource *> &sources);

struct Filter {
    QDate from, to;           // local days, both included; invalid for no bound
    QString className;        // empty for every class
    QStringList classPupils;  // the class list's names: their series without a class count as the class's
    QString pupil;            // empty for every pupil
};
bool passes(const history::PupilSeries &s, const Filter &f);

struct Totals {
    int series = 0;
    int answers = 0;
    int wrong = 0;
    std::array<int, 6> grades{};  // series by grade 1..5
    std::array<int, history::kShareCategories> asked{};
    std::array<int, history::kShareCategories> missed{};
    std::int64_t lastMs = 0;  // the end of the latest series
    void add(const history::PupilSeries &s) { *this += of(s); }
    Totals &operator+=(const Totals &o);
    static Totals of(const history::PupilSeries &s);
};

struct PupilRow {
    QString pupil;
    QString className;
    Totals totals;
};
struct WeekRow {
    QDate monday;
    Totals totals;
};
struct PupilWeek {
    QString pupil;
    QString className;
    QDate monday;
    Totals totals;
};
struct MissedSentence {
    int sentence = 0;     // the bank's index, for a built-in sentence
    QString sourceFile;   // the collection file, empty for a built-in sentence
    int sourceLine = 0;
    QString unit;         // the unit missed most in it
    int wrong = 0;
    int answers = 0;
    int pupils = 0;       // pupils who missed something in it
};

struct ClassSummary {
    Totals all;
    std::vector<PupilRow> pupils;        // by class, then name
    std::vector<WeekRow> weeks;          // oldest first, weeks without practice included
    std::vector<PupilWeek> pupilWeeks;   // by class, name, week; weeks with practice only
    std::vector<MissedSentence> missed;  // at most kMostMissed, most wrong answers first
};
inline constexpr int kMostMissed = 20;

ClassSummary summarize(const std::vector<history::PupilSeries> &series, const Filter &filter);

// The Monday of a series' week, in local time.
QDate weekOf(std::int64_t msSinceEpoch);

}  // namespace results
