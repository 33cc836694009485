#pragma once
// The full-form lexicon's readings of a word, written as the analyser's
// tags ("vblex pri p3 sg", "n f pl"), so that the rules go by one kind of
// reading whichever of the two knew the word. Best first: a finite verb,
// then a noun, an adjective, and the forms of a verb that are not finite.

#include <string_view>
#include <vector>

#include "analyser_stream.h"

namespace lexicon {
class Lexicon;
}

namespace editor {

std::vector<Reading> lexiconReadings(const lexicon::Lexicon &lexicon, std::string_view word);

}  // namespace editor
