// Start-up child of the start-up benchmark, the bare side: a plain Qt window
// holding as many plain labels as the splash has controls, shown maximised as
// the splash is; then the handover to a second plain window holding as many
// labels as the exercise window has controls. Same report as startup_drill.
// Arguments: <labels of the first window> <labels of the second window>.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "paint_probe.h"

namespace {

QWidget *plainWindow(int labels)
{
    auto *w = new QWidget;
    w->resize(792, 569);
    for (int i = 0; i < labels; ++i) {
        auto *l = new QLabel(QStringLiteral("Etichetta %1").arg(i + 1), w);
        l->setGeometry(10 + (i % 6) * 125, 10 + (i / 6) * 24, 120, 22);
    }
    return w;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int firstLabels = argc > 1 ? std::atoi(argv[1]) : 6;
    const int secondLabels = argc > 2 ? std::atoi(argv[2]) : 63;

    bench::PaintProbe firstProbe, secondProbe;
    std::int64_t handoverNs = 0;
    std::unique_ptr<QWidget> first(plainWindow(firstLabels)), second;
    first->installEventFilter(&firstProbe);

    firstProbe.settleMs = 300;
    firstProbe.then = [&] {
        handoverNs = bench::nowNs();
        second.reset(plainWindow(secondLabels));
        second->installEventFilter(&secondProbe);
        second->showMaximized();
        first->close();
    };
    secondProbe.then = [&] {
        std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
        std::printf("splash_widgets %d\nexercise_widgets %d\n", firstLabels, secondLabels);
        std::printf("first_paint_ns %lld\nfirst_frame_ns %lld\nhandover_ns %lld\nsecond_paint_ns %lld\n",
                    static_cast<long long>(firstProbe.firstPaintNs), static_cast<long long>(firstProbe.firstFrameNs),
                    static_cast<long long>(handoverNs),
                    static_cast<long long>(secondProbe.firstPaintNs));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    };

    first->showMaximized();
    return app.exec();
}
