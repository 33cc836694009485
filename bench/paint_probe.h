#pragma once
// Notes the moment a widget receives its first paint event and the moment
// that first paint pass is over (every child drawn and the frame handed to
// the window system: the event loop's next turn), and runs a follow-up once,
// from the event loop, after a settling delay.

#include <QEvent>
#include <QObject>
#include <QTimer>
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

}  // namespace bench
