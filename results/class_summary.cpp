#include "class_summary.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>
#include <tuple>

namespace results {

namespace {

QDate localDay(std::int64_t ms) { return QDateTime::fromMSecsSinceEpoch(ms).date(); }

// A pupil is their class and name: two Annas of two classes are two pupils.
using PupilKey = std::pair<QString, QString>;

struct SentenceKey {
    std::string file;
    int line;
    int sentence;
    bool operator<(const SentenceKey &o) const { return std::tie(file, line, sentence) < std::tie(o.file, o.line, o.sentence); }
};
struct SentenceTally {
    int wrong = 0, answers = 0;
    std::map<std::string, int> unitsWrong;
    QSet<PupilKey> pupils;
};

// history::shareCategory by the question itself, without its stored name.
int category(history::Question q, int expected)
{
    static const std::array<int, 12> byQuestion = [] {
        std::array<int, 12> all{};
        for (int i = 0; i < 12; ++i)
            all[std::size_t(i)] = history::shareCategory(QString::fromUtf8(history::questionName(history::Question(i))), 1);
        return all;
    }();
    if (q == history::Question::PartOfSpeech)
        return expected >= 1 && expected <= 9 ? expected - 1 : -1;
    const int i = int(q);
    return i >= 0 && i < 12 ? byQuestion[std::size_t(i)] : -1;
}

}  // namespace

QDate weekOf(std::int64_t msSinceEpoch)
{
    const QDate d = localDay(msSinceEpoch);
    return d.addDays(1 - d.dayOfWeek());
}

void Gathered::add(std::vector<history::PupilSeries> &&read, const QStringList &readProblems)
{
    problems += readProblems;
    series.reserve(series.size() + read.size());
    for (history::PupilSeries &s : read) {
        if (seen_.contains(s.id)) {
            ++repeated;
            continue;
        }
        seen_.insert(s.id);
        series.push_back(std::move(s));
    }
}

Gathered gather(const std::vector<history::ClassResultsSource *> &sources)
{
    Gathered g;
    for (history::ClassResultsSource *source : sources) {
        QStringList problems;
        g.add(source->read(problems), problems);
    }
    return g;
}

bool passes(const history::PupilSeries &s, const Filter &f)
{
    if (!f.pupil.isEmpty() && s.pupil != f.pupil)
        return false;
    if (!f.className.isEmpty() && s.className != f.className &&
        !(s.className.isEmpty() && f.classPupils.contains(s.pupil)))
        return false;
    if (f.from.isValid() || f.to.isValid()) {
        const QDate day = localDay(s.closedAt);
        if ((f.from.isValid() && day < f.from) || (f.to.isValid() && day > f.to))
            return false;
    }
    return true;
}

Totals &Totals::operator+=(const Totals &o)
{
    series += o.series;
    answers += o.answers;
    wrong += o.wrong;
    for (std::size_t g = 0; g < grades.size(); ++g)
        grades[g] += o.grades[g];
    for (std::size_t c = 0; c < asked.size(); ++c) {
        asked[c] += o.asked[c];
        missed[c] += o.missed[c];
    }
    lastMs = std::max(lastMs, o.lastMs);
    return *this;
}

Totals Totals::of(const history::PupilSeries &s)
{
    Totals t;
    t.series = 1;
    if (s.series.grade >= 1 && s.series.grade <= 5)
        ++t.grades[std::size_t(s.series.grade)];
    t.lastMs = s.closedAt;
    for (const history::TimedAnswer &a : s.answers) {
        ++t.answers;
        t.wrong += a.event.right ? 0 : 1;
        if (a.event.question == history::Question::Variable)
            continue;  // the first step is not a part of speech
        const int c = category(a.event.question, a.event.expected);
        if (c < 0)
            continue;
        ++t.asked[std::size_t(c)];
        t.missed[std::size_t(c)] += a.event.right ? 0 : 1;
    }
    return t;
}

ClassSummary summarize(const std::vector<history::PupilSeries> &series, const Filter &filter)
{
    ClassSummary out;
    std::map<PupilKey, Totals> pupils;
    std::map<std::pair<PupilKey, QDate>, Totals> pupilWeeks;
    std::map<QDate, Totals> weeks;
    std::map<SentenceKey, SentenceTally> sentences;
    for (const history::PupilSeries &s : series) {
        if (!passes(s, filter))
            continue;
        const PupilKey who{s.className, s.pupil};
        const QDate monday = weekOf(s.closedAt);
        const Totals one = Totals::of(s);
        out.all += one;
        pupils[who] += one;
        weeks[monday] += one;
        pupilWeeks[{who, monday}] += one;
        for (const history::TimedAnswer &a : s.answers) {
            const history::AnswerEvent &e = a.event;
            SentenceTally &t = sentences[{e.sourceFile, e.sourceLine, e.sourceFile.empty() ? e.sentence : 0}];
            ++t.answers;
            if (!e.right) {
                ++t.wrong;
                ++t.unitsWrong[e.unitText];
                t.pupils.insert(who);
            }
        }
    }
    for (const auto &[who, totals] : pupils)
        out.pupils.push_back({who.second, who.first, totals});
    for (const auto &[key, totals] : pupilWeeks)
        out.pupilWeeks.push_back({key.first.second, key.first.first, key.second, totals});
    if (!weeks.empty()) {
        // Every week from the first to the last, so a week without practice shows as one.
        for (QDate monday = weeks.begin()->first; monday <= weeks.rbegin()->first; monday = monday.addDays(7)) {
            const auto found = weeks.find(monday);
            out.weeks.push_back({monday, found == weeks.end() ? Totals{} : found->second});
        }
    }
    for (const auto &[key, t] : sentences) {
        if (t.wrong == 0)
            continue;
        const auto most = std::max_element(t.unitsWrong.begin(), t.unitsWrong.end(),
                                           [](const auto &a, const auto &b) { return a.second < b.second; });
        out.missed.push_back({key.sentence, QString::fromStdString(key.file), key.line,
                              QString::fromStdString(most->first).trimmed(), t.wrong, t.answers, int(t.pupils.size())});
    }
    std::stable_sort(out.missed.begin(), out.missed.end(),
                     [](const MissedSentence &a, const MissedSentence &b) { return a.wrong > b.wrong; });
    if (out.missed.size() > std::size_t(kMostMissed))
        out.missed.resize(std::size_t(kMostMissed));
    return out;
}

}  // namespace results
