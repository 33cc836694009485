#include "lexicon_readings.h"

#include <algorithm>

#include "lexicon/lexicon.h"

namespace editor {

namespace {

using lexicon::Mood;
using lexicon::Tense;

// The analyser's tag for a mood and tense.
const char *moodTenseTag(Mood m, Tense t)
{
    switch (m) {
    case Mood::Indicativo:
        return t == Tense::Imperfetto ? "pii" : t == Tense::PassatoRemoto ? "ifi" : t == Tense::Futuro ? "fti" : "pri";
    case Mood::Congiuntivo:
        return t == Tense::Imperfetto ? "pis" : "prs";
    case Mood::Condizionale:
        return "cni";
    case Mood::Imperativo:
        return "imp";
    case Mood::Infinito:
        return "inf";
    case Mood::Participio:
        return t == Tense::Passato ? "pp" : "pprs";
    case Mood::Gerundio:
        return "ger";
    case Mood::None:
        break;
    }
    return "inf";
}

int rank(const lexicon::Analysis &a)
{
    if (a.pos == lexicon::PartOfSpeech::Verb)
        return a.mood == Mood::Indicativo || a.mood == Mood::Congiuntivo || a.mood == Mood::Condizionale
                       || a.mood == Mood::Imperativo
                   ? 0
                   : 3;
    return a.pos == lexicon::PartOfSpeech::Noun ? 1 : 2;
}

}  // namespace

std::vector<Reading> lexiconReadings(const lexicon::Lexicon &lexicon, std::string_view word)
{
    std::vector<lexicon::Analysis> found = lexicon.lookUp(word);
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return rank(a) < rank(b); });
    std::vector<Reading> out;
    for (const auto &a : found) {
        Reading r;
        r.lemma = std::string(a.lemma);
        if (a.pos == lexicon::PartOfSpeech::Verb) {
            r.tags = {"vblex", moodTenseTag(a.mood, a.tense)};
            if (a.person)
                r.tags.push_back("p" + std::to_string(a.person));
        } else {
            r.tags = {a.pos == lexicon::PartOfSpeech::Noun ? "n" : "adj"};
        }
        if (a.gender != engine::Gender::Unset)
            r.tags.push_back(a.gender == engine::Gender::Maschile ? "m" : "f");
        if (a.number != engine::Number::Unset)
            r.tags.push_back(a.number == engine::Number::Singolare ? "sg" : "pl");
        out.push_back(std::move(r));
    }
    return out;
}

}  // namespace editor
