#pragma once
// The program as it runs: the application's look, the services the windows
// are given (steady clock, system random source, the sound module's player),
// the drill state, and the splash window that hands over to the exercise
// window. main() and the start-up benchmark both start it this way.

#include <functional>
#include <memory>

#include "../engine/clock.h"
#include "../engine/drill_state.h"
#include "exercise_window.h"
#include "../engine/random_source.h"
#include "../platform/audio.h"
#include "../platform/sound_module.h"
#include "splash_window.h"
#include "../speech/qt_speech_engine.h"
#include "../history/sqlite_history.h"
#include "../history/server_start.h"

class Program {
public:
    Program();  // needs the QApplication
    void start() { splash_->show(); }

    Iniziale *splash() const { return splash_; }
    // Runs once, right after the exercise window has loaded, before it is shown.
    std::function<void(engine::FormB &)> onExerciseLoaded;

private:
    engine::SteadyClock clock_;
    engine::SystemRandom random_;
    // Qt Multimedia comes in with the first cue, after the splash is drawn.
    platform::ModuleCuePlayer player_;
    platform::Audio audio_{player_, random_};
    engine::DrillState state_;
    // The system's voice, looked for when the exercise window is first made.
    std::unique_ptr<speech::QtSpeechEngine> speech_;
    history::SystemWallClock wallClock_;
    std::unique_ptr<history::SqliteHistory> history_;
    // Only with a school's server set up; gone before the history.
    std::unique_ptr<history::ServerSending> server_;
    std::unique_ptr<engine::FormB> exercise_;
    Iniziale *splash_;  // deletes itself when it closes
};
