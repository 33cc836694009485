#include "feature_proposal.h"

#include <cctype>
#include <string>

#include "kind_proposal.h"
#include "lexicon/lexicon.h"
#include "unit_rules.h"
#include "value_proposal.h"
#include "verb_proposal.h"

namespace editor {

namespace {

// A verb's values, or another part of speech's kind, from the lexicon's
// readings of the unit's words alone (no sentence around it).
ValueProposal valuesFromLexicon(const lexicon::Lexicon &lex, std::string_view unitText, int code)
{
    std::vector<ProposedUnit> units(1);
    units[0].unit.text = std::string(unitText);
    units[0].unit.code = code;
    const std::vector<UnitWords> words = {lexiconWords(lex, unitText, engine::takesVerbValues(code))};
    bool known = false;
    for (const UnitWord &w : words.front())
        known = known || w.known;
    // A noun or adjective nothing knows gets no kind; the closed classes
    // are read from the grammar's word lists.
    if (code == 1 || ((code == 2 || code == 3 || code == 5) && !known))
        return {};
    return engine::takesVerbValues(code) ? proposeVerbValues(units, words, 0) : proposeKind(units, words, 0);
}

}  // namespace

FeatureProposal proposeFeatures(const lexicon::Lexicon &lex, std::string_view unitText, int code)
{
    FeatureProposal out;
    const ValueProposal values = valuesFromLexicon(lex, unitText, code);
    out.features = values.features;
    out.doubt = values.doubt;
    if (code != 2 && code != 3)
        return out;
    const auto wanted = code == 2 ? lexicon::PartOfSpeech::Noun : lexicon::PartOfSpeech::Adjective;
    // The word without the punctuation kept on the unit ("rondini.", "«casa»").
    std::string word(unitText);
    auto isMark = [](unsigned char c) { return c < 0x80 && !std::isalnum(c) && c != '\''; };
    while (!word.empty() && isMark(static_cast<unsigned char>(word.back())))
        word.pop_back();
    std::size_t from = 0;
    while (from < word.size() && isMark(static_cast<unsigned char>(word[from])))
        ++from;
    word.erase(0, from);
    if (word.empty() || word.find(' ') != std::string::npos)
        return out;
    bool first = true;
    for (const lexicon::Analysis &a : lex.lookUp(word)) {
        if (a.pos != wanted)
            continue;
        if (first) {
            out.features.gender = a.gender;
            out.features.number = a.number;
            first = false;
            continue;
        }
        if (a.gender != out.features.gender || a.number != out.features.number)
            out.doubt = true;
    }
    return out;
}

}  // namespace editor
