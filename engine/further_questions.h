#pragma once
// The complete analysis ("analisi completa"): after a right part of speech the
// drill may go on asking about the unit: its kind (of article, noun,
// adjective, pronoun, adverb, preposition, conjunction or exclamation), then
// an adjective's degree or a personal pronoun's person, then the gender and
// number of the variable parts, and for a verb its conjugation, mood, tense,
// person, number, form and transitivity, in this order. Each question
// is asked only when the answer key sets it for the unit (and the part of
// speech can carry it) and it has more than one possible answer; the
// questions share one shape, so they are rows of one table that one handler
// walks. A collection may restrict which rows are asked (`@domande`).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "features.h"

namespace engine {

// One button of a question: its caption, its face colour (0xRRGGBB; choices
// of one group share a hue) and the words the path on the right shows for it.
struct Choice {
    std::string caption;
    int colour;
    std::string pathText;
};

struct FurtherQuestion {
    int choices;                            // most buttons offered; choice k is the k-th button
    int (*rightChoice)(const Features &);  // 1..choices; 0 when the key leaves it unset
    bool (*asksAbout)(int code);            // which parts of speech can carry it
    int errorCategory;                      // where a wrong answer is filed
    const char *categoryName;               // that category's name in the error report
    const char *prompt;                     // the question as the pupil reads it
    const char *keyword;                    // its name on a collection's `@domande` line
    int pathGroup;  // questions of one group fill one path label, one after another
    // The buttons offered for a unit, in order; null for the rows with
    // buttons of their own in the exercise window (gender and number), whose
    // choices never change.
    std::vector<Choice> (*choicesFor)(const Features &);
};

// Rows by place: the article's kind, gender (Masfem(1..2)), number
// (Singplu(1..2)); the verb's conjugation, mood, tense, person, number, form
// and transitivity; then the kinds of noun, adjective, the adjective's degree,
// the kind of pronoun, the personal pronoun's person, the kinds of adverb,
// preposition, conjunction and exclamation. All but gender and number are
// offered on the choice buttons in the places of Com(1..9). A row keeps its
// place (the history stores it); the order of asking is another: every kind
// row first, then gender and number, then the verb's.
inline constexpr int kFurtherQuestionCount = 19;
extern const std::array<FurtherQuestion, kFurtherQuestionCount> kFurtherQuestions;
inline constexpr int kFirstVerbQuestion = 3;
inline constexpr int kLastVerbQuestion = 9;
inline constexpr int kFirstKindQuestion = 10;  // the noun's kind; the article's is row 0
inline constexpr int kDegreeQuestion = 12;
inline constexpr int kPronounPersonQuestion = 14;
inline constexpr int kMaxChoices = 9;
constexpr bool isVerbQuestion(int question) { return question >= kFirstVerbQuestion && question <= kLastVerbQuestion; }

// The set of rows a collection asks, one bit per row; all by default.
using QuestionSet = std::uint32_t;
inline constexpr QuestionSet kAllQuestions = (QuestionSet{1} << kFurtherQuestionCount) - 1;

// The rows named by a `@domande` word ("modo", "numero" names both rows of
// the number); 0 for an unknown word.
QuestionSet questionsNamed(const std::string &keyword);
// The words a `@domande` line accepts, for the teacher's message.
std::string questionKeywords();

// Is `question` asked about a unit with this code and these features?
bool isAsked(int code, const Features &features, int question, QuestionSet allowed = kAllQuestions);

// The first question that the key asks about a unit with this code and these
// features, in the order of asking: from the start when `from` is 0, else
// after row `from` - 1 (the one just answered); -1 when none is left.
int nextFurtherQuestion(int code, const Features &features, int from, QuestionSet allowed = kAllQuestions);

// The path label (3, 4, 5, 6) that a right answer to `question` fills: the one
// after those filled by the groups of the questions asked before it.
int furtherPathLabel(int code, const Features &features, int question, QuestionSet allowed = kAllQuestions);
// Does a right answer to `question` add to a label already filled for the unit
// (the tense after the mood, the number after the person)?
bool extendsPathLabel(int code, const Features &features, int question, QuestionSet allowed = kAllQuestions);

// What joins a right answer to the label it extends: ", " or " ".
const char *pathSeparator(int question);

// The choices of `question` for the unit: the window's own for gender and
// number (empty here), else the table's.
std::vector<Choice> choicesOf(int question, const Features &features);

// The wrong-answer categories of the further questions, in table order, once
// each (the verb's number has its own).
std::vector<int> furtherErrorCategories();

}  // namespace engine
