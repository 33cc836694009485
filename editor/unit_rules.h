#pragma once
// From the analyser's tagged words to the units a pupil classifies, with the
// conventions of the built-in sentences: a compound tense, a passive, a modal
// with its infinitive and a pronominal verb with its particle are one verb
// unit; an object pronoun attached to a verb is split off with a hyphen
// ("mostrar-" | "ci"); articulated prepositions are prepositions; possessives,
// demonstratives, indefinites and numerals are adjectives before a noun and
// pronouns otherwise; "che" is a relative pronoun after the noun it refers
// to and a conjunction elsewhere; "ci"/"vi" of place are adverbs; elided
// forms are units of their own; punctuation stays on the word before it.
// Plain C++: no analyser needed to test it, only its tokens.

#include <string>
#include <string_view>
#include <vector>

#include "analyser_stream.h"
#include "engine/collection_format.h"

namespace editor {

struct ProposedUnit {
    engine::collection::Unit unit;
    bool toCheck = false;  // a guess from the word's ending: the teacher should look
};

std::vector<ProposedUnit> proposeUnits(const std::vector<Token> &tokens);

// Words and punctuation of a plain sentence, all unknown: what the rules
// work on when no analyser is available (every part of speech is a guess).
std::vector<Token> plainTokens(std::string_view text);

// Text pasted from elsewhere made fit for a collection line and the
// analyser: typographic apostrophes to ', non-breaking and other odd spaces
// and tabs to spaces, soft hyphens and control characters removed, runs of
// spaces collapsed, '|' and '=' (the file's separators) replaced.
std::string cleanSentence(std::string_view text);

}  // namespace editor
