#include "exercise_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <iostream>

#include "../engine/further_questions.h"
#include "../history/drill_answers.h"
#include "../history/progress_button.h"
#include "../layouts/layout_builder.h"
#include "../platform/screen_fit.h"
#include "error_report_window.h"
#include "reading_aids.h"
#include "results_window.h"

namespace engine {

namespace {

constexpr int kDarkGreen = 0x004000;
constexpr int kRed = 0xFF0000;

QString qs(const std::string &s) { return QString::fromStdString(s); }

bool isKeyEvent(const QEvent *e)
{
    return e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease
           || e->type() == QEvent::ShortcutOverride;
}

// Return, or Enter on the keypad, with no modifier.
bool isReturnKey(const QKeyEvent &e)
{
    return (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)
           && (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Letter keys allow Shift (caps lock, some layouts), nothing else.
bool plainKey(const QKeyEvent &e)
{
    return (e.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

}  // namespace

// Keeps the keyboard focus on the answer panel through an answer. The pause
// disables the answer buttons and the handler hides some of them; either would
// push the focus on along the tab order, as far as FINE. So while the answer
// runs the focus rests on the window itself, and afterwards it goes back to the
// button that had it if that can still be pressed, else to the first button
// that can, in tab order. Focus elsewhere (FINE, "mostra errori") is left alone.
class FormB::FocusKeeper {
public:
    explicit FocusKeeper(FormB &form) : form_(form)
    {
        QWidget *focus = form.focusWidget();
        if (form.isAnswerButton(focus))
            had_ = static_cast<layout::Button *>(focus);
        if (had_)
            form.setFocus(Qt::OtherFocusReason);
    }
    ~FocusKeeper()
    {
        if (!had_ || form_.focusWidget() != &form_)
            return;  // nothing parked, or the focus has been moved meanwhile
        if (form_.canPress(had_)) {
            had_->setFocus(Qt::OtherFocusReason);
            return;
        }
        QWidget *w = form_.nextInFocusChain();
        for (int guard = 0; w && w != &form_ && guard < 1000; ++guard, w = w->nextInFocusChain()) {
            auto *b = qobject_cast<layout::Button *>(w);
            if (b && b->window() == &form_ && (b->focusPolicy() & Qt::TabFocus) && form_.canPress(b)) {
                b->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    FocusKeeper(const FocusKeeper &) = delete;
    FocusKeeper &operator=(const FocusKeeper &) = delete;

private:
    FormB &form_;
    QPointer<layout::Button> had_;
};

FormB::FormB(DrillState &state, ExerciseServices services, QWidget *parent)
    : QWidget(parent),
      state_(state),
      services_(services),
      gate_([this](QObject *t, QEvent *e) { return isAnswerTarget(t, e); })
{
    layout::build(layout::exerciseLayout(), this);
    using layout::control;
    using layout::element;
    AVVISO = control<layout::Label>(this, "AVVISO");
    gratifica = control<layout::Label>(this, "gratifica");
    Label1 = control<layout::Label>(this, "Label1");
    Lbclock = control<layout::Label>(this, "Lbclock");
    Lrisposte = control<layout::Label>(this, "Lrisposte");
    Lerrori = control<layout::Label>(this, "Lerrori");
    Lpercentuale = control<layout::Label>(this, "Lpercentuale");
    for (int i = 1; i <= 22; ++i)
        Lbmostra[i] = control<layout::Label>(this, element("Lbmostra", i));
    for (int i = 1; i <= 5; ++i)
        display[i] = control<layout::Label>(this, element("display", i));
    VIA = control<layout::Button>(this, "VIA");
    FINE = control<layout::Button>(this, "FINE");
    Command8 = control<layout::Button>(this, "Command8");
    Com10 = control<layout::Button>(this, "Com10");
    Com11 = control<layout::Button>(this, "Com11");
    for (int i = 1; i <= 9; ++i)
        Com[i] = control<layout::Button>(this, element("Com", i));
    for (int i = 1; i <= 2; ++i) {
        Masfem[i] = control<layout::Button>(this, element("Masfem", i));
        Singplu[i] = control<layout::Button>(this, element("Singplu", i));
    }
    AnalisiCompleta = control<layout::CheckBox>(this, "AnalisiCompleta");
    display[6] = control<layout::Label>(this, element("display", 6));
    Domanda = control<layout::Label>(this, "Domanda");
    for (int i = 1; i <= kMaxChoices; ++i)
        Scelta[i] = control<layout::Button>(this, element("Scelta", i));
    // The article's kind is asked on the choice buttons like every kind: its
    // three answers are the first three of them, and the design's art(1..3)
    // stay hidden.
    for (int i = 1; i <= 3; ++i) {
        control<layout::Button>(this, element("art", i))->setVisible(false);
        art[i] = Scelta[i];
    }
    // The rows of the further questions' table, in its order: all but gender
    // and number share the choice buttons, a kind as many as it has choices,
    // a verb's question all (its tenses vary with the mood).
    further_[1] = {Masfem[1], Masfem[2]};
    further_[2] = {Singplu[1], Singplu[2]};
    for (int q = 0; q < kFurtherQuestionCount; ++q)
        if (kFurtherQuestions[q].choicesFor)
            further_[q].assign(Scelta.begin() + 1,
                               Scelta.begin() + 1 + (isVerbQuestion(q) ? kMaxChoices : kFurtherQuestions[q].choices));

    connect(AnalisiCompleta, &QCheckBox::toggled, this, &FormB::AnalisiCompleta_Click);
    for (int q = 0; q < kFurtherQuestionCount; ++q)
        if (!kFurtherQuestions[q].choicesFor)
            for (int k = 1; k <= int(further_[q].size()); ++k)
                connect(further_[q][k - 1], &QPushButton::clicked, this, [this, q, k] { further_Click(q, k); });
    for (int k = 1; k <= kMaxChoices; ++k)
        connect(Scelta[k], &QPushButton::clicked, this, [this, k] {
            if (askedQuestion_ >= 0)
                further_Click(askedQuestion_, k);
        });

    connect(VIA, &QPushButton::clicked, this, &FormB::VIA_Click);
    connect(Com10, &QPushButton::clicked, this, &FormB::Com10_Click);
    connect(Com11, &QPushButton::clicked, this, &FormB::Com11_Click);
    for (int i = 1; i <= 9; ++i)
        connect(Com[i], &QPushButton::clicked, this, [this, i] { com_Click(i); });
    connect(Command8, &QPushButton::clicked, this, &FormB::Command8_Click);
    connect(FINE, &QPushButton::clicked, this, &FormB::FINE_Click);

    // The blue bar along the bottom is the window's status bar.
    layout::control<layout::Frame>(this, "Frame5")->setAccessibleRole(QAccessible::StatusBar);

    // The clock's timer ticks from the window's creation on.
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);  // never a short second
    connect(Timer1, &QTimer::timeout, this, &FormB::Timer1_Timer);
    Timer1->start();

    aids_ = new ReadingAids(*this, services_.speech, services_.history);
    Form_Load();
}

FormB::~FormB()
{
    if (errorReport_)
        delete errorReport_.data();
}

std::array<layout::Button *, 11> FormB::answerButtons() const
{
    return {Com[1], Com[2], Com[3], Com[4], Com[5], Com[6], Com[7], Com[8], Com[9], Com10, Com11};
}

std::array<layout::Button *, 7> FormB::furtherButtons() const
{
    return {art[1], art[2], art[3], Masfem[1], Masfem[2], Singplu[1], Singplu[2]};
}

bool FormB::isAnswerButton(const QObject *target) const
{
    for (const layout::Button *b : answerButtons())
        if (target == b)
            return true;
    for (const layout::Button *b : furtherButtons())
        if (target == b)
            return true;
    for (int k = 1; k <= kMaxChoices; ++k)
        if (target == Scelta[k])
            return true;
    return false;
}

// --- Start-up ------------------------------------------------------------------

void FormB::Form_Load()
{
    fitToScreen();
    AVVISO->setCaption(QStringLiteral("Clicca sul tasto VIA per partire"));
    state_.bestTenths = rules::kInitialBestTenths;
    state_.answerCount = 0;
    state_.errorCount = 0;
    state_.clockRunning = false;
    AnalisiCompleta->setChecked(false);  // off at every start
    state_.fullAnalysis = false;
    offerModeSwitch(true);
    for (int i = 1; i <= 9; ++i)
        Com[i]->setEnabled(false);
    for (int i = 1; i <= 3; ++i)
        art[i]->setVisible(false);
    Com10->setEnabled(false);
    Com11->setEnabled(false);
    state_.seriesLength = 20;
    collection::loadSentences(state_, services_.collections, std::cerr);
    azzerapulsanti();
    services_.audio.suona(QStringLiteral("premivia"));
}

// Puts the answer panel back to the start of a word's cycle.
void FormB::azzerapulsanti()
{
    Masfem[1]->setVisible(false);
    Singplu[1]->setVisible(false);
    Masfem[2]->setVisible(false);
    Singplu[2]->setVisible(false);
    for (int i = 1; i <= 3; ++i)
        art[i]->setVisible(false);
    Com10->setVisible(true);
    Com11->setVisible(true);
    for (int i = 1; i <= 6; ++i)
        display[i]->setVisible(false);
    hideQuestion();
}

// No further question on show: its words and the choice buttons go.
void FormB::hideQuestion()
{
    askedQuestion_ = -1;
    Domanda->setVisible(false);
    for (int k = 1; k <= kMaxChoices; ++k)
        Scelta[k]->setVisible(false);
}

// --- VIA: a new sentence ---------------------------------------------------------

void FormB::VIA_Click()
{
    azzerapulsanti();
    services_.audio.suona(QStringLiteral("rumorevia"));
    if (!state_.clockRunning) {
        state_.seriesStart = services_.clock.nowMs();
        state_.clockStart = services_.clock.nowMs();
    }
    state_.clockRunning = true;
    gratifica->setCaption(QString());
    for (int i = 1; i <= 9; ++i)
        Com[i]->setVisible(false);
    Com10->setVisible(true);
    Com11->setVisible(true);
    Com10->setEnabled(true);
    Com11->setEnabled(true);
    AVVISO->setCaption(QStringLiteral("Classifica la parte in rosso prima VARIABILE o INVARIABILE poi..."));
    offerModeSwitch(false);  // before VIA goes, so the focus does not land on it
    VIA->setVisible(false);

    const rules::Draw draw = rules::drawSentence(state_.sentenceUsed, state_.lastSentence, services_.random);
    if (draw.exhausted) {
        AVVISO->setCaption(QStringLiteral("TUTTE LA FRASI SONO COMPLETATE"));
        VIA->setVisible(false);
        services_.audio.suona(QStringLiteral("conga"));
        for (int i = 1; i <= 9; ++i)
            Com[i]->setEnabled(false);
    }
    state_.currentSentence = draw.sentence;
    state_.sentenceUsed[draw.sentence] = 1;

    for (int i = 1; i <= 22; ++i) {
        Lbmostra[i]->setVisible(false);
        Lbmostra[i]->setTextColor(kDarkGreen);
    }
    Label1->setCaption(QString::number(state_.currentSentence.value()));
    for (int i = 1; i <= 22; ++i) {
        Lbmostra[i]->setVisible(true);
        Lbmostra[i]->setCaption(qs(state_.bank.word(state_.currentSentence.value(), i)));
    }
    state_.currentWord = 1;
    state_.expectedCode = state_.codeAt(state_.currentWord.value());
    Lbmostra[state_.currentWord.value()]->setTextColor(kRed);
    aids_->unitShown();
}

// The switch of the complete analysis: only while VIA is offered.
void FormB::AnalisiCompleta_Click(bool on)
{
    state_.fullAnalysis = on;
    if (on)
        state_.fullAnalysisUsed = true;
}

void FormB::offerModeSwitch(bool offered)
{
    AnalisiCompleta->setEnabled(offered);
    aids_->offerSwitches(offered);
}

// --- First step: variable or invariable part of speech ---------------------------

void FormB::Com10_Click() { answerFirstStep(rules::kVariableButton); }
void FormB::Com11_Click() { answerFirstStep(rules::kInvariableButton); }

void FormB::answerFirstStep(int button)
{
    FocusKeeper focus(*this);
    AnswerGate::HandlerScope scope(gate_);
    const bool variable = button == rules::kVariableButton;
    layout::Button *pressed = variable ? Com10 : Com11;
    layout::Button *other = variable ? Com11 : Com10;

    azzerapulsanti();
    state_.givenAnswer = button;
    const int code = state_.codeAt(state_.currentWord.value());
    record(history::Question::Variable, button, rules::isVariable(code) ? rules::kVariableButton : rules::kInvariableButton,
           rules::rightAtFirstStep(button, code), rules::rightAtFirstStep(button, code) ? 0 : rules::errorCategory(button, code));
    if (rules::rightAtFirstStep(button, code)) {
        services_.audio.suonavariato(QStringLiteral("esatto"));
        flash(QStringLiteral("Bravo !"));
        pressed->setEnabled(false);
        pressed->setVisible(false);
        other->setVisible(false);
        if (variable) {
            for (int i = 1; i <= 5; ++i)
                Com[i]->setVisible(true);
            for (int i = 6; i <= 9; ++i)
                Com[i]->setVisible(false);
        } else {
            for (int i = 6; i <= 9; ++i)
                Com[i]->setVisible(true);
            for (int i = 1; i <= 5; ++i)
                Com[i]->setVisible(false);
        }
        aggiornastatistiche();  // the twentieth answer grades the series here
        display[1]->setCaption(variable ? QStringLiteral("Parte variabile")
                                        : QStringLiteral("Parte invariabile"));
        display[1]->setBackgroundColor(pressed->faceColor());
        display[1]->setVisible(true);
    } else {
        services_.audio.suona(QStringLiteral("sbagliato1"));
        flash(QStringLiteral("No riprova !"));
        state_.errorTally[rules::errorCategory(button, code)].add(1);
        state_.errorCount += 1;
        aggiornastatistiche();
        for (int i = 1; i <= 9; ++i)
            Com[i]->setVisible(false);
    }
}

// --- Second step: which part of speech; the word advance -------------------------

void FormB::com_Click(int index)
{
    FocusKeeper focus(*this);
    AnswerGate::HandlerScope scope(gate_);
    state_.givenAnswer = index;
    const int expected = state_.expectedCode.value();
    record(history::Question::PartOfSpeech, index, expected, index == expected,
           index == expected ? 0 : rules::errorCategory(index, expected));
    if (index == expected) {
        services_.audio.suonavariato(QStringLiteral("esatto"));
        flash(QStringLiteral("bravo!"));
        aggiornastatistiche();  // the twentieth answer grades the series here
        display[2]->setCaption(Com[index]->caption());
        display[2]->setBackgroundColor(Com[index]->faceColor());
        display[2]->setVisible(true);
        // In the complete analysis the unit's further questions come first.
        const Features key = state_.bank.features(state_.currentSentence.value(), state_.currentWord.value());
        const QuestionSet allowed = state_.bank.questions(state_.currentSentence.value());
        const int first = state_.fullAnalysis ? nextFurtherQuestion(expected, key, 0, allowed) : -1;
        if (first >= 0)
            offerFurtherQuestion(first);
        else
            advanceWord();
    } else {
        services_.audio.suona(QStringLiteral("sbagliato1"));
        flash(QStringLiteral("No riprova"));
        state_.errorTally[rules::errorCategory(index, expected)].add(1);
        state_.errorCount += 1;
        aggiornastatistiche();
    }
}

// The word is classified: the red mark moves on, or the sentence is complete.
void FormB::advanceWord()
{
    hideQuestion();
    state_.currentWord.add(1);
    const int word = state_.currentWord.value();
    if (word > state_.wordCount()) {
        gratifica->setCaption(QStringLiteral("COMPLETATA"));
        AVVISO->setCaption(QStringLiteral("Bene, hai completato questa frase; ora premi il VIA per proseguire."));
        services_.audio.suona(QStringLiteral("premivia"));
        for (int i = 1; i <= 9; ++i)
            Com[i]->setVisible(false);
        VIA->setVisible(true);
        offerModeSwitch(true);
    } else {
        for (int i = 1; i <= 9; ++i)
            Com[i]->setVisible(false);
        Com10->setVisible(true);
        Com11->setVisible(true);
        Com10->setEnabled(true);
        Com11->setEnabled(true);
        state_.expectedCode = state_.codeAt(word);
        Lbmostra[word]->setTextColor(kRed);
        Lbmostra[word - 1]->setTextColor(QApplication::palette().color(QPalette::ButtonText));
    }
    aids_->unitShown();
}

// --- The further questions of the complete analysis ----------------------------------

void FormB::offerFurtherQuestion(int question)
{
    for (int i = 1; i <= 9; ++i)
        Com[i]->setVisible(false);
    const Features key = state_.bank.features(state_.currentSentence.value(), state_.currentWord.value());
    const std::vector<Choice> choices = choicesOf(question, key);
    if (choices.empty()) {
        for (layout::Button *b : further_[question])
            b->setVisible(true);
    } else {
        // The choice buttons take this question's captions and colours.
        askedQuestion_ = question;
        for (int k = 1; k <= kMaxChoices; ++k) {
            const bool offered = k <= int(choices.size());
            if (offered) {
                Scelta[k]->setCaption(qs(choices[k - 1].caption));
                Scelta[k]->setFaceColor(layout::toColor(choices[k - 1].colour));
            }
            Scelta[k]->setVisible(offered);
        }
    }
    Domanda->setCaption(QString::fromUtf8(kFurtherQuestions[question].prompt));
    Domanda->setVisible(true);
}

// One handler for every row of kFurtherQuestions: the same feedback, counting
// and grading as the part of speech; a right answer fills the next path label.
void FormB::further_Click(int question, int choice)
{
    FocusKeeper focus(*this);
    AnswerGate::HandlerScope scope(gate_);
    const FurtherQuestion &asked = kFurtherQuestions[question];
    const int code = state_.expectedCode.value();
    const Features key = state_.bank.features(state_.currentSentence.value(), state_.currentWord.value());
    const QuestionSet allowed = state_.bank.questions(state_.currentSentence.value());
    static_assert(int(history::Question::ExclamationKind) - int(history::Question::ArticleKind) + 1 == kFurtherQuestionCount,
                  "every further question has its name in the history");
    record(history::Question(int(history::Question::ArticleKind) + question), choice, asked.rightChoice(key),
           choice == asked.rightChoice(key), choice == asked.rightChoice(key) ? 0 : asked.errorCategory);
    if (choice == asked.rightChoice(key)) {
        services_.audio.suonavariato(QStringLiteral("esatto"));
        flash(QStringLiteral("bravo!"));
        aggiornastatistiche();  // the twentieth answer grades the series here
        layout::Button *pressed = further_[question][choice - 1];
        layout::Label *path = display[furtherPathLabel(code, key, question, allowed)];
        const std::vector<Choice> choices = choicesOf(question, key);
        const QString words = choices.empty() ? pressed->caption() : qs(choices[choice - 1].pathText);
        if (extendsPathLabel(code, key, question, allowed)) {
            // The tense after the mood, the degree after the kind, ...
            path->setCaption(path->caption() + QString::fromUtf8(pathSeparator(question)) + words);
        } else {
            path->setCaption(words);
            path->setBackgroundColor(pressed->faceColor());
        }
        path->setVisible(true);
        for (layout::Button *b : further_[question])
            b->setVisible(false);
        hideQuestion();
        const int next = nextFurtherQuestion(code, key, question + 1, allowed);
        if (next >= 0)
            offerFurtherQuestion(next);
        else
            advanceWord();
    } else {
        services_.audio.suona(QStringLiteral("sbagliato1"));
        flash(QStringLiteral("No riprova"));
        state_.errorTally[asked.errorCategory].add(1);
        state_.errorCount += 1;
        aggiornastatistiche();
    }
}

// --- The answer pause -------------------------------------------------------------

void FormB::flash(const QString &message)
{
    aids_->answered(message);  // before the pause, which it never lengthens
    gratifica->setCaption(message);
    gate_.pause(services_.pauseMs, [this] {
        for (layout::Button *b : answerButtons())
            b->setEnabled(false);
        for (layout::Button *b : furtherButtons())
            b->setEnabled(false);
        for (int k = 1; k <= kMaxChoices; ++k)
            Scelta[k]->setEnabled(false);
    });
    gratifica->setCaption(QString());
    for (int i = 1; i <= 9; ++i)
        Com[i]->setEnabled(true);
    Com11->setEnabled(true);
    Com10->setEnabled(true);
    for (layout::Button *b : furtherButtons())
        b->setEnabled(true);
    for (int k = 1; k <= kMaxChoices; ++k)
        Scelta[k]->setEnabled(true);
}

bool FormB::isAnswerTarget(QObject *target, QEvent *event) const
{
    // The switch is never offered during an answer: input to it is lost, as
    // on a disabled control, rather than held until VIA may be offered again.
    if (isAnswerButton(target) || target == AnalisiCompleta)
        return true;
    // Reading aloud during the pause would name the unit just answered.
    if (target == aids_->Leggi || target == aids_->VoceRisposte || target == aids_->AltaLeggibilita)
        return true;
    // Keys: an answer key is lost wherever in this window it is aimed, and so
    // is Return aimed at the window itself, where the focus rests during an
    // answer: it would press whichever button takes the focus afterwards.
    if (!isKeyEvent(event) || !target->isWidgetType() || static_cast<QWidget *>(target)->window() != this)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    return answerButtonForKey(key) != nullptr || isModeSwitchKey(key) || (target == this && isReturnKey(key))
           || ReadingAids::isReadKey(key);
}

// --- The keyboard -------------------------------------------------------------------

layout::Button *FormB::answerButtonForKey(const QKeyEvent &event) const
{
    // Shift is allowed (on some keyboards the digits need it), nothing else.
    if (!plainKey(event))
        return nullptr;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        layout::Button *choice = Scelta[key - Qt::Key_0];
        return choice->isVisible() ? choice : Com[key - Qt::Key_0];
    }
    if (key == Qt::Key_V)
        return Com10;
    if (key == Qt::Key_I)
        return Com11;
    // The further questions: the letter that tells each choice apart.
    switch (key) {
    // D, N and T answer only the article's kind, whose choices they are.
    case Qt::Key_D: return askedQuestion_ == 0 ? art[1] : nullptr;  // Determinativo
    case Qt::Key_N: return askedQuestion_ == 0 ? art[2] : nullptr;  // iNdeterminativo
    case Qt::Key_T: return askedQuestion_ == 0 ? art[3] : nullptr;  // parTitivo
    case Qt::Key_M: return Masfem[1];   // Maschile
    case Qt::Key_F: return Masfem[2];   // Femminile
    case Qt::Key_S: return Singplu[1];  // Singolare
    case Qt::Key_P: return Singplu[2];  // Plurale
    default: return nullptr;
    }
}

bool FormB::isModeSwitchKey(const QKeyEvent &event) { return plainKey(event) && event.key() == Qt::Key_A; }

bool FormB::canPress(const QAbstractButton *button) const
{
    if (!button->isVisible() || !button->isEnabled())
        return false;
    // Not covered: the button is what lies on top at its centre.
    return childAt(button->mapTo(this, button->rect().center())) == button;
}

// Keys the focused control does not take come here, whichever control has the
// focus; Return comes here only when no button has the focus.
void FormB::keyPressEvent(QKeyEvent *event)
{
    // G: "I miei progressi", while VIA is offered.
    if (plainKey(*event) && event->key() == Qt::Key_G && services_.showProgress && canPress(VIA)) {
        event->accept();
        services_.showProgress(this);
        return;
    }
    QAbstractButton *button = answerButtonForKey(*event);
    if (!button && isModeSwitchKey(*event))
        button = AnalisiCompleta;
    if (!button && isReturnKey(*event))
        button = VIA;
    if (!button && ReadingAids::isReadKey(*event))
        button = aids_->Leggi;
    if (!button) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat() && canPress(button))  // a held key presses once
        button->click();
}

// --- Statistics and grading --------------------------------------------------------

void FormB::aggiornastatistiche()
{
    state_.answerCount += 1;
    Lrisposte->setCaption(QString::number(state_.answerCount));
    Lpercentuale->setCaption(QString::number(rules::percentage(state_.errorCount, state_.answerCount)));
    Lerrori->setCaption(QString::number(state_.errorCount));
    if (state_.answerCount >= state_.seriesLength)
        classifica(state_.errorCount);
}

void FormB::classifica(int wrongAnswers)
{
    state_.gradeLevel = rules::gradeFor(wrongAnswers);
    if (services_.history)
        services_.history->seriesClosed({.answers = state_.answerCount, .errors = wrongAnswers, .grade = state_.gradeLevel,
                                         .durationMs = services_.clock.nowMs() - state_.seriesStart.value()});
    classificaform results(state_, services_.clock, classificaform::Opening::SeriesEnded, this);
    if (services_.showProgress)
        history::addProgressButton(results, services_.showProgress);
    results.exec();
}

void FormB::record(history::Question question, int pressed, int expected, bool right, int category)
{
    if (services_.history)
        services_.history->answerGiven(history::answerFrom(state_, question, pressed, expected, right, category));
}

// --- The clock --------------------------------------------------------------------

void FormB::Timer1_Timer()
{
    if (!state_.clockRunning)
        return;
    const std::int64_t elapsed = services_.clock.nowMs() - state_.clockStart.value();
    Lbclock->setCaption(QString::number(elapsed / 1000));
}

// --- The error report ---------------------------------------------------------------

void FormB::Command8_Click()
{
    if (!errorReport_)
        errorReport_ = new FRM_ERRORI(state_, *this, services_.clock);
    errorReport_->show();
    errorReport_->raise();
    errorReport_->activateWindow();
    errorReport_->showFurtherRows();
    for (int i = 1; i <= 16; ++i)
        errorReport_->RR[i]->setCaption(qs(text(state_.errorTally[i])));
    for (int i : furtherErrorCategories())
        errorReport_->RR[i]->setCaption(qs(text(state_.errorTally[i])));
}

// --- The end --------------------------------------------------------------------------

void FormB::FINE_Click()
{
    ending_ = true;
    services_.audio.suona(QStringLiteral("congafine"));
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

void FormB::closeEvent(QCloseEvent *event)
{
    // Closing from the title bar ends the program as FINE does.
    if (!ending_)
        FINE_Click();
    event->accept();
}

// --- Fitting to the screen -------------------------------------------------------------

void FormB::fitToScreen()
{
    namespace fit = platform::ridimschermo;
    static const char *const kFitList[] = {
        "AVVISO", "gratifica", "Label1", "Frame1", "Frame2", "Frame3", "Frame4", "Lrisposte",
        "Lerrori", "MOSTRATEMPO", "Lpercentuale", "comaiuto", "Command8", "VIA", "FINE", "Com10",
        "Com11"};
    std::vector<QWidget *> list;
    for (const char *name : kFitList)
        list.push_back(layout::control(this, name));
    for (int k = 1; k <= 3; ++k)
        list.push_back(layout::control(this, layout::element("art", k)));
    for (int k = 1; k <= 9; ++k)
        list.push_back(Com[k]);
    for (int k = 1; k <= 22; ++k)
        list.push_back(Lbmostra[k]);
    list.push_back(Lbclock);
    list.push_back(Singplu[1]);
    list.push_back(Singplu[2]);
    list.push_back(Masfem[1]);
    list.push_back(Masfem[2]);
    for (int k = 1; k <= 5; ++k)
        list.push_back(display[k]);
    list.push_back(layout::control(this, "Frame5"));
    list.push_back(layout::control(this, "Label8"));
    list.push_back(AnalisiCompleta);
    for (QWidget *w : aids_->controls())
        list.push_back(w);
    // The verb's questions: its path's last box, the question, the choices.
    list.push_back(display[6]);
    list.push_back(Domanda);
    for (int k = 1; k <= kMaxChoices; ++k)
        list.push_back(Scelta[k]);

    fit::fitWindow(this, list);
}

void FormB::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    platform::ridimschermo::ridimensiona();
    if (aids_)
        aids_->refit();
}

}  // namespace engine
