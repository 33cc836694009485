#include "rules.h"

namespace engine::rules {

bool isVariable(int code) { return code >= 1 && code <= 5; }
bool isInvariable(int code) { return code >= 6 && code <= 9; }

bool rightAtFirstStep(int button, int code)
{
    return button == kVariableButton ? isVariable(code) : isInvariable(code);
}

int errorCategory(int givenAnswer, int expectedCode)
{
    if (givenAnswer == kVariableButton || givenAnswer == kInvariableButton)
        return givenAnswer;
    return expectedCode;
}

int percentage(int errors, int answers)
{
    // Integer arithmetic: a floating-point quotient can land just below a
    // whole number and lose one when the fraction is dropped.
    if (answers <= 0)
        return 0;
    return static_cast<int>((100LL * errors) / answers);
}

int gradeFor(int wrongAnswers)
{
    switch (wrongAnswers) {
    case 0: return 5;
    case 1: return 4;
    case 2: return 3;
    case 3: return 2;
    default: return 1;
    }
}

int cutToTenths(std::int64_t ms) { return static_cast<int>(ms / 100); }

bool isRecord(int grade, std::int64_t seriesMs, int bestTenths)
{
    return grade == 5 && seriesMs < std::int64_t{bestTenths} * 100;
}

Draw drawSentence(const std::array<OrEmpty<int>, kBankRows> &used, int lastSentence,
                  RandomSource &random)
{
    int retries = 0;
    for (;;) {
        const int s = random.below(lastSentence + 1);
        if (used[s].value() == 0)
            return {s, false};
        if (++retries > kMaxRetries)
            return {s, true};
    }
}

}  // namespace engine::rules
