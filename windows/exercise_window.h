#pragma once
// FormB, the exercise window: the whole drill happens here. Its handlers are
// listed in the order the pupil meets them: start-up, VIA, the variable step,
// the part-of-speech step, the answer pause, the statistics and the grading,
// the clock, the error report, FINE.
//
// Beyond the mouse the window answers to the keyboard: 1 to 9 press Com(1..9),
// V presses Com10 and I presses Com11, each only while the pupil could click
// that button; Return presses the button that has the focus, or VIA when no
// button has it. A key pressed during the answer pause is lost, like a click.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "../layouts/design_widgets.h"
#include "../platform/audio.h"
#include "answer_gate.h"
#include "../engine/clock.h"
#include "../engine/collection_bank.h"
#include "../engine/drill_state.h"

#include "error_report_window.h"

namespace engine {

struct ExerciseServices {
    const Clock &clock;
    RandomSource &random;
    platform::Audio &audio;
    int pauseMs = 1000;  // length of the answer pause
    // The teachers' collections read at load; none when empty.
    collection::SourceReader collections = {};
};

class FormB : public QWidget {
    Q_OBJECT
public:
    FormB(DrillState &state, ExerciseServices services, QWidget *parent = nullptr);
    ~FormB() override;

    // Start-up and the end of the program.
    void Form_Load();
    void azzerapulsanti();
    void FINE_Click();

    // The drill.
    void VIA_Click();
    void Com10_Click();
    void Com11_Click();
    void com_Click(int index);
    void flash(const QString &message);
    void aggiornastatistiche();
    void classifica(int wrongAnswers);
    void Timer1_Timer();
    void Command8_Click();

    DrillState &state() { return state_; }
    bool inAnswerPause() const { return gate_.pausing(); }
    FRM_ERRORI *errorReport() const { return errorReport_; }

    // The answer buttons in the order the pause disables them.
    std::array<layout::Button *, 11> answerButtons() const;

    // Controls, by their design names.
    layout::Label *AVVISO, *gratifica, *Label1, *Lbclock, *Lrisposte, *Lerrori, *Lpercentuale;
    std::array<layout::Label *, 23> Lbmostra{};  // 1..22
    std::array<layout::Label *, 6> display{};    // 1..5
    layout::Button *VIA, *FINE, *Command8, *Com10, *Com11;
    std::array<layout::Button *, 10> Com{};     // 1..9
    std::array<layout::Button *, 4> art{};      // 1..3, never shown
    std::array<layout::Button *, 3> Masfem{};   // 1..2, never shown
    std::array<layout::Button *, 3> Singplu{};  // 1..2, never shown
    QTimer *Timer1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class FocusKeeper;

    void answerFirstStep(int button);
    void fitToScreen();
    bool isAnswerTarget(QObject *target, QEvent *event) const;
    // The answer button a key stands for (1..9, V, I), or none.
    layout::Button *answerButtonForKey(const QKeyEvent &event) const;
    // Could the pupil click this button now: shown, enabled and not covered?
    bool canPress(const QPushButton *button) const;

    DrillState &state_;
    ExerciseServices services_;
    AnswerGate gate_;
    QPointer<FRM_ERRORI> errorReport_;
    bool ending_ = false;
};

}  // namespace engine
