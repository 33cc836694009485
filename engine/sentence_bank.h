#pragma once
// The word table and the code table: sentence by position 0..22, at least
// 101 rows (0..100), more when teachers' collections fill them. Position 0 of
// the code table holds the sentence's word count; positions 1..count the
// answer codes; the rest are fillers with code 0.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "features.h"
#include "further_questions.h"
#include "or_empty.h"

namespace engine {

class SentenceBank {
public:
    static constexpr int kRows = 101;      // sentences 0..100 at least
    static constexpr int kPositions = 23;  // positions 0..22
    static constexpr int kLastPosition = 22;

    // Reads check both bounds and throw std::out_of_range outside them.
    std::string word(int sentence, int position) const;
    OrEmpty<std::int16_t> code(int sentence, int position) const;
    int wordCount(int sentence) const { return code(sentence, 0).value(); }

    void setWord(int sentence, int position, std::string text);
    void setCode(int sentence, int position, std::int16_t code);

    // The complete analysis of a unit beyond its part of speech; unset where
    // the key asks nothing more.
    Features features(int sentence, int position) const;
    void setFeatures(int sentence, int position, Features features);
    // The further questions the sentence's collection asks (`@domande`).
    QuestionSet questions(int sentence) const;
    void setQuestions(int sentence, QuestionSet questions);

    // Fills the built-in sentences in index order: for each one the count
    // cell, then positions 1..22, word before code.
    void fill();

    // The rows there are: never fewer than kRows; growing adds empty rows.
    int rows() const { return static_cast<int>(rows_.size()); }
    void ensureRows(int rows);

private:
    struct Row {
        std::array<OrEmpty<std::string>, kPositions> words{};
        std::array<OrEmpty<std::int16_t>, kPositions> codes{};
        std::array<Features, kPositions> features{};
        QuestionSet questions = kAllQuestions;
    };
    void check(int sentence, int position) const;
    std::vector<Row> rows_ = std::vector<Row>(kRows);
};

}  // namespace engine
