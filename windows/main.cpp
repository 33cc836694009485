// The program: it starts on the splash window, which hands over to the
// exercise window. No arguments, no settings, nothing written.

#include <QApplication>
#include <QStyleFactory>
#include <memory>

#include "../engine/clock.h"
#include "../engine/drill_state.h"
#include "../engine/exercise_window.h"
#include "../engine/random_source.h"
#include "../platform/audio.h"
#include "../platform/sound_module.h"
#include "splash_window.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);  // FINE ends the program
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.scuola.AnalisiGrammaticale"));

    engine::SteadyClock clock;
    engine::SystemRandom random;
    // Qt Multimedia comes in with the first cue, after the splash is drawn.
    platform::ModuleCuePlayer player;
    platform::Audio audio(player, random);
    engine::DrillState state;

    std::unique_ptr<engine::FormB> exercise;
    auto *splash = new Iniziale(audio, [&] {
        if (!exercise)
            exercise = std::make_unique<engine::FormB>(state, engine::ExerciseServices{clock, random, audio});
        exercise->show();
    });
    splash->show();
    return app.exec();
}
