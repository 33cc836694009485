#pragma once
// Keeps the pupil's input in order around an answer. While the answer pause
// runs (a nested event loop, so the window still paints and the clock still
// ticks) answers are dropped: input aimed at the answer buttons, and the keys
// that stand for them. Input aimed at any other control (a click on "mostra
// errori", Tab) is held back and delivered once the answer handler that
// started the pause has finished, as if it had come after it.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QEvent;

namespace engine {

class AnswerGate : public QObject {
public:
    // `isAnswerTarget` tells whether an event aimed at this object is an
    // answer (an answer button, or an answer key) and so must be dropped.
    using Predicate = std::function<bool(QObject *target, QEvent *event)>;
    explicit AnswerGate(Predicate isAnswerTarget, QObject *parent = nullptr);
    ~AnswerGate() override;

    // Marks an answer handler as running; nested scopes share the outermost.
    class HandlerScope {
    public:
        explicit HandlerScope(AnswerGate &gate);
        ~HandlerScope();
        HandlerScope(const HandlerScope &) = delete;
        HandlerScope &operator=(const HandlerScope &) = delete;

    private:
        AnswerGate &gate_;
    };

    // Runs the pause: returns after `ms` milliseconds of steady time, having
    // served paint and timer events meanwhile. `duringPause` runs on every
    // pass of the wait.
    void pause(int ms, const std::function<void()> &duringPause);

    bool pausing() const { return pausing_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliverHeldEvents();

    Predicate isAnswerTarget_;
    int handlerDepth_ = 0;
    bool pausing_ = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace engine
