#include "sentence_bank.h"

#include <stdexcept>

#include "sentence_source.h"

namespace engine {

void SentenceBank::check(int sentence, int position) const
{
    if (sentence < 0 || sentence >= rows() || position < 0 || position >= kPositions)
        throw std::out_of_range("sentence bank cell (" + std::to_string(sentence) + ", "
                                + std::to_string(position) + ")");
}

std::string SentenceBank::word(int sentence, int position) const
{
    check(sentence, position);
    return rows_[sentence].words[position].value();
}

OrEmpty<std::int16_t> SentenceBank::code(int sentence, int position) const
{
    check(sentence, position);
    return rows_[sentence].codes[position];
}

void SentenceBank::setWord(int sentence, int position, std::string text)
{
    check(sentence, position);
    rows_[sentence].words[position] = std::move(text);
}

void SentenceBank::setCode(int sentence, int position, std::int16_t code)
{
    check(sentence, position);
    rows_[sentence].codes[position] = code;
}

Features SentenceBank::features(int sentence, int position) const
{
    check(sentence, position);
    return rows_[sentence].features[position];
}

void SentenceBank::setFeatures(int sentence, int position, Features features)
{
    check(sentence, position);
    rows_[sentence].features[position] = features;
}

QuestionSet SentenceBank::questions(int sentence) const
{
    check(sentence, 0);
    return rows_[sentence].questions;
}

void SentenceBank::setQuestions(int sentence, QuestionSet questions)
{
    check(sentence, 0);
    rows_[sentence].questions = questions;
}

void SentenceBank::ensureRows(int rows)
{
    if (rows > this->rows())
        rows_.resize(static_cast<std::size_t>(rows));
}

void SentenceBank::fill()
{
    for (const SentenceSource &s : sentenceSources()) {
        setCode(s.index, 0, s.count);
        setQuestions(s.index, kAllQuestions);
        for (int p = 1; p <= kLastPosition; ++p) {
            setWord(s.index, p, s.cells[p - 1].text);
            setCode(s.index, p, s.cells[p - 1].code);
            setFeatures(s.index, p, s.cells[p - 1].features);
        }
    }
}

}  // namespace engine
