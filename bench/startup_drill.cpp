// Start-up child of the start-up benchmark, the drill's side: starts the
// program as windows/main.cpp does, through the same Program. It reports on stdout the
// moment of the splash's first paint and the end of that first paint pass,
// the moment the handover starts and the exercise window's first paint, then
// quits. The parent notes the process start and the peak RSS.

#include <QApplication>
#include <cstdio>

#include "paint_probe.h"
#include "windows/program.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Program program;
    Iniziale *splash = program.splash();

    bench::PaintProbe splashProbe, exerciseProbe;
    std::int64_t handoverNs = 0;
    engine::FormB *exercise = nullptr;
    program.onExerciseLoaded = [&](engine::FormB &form) {
        exercise = &form;
        form.installEventFilter(&exerciseProbe);
    };
    splash->installEventFilter(&splashProbe);
    const int splashWidgets = static_cast<int>(splash->findChildren<QWidget *>().size());

    // A while after the splash has painted, hand over as a click on it does.
    splashProbe.settleMs = 300;
    splashProbe.then = [&] {
        handoverNs = bench::nowNs();
        splash->Form_Click();
    };
    exerciseProbe.then = [&] {
        const int exerciseWidgets = static_cast<int>(exercise->findChildren<QWidget *>().size());
        std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
        std::printf("splash_widgets %d\nexercise_widgets %d\n", splashWidgets, exerciseWidgets);
        std::printf("first_paint_ns %lld\nfirst_frame_ns %lld\nhandover_ns %lld\nsecond_paint_ns %lld\n",
                    static_cast<long long>(splashProbe.firstPaintNs), static_cast<long long>(splashProbe.firstFrameNs),
                    static_cast<long long>(handoverNs),
                    static_cast<long long>(exerciseProbe.firstPaintNs));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };

    program.start();
    return app.exec();
}
