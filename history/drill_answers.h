#pragma once
// From the drill state to the history's answer: the sentence on show, where
// it comes from, the unit in red and the mode.

#include "../engine/drill_state.h"
#include "events.h"

namespace history {

AnswerEvent answerFrom(const engine::DrillState &state, Question question, int pressed, int expected, bool right,
                       int errorCategory);

}  // namespace history
