// Idle benchmark: the exercise window built as the program builds it (steady
// clock, system random source, real cue player), VIA pressed so that the
// clock runs, then the event loop left alone for the given number of seconds.
// Prints the CPU time (user + system) the process used meanwhile.
// Argument: [seconds, default 60]

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "bench_common.h"
#include "engine/clock.h"
#include "engine/drill_state.h"
#include "windows/exercise_window.h"
#include "engine/random_source.h"
#include "paint_probe.h"
#include "platform/audio.h"
#include "platform/cue_player.h"

namespace {

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;

    engine::SteadyClock clock;
    engine::SystemRandom random;
    platform::QtCuePlayer player;
    platform::Audio audio(player, random);
    engine::DrillState state;
    engine::FormB form(state, engine::ExerciseServices{clock, random, audio});
    bench::PaintProbe probe;
    bench::showAndWaitForFirstPaint(&form, probe);
    form.VIA->click();
    // Let the start-up work and the VIA repaint finish before measuring.
    QTimer::singleShot(1000, &app, [] { QCoreApplication::exit(0); });
    app.exec();

    const int ticksBefore = form.Lbclock->caption().toInt();
    const double cpu0 = cpuSeconds();
    const std::int64_t wall0 = bench::nowNs();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, [] { QCoreApplication::exit(0); });
    app.exec();
    const double cpu = cpuSeconds() - cpu0;
    const double wall = double(bench::nowNs() - wall0) / 1e9;
    const int ticksAfter = form.Lbclock->caption().toInt();

    std::printf("Idle drill after VIA (clock running; Qt platform %s)\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("| measure | wall time | CPU time (user+sys) | CPU share | clock advanced |\n|---|---:|---:|---:|---:|\n");
    std::printf("| idle drill | %.1f s | %.1f ms | %.3f %% | %d s |\n", wall, cpu * 1e3, 100.0 * cpu / wall,
                ticksAfter - ticksBefore);
    std::fflush(stdout);
    std::_Exit(0);
}
