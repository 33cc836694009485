#pragma once
// What the history keeps of the drill: one answer as it is given, one series
// when it closes. Plain data, filled by the exercise window and written by a
// Recorder; nothing a pupil types is in them.

#include <cstdint>
#include <string>

namespace history {

// Which question an answer was for.
enum class Question {
    Variable = 0,      // first step: "parte variabile" or "parte invariabile"
    PartOfSpeech = 1,  // second step: one of the nine parts of speech
    ArticleKind = 2,   // complete analysis: determinativo, indeterminativo, partitivo
    Gender = 3,
    Number = 4,
    // the verb's questions, in the order the complete analysis asks them
    Conjugation = 5,
    Mood = 6,
    Tense = 7,
    Person = 8,
    VerbNumber = 9,
    Form = 10,
    Transitivity = 11,
    // the kinds, the adjective's degree and the personal pronoun's person
    NounKind = 12,
    AdjectiveKind = 13,
    Degree = 14,
    PronounKind = 15,
    PronounPerson = 16,
    AdverbKind = 17,
    PrepositionKind = 18,
    ConjunctionKind = 19,
    ExclamationKind = 20,
};

// The question's name as stored: short Italian words a teacher can read.
const char *questionName(Question q);

struct AnswerEvent {
    int sentence = 0;         // index in the bank
    std::string sourceFile;   // collection file, empty for a built-in sentence
    int sourceLine = 0;       // its line in that file, 0 for a built-in sentence
    int unit = 0;             // 1..22, the unit in red
    std::string unitText;     // the unit's text, as the bank holds it
    Question question = Question::Variable;
    int pressed = 0;          // the button's answer code or choice
    int expected = 0;         // the right code or choice
    bool right = false;
    int errorCategory = 0;    // where a wrong answer is filed, 0 when right
    bool fullAnalysis = false;
};

struct SeriesEvent {
    int answers = 0;
    int errors = 0;
    int grade = 0;                // 1..5
    std::int64_t durationMs = 0;  // from the series' start to its close
};

}  // namespace history
