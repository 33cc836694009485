#pragma once
// The built-in exercise material as written in the source: for each sentence
// its bank index, its word count and all 22 cells (units, then blank fillers).
// SentenceBank::fill() copies it into the word and code tables.

#include <array>
#include <cstdint>
#include <vector>

#include "features.h"

namespace engine {

struct UnitSource {
    const char *text;   // UTF-8, exactly as displayed, spaces included
    std::int16_t code;  // 1..9 part of speech, 0 for a filler cell
    Features features{};  // kind, gender, number where the key sets them
};

struct SentenceSource {
    int index;           // bank row, 0..32
    std::int16_t count;  // number of units, 16..22
    std::array<UnitSource, 22> cells;  // positions 1..22
};

// Every sentence of the bank, in index order.
const std::vector<SentenceSource> &sentenceSources();

}  // namespace engine
