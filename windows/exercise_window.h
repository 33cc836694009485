#pragma once
// FormB, the exercise window: the whole drill happens here. Its handlers are
// listed in the order the pupil meets them: start-up, VIA and the switch of
// the complete analysis, the variable step, the part-of-speech step, the
// further questions of the complete analysis, the answer pause, the
// statistics and the grading, the clock, the error report, FINE.
//
// Beyond the mouse the window answers to the keyboard: 1 to 9 press Com(1..9),
// V presses Com10 and I presses Com11; D, N and T the article's kind
// (Determinativo, iNdeterminativo, parTitivo), M and F the gender, S and P the
// number; A switches the complete analysis. While a kind or a verb's question
// is asked its choices take the places of Com(1..9), and 1 to 9 press them. Each key works only while the
// pupil could click its control. Return presses the button that has the
// focus, or VIA when no button has it. A key pressed during the answer pause
// is lost, like a click.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "../layouts/design_widgets.h"
#include "../platform/audio.h"
#include "answer_gate.h"
#include "../engine/clock.h"
#include "../engine/collection_bank.h"
#include "../engine/drill_state.h"
#include "../engine/further_questions.h"

#include "error_report_window.h"
#include "../speech/speech_engine.h"
#include "../history/recorder.h"

namespace engine {

struct ExerciseServices {
    const Clock &clock;
    RandomSource &random;
    platform::Audio &audio;
    int pauseMs = 1000;  // length of the answer pause
    // The teachers' collections read at load; none when empty.
    collection::SourceReader collections = {};
    // The voice that reads aloud; none disables reading aloud.
    speech::SpeechEngine *speech = nullptr;
    // Where each answer and each closed series are recorded; none when null.
    history::Recorder *history = nullptr;
    // Opens "I miei progressi" over the given window; none when empty.
    std::function<void(QWidget *)> showProgress = {};
};

class ReadingAids;

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
    void AnalisiCompleta_Click(bool on);
    void Com10_Click();
    void Com11_Click();
    void com_Click(int index);
    // The further questions: choice 1..n of a row of kFurtherQuestions.
    void further_Click(int question, int choice);
    void flash(const QString &message);
    void aggiornastatistiche();
    void classifica(int wrongAnswers);
    void Timer1_Timer();
    void Command8_Click();

    DrillState &state() { return state_; }
    bool inAnswerPause() const { return gate_.pausing(); }
    FRM_ERRORI *errorReport() const { return errorReport_; }
    // Reading aloud and high legibility (reading_aids.h).
    ReadingAids *readingAids() const { return aids_; }

    // The answer buttons in the order the pause disables them.
    std::array<layout::Button *, 11> answerButtons() const;
    // The buttons of the article's kind, gender and number, art(1..3),
    // Masfem(1..2), Singplu(1..2): answer buttons as well, offered only in the
    // complete analysis.
    std::array<layout::Button *, 7> furtherButtons() const;
    // The buttons of one further question, choice k at k - 1.
    const std::vector<layout::Button *> &furtherButtons(int question) const { return further_[question]; }

    // Controls, by their design names.
    layout::Label *AVVISO, *gratifica, *Label1, *Lbclock, *Lrisposte, *Lerrori, *Lpercentuale;
    std::array<layout::Label *, 23> Lbmostra{};  // 1..22
    std::array<layout::Label *, 7> display{};    // 1..6; 6 only for a verb's path
    layout::Button *VIA, *FINE, *Command8, *Com10, *Com11;
    std::array<layout::Button *, 10> Com{};     // 1..9
    std::array<layout::Button *, 4> art{};      // 1..3, the article's kind: Scelta(1..3) while it is asked
    std::array<layout::Button *, 3> Masfem{};   // 1..2, the gender
    std::array<layout::Button *, 3> Singplu{};  // 1..2, the number
    layout::CheckBox *AnalisiCompleta;          // the complete analysis on or off
    std::array<layout::Button *, 10> Scelta{};  // 1..9, the choices of a kind's or a verb's question
    layout::Label *Domanda;                     // the further question asked, in words
    QTimer *Timer1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class FocusKeeper;

    void answerFirstStep(int button);
    void advanceWord();
    void offerFurtherQuestion(int question);
    // The switch can be changed only while VIA is offered.
    void offerModeSwitch(bool offered);
    bool isAnswerButton(const QObject *target) const;
    void fitToScreen();
    bool isAnswerTarget(QObject *target, QEvent *event) const;
    // The answer button a key stands for (1..9, V, I, D, N, T, M, F, S, P),
    // or none.
    layout::Button *answerButtonForKey(const QKeyEvent &event) const;
    // Is this the key of the complete analysis's switch (A)?
    static bool isModeSwitchKey(const QKeyEvent &event);
    // Could the pupil click this control now: shown, enabled and not covered?
    bool canPress(const QAbstractButton *button) const;
    // Hands the answer just given to the history, before it is counted.
    void record(history::Question question, int pressed, int expected, bool right, int category);

    DrillState &state_;
    ExerciseServices services_;
    AnswerGate gate_;
    QPointer<FRM_ERRORI> errorReport_;
    std::array<std::vector<layout::Button *>, kFurtherQuestionCount> further_;  // per row of kFurtherQuestions
    int askedQuestion_ = -1;  // the row whose choices Scelta(1..9) show
    void hideQuestion();
    bool ending_ = false;
    ReadingAids *aids_ = nullptr;
};

}  // namespace engine
