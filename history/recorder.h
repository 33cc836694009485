#pragma once
// The seam the exercise window calls: an answer as soon as it is given, a
// series as soon as it is graded. The program gives the window the SQLite
// history; tests give a fake or a history on a temporary file. Recording
// never throws and never stops the drill.

#include "events.h"

namespace history {

class Recorder {
public:
    virtual ~Recorder() = default;
    virtual void answerGiven(const AnswerEvent &answer) = 0;
    virtual void seriesClosed(const SeriesEvent &series) = 0;
};

}  // namespace history
