#pragma once
// The drill's rules that need no window: the two answer checks, the error
// category of a wrong answer, the statistics, the grade and the record, and
// the draw of a sentence not shown yet.

#include <array>
#include <cstdint>
#include <span>

#include "or_empty.h"
#include "random_source.h"

namespace engine::rules {

// Answer codes of the two first-step buttons.
inline constexpr int kVariableButton = 10;    // "PARTE VARIABILE"
inline constexpr int kInvariableButton = 11;  // "PARTE  INVARIABILE"

bool isVariable(int code);    // article, noun, adjective, pronoun, verb: 1..5
bool isInvariable(int code);  // adverb, preposition, conjunction, exclamation: 6..9

// Is the first-step button (10 or 11) right for a word with this code?
bool rightAtFirstStep(int button, int code);

// The error category a wrong answer is filed under: 10 or 11 for a first-step
// button, otherwise the part of speech the word really is.
int errorCategory(int givenAnswer, int expectedCode);

// Wrong answers as a whole percentage of the answers, fraction dropped:
// exactly floor(100 * errors / answers); 0 when there are no answers.
int percentage(int errors, int answers);

// Grade 1..5 of a series by its wrong answers: 0 -> 5, 1 -> 4, 2 -> 3,
// 3 -> 2, 4 or more -> 1.
int gradeFor(int wrongAnswers);

// The best time is kept in tenths of a second, cut (never rounded).
inline constexpr int kInitialBestTenths = 2000;  // 200 seconds
int cutToTenths(std::int64_t ms);
// A faultless series sets a record only when strictly faster than the best.
bool isRecord(int grade, std::int64_t seriesMs, int bestTenths);

// Draw of a sentence not yet shown, uniformly among those left.
// Within the bank's first kBankRows rows the drill draws among all sentences
// and retries while it hits used ones, as it always has; after more than
// kMaxRetries such hits it draws among the free ones directly, so a free one
// is never missed. A bank grown past those rows by teachers' collections
// draws among the free ones at once: one random number and one pass over the
// flags, however many are used. With none left the bank is exhausted: the
// sentence returned is drawn among all of them (after the retries, when the
// bank is small), to be shown again.
inline constexpr int kMaxRetries = 10000;
inline constexpr int kBankRows = 101;
struct Draw {
    int sentence;
    bool exhausted;
};
Draw drawSentence(std::span<const OrEmpty<int>> used, int lastSentence, RandomSource &random);

}  // namespace engine::rules
