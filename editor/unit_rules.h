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
#include "unit_words.h"
#include "engine/collection_format.h"

namespace lexicon {
class Lexicon;
}

namespace editor {

struct ProposedUnit {
    engine::collection::Unit unit;
    bool toCheck = false;          // a guess from the word's ending: the teacher should look
    bool featuresToCheck = false;  // the word's forms leave its gender or number open ("felici")
};

// Words the analyser does not know are read from the full-form lexicon when
// one is given. `firedRepairs` collects the names of the repairs that
// changed a reading, for the tests. `unitWords`, when given, receives the
// written words of each unit, from which addProposedValues() proposes a
// verb's values and each word's kind.
std::vector<ProposedUnit> proposeUnits(const std::vector<Token> &tokens, const lexicon::Lexicon *lex = nullptr,
                                       std::vector<std::string> *firedRepairs = nullptr,
                                       std::vector<UnitWords> *unitWords = nullptr);

// The context repairs, each with the ordinary sentence that shows it and
// that sentence's units as "testo/codice" ("Il/1 gatto/2 dorme./5"). Where
// today's analyser does not make the mistake a repair guards against on any
// plain sentence, `analysis` is the analyser's output that shows it (and the
// example is read without the lexicon); otherwise it is empty.
struct RepairRule {
    const char *name;
    const char *example;
    const char *analysis;
    const char *expected;
    const char *what;  // Italian, for maintainers
};
std::vector<RepairRule> repairRules();

// Words and punctuation of a plain sentence, all unknown: what the rules
// work on when no analyser is available (every part of speech is a guess).
std::vector<Token> plainTokens(std::string_view text);

// Text pasted from elsewhere made fit for a collection line and the
// analyser: typographic apostrophes to ', non-breaking and other odd spaces
// and tabs to spaces, soft hyphens and control characters removed, runs of
// spaces collapsed, '|' and '=' (the file's separators) replaced.
std::string cleanSentence(std::string_view text);

}  // namespace editor
