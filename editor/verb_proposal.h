#pragma once
// A verb unit's values (infinitive, mood, tense, person, number, form,
// transitivity) read from the analyser's tags of its words, with the
// conventions of the answer key: an auxiliary and its participle give the
// compound tense ("abbiamo preparato": passato prossimo); essere or venire
// with the participle of a transitive verb a passive ("è stata preparata");
// a reflexive particle ("si è arrabbiata") the reflexive form under the
// pronominal infinitive ("arrabbiarsi"); a modal with its infinitive takes
// mood, tense and person from the modal and the infinitive from the other
// ("potrò venire": venire, futuro, 1ª singolare). Transitivity comes from
// the sentence: an object after the verb or an object pronoun before it.

#include <cstddef>
#include <vector>

#include "engine/features.h"
#include "unit_words.h"

namespace editor {

struct ProposedUnit;

struct ValueProposal {
    engine::Features features;
    bool doubt = false;  // another reading of the words gives other values
};

// The values of units[at], a verb, whose words are words[at].
ValueProposal proposeVerbValues(const std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words,
                                std::size_t at);

// Verbs that never take an object, and those whose past participle goes
// with essere in an active compound tense ("è caduto", "è suonato").
bool isIntransitiveVerb(std::string_view infinitive);
bool takesEssere(std::string_view infinitive);

// "arrabbiare" with the particle "si" -> "arrabbiarsi"; with "se ne" ->
// "andarsene".
std::string pronominalInfinitive(std::string_view infinitive, bool withNe);

}  // namespace editor
