#pragma once
// Gender and number of a unit from the full-form lexicon, for a unit whose
// part of speech the teacher has just set ("rondini" made a noun: feminine
// plural). Only nouns and adjectives: the lexicon knows no articles or
// pronouns, which the analyser's proposal already carries. With them the
// kind of the part of speech, and for a verb its values from the lexicon's
// readings of its words ("abbiamo preparato": preparare, indicativo passato
// prossimo, 1ª plurale).

#include <string_view>

#include "engine/features.h"

namespace lexicon {
class Lexicon;
}

namespace editor {

struct FeatureProposal {
    engine::Features features;
    bool doubt = false;  // the lexicon allows more than one ("felici", "città")
};

FeatureProposal proposeFeatures(const lexicon::Lexicon &lex, std::string_view unitText, int code);

}  // namespace editor
