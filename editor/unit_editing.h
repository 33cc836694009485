#pragma once
// The teacher's corrections to a proposal: join two neighbouring units into
// one, split one unit into two. Plain C++ on the collection's units.

#include <vector>

#include "engine/collection_format.h"

namespace editor {

using engine::collection::Unit;

// Joins unit `index` with the next one: "si" + "arrabbiò" -> "si arrabbiò",
// "mostrar-" + "ci" -> "mostrarci", "l'" + "uomo" -> "l'uomo". The joined
// unit keeps the first unit's part of speech; its features are dropped,
// since they described one of the two halves. False when there is no next.
bool joinWithNext(std::vector<Unit> &units, int index);

// Splits unit `index` at its space number `space` (0 = the first space):
// "ha invitato" -> "ha" | "invitato". Without a space, a pronoun written
// onto a verb is split off with a hyphen ("comperandola" -> "comperando-" |
// "la"). Both halves keep the part of speech. False when it cannot split.
bool split(std::vector<Unit> &units, int index, int space = 0);

}  // namespace editor
