#pragma once
// The written words a proposed unit is made of, with the analysis the rules
// chose for each: what the proposals of a verb's values and of a word's kind
// read, besides the units around it.

#include <string>
#include <string_view>
#include <vector>

#include "analyser_stream.h"

namespace editor {

struct UnitWord {
    std::string lower;               // lower case, without punctuation
    Reading reading;                 // the chosen analysis; no tags when nothing knew the word
    std::vector<Reading> others;     // the other analyses of one part left to the word
    bool known = false;              // the analyser or the lexicon knew it (not a guess from its ending)
};

using UnitWords = std::vector<UnitWord>;

// A unit's text without the punctuation kept on it, lower case.
std::string bareLower(std::string_view text);

}  // namespace editor
