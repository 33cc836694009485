#include "drill_answers.h"

namespace history {

AnswerEvent answerFrom(const engine::DrillState &state, Question question, int pressed, int expected, bool right,
                       int errorCategory)
{
    AnswerEvent a;
    a.sentence = state.currentSentence.value();
    if (a.sentence >= 0 && std::size_t(a.sentence) < state.origins.size()) {
        a.sourceFile = state.origins[std::size_t(a.sentence)].file;
        a.sourceLine = state.origins[std::size_t(a.sentence)].line;
    }
    a.unit = state.currentWord.value();
    if (a.unit >= 1 && a.unit <= engine::SentenceBank::kLastPosition && a.sentence >= 0 && a.sentence < state.bank.rows())
        a.unitText = state.bank.word(a.sentence, a.unit);
    a.question = question;
    a.pressed = pressed;
    a.expected = expected;
    a.right = right;
    a.errorCategory = errorCategory;
    a.fullAnalysis = state.fullAnalysis;
    return a;
}

}  // namespace history
