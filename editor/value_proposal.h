#pragma once
// The values of the complete analysis that the parts of speech alone do not
// give, added to a sentence's proposed units: a verb's infinitive, mood,
// tense, person, number, form and transitivity, and the kind of every other
// part of speech. A doubtful value marks the unit's features to be checked.

#include <string_view>
#include <vector>

#include "unit_words.h"

namespace lexicon {
class Lexicon;
}

namespace editor {

struct ProposedUnit;

// `words[i]` are the written words of `units[i]`.
void addProposedValues(std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words);

// The words of a unit's text, read from the lexicon alone: for a unit whose
// part of speech the teacher has just set; a verb's readings first when
// `verbFirst` (the unit is being made a verb).
UnitWords lexiconWords(const lexicon::Lexicon &lex, std::string_view unitText, bool verbFirst);

}  // namespace editor
