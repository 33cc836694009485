#pragma once
// The seam the exercise window calls: an answer as soon as it is given, a
// series as soon as it is graded. The program gives the window the SQLite
// history; tests give a fake or a history on a temporary file. Recording
// never throws and never stops the drill.

#include <string>

#include "events.h"

namespace history {

class Recorder {
public:
    virtual ~Recorder() = default;
    virtual void answerGiven(const AnswerEvent &answer) = 0;
    virtual void seriesClosed(const SeriesEvent &series) = 0;

    // The pupil's own switches of the reading aids ("risposte a voce", "alta
    // leggibilità"), kept with the history so that they follow the pupil;
    // off when never set.
    virtual bool rememberedSwitch(const std::string &name) { return (void)name, false; }
    virtual void rememberSwitch(const std::string &name, bool on) { (void)name, (void)on; }
};

}  // namespace history
