#pragma once
// Test doubles and a driver for the real windows: a clock the test moves, a
// scripted random source, a player that records the cue paths, and helpers
// that press a button only the way a pupil could (visible, enabled, on top).

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "engine/clock.h"
#include "engine/drill_state.h"
#include "windows/exercise_window.h"
#include "engine/random_source.h"
#include "platform/audio.h"
#include "windows/results_window.h"

struct FakeClock final : engine::Clock {
    std::int64_t ms = 1'000'000;
    std::int64_t nowMs() const override { return ms; }
};

// Returns the scripted values first, then falls back to the system's source.
struct ScriptedRandom final : engine::RandomSource {
    std::deque<int> next;
    engine::SystemRandom fallback;
    int below(int n) override
    {
        if (next.empty())
            return fallback.below(n);
        const int v = next.front();
        next.pop_front();
        return v % n;
    }
};

struct RecordingPlayer final : platform::CuePlayer {
    QStringList played;
    void play(const QString &path) override { played << path; }
    // Cue names in order, without folder and extension.
    QStringList names() const
    {
        QStringList out;
        for (const QString &p : played)
            out << p.section('/', -1).section('.', 0, 0);
        return out;
    }
};

// Can the pupil press this button: shown, enabled and not covered?
inline bool pressable(QPushButton *b)
{
    if (!b->isVisible() || !b->isEnabled())
        return false;
    QWidget *top = b->window();
    return top->childAt(b->mapTo(top, b->rect().center())) == b;
}

// Runs `inside` on the results window once it is open and modal, then presses
// PROSEGUI on it. Arm it before the answer that opens the window.
class ResultsWatcher : public QObject {
public:
    std::function<void(classificaform *)> inside;
    int opened = 0;
    explicit ResultsWatcher(std::function<void(classificaform *)> f = {}) : inside(std::move(f))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto *w = qobject_cast<classificaform *>(QApplication::activeModalWidget());
            if (!w || w->property("watched").toBool())
                return;
            w->setProperty("watched", true);
            ++opened;
            if (inside)
                inside(w);
            QTest::mouseClick(w->Command1, Qt::LeftButton);
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

struct Drill {
    FakeClock clock;
    ScriptedRandom random;
    RecordingPlayer player;
    platform::Audio audio{player, random, [] { return QStringLiteral("/prog"); }};
    engine::DrillState state;
    std::unique_ptr<engine::FormB> form;
    ResultsWatcher results;  // presses PROSEGUI whenever a series ends

    explicit Drill(int pauseMs = 0, engine::collection::SourceReader collections = {},
                   speech::SpeechEngine *speech = nullptr)
    {
        form = std::make_unique<engine::FormB>(
            state, engine::ExerciseServices{clock, random, audio, pauseMs, std::move(collections), speech});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Presses a button as the pupil would; false when the pupil could not.
    bool press(QPushButton *b)
    {
        if (!pressable(b))
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }

    int word() const { return state.currentWord.value(); }
    int code() const { return state.codeAt(word()); }

    // Draws the given sentence with VIA.
    bool via(int sentence)
    {
        random.next.push_back(sentence);
        return press(form->VIA);
    }
    bool firstStep(bool right)
    {
        const bool variable = engine::rules::isVariable(code()) == right;
        return press(variable ? form->Com10 : form->Com11);
    }
    bool secondStep(bool right)
    {
        const int c = state.expectedCode.value();
        int k = c;
        if (!right) {
            // another button of the same group, as only those are on show
            k = engine::rules::isVariable(c) ? (c == 1 ? 2 : 1) : (c == 6 ? 7 : 6);
        }
        return press(form->Com[k]);
    }
    // One right answer at whichever step is open.
    bool answerOnce() { return pressable(form->Com10) ? firstStep(true) : secondStep(true); }
    // Both steps right for the current word.
    bool answerWord() { return firstStep(true) && secondStep(true); }
};

