#pragma once
// The kind of a unit that is not a verb, as school grammar names it, from
// the analyser's tags where they carry it (proper noun; possessive,
// demonstrative, indefinite determiners; relative and interrogative words;
// coordinating and subordinating conjunctions; a preposition joined with an
// article; the superlative) and from the closed word lists of the grammar
// books (personal pronouns and their person, adverbs by meaning, improper
// prepositions, interjections).

#include <cstddef>
#include <vector>

#include "engine/features.h"
#include "unit_words.h"
#include "verb_proposal.h"

namespace editor {

struct ProposedUnit;

// The kind (and the degree or the pronoun's person) of units[at], whose
// words are words[at]; nothing for an article or a verb.
ValueProposal proposeKind(const std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words,
                          std::size_t at);

// Copies into `f` the kind values of `from` that a unit of part of speech
// `code` carries.
void setKind(engine::Features &f, int code, const engine::Features &from);

}  // namespace editor
