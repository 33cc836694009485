#pragma once
// The drill state: one instance for the whole run, shared by the exercise
// window's handlers and read or written by the results and error report
// windows. Values never assigned are modelled as empty (see OrEmpty).

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "or_empty.h"
#include "rules.h"
#include "sentence_bank.h"

namespace engine {

// The sentence-used flags, one per bank row; they grow with the bank.
struct UsedFlags : std::vector<OrEmpty<int>> {
    using vector::vector;
    void fill(const OrEmpty<int> &v) { std::fill(begin(), end(), v); }
};

struct DrillState {
    SentenceBank bank;  // word table and code table
    UsedFlags sentenceUsed = UsedFlags(rules::kBankRows);  // 1 once drawn
    std::array<OrEmpty<int>, 33> errorTally{};  // wrong answers by error category, 1..32

    OrEmpty<int> currentSentence;
    OrEmpty<int> currentWord;   // 1..word count, N+1 once the sentence is done
    OrEmpty<int> expectedCode;  // code the current word must receive
    OrEmpty<int> givenAnswer;   // 1..9, 10 or 11: the button last pressed
    int lastSentence = 32;
    int seriesLength = 20;
    int answerCount = 0;
    int errorCount = 0;
    bool clockRunning = false;
    OrEmpty<std::int64_t> clockStart;   // steady ms of the first press of VIA
    OrEmpty<std::int64_t> seriesStart;  // steady ms when the series started
    int bestTenths = rules::kInitialBestTenths;  // best series time, tenths of a second
    int gradeLevel = 0;                          // grade of the last finished series

    // "analisi completa": after the part of speech, the article's kind, the
    // gender and the number. Off at every start; `fullAnalysisUsed` remembers
    // that it was switched on in this run (the error report then shows its rows).
    bool fullAnalysis = false;
    bool fullAnalysisUsed = false;

    // Where each sentence comes from, by index: its collection file and line,
    // or no file for a built-in sentence (the history keeps them).
    struct Origin {
        std::string file;
        int line = 0;
    };
    std::vector<Origin> origins;

    // How many times each grade was reached, capped at 10 (results window).
    OrEmpty<int> occorreTally, sufficienteTally, buonoTally, distintoTally, ottimoTally;
    OrEmpty<int> &tallyFor(int grade);

    // The answer code of a word of the sentence on show.
    int codeAt(int word) const { return bank.code(currentSentence.value(), word).value(); }
    int wordCount() const { return bank.wordCount(currentSentence.value()); }
};

}  // namespace engine
