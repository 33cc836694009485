#include "answer_gate.h"

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
    while (elapsed.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms - elapsed.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
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

void AnswerGate::deliverHeldEvents()
{
    auto held = std::move(held_);
    held_.clear();
    for (auto &[target, event] : held)
        if (target)
            QCoreApplication::postEvent(target, event.release());
}

}  // namespace engine
