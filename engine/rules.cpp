#include "rules.h"

#include <algorithm>
#include <stdexcept>
#include <string>

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

namespace {

bool isFree(const OrEmpty<int> &flag) { return flag.value() == 0; }

// The free sentence of rank `rank` (0-based) among 0..lastSentence.
int nthFree(std::span<const OrEmpty<int>> used, int lastSentence, int rank)
{
    for (int s = 0; s <= lastSentence; ++s)
        if (isFree(used[s]) && rank-- == 0)
            return s;
    return -1;
}

}  // namespace

Draw drawSentence(std::span<const OrEmpty<int>> used, int lastSentence, RandomSource &random)
{
    if (lastSentence < 0 || static_cast<std::size_t>(lastSentence) >= used.size())
        throw std::out_of_range("last sentence " + std::to_string(lastSentence));
    used = used.first(static_cast<std::size_t>(lastSentence) + 1);
    int s = 0;
    if (lastSentence < kBankRows) {
        for (int hits = 0; hits <= kMaxRetries; ++hits) {
            s = random.below(lastSentence + 1);
            if (isFree(used[s]))
                return {s, false};
        }
    }
    const int free = static_cast<int>(std::count_if(used.begin(), used.end(), isFree));
    if (free > 0)
        return {nthFree(used, lastSentence, random.below(free)), false};
    if (lastSentence >= kBankRows)
        s = random.below(lastSentence + 1);
    return {s, true};
}

}  // namespace engine::rules
