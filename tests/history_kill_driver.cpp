// The real program, driven like a pupil at the mouse, for the test that kills
// it: it skips the splash, then answers with a click every time the drill can
// take one (every fourth answer wrong), presses PROSEGUI when a series ends,
// and prints "risposta N giusta|sbagliata" on standard output once each
// answer's click has returned. After the number of answers given as its
// argument it waits, to be killed.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "windows/program.h"
#include "windows/results_window.h"

namespace {

bool pressable(QPushButton *b)
{
    if (!b->isVisible() || !b->isEnabled())
        return false;
    QWidget *top = b->window();
    return top->childAt(b->mapTo(top, b->rect().center())) == b;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int limit = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    // --lascia-risultati leaves the results window open, for looking at it.
    const bool leaveResults = argc > 2 && QByteArray(argv[2]) == "--lascia-risultati";
    Program program;
    engine::FormB *form = nullptr;
    program.onExerciseLoaded = [&](engine::FormB &f) { form = &f; };
    program.start();
    QTimer::singleShot(100, [&] { program.splash()->Form_Click(); });

    int given = 0;
    bool busy = false;
    // A timer does not fire again inside its own handler, so the results
    // window, opened inside an answer's click, is closed by a timer of its own.
    QTimer prosegui;
    prosegui.setInterval(20);
    QObject::connect(&prosegui, &QTimer::timeout, [&] {
        if (auto *results = qobject_cast<classificaform *>(QApplication::activeModalWidget()); results && !leaveResults)
            QTest::mouseClick(results->Command1, Qt::LeftButton);
    });
    prosegui.start();
    QTimer tick;
    tick.setInterval(20);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (busy || !form || !form->isVisible() || form->inAnswerPause() || given >= limit)
            return;
        busy = true;
        engine::DrillState &s = form->state();
        if (pressable(form->VIA)) {
            QTest::mouseClick(form->VIA, Qt::LeftButton);
        } else {
            const bool right = given % 4 != 3;
            const int code = s.codeAt(s.currentWord.value());
            QPushButton *button = nullptr;
            if (pressable(form->Com10)) {
                const bool variable = engine::rules::isVariable(code) == right;
                button = variable ? form->Com10 : form->Com11;
            } else {
                const int expected = s.expectedCode.value();
                const int wrong = engine::rules::isVariable(expected) ? (expected == 1 ? 2 : 1) : (expected == 6 ? 7 : 6);
                button = form->Com[right ? expected : wrong];
            }
            if (pressable(button)) {
                QTest::mouseClick(button, Qt::LeftButton);
                ++given;
                std::printf("risposta %d %s\n", given, right ? "giusta" : "sbagliata");
                std::fflush(stdout);
            }
        }
        busy = false;
    });
    tick.start();
    return app.exec();
}
