#pragma once
// Notes the moment a widget receives its first paint event and the moment
// that first paint pass is over (every child drawn and the frame handed to
// the window system: the event loop's next turn), and runs a follow-up once,
// from the event loop, after a settling delay.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "bench_common.h"

namespace bench {

class PaintProbe : public QObject {
public:
    std::int64_t firstPaintNs = 0;
    std::int64_t firstFrameNs = 0;  // the first paint pass over
    std::function<void()> then;  // run once, settleMs after the first paint
    int settleMs = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && firstPaintNs == 0) {
            firstPaintNs = nowNs();
            QTimer::singleShot(0, this, [this] { firstFrameNs = nowNs(); });
            if (then)
                QTimer::singleShot(settleMs, this, [this] { then(); });
        }
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and waits, up to 10 s, for its first paint; false if none came.
inline bool showAndWaitForFirstPaint(QWidget *window, PaintProbe &probe)
{
    window->installEventFilter(&probe);
    window->show();
    QElapsedTimer wait;
    wait.start();
    while (probe.firstPaintNs == 0 && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return probe.firstPaintNs != 0;
}

}  // namespace bench
