// Start-up child of the start-up benchmark, the drill's side: builds the
// program exactly as windows/main.cpp does (style, services, the cue player
// that loads the sound module beside it on the first cue, splash shown
// first, exercise window loaded by the handover). It reports on stdout the
// moment of the splash's first paint and the end of that first paint pass,
// the moment the handover starts and the exercise window's first paint, then
// quits. The parent notes the process start and the peak RSS.

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <memory>

#include "engine/clock.h"
#include "engine/drill_state.h"
#include "engine/exercise_window.h"
#include "engine/random_source.h"
#include "paint_probe.h"
#include "platform/audio.h"
#include "platform/sound_module.h"
#include "windows/splash_window.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("it.scuola.AnalisiGrammaticale"));

    engine::SteadyClock clock;
    engine::SystemRandom random;
    platform::ModuleCuePlayer player;
    platform::Audio audio(player, random);
    engine::DrillState state;

    bench::PaintProbe splashProbe, exerciseProbe;
    std::int64_t handoverNs = 0;
    int exerciseWidgets = 0;

    std::unique_ptr<engine::FormB> exercise;
    auto *splash = new Iniziale(audio, [&] {
        if (!exercise) {
            exercise = std::make_unique<engine::FormB>(state, engine::ExerciseServices{clock, random, audio});
            exercise->installEventFilter(&exerciseProbe);
        }
        exercise->show();
    });
    splash->installEventFilter(&splashProbe);
    const int splashWidgets = static_cast<int>(splash->findChildren<QWidget *>().size());

    // A while after the splash has painted, hand over as a click on it does.
    splashProbe.settleMs = 300;
    splashProbe.then = [&] {
        handoverNs = bench::nowNs();
        splash->Form_Click();
    };
    exerciseProbe.then = [&] {
        exerciseWidgets = static_cast<int>(exercise->findChildren<QWidget *>().size());
        std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
        std::printf("splash_widgets %d\nexercise_widgets %d\n", splashWidgets, exerciseWidgets);
        std::printf("first_paint_ns %lld\nfirst_frame_ns %lld\nhandover_ns %lld\nsecond_paint_ns %lld\n",
                    static_cast<long long>(splashProbe.firstPaintNs), static_cast<long long>(splashProbe.firstFrameNs),
                    static_cast<long long>(handoverNs),
                    static_cast<long long>(exerciseProbe.firstPaintNs));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };

    splash->show();
    return app.exec();
}
