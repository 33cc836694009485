#include "answer_gate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace engine {

namespace {

bool isInput(const QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

AnswerGate::AnswerGate(Predicate isAnswerTarget, QObject *parent)
    : QObject(parent), isAnswerTarget_(std::move(isAnswerTarget))
{
}

AnswerGate::~AnswerGate()
{
    if (pausing_)
        QCoreApplication::instance()->removeEventFilter(this);
}

AnswerGate::HandlerScope::HandlerScope(AnswerGate &gate) : gate_(gate) { ++gate_.handlerDepth_; }

AnswerGate::HandlerScope::~HandlerScope()
{
    if (--gate_.handlerDepth_ == 0)
        gate_.deliverHeldEvents();
}

void AnswerGate::pause(int ms, const std::function<void()> &duringPause)
{
    QElapsedTimer elapsed;  // steady
    elapsed.start();
    duringPause();
    if (ms <= 0)
        return;
    pausing_ = true;
    QCoreApplication::instance()->installEventFilter(this);
    for (;;) {
        // What is left is read once: read twice, it could run out in between
        // and give the timer a negative wait, which never ends.
        const qint64 left = ms - elapsed.elapsed();
        if (left <= 0)
            break;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::AllEvents);
        duringPause();
    }
    QCoreApplication::instance()->removeEventFilter(this);
    pausing_ = false;
}

bool AnswerGate::eventFilter(QObject *watched, QEvent *event)
{
    // Window-level events reach the widgets through a second delivery, which
    // is where they are judged; only widget-bound input is touched.
    if (!pausing_ || !isInput(event) || !watched->isWidgetType())
        return false;
    if (isAnswerTarget_(watched, event))
        return true;  // lost, like a click on a disabled button
    if (event->type() == QEvent::ShortcutOverride)
        return false;  // let the key press itself be held
    held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
    return true;
}

// Could the pupil's input reach this control now? Not when it is hidden, nor
// when a modal window (the results window) stands in front of its window.
static bool reachableNow(const QWidget *w, const QEvent *event)
{
    if (event->type() != QEvent::Close && !w->isVisible())
        return false;
    const QWidget *modal = QApplication::activeModalWidget();
    return !modal || w->window() == modal || modal->isAncestorOf(w);
}

void AnswerGate::deliverHeldEvents()
{
    // One at a time, each judged when its turn comes: a held click that opens
    // the results window must not let the next one reach the windows behind it.
    auto held = std::move(held_);
    held_.clear();
    for (auto &[target, event] : held) {
        std::shared_ptr<QEvent> e(event.release());
        QMetaObject::invokeMethod(
            this,
            [target = target, e] {
                auto *w = qobject_cast<QWidget *>(target.data());
                if (w && reachableNow(w, e.get()))
                    QCoreApplication::sendEvent(w, e.get());
            },
            Qt::QueuedConnection);
    }
}

}  // namespace engine
