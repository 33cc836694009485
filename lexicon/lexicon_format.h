#pragma once
// The layout of the compact lexicon file (morph-it.lex), shared by the
// converter that writes it and the reader that maps it into memory. All
// numbers are little-endian; the file is read in place, never copied.
//
//   header     Header
//   forms      (formCount + 1) x FormRecord, sorted by the bytes of the form;
//              the last one only closes the range of analyses of the one before
//   analyses   analysisCount x AnalysisRecord
//   pool       poolSize bytes of UTF-8 strings, each ended by a NUL

#include <cstdint>

namespace lexicon {

constexpr char kMagic[8] = {'A', 'G', 'L', 'E', 'S', 'S', 'I', 'C'};
constexpr std::uint32_t kVersion = 1;

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t formCount;
    std::uint32_t analysisCount;
    std::uint32_t poolSize;
};
static_assert(sizeof(Header) == 24);

struct FormRecord {
    std::uint32_t text;           // offset in the pool
    std::uint32_t firstAnalysis;  // its analyses run up to the next record's
};
static_assert(sizeof(FormRecord) == 8);

struct AnalysisRecord {
    std::uint32_t lemma;  // offset in the pool
    std::uint8_t pos;     // PartOfSpeech
    std::uint8_t gender;  // engine::Gender
    std::uint8_t number;  // engine::Number
    std::uint8_t mood;    // Mood
    std::uint8_t tense;   // Tense
    std::uint8_t person;  // 0 (none), 1..3
    std::uint8_t unused[2];
};
static_assert(sizeof(AnalysisRecord) == 12);

}  // namespace lexicon
