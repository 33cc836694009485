#pragma once
// The complete analysis ("analisi completa"): after a right part of speech the
// drill may go on asking about the unit, in this order, the article's kind,
// the gender and the number. Each question is asked only when the answer key
// sets it for the unit (and the part of speech can carry it); the questions
// share one shape, so they are rows of one table that one handler walks.

#include <array>

#include "features.h"

namespace engine {

struct FurtherQuestion {
    int choices;                            // buttons offered; choice k is the k-th button
    int (*rightChoice)(const Features &);  // 1..choices; 0 when the key leaves it unset
    bool (*asksAbout)(int code);            // which parts of speech can carry it
    int errorCategory;                      // where a wrong answer is filed
    const char *categoryName;               // that category's name in the error report
};

// Article kind (art(1..3)), gender (Masfem(1..2)), number (Singplu(1..2)).
extern const std::array<FurtherQuestion, 3> kFurtherQuestions;

// The first question, from `from` on, that the key asks about a unit with this
// code and these features; -1 when none is left.
int nextFurtherQuestion(int code, const Features &features, int from);

// The path label (3, 4, 5) that a right answer to `question` fills: the one
// after those filled by the questions asked before it for this unit.
int furtherPathLabel(int code, const Features &features, int question);

}  // namespace engine
