#include "value_proposal.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "kind_proposal.h"
#include "lexicon_readings.h"
#include "unit_rules.h"
#include "verb_proposal.h"

namespace editor {

namespace {

// A guess from a word's ending is too weak to name its kind or its tense.
bool anyKnown(const UnitWords &ws)
{
    for (const UnitWord &w : ws)
        if (w.known)
            return true;
    return false;
}

}  // namespace

void addProposedValues(std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words)
{
    for (std::size_t i = 0; i < units.size() && i < words.size(); ++i) {
        // Nouns, adjectives and verbs need a word something knows; the
        // other kinds come from the grammar's closed lists as well, and so
        // do a demonstrative or a possessive adjective, and a capital names
        // a proper noun all the same.
        const int code = units[i].unit.code;
        if (code == 5 && !anyKnown(words[i]))
            continue;
        if ((code == 2 || code == 3) && !anyKnown(words[i])) {
            const ValueProposal p = proposeKind(units, words, i);
            const bool fromLists = p.features.nounKind == engine::NounKind::Proprio
                                   || (p.features.adjectiveKind != engine::AdjectiveKind::Unset
                                       && p.features.adjectiveKind != engine::AdjectiveKind::Qualificativo);
            if (fromLists) {
                setKind(units[i].unit.features, code, p.features);
                units[i].featuresToCheck = units[i].featuresToCheck || p.doubt;
            }
            continue;
        }
        engine::Features &f = units[i].unit.features;
        ValueProposal p;
        if (engine::takesVerbValues(units[i].unit.code)) {
            p = proposeVerbValues(units, words, i);
            const engine::Features &v = p.features;
            f.lemma = v.lemma;
            f.mood = v.mood;
            f.tense = v.tense;
            f.person = v.person;
            f.verbNumber = v.verbNumber;
            f.form = v.form;
            f.transitivity = v.transitivity;
        } else {
            p = proposeKind(units, words, i);
            setKind(f, units[i].unit.code, p.features);
        }
        if (!p.features.isEmpty())
            units[i].featuresToCheck = units[i].featuresToCheck || p.doubt;
    }
}

UnitWords lexiconWords(const lexicon::Lexicon &lex, std::string_view unitText, bool verbFirst)
{
    UnitWords out;
    std::string word;
    auto flush = [&] {
        if (word.empty())
            return;
        std::string lower;
        for (char c : word)
            lower += char(std::tolower(static_cast<unsigned char>(c)));
        UnitWord w{lower, {}, {}, false};
        std::vector<Reading> readings = lexiconReadings(lex, lower);
        if (verbFirst)
            std::stable_partition(readings.begin(), readings.end(),
                                  [](const Reading &r) { return r.has("vblex"); });
        if (!readings.empty()) {
            w.reading = readings.front();
            w.others.assign(readings.begin() + 1, readings.end());
            w.known = true;
        }
        out.push_back(std::move(w));
        word.clear();
    };
    for (char c : unitText) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x80 || std::isalnum(u) || c == '\'')
            word += c;
        else
            flush();
        if (c == '\'')
            flush();
    }
    flush();
    return out;
}

}  // namespace editor
