#pragma once
// The closed word classes of school grammar that the rules need by name:
// the conjunctions and exclamations the analyser reads otherwise, the
// function words that stand in for an unknown word, determiners, modal and
// phrasal verbs, verbs of place, two-word prepositions, and the best guess
// from a word's ending when nothing else knows it.

#include <string>
#include <string_view>
#include <vector>

namespace editor {

struct LexiconEntry {
    int code;                        // 1..9
    std::vector<std::string> tags;   // what the analyser would have said
    bool overrides;                  // wins over the analyser's reading
};

const LexiconEntry *lookUp(std::string_view lowerWord);

bool isDeterminer(std::string_view lowerWord, std::string_view lemma);
bool isModal(std::string_view lemma);
bool isPhrasalVerb(std::string_view lemma);   // "cercare" (di), "stare" (per) ...
bool isLinkingWord(std::string_view lowerWord);  // di, a, per
bool isVerbOfPlace(std::string_view lemma);   // andare, venire ... ("ci vado")
bool isPrepositionalPhrase(std::string_view first, std::string_view second);

struct Guess {
    int code;
    std::vector<std::string> tags;
};
Guess guessFromEnding(std::string_view word, bool sentenceStart);

// An unknown word that looks like a verb with pronouns written onto it
// ("comperandola", "scoraggiatevi"): the verb and the pronouns, else empty.
struct EncliticSplit {
    std::string verb;
    Guess verbGuess;
    std::vector<std::string> pronouns;
};
EncliticSplit guessEnclitics(std::string_view word);

}  // namespace editor
