#pragma once
// What "I miei progressi" shows, read from the pupil's history in a few
// queries: the grades of the series day by day, the share of wrong answers
// per part of speech and per further question week by week, the best time
// of a faultless series as it came down, and the units missed most often.

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <array>
#include <map>
#include <vector>

namespace history {

struct DayGrades {
    QDate day;
    std::array<int, 6> series{};  // series closed that day, by grade 1..5
};

// Wrong answers out of the answers of one week, per category: parts of
// speech 1..9 (the second step, by the unit's real part of speech), then the
// article's kind, the gender and the number, the verb's analysis, and the
// other kinds with the adjective's degree and the pronoun's person.
inline constexpr int kShareCategories = 14;  // nine parts, three questions, the verb's analysis, kinds
struct WeekShares {
    QDate monday;
    std::array<int, kShareCategories> answers{};
    std::array<int, kShareCategories> wrong{};
};

struct BestTime {
    QDate day;
    double seconds;  // the best time so far, from this day on
};

struct MissedUnit {
    QString text;        // the unit as shown
    int rightCode = 0;   // its part of speech, 1..9
    int wrong = 0;       // wrong answers about it
    QString sourceFile;  // empty for a built-in sentence
    int sourceLine = 0;
    int sentence = 0;
};

struct Progress {
    std::vector<DayGrades> days;     // the last kDays days with a series, oldest first
    std::vector<WeekShares> weeks;   // the last kWeeks weeks, oldest first, empty weeks included
    std::vector<BestTime> bestTimes; // each new best time, oldest first
    std::vector<MissedUnit> missed;  // at most kMissed, most missed first
    int totalSeries = 0;
};

inline constexpr int kDays = 14;
inline constexpr int kWeeks = 12;
inline constexpr int kMissed = 5;
inline constexpr int kMissedDays = 90;  // the units missed are those of the last three months

// Reads `db` as of `today` (local dates); an empty Progress when it holds nothing.
Progress readProgress(QSqlDatabase &db, QDate today);

// The category of kShareCategories an answer row falls in, or -1.
int shareCategory(const QString &question, int expected);

}  // namespace history
