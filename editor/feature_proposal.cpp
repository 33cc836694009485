#include "feature_proposal.h"

#include <cctype>
#include <string>

#include "lexicon/lexicon.h"

namespace editor {

FeatureProposal proposeFeatures(const lexicon::Lexicon &lex, std::string_view unitText, int code)
{
    FeatureProposal out;
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
