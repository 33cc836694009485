// A seeded monkey: a long random stream of pupil actions against the real
// exercise, results and error report windows, with a short real answer pause.
//
// Every click goes through the window system (QTEST_QPA_MOUSE_HANDLING), so a
// hidden, covered or disabled control never gets it, and the results window
// blocks the others while it is open. Some clicks land during the answer
// pause and while the results window is up; the window is resized between
// minimised and 7680x4320; the error report is opened and closed.
//
// The test keeps its own model of the drill (the word cycle, the series, the
// error tallies, the grades and the record) from the answer key alone and
// compares the windows with it after every event at rest; inside a pause or
// the results window it checks what must hold at all times.
//
// The pupil also switches the complete analysis on and off whenever VIA is
// offered, so part of the run asks the further questions (the article's kind,
// gender, number) of the units whose key sets them; units of the built-in key
// that carry none are given seeded features at the start.
//
// MONKEY_EVENTS sets the number of events (default below), MONKEY_SEED the
// seed (default fixed); a run is repeated by running again with its seed (on
// a heavily loaded machine a pause may now and then pass before its clicks).

#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <random>
#include <set>

#include "drill_fixture.h"
#include "engine/further_questions.h"
#include "windows/error_report_window.h"
#include "windows/results_window.h"

namespace {

constexpr int kDefaultEvents = 20000;
constexpr quint64 kDefaultSeed = 20240611;
constexpr int kPauseMs = 2;  // short, but a real pause with its own event loop
constexpr int kSeriesLength = 20;
constexpr int kStuckPauseMs = 10000;

// The random numbers of one event, derived from the seed and the event's
// number only: an event that cannot happen leaves the later ones unchanged.
class EventRandom {
public:
    EventRandom(quint64 seed, quint64 index) : s_(seed ^ (index * 0xD1B54A32D192ED03ull)) { next(); }
    quint64 next()
    {
        quint64 z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    quint64 s_;
};

// The drill's own random source (sentence draws, right-answer cue), seeded.
struct SeededRandom final : engine::RandomSource {
    explicit SeededRandom(quint64 seed) : gen(std::uint32_t(seed ^ (seed >> 32))) {}
    std::mt19937 gen;
    int below(int n) override { return int(gen() % std::uint32_t(n)); }
};

// Counts the cues by name; keeps no list, so long runs stay small.
struct CountingPlayer final : platform::CuePlayer {
    QHash<QString, qint64> counts;
    QString last;
    void play(const QString &path) override
    {
        last = path.section('/', -1).section('.', 0, 0);
        ++counts[last];
    }
};

enum class Phase { WaitStart, WaitComplete, VarStep, PosVar, PosInvar, Further, Unknown };

// Answer buttons are numbered as givenAnswer numbers them, 1..11; the buttons
// of the further questions follow as 12..18, in FormB::furtherButtons() order,
// then the choice buttons Scelta(1..9) as 19..27. The article's kind is asked
// on the choice buttons, so 12..14 are 19..21 under other numbers.
constexpr int kFirstFurtherButton = 12;
constexpr int kFirstChoiceButton = 19;
constexpr int kAnswerButtons = 27;
constexpr int kAnyChoiceQuestion = -2;
// The further question (1..2, or kAnyChoiceQuestion for a choice button) and
// choice (1..n) of a button 12..27.
std::pair<int, int> furtherChoice(int button)
{
    if (button >= kFirstChoiceButton)
        return {kAnyChoiceQuestion, button - kFirstChoiceButton + 1};
    int i = button - kFirstFurtherButton;
    for (int q = 0; q < engine::kFirstVerbQuestion; ++q) {
        if (i < engine::kFurtherQuestions[q].choices)
            return {q, i + 1};
        i -= engine::kFurtherQuestions[q].choices;
    }
    return {-1, 0};
}

const char *phaseName(Phase p)
{
    switch (p) {
    case Phase::WaitStart: return "waiting for VIA after start-up";
    case Phase::WaitComplete: return "waiting for VIA after a complete sentence";
    case Phase::VarStep: return "variable step";
    case Phase::PosVar: return "part-of-speech step, variable group";
    case Phase::PosInvar: return "part-of-speech step, invariable group";
    case Phase::Further: return "a further question";
    case Phase::Unknown: break;
    }
    return "no state of the word cycle";
}

// Grade of a series by its wrong answers, and the word the results show.
int gradeFor(int wrong) { return wrong <= 0 ? 5 : wrong >= 4 ? 1 : 5 - wrong; }
const char *const kGradeWords[] = {"",       "occorre esercitarsi", "sufficiente",
                                   "buono!", "distinto!! ",         "ottimo!!!"};

// What the test expects, worked out from the answer key alone.
struct Model {
    Phase phase = Phase::WaitStart;
    int sentence = -1;
    int word = 0;
    int words = 0;                      // word count of the sentence on show
    bool pressedStillDisabled = false;  // the first-step button pressed rightly
    bool mode = false, modeUsed = false;  // the complete analysis: on, ever switched on
    int question = -1;                    // the further question open (Phase::Further)
    int pathShown = 0;                    // display(3..) labels filled and on show
    int answers = 0, wrong = 0;         // in the running series
    std::array<qint64, 33> tally{};     // wrong answers by category
    std::array<int, 6> gradeTally{};
    int lastGrade = 0;
    int best = engine::rules::kInitialBestTenths;
    bool clockRunning = false;
    std::int64_t seriesStart = 0;
    std::set<int> used;
};

// An answer between its press and the end of its handler.
struct Pending {
    int button;
    bool right;
    int category;
};

// What a click that must be refused or held may not change.
struct Snapshot {
    int answerCount, errorCount, word, sentence;
    std::array<int, 33> tally;
    std::vector<int> panel;  // visible and enabled, per answer button and VIA
    bool reportOpen;
    const void *report;
    bool operator==(const Snapshot &) const = default;
};

}  // namespace

class Monkey : public QObject {
public:
    Monkey(quint64 seed, qint64 events)
        : seed_(seed),
          total_(events),
          random_(seed),
          audio_(player_, random_, [] { return QStringLiteral("/prog"); })
    {
    }

    bool run();
    QString failure() const { return failure_; }
    void report(double seconds) const;

private:
    void step();
    void doStep();
    void restEvent(EventRandom &r);
    void pauseEvent(EventRandom &r);
    void modalEvent(EventRandom &r, classificaform *dialog);
    void finish();

    // Pupil actions.
    bool pupilClick(QWidget *target, const char *what);
    void resizeWindow(EventRandom &r);
    QWidget *anyControl(QWidget *window, EventRandom &r) const;
    QWidget *anyAnswerButton(EventRandom &r) const;
    QPushButton *answerButton(int button) const;  // 1..18
    QWidget *reportControl(EventRandom &r) const;
    void refusedClick(QWidget *target, const char *what);

    // Hooks on the real controls, run after the production handlers.
    void answerPressed(int button);
    void answerClicked(int button);
    void viaClicked();
    void modeSwitched(bool on);
    void advanceWord();
    void reportShown();
    void observeResults(classificaform *dialog);
    void prosegui(classificaform *dialog);

    // Checks.
    bool check(bool ok, const QString &what);
    void checkAlways();
    void checkAtRest();
    Phase panelPhase() const;
    Snapshot snapshot() const;
    classificaform *modal() const
    {
        return qobject_cast<classificaform *>(QApplication::activeModalWidget());
    }
    int code(int word) const { return state_.bank.code(m_.sentence, word).value(); }
    engine::Features features(int word) const { return state_.bank.features(m_.sentence, word); }
    engine::QuestionSet allowed() const { return state_.bank.questions(m_.sentence); }
    void giveFeatures();
    void trail(const QString &line);

    const quint64 seed_;
    const qint64 total_;
    FakeClock clock_;
    SeededRandom random_;
    CountingPlayer player_;
    platform::Audio audio_;
    engine::DrillState state_;
    std::unique_ptr<engine::FormB> form_;

    Model m_;
    std::optional<Pending> pending_;
    bool seriesEndSeen_ = false;
    bool answerClickArmed_ = false;  // the click being made may give an answer

    qint64 nextIndex_ = 0;  // next event number
    qint64 done_ = 0;       // events carried out
    struct Context {
        bool pausing;
        QPointer<classificaform> modal;
    };
    std::vector<Context> outer_;  // the steps running, outermost first
    bool pauseClicked_ = false;   // the running pause has had its clicks
    QElapsedTimer pauseTime_;     // since the running pause was first seen
    bool finished_ = false;
    int exitCode_ = -1;
    QString failure_;
    std::deque<QString> trail_;

public:
    // Figures.
    qint64 answersGiven = 0, rightAnswers = 0, wrongAnswers = 0, seriesCompleted = 0, sentencesCompleted = 0,
           sentencesStarted = 0, clicks = 0, clicksInPause = 0, clicksWhileModal = 0, clicksImpossible = 0,
           resizes = 0, reportsOpened = 0, lookOnly = 0, exhaustedDraws = 0, modeSwitches = 0,
           furtherAnswers = 0, eventsInMode = 0;
};

// --- Running ---------------------------------------------------------------

bool Monkey::run()
{
    form_ =
        std::make_unique<engine::FormB>(state_, engine::ExerciseServices{clock_, random_, audio_, kPauseMs});
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get()))
        return check(false, "the exercise window never showed");

    giveFeatures();
    std::set<QPushButton *> hooked;
    for (int k = kAnswerButtons; k >= 1; --k) {
        QPushButton *b = answerButton(k);
        if (!hooked.insert(b).second)
            continue;  // the article's kind on the choice buttons: hooked as those
        connect(b, &QPushButton::pressed, this, [this, k] { answerPressed(k); });
        connect(b, &QPushButton::clicked, this, [this, k] { answerClicked(k); });
    }
    connect(form_->VIA, &QPushButton::clicked, this, &Monkey::viaClicked);
    connect(form_->AnalisiCompleta, &QCheckBox::toggled, this, &Monkey::modeSwitched);
    connect(form_->Command8, &QPushButton::clicked, this, &Monkey::reportShown);

    // A watchdog: a run that stops making progress fails instead of hanging.
    QTimer watchdog;
    qint64 lastDone = -1;
    connect(&watchdog, &QTimer::timeout, this, [&] {
        if (done_ == lastDone && !finished_) {
            check(false, QStringLiteral("no progress for 30 s"));
            QCoreApplication::exit(2);
        }
        lastDone = done_;
    });
    watchdog.start(30000);

    checkAtRest();
    QTimer::singleShot(0, this, &Monkey::step);
    exitCode_ = QCoreApplication::exec();
    if (failure_.isEmpty()) {
        check(exitCode_ == 0, QStringLiteral("the program ended with %1").arg(exitCode_));
        check(player_.last == QLatin1String("congafine"), "FINE did not play congafine");
        check(!form_->isVisible(), "the exercise window is still shown after FINE");
        check(!form_->errorReport() || !form_->errorReport()->isVisible(),
              "the error report is still shown after FINE");
    }
    return failure_.isEmpty();
}

void Monkey::step()
{
    if (finished_)
        return;
    // A step may run inside another only where the pupil can act while a
    // handler runs: in a pause or a results window that the outer step's
    // click opened. Anywhere else (the event processing that ends a test
    // click, or a pause already running) it waits its turn.
    if (!outer_.empty()) {
        const Context &outer = outer_.back();
        const bool newPause = form_->inAnswerPause() && !outer.pausing;
        const bool newModal = modal() && modal() != outer.modal;
        if (!newPause && !newModal) {
            QTimer::singleShot(0, this, &Monkey::step);
            return;
        }
    }
    QTimer::singleShot(0, this, &Monkey::step);  // the next one, maybe inside this one
    outer_.push_back({form_->inAnswerPause(), modal()});
    doStep();
    outer_.pop_back();
}

void Monkey::doStep()
{
    if (!failure_.isEmpty()) {
        finished_ = true;
        QCoreApplication::exit(3);
        return;
    }
    const bool pausing = form_->inAnswerPause();
    if (!pausing)
        pauseClicked_ = false;
    if (done_ >= total_) {
        finish();
        return;
    }
    if (pausing) {
        if (pauseClicked_) {
            // This pause has had its clicks; wait for it to end (it lasts a
            // few milliseconds).
            if (!check(pauseTime_.elapsed() < kStuckPauseMs,
                       QStringLiteral("the %1 ms answer pause has not ended after %2 ms")
                           .arg(kPauseMs)
                           .arg(kStuckPauseMs)))
                QCoreApplication::exit(3);  // leaves the stuck pause's event loop too
            return;
        }
        // A few clicks, one after the other in this one step: the pause
        // cannot end before the step returns, so they all land in it however
        // slow the machine is, and the run stays the same for a seed.
        pauseClicked_ = true;
        pauseTime_.start();
        EventRandom r(seed_, quint64(nextIndex_++));
        const int clicks = r.below(3);
        for (int i = 0; i < clicks && done_ < total_ && failure_.isEmpty(); ++i) {
            EventRandom e(seed_, quint64(nextIndex_++));
            ++done_;
            pauseEvent(e);
            if (failure_.isEmpty() && i + 1 < clicks)
                checkAlways();
        }
    } else {
        EventRandom r(seed_, quint64(nextIndex_++));
        ++done_;
        eventsInMode += m_.mode;
        if (classificaform *dialog = modal())
            observeResults(dialog);  // as it opened, before time moves on
        clock_.ms += r.below(400);
        if (classificaform *dialog = modal())
            modalEvent(r, dialog);
        else
            restEvent(r);
    }
    if (!failure_.isEmpty())
        return;
    checkAlways();
    if (outer_.size() == 1 && !form_->inAnswerPause() && !modal())
        checkAtRest();
}

void Monkey::finish()
{
    // The last events: close what is open, then FINE.
    if (classificaform *dialog = modal()) {
        observeResults(dialog);
        prosegui(dialog);
        return;
    }
    if (form_->inAnswerPause() || outer_.size() != 1)
        return;
    if (form_->isMinimized()) {
        form_->setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
        return;
    }
    if (!pressable(form_->FINE)) {  // a window shrunk too far to reach FINE
        form_->resize(825, 596);
        QCoreApplication::processEvents();
        return;
    }
    checkAtRest();
    if (!failure_.isEmpty())
        return;
    finished_ = true;
    trail(QStringLiteral("FINE"));
    QTest::mouseClick(form_->FINE, Qt::LeftButton);
}

// --- Events ------------------------------------------------------------------

void Monkey::restEvent(EventRandom &r)
{
    const int k = r.below(100);
    if (k < 34) {
        // The right answer, as a pupil who knows it (keeps the drill moving).
        switch (m_.phase) {
        case Phase::VarStep:
            pupilClick(code(m_.word) <= 5 ? form_->Com10 : form_->Com11, "right first step");
            break;
        case Phase::PosVar:
        case Phase::PosInvar: pupilClick(form_->Com[code(m_.word)], "right part of speech"); break;
        case Phase::Further: {
            const int k = engine::kFurtherQuestions[m_.question].rightChoice(features(m_.word));
            pupilClick(form_->furtherButtons(m_.question)[k - 1], "right further answer");
            break;
        }
        default:
            if (r.below(4) == 0)
                pupilClick(form_->AnalisiCompleta, "analisi completa");
            else
                pupilClick(form_->VIA, "VIA");
        }
    } else if (k < 62) {
        pupilClick(anyAnswerButton(r), "an answer button");
    } else if (k < 67) {
        pupilClick(form_->VIA, "VIA");
    } else if (k < 77) {
        pupilClick(anyControl(form_.get(), r), "any control");
    } else if (k < 82) {
        pupilClick(form_->Command8, "mostra errori");
    } else if (k < 94) {
        FRM_ERRORI *report = form_->errorReport();
        if (!report || !report->isVisible()) {
            pupilClick(form_->Command8, "mostra errori");
        } else {
            const int j = r.below(100);
            if (j < 40) {
                pupilClick(report->Command1, "CHIUDI FINESTRA");
            } else if (j < 65) {
                pupilClick(report->Command2, "mostra classifica");
            } else if (j < 90) {
                pupilClick(anyControl(report, r), "any control of the error report");
            } else {
                trail(QStringLiteral("close the error report from its title bar"));
                report->close();
            }
        }
    } else {
        resizeWindow(r);
    }
}

void Monkey::pauseEvent(EventRandom &r)
{
    ++clicksInPause;
    const int k = r.below(100);
    if (k < 55)
        refusedClick(anyAnswerButton(r), "an answer button during the pause");
    else if (k < 75)
        refusedClick(anyControl(form_.get(), r), "any control during the pause");
    else if (k < 85)
        refusedClick(form_->Command8, "mostra errori during the pause");
    else if (k < 95)
        refusedClick(reportControl(r), "the error report during the pause");
    else
        resizeWindow(r);
}

void Monkey::modalEvent(EventRandom &r, classificaform *dialog)
{
    observeResults(dialog);
    if (!failure_.isEmpty())
        return;
    ++clicksWhileModal;
    const int k = r.below(100);
    if (k < 30) {
        prosegui(dialog);
    } else if (k < 38) {
        trail(QStringLiteral("Escape on the results"));
        const Snapshot before = snapshot();
        QTest::keyClick(dialog, Qt::Key_Escape);
        check(modal() == dialog && dialog->isVisible(), "Escape closed the results window");
        check(snapshot() == before, "Escape on the results window changed the drill");
    } else if (k < 43) {
        trail(QStringLiteral("close the results from the title bar"));
        const Snapshot before = snapshot();
        dialog->close();
        check(modal() == dialog && dialog->isVisible(), "the results window closed without PROSEGUI");
        check(snapshot() == before, "closing the results window changed the drill");
    } else if (k < 55) {
        // Anywhere on the results window; PROSEGUI itself may be hit.
        QWidget *target = anyControl(dialog, r);
        const QPoint at = target->mapTo(dialog, target->rect().center());
        if (dialog->childAt(at) == dialog->Command1 && dialog->Command1->isEnabled())
            prosegui(dialog);
        else
            refusedClick(target, "the results window");
    } else if (k < 75) {
        refusedClick(anyAnswerButton(r), "an answer button while the results are open");
    } else if (k < 85) {
        refusedClick(r.below(2) ? form_->VIA : form_->Command8,
                     "VIA or mostra errori while the results are open");
    } else if (k < 95) {
        refusedClick(reportControl(r), "the error report while the results are open");
    } else {
        refusedClick(anyControl(form_.get(), r), "any control while the results are open");
    }
}

// Clicks as the pupil does: at the control's centre, through its window.
// Returns false when the pupil could not click there at all (a minimised
// window, a closed one, a place outside the window, or FINE, kept for the end).
bool Monkey::pupilClick(QWidget *target, const char *what)
{
    if (!target)
        return false;
    QWidget *top = target->window();
    const QPoint at = target->mapTo(top, target->rect().center());
    QWidget *hit = top->childAt(at);
    // The test library takes a click at the window's (0,0) for a click
    // without a place, and sends it to the window's centre instead: the
    // pupil's click would not land where it is judged, so it is not made.
    if (!top->isVisible() || top->isMinimized() || !top->rect().contains(at) || !top->windowHandle()
        || hit == form_->FINE || at.isNull()) {
        ++clicksImpossible;
        return false;
    }
    ++clicks;
    trail(QStringLiteral("click %1: %2 at (%3,%4), hits %5")
              .arg(QLatin1String(what), target->objectName())
              .arg(at.x())
              .arg(at.y())
              .arg(hit ? hit->objectName() : top->objectName()));
    // Only a click at rest can give an answer: one made in the pause is lost,
    // one made while the results are open is blocked.
    bool isAnswer = false;
    for (int k = 1; k <= kAnswerButtons; ++k)
        isAnswer = isAnswer || hit == answerButton(k);
    const bool armed = answerClickArmed_;
    answerClickArmed_ = !form_->inAnswerPause() && !modal() && isAnswer;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    answerClickArmed_ = armed;
    return true;
}

// A click that must change nothing now: an answer lost in the pause, a click
// held until the answer is handled, a click blocked by the results window.
void Monkey::refusedClick(QWidget *target, const char *what)
{
    const Snapshot before = snapshot();
    classificaform *dialog = modal();
    if (!pupilClick(target, what))
        return;
    check(!pending_ || form_->inAnswerPause() || dialog, "an answer was taken inside another");
    check(snapshot() == before, QStringLiteral("%1 changed the drill at once").arg(QLatin1String(what)));
    if (dialog)
        check(modal() == dialog && dialog->isVisible(), "the results window closed without PROSEGUI");
}

void Monkey::prosegui(classificaform *dialog)
{
    const bool seriesEnded = dialog->parentWidget() == form_.get();
    pupilClick(dialog->Command1, "PROSEGUI");
    if (!check(!dialog->isVisible() && modal() != dialog, "PROSEGUI did not close the results window"))
        return;
    if (seriesEnded) {
        m_.seriesStart = clock_.ms;
        check(state_.answerCount == 0 && state_.errorCount == 0, "PROSEGUI did not start a new series");
        check(state_.seriesStart.value() == clock_.ms, "PROSEGUI did not restart the series time");
    }
}

void Monkey::resizeWindow(EventRandom &r)
{
    ++resizes;
    const int k = r.below(100);
    QString what;
    if (k < 12) {
        what = QStringLiteral("minimise");
        form_->setWindowState(Qt::WindowMinimized);
    } else if (k < 24) {
        what = QStringLiteral("maximise");
        form_->setWindowState(Qt::WindowMaximized);
    } else {
        QSize size;
        if (k < 34)
            size = QSize(7680, 4320);
        else if (k < 46)
            size = QSize(r.between(1, 40), r.between(1, 30));
        else  // spread evenly over the scale, small to very large
            size = QSize(int(std::pow(7680.0, r.below(1001) / 1000.0)),
                         int(std::pow(4320.0, r.below(1001) / 1000.0)));
        what = QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height());
        form_->setWindowState(Qt::WindowNoState);
        form_->resize(size);
    }
    trail(what);
    QCoreApplication::processEvents();  // the window system's answer, and the refit
}

QWidget *Monkey::anyControl(QWidget *window, EventRandom &r) const
{
    // Its own controls only: a results window opened from the error report
    // is a child of the report, but another window.
    QList<QWidget *> all = window->findChildren<QWidget *>();
    all.removeIf([&](QWidget *w) { return w == form_->FINE || w->window() != window; });
    return all.isEmpty() ? window : all[r.below(int(all.size()))];
}

QWidget *Monkey::anyAnswerButton(EventRandom &r) const { return answerButton(1 + r.below(kAnswerButtons)); }

QPushButton *Monkey::answerButton(int button) const
{
    if (button >= kFirstChoiceButton)
        return form_->Scelta[button - kFirstChoiceButton + 1];
    return button < kFirstFurtherButton ? form_->answerButtons()[button - 1]
                                        : form_->furtherButtons()[button - kFirstFurtherButton];
}

// Units of the key that could carry features and carry none get seeded ones,
// some of them left unset, so that every shape of the questions comes up.
void Monkey::giveFeatures()
{
    EventRandom r(seed_, ~0ull);
    for (int s = 0; s <= state_.lastSentence; ++s)
        for (int w = 1; w <= state_.bank.wordCount(s); ++w) {
            const int c = state_.bank.code(s, w).value();
            engine::Features f = state_.bank.features(s, w);
            if (engine::takesGenderAndNumber(c) && f.isEmpty()) {
                if (engine::takesArticleKind(c))
                    f.kind = engine::ArticleKind(r.below(4));
                f.gender = engine::Gender(r.below(3));
                f.number = engine::Number(r.below(3));
            }
            // The kinds, the degree and the pronoun's person, where the key
            // leaves them all unset.
            if (!f.hasKindValues()) {
                if (engine::takesNounKind(c))
                    f.nounKind = engine::NounKind(r.below(3));
                if (engine::takesAdjectiveKind(c)) {
                    f.adjectiveKind = engine::AdjectiveKind(r.below(8));
                    if (f.adjectiveKind == engine::AdjectiveKind::Qualificativo)
                        f.degree = engine::Degree(r.below(4));
                }
                if (engine::takesPronounKind(c)) {
                    f.pronounKind = engine::PronounKind(r.below(8));
                    if (f.pronounKind == engine::PronounKind::Personale)
                        f.pronounPerson = engine::Person(r.below(4));
                }
                if (engine::takesAdverbKind(c))
                    f.adverbKind = engine::AdverbKind(r.below(9));
                if (engine::takesPrepositionKind(c))
                    f.prepositionKind = engine::PrepositionKind(r.below(5));
                if (engine::takesConjunctionKind(c))
                    f.conjunctionKind = engine::ConjunctionKind(r.below(3));
                if (engine::takesExclamationKind(c))
                    f.exclamationKind = engine::ExclamationKind(r.below(4));
            }
            state_.bank.setFeatures(s, w, f);
        }
}

QWidget *Monkey::reportControl(EventRandom &r) const
{
    FRM_ERRORI *report = form_->errorReport();
    if (!report)
        return form_->Command8;
    const int k = r.below(3);
    return k == 0 ? report->Command1 : k == 1 ? report->Command2 : anyControl(report, r);
}

// --- Hooks -------------------------------------------------------------------

void Monkey::answerPressed(int button)
{
    if (!check(!pending_, QStringLiteral("button %1 pressed while an answer was running").arg(button)))
        return;
    if (!check(answerClickArmed_,
               QStringLiteral("button %1 pressed, but not by a click made at rest").arg(button)))
        return;
    const int c = m_.sentence >= 0 ? code(m_.word) : 0;
    switch (m_.phase) {
    case Phase::VarStep:
        if (check(button == 10 || button == 11, QStringLiteral("button %1 pressed in the variable step").arg(button)))
            pending_ = Pending{button, (button == 10) == (c <= 5), button};
        break;
    case Phase::Further: {
        auto [q, k] = furtherChoice(button);
        if (q == kAnyChoiceQuestion && m_.question >= 0 && engine::kFurtherQuestions[m_.question].choicesFor)
            q = m_.question;
        if (check(q == m_.question,
                  QStringLiteral("button %1 pressed at further question %2").arg(button).arg(m_.question))) {
            const engine::FurtherQuestion &asked = engine::kFurtherQuestions[q];
            pending_ = Pending{button, k == asked.rightChoice(features(m_.word)), asked.errorCategory};
        }
        break;
    }
    case Phase::PosVar:
    case Phase::PosInvar: {
        const bool variableGroup = m_.phase == Phase::PosVar;
        if (check(button <= 9 && (button <= 5) == variableGroup,
                  QStringLiteral("button %1 pressed in the %2")
                      .arg(button)
                      .arg(QLatin1String(phaseName(m_.phase)))))
            pending_ = Pending{button, button == c, c};
        break;
    }
    default:
        check(false, QStringLiteral("answer button %1 pressed while %2")
                         .arg(button)
                         .arg(QLatin1String(phaseName(m_.phase))));
    }
}

void Monkey::answerClicked(int button)
{
    if (!check(pending_ && pending_->button == button,
               QStringLiteral("answer %1 without its press").arg(button)))
        return;
    const Pending p = *pending_;
    pending_.reset();
    answerClickArmed_ = false;  // one click, one answer
    ++answersGiven;
    ++m_.answers;
    if (p.right) {
        ++rightAnswers;
    } else {
        ++wrongAnswers;
        ++m_.wrong;
        ++m_.tally[p.category];
    }
    const bool seriesEnds = m_.answers == kSeriesLength;
    check(seriesEndSeen_ == seriesEnds,
          seriesEnds ? QStringLiteral("the 20th answer opened no results window")
                     : QStringLiteral("a results window opened before the 20th answer"));
    seriesEndSeen_ = false;
    if (seriesEnds) {
        ++seriesCompleted;
        m_.answers = 0;
        m_.wrong = 0;
    }
    switch (m_.phase) {
    case Phase::VarStep:
        m_.pathShown = 0;  // the first click of a word hides the last word's path
        if (p.right) {
            m_.phase = button == 10 ? Phase::PosVar : Phase::PosInvar;
            m_.pressedStillDisabled = true;
        }
        break;
    case Phase::PosVar:
    case Phase::PosInvar:
        if (!p.right) {
            m_.pressedStillDisabled = false;  // the pause enabled it again
        } else if (const int q = m_.mode ? engine::nextFurtherQuestion(code(m_.word), features(m_.word), 0, allowed()) : -1;
                   q >= 0) {
            m_.phase = Phase::Further;
            m_.question = q;
        } else {
            advanceWord();
        }
        break;
    case Phase::Further:
        ++furtherAnswers;
        if (p.right) {
            // A label more, unless the answer adds to one (the tense to the mood).
            m_.pathShown += !engine::extendsPathLabel(code(m_.word), features(m_.word), m_.question, allowed());
            m_.question = engine::nextFurtherQuestion(code(m_.word), features(m_.word), m_.question + 1, allowed());
            if (m_.question < 0)
                advanceWord();
        }
        break;
    default: break;
    }
}

void Monkey::advanceWord()
{
    m_.question = -1;
    if (++m_.word > m_.words) {
        m_.phase = Phase::WaitComplete;
        ++sentencesCompleted;
    } else {
        m_.phase = Phase::VarStep;
    }
}

void Monkey::modeSwitched(bool on)
{
    ++modeSwitches;
    trail(QStringLiteral("analisi completa %1").arg(on ? "on" : "off"));
    check((m_.phase == Phase::WaitStart || m_.phase == Phase::WaitComplete) && !form_->inAnswerPause() && !modal(),
          QStringLiteral("the complete analysis was switched in the %1").arg(QLatin1String(phaseName(m_.phase))));
    m_.mode = on;
    m_.modeUsed = m_.modeUsed || on;
}

void Monkey::viaClicked()
{
    if (!check(m_.phase == Phase::WaitStart || m_.phase == Phase::WaitComplete,
               QStringLiteral("VIA pressed in the %1").arg(QLatin1String(phaseName(m_.phase)))))
        return;
    ++sentencesStarted;
    const int s = state_.currentSentence.value();
    const bool exhausted = int(m_.used.size()) == state_.lastSentence + 1;
    if (exhausted) {
        ++exhaustedDraws;
        check(form_->AVVISO->caption() == QLatin1String("TUTTE LA FRASI SONO COMPLETATE"),
              "an exhausted bank was not announced");
    } else {
        check(s >= 0 && s <= state_.lastSentence && !m_.used.count(s),
              QStringLiteral("VIA drew sentence %1, already shown or out of range").arg(s));
    }
    m_.used.insert(s);
    m_.pathShown = 0;
    m_.sentence = s;
    m_.word = 1;
    m_.words = state_.bank.wordCount(s);
    m_.phase = Phase::VarStep;
    if (!m_.clockRunning) {
        m_.clockRunning = true;
        m_.seriesStart = clock_.ms;
    }
}

void Monkey::reportShown()
{
    ++reportsOpened;
    FRM_ERRORI *report = form_->errorReport();
    if (!check(report && report->isVisible(), "mostra errori showed no error report"))
        return;
    for (const engine::FurtherQuestion &q : engine::kFurtherQuestions) {
        const int k = q.errorCategory;
        check(report->RR[k]->isVisible() == m_.modeUsed && report->Lberrori[k]->isVisible() == m_.modeUsed,
              QStringLiteral("error report row %1 shown: %2").arg(k).arg(report->Lberrori[k]->isVisible()));
        if (m_.modeUsed)
            check(report->Lberrori[k]->caption() == QLatin1String(q.categoryName),
                  QStringLiteral("error report row %1 named \"%2\"").arg(k).arg(report->Lberrori[k]->caption()));
    }
    for (int k = 1; k <= 16; ++k) {
        const QString expected = m_.tally[k] ? QString::number(m_.tally[k]) : QString();
        check(report->RR[k]->caption() == expected,
              QStringLiteral("error report row %1 shows \"%2\", expected \"%3\"")
                  .arg(k)
                  .arg(report->RR[k]->caption(), expected));
    }
}

// The results window, the first time a step finds it open.
void Monkey::observeResults(classificaform *dialog)
{
    if (dialog->property("monkeySeen").toBool())
        return;
    dialog->setProperty("monkeySeen", true);
    const bool seriesEnded = dialog->parentWidget() == form_.get();
    trail(seriesEnded ? QStringLiteral("results window: series ended")
                      : QStringLiteral("results window: look only"));
    if (seriesEnded) {
        if (!check(
                pending_.has_value() && m_.answers + 1 == kSeriesLength,
                QStringLiteral("the results opened after %1 answers").arg(m_.answers + (pending_ ? 1 : 0))))
            return;
        seriesEndSeen_ = true;
        check(state_.answerCount == kSeriesLength, "the series ended with a wrong answer count");
        const int grade = gradeFor(m_.wrong + (pending_->right ? 0 : 1));
        m_.lastGrade = grade;
        m_.gradeTally[grade] = std::min(10, m_.gradeTally[grade] + 1);
        const std::int64_t seriesMs = clock_.ms - m_.seriesStart;
        const bool record = grade == 5 && seriesMs < std::int64_t(m_.best) * 100;
        if (record)
            m_.best = int(seriesMs / 100);
        check(state_.gradeLevel == grade,
              QStringLiteral("grade %1, expected %2").arg(state_.gradeLevel).arg(grade));
        check(dialog->LbNuovoRecord->caption() == (record ? QStringLiteral("Nuovo Record!") : QString()),
              "the record was announced wrongly");
    } else {
        ++lookOnly;
        check(dialog->LbNuovoRecord->caption().isEmpty(), "a look at the results announced a record");
    }
    if (m_.lastGrade)
        check(dialog->RISULTATO->caption() == QLatin1String(kGradeWords[m_.lastGrade]),
              QStringLiteral("the results show \"%1\"").arg(dialog->RISULTATO->caption()));
    for (int g = 1; g <= 5; ++g) {
        int shown = 0;
        for (int k = 1; k <= 10; ++k)
            shown += dialog->dots[g][k]->isVisible();
        check(shown == m_.gradeTally[g] && state_.tallyFor(g).value() == m_.gradeTally[g],
              QStringLiteral("grade %1: %2 dots, tally %3, expected %4")
                  .arg(g)
                  .arg(shown)
                  .arg(state_.tallyFor(g).value())
                  .arg(m_.gradeTally[g]));
    }
    check(state_.bestTenths == m_.best,
          QStringLiteral("best time %1, expected %2").arg(state_.bestTenths).arg(m_.best));
}

// --- Checks ------------------------------------------------------------------

bool Monkey::check(bool ok, const QString &what)
{
    if (!ok && failure_.isEmpty()) {
        QString text = QStringLiteral("%1\n  seed %2, event %3 of %4; the last events:")
                           .arg(what)
                           .arg(seed_)
                           .arg(done_)
                           .arg(total_);
        for (const QString &line : trail_)
            text += QStringLiteral("\n    ") + line;
        failure_ = text;
    }
    return ok;
}

void Monkey::trail(const QString &line)
{
    trail_.push_back(QStringLiteral("%1: %2").arg(done_).arg(line));
    if (trail_.size() > 40)
        trail_.pop_front();
}

// What holds at every moment, inside handlers too.
void Monkey::checkAlways()
{
    check(state_.answerCount >= 0 && state_.answerCount <= kSeriesLength,
          QStringLiteral("answerCount %1").arg(state_.answerCount));
    if (m_.sentence >= 0) {
        const int w = state_.currentWord.value();
        check(w >= 1 && w <= state_.wordCount() + 1, QStringLiteral("currentWord %1").arg(w));
    }
    qint64 sum = 0;
    for (const auto &t : state_.errorTally)
        sum += t.value();
    // Inside a handler the answer being given may already be counted.
    check(sum == wrongAnswers || (pending_ && !pending_->right && sum == wrongAnswers + 1),
          QStringLiteral("the error tallies add up to %1, but %2 wrong answers were given")
              .arg(sum)
              .arg(wrongAnswers));

    int reports = 0, results = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<FRM_ERRORI *>(w) && w->isVisible())
            ++reports;
    }
    for (QWidget *w : QApplication::allWidgets())
        if (qobject_cast<classificaform *>(w))
            ++results;
    check(reports <= 1, QStringLiteral("%1 error reports on show").arg(reports));
    check(results <= 1, QStringLiteral("%1 results windows").arg(results));
    if (reports == 1)
        check(form_->errorReport() && form_->errorReport()->isVisible(),
              "an error report the drill does not know");

    // No control of any window with a negative size or an unreadable font.
    QList<QWidget *> windows{form_.get()};
    if (form_->errorReport())
        windows << form_->errorReport();
    if (classificaform *dialog = modal())
        windows << dialog;
    for (QWidget *window : windows) {
        QList<QWidget *> all = window->findChildren<QWidget *>();
        all << window;
        for (QWidget *w : all) {
            const QFont f = w->font();
            const bool fontOk = f.pointSizeF() > 0 ? f.pointSizeF() >= 1.0 : f.pixelSize() >= 1;
            if (!check(w->width() >= 0 && w->height() >= 0 && fontOk,
                       QStringLiteral("%1: size %2x%3, font %4 pt / %5 px")
                           .arg(w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(f.pointSizeF())
                           .arg(f.pixelSize())))
                return;
        }
    }
}

// Which state of the word cycle the answer panel shows, from the controls.
Phase Monkey::panelPhase() const
{
    const auto &f = *form_;
    auto shown = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            if (!f.Com[i]->isVisible())
                return false;
        return true;
    };
    auto hidden = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            if (f.Com[i]->isVisible())
                return false;
        return true;
    };
    const bool c10 = f.Com10->isVisible(), c11 = f.Com11->isVisible(), via = f.VIA->isVisible();
    auto disabled = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            if (f.Com[i]->isEnabled())
                return false;
        return true;
    };
    std::set<QWidget *> furtherOnShow;  // the article's kind's buttons are choice buttons
    for (layout::Button *b : f.furtherButtons())
        if (b->isVisible())
            furtherOnShow.insert(b);
    for (int k = 1; k <= engine::kMaxChoices; ++k)
        if (f.Scelta[k]->isVisible())
            furtherOnShow.insert(f.Scelta[k]);
    const int furtherShown = int(furtherOnShow.size());
    if (furtherShown > 0) {
        const int q = m_.question;
        // A question on the choice buttons shows as many as it offers.
        const int offered = q < 0 ? 0
                            : engine::kFurtherQuestions[q].choicesFor
                                ? int(engine::choicesOf(q, features(m_.word)).size())
                                : int(f.furtherButtons(q).size());
        const bool oneRow = q >= 0 && furtherShown == offered
                            && std::all_of(f.furtherButtons(q).begin(), f.furtherButtons(q).begin() + offered,
                                           [](QWidget *b) { return b->isVisible(); })
                            && f.Domanda->isVisible()
                            && f.Domanda->caption() == QString::fromUtf8(engine::kFurtherQuestions[q].prompt);
        return !via && !c10 && !c11 && hidden(1, 9) && oneRow ? Phase::Further : Phase::Unknown;
    }
    if (via && c10 && c11 && !f.Com10->isEnabled() && !f.Com11->isEnabled() && shown(1, 9) && disabled(1, 9))
        return Phase::WaitStart;
    if (via && !c10 && !c11 && hidden(1, 9))
        return Phase::WaitComplete;
    if (!via && c10 && c11 && f.Com10->isEnabled() && f.Com11->isEnabled() && hidden(1, 9))
        return Phase::VarStep;
    if (!via && !c10 && !c11 && shown(1, 5) && hidden(6, 9))
        return Phase::PosVar;
    if (!via && !c10 && !c11 && hidden(1, 5) && shown(6, 9))
        return Phase::PosInvar;
    return Phase::Unknown;
}

void Monkey::checkAtRest()
{
    const auto &f = *form_;
    check(!pending_, "an answer was left half handled");
    const Phase shown = panelPhase();
    if (!check(shown == m_.phase,
               QStringLiteral("the panel shows \"%1\", expected \"%2\"")
                   .arg(QLatin1String(phaseName(shown)), QLatin1String(phaseName(m_.phase)))))
        return;
    check(state_.answerCount == m_.answers && state_.errorCount == m_.wrong,
          QStringLiteral("%1 answers and %2 errors in the series, expected %3 and %4")
              .arg(state_.answerCount)
              .arg(state_.errorCount)
              .arg(m_.answers)
              .arg(m_.wrong));
    for (int k = 0; k <= 32; ++k)
        check(state_.errorTally[k].value() == m_.tally[k], QStringLiteral("errorTally(%1) = %2, expected %3")
                                                               .arg(k)
                                                               .arg(state_.errorTally[k].value())
                                                               .arg(m_.tally[k]));
    check(state_.bestTenths == m_.best, "the best time changed outside the results");
    check(player_.counts.value(QStringLiteral("sbagliato1")) == wrongAnswers,
          QStringLiteral("%1 wrong-answer cues for %2 wrong answers")
              .arg(player_.counts.value(QStringLiteral("sbagliato1")))
              .arg(wrongAnswers));
    for (int i = 3; i <= 6; ++i)
        check(f.display[i]->isVisible() == (i - 3 < m_.pathShown),
              QStringLiteral("display(%1) on show: %2, with %3 further answers on the path")
                  .arg(i)
                  .arg(f.display[i]->isVisible())
                  .arg(m_.pathShown));
    const bool waiting = m_.phase == Phase::WaitStart || m_.phase == Phase::WaitComplete;
    check(f.AnalisiCompleta->isEnabled() == waiting, "the switch is offered without VIA, or VIA without it");
    check(f.AnalisiCompleta->isChecked() == m_.mode && state_.fullAnalysis == m_.mode
              && state_.fullAnalysisUsed == m_.modeUsed,
          "the complete analysis is not as switched");
    if (m_.sentence < 0)
        return;
    check(state_.currentSentence.value() == m_.sentence, "another sentence is on show");
    check(state_.currentWord.value() == m_.word,
          QStringLiteral("currentWord %1, expected %2").arg(state_.currentWord.value()).arg(m_.word));
    const int red = std::min(m_.word, m_.words);
    check(f.Lbmostra[red]->textColor().rgb() == qRgb(255, 0, 0),
          QStringLiteral("word %1 is not red").arg(red));
    switch (m_.phase) {
    case Phase::WaitComplete:
        check(f.gratifica->caption() == QLatin1String("COMPLETATA"),
              "a complete sentence without COMPLETATA");
        break;
    case Phase::PosVar:
    case Phase::PosInvar: {
        const bool variable = m_.phase == Phase::PosVar;
        check(
            f.display[1]->isVisible()
                && f.display[1]->caption()
                       == (variable ? QLatin1String("Parte variabile") : QLatin1String("Parte invariabile")),
            "display(1) does not show the group");
        for (int i = variable ? 1 : 6; i <= (variable ? 5 : 9); ++i)
            check(f.Com[i]->isEnabled(), QStringLiteral("Com(%1) is offered disabled").arg(i));
        if (m_.pressedStillDisabled)
            check(!(variable ? f.Com10 : f.Com11)->isEnabled(), "the pressed first-step button is enabled");
        [[fallthrough]];
    }
    case Phase::Further:
        if (m_.phase == Phase::Further)
            for (QPushButton *b : f.furtherButtons(m_.question))
                check(b->isEnabled(), QStringLiteral("%1 is offered disabled").arg(b->objectName()));
        [[fallthrough]];
    case Phase::VarStep: check(f.gratifica->caption().isEmpty(), "the pause's message stayed"); break;
    default: break;
    }
}

Snapshot Monkey::snapshot() const
{
    Snapshot s{state_.answerCount,
               state_.errorCount,
               state_.currentWord.value(),
               state_.currentSentence.value(),
               {},
               {},
               false,
               nullptr};
    for (int k = 0; k <= 32; ++k)
        s.tally[k] = state_.errorTally[k].value();
    for (int k = 1; k <= kAnswerButtons; ++k)
        s.panel.push_back(answerButton(k)->isVisible() * 2 + answerButton(k)->isEnabled());
    s.panel.push_back(form_->AnalisiCompleta->isChecked() * 2 + form_->AnalisiCompleta->isEnabled());
    s.panel.push_back(form_->VIA->isVisible() * 2 + form_->VIA->isEnabled());
    s.report = form_->errorReport();
    s.reportOpen = form_->errorReport() && form_->errorReport()->isVisible();
    return s;
}

void Monkey::report(double seconds) const
{
    qInfo("seed %llu: %lld events in %.1f s (%.0f events/s)", seed_, done_, seconds,
          done_ / std::max(seconds, 1e-9));
    qInfo(
        "answers given %lld (right %lld, wrong %lld); series completed %lld; sentences started %lld, "
        "completed %lld, drawn from an exhausted bank %lld",
        answersGiven, rightAnswers, wrongAnswers, seriesCompleted, sentencesStarted, sentencesCompleted,
        exhaustedDraws);
    qInfo(
        "clicks %lld (during pauses %lld, while the results were open %lld, impossible %lld); "
        "resizes %lld; error report shown %lld times; results looked at %lld times",
        clicks, clicksInPause, clicksWhileModal, clicksImpossible, resizes, reportsOpened, lookOnly);
    qInfo("complete analysis: switched %lld times, on for %lld events at rest; further answers %lld",
          modeSwitches, eventsInMode, furtherAnswers);
}

// --- The test ------------------------------------------------------------------

// The offscreen platform cannot raise a window, and says so each time the
// error report is shown: thousands of times in a run.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    previousHandler(type, context, message);
}

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomPupil();
};

void MonkeyTest::randomPupil()
{
    bool ok = false;
    const qint64 events = qEnvironmentVariable("MONKEY_EVENTS").toLongLong(&ok);
    const qint64 total = ok && events > 0 ? events : kDefaultEvents;
    const quint64 seedValue = qEnvironmentVariable("MONKEY_SEED").toULongLong(&ok);
    const quint64 seed = ok ? seedValue : kDefaultSeed;
    qInfo("MONKEY_SEED=%llu MONKEY_EVENTS=%lld", seed, total);
    previousHandler = qInstallMessageHandler(quietHandler);
    auto restore = qScopeGuard([] { qInstallMessageHandler(previousHandler); });

    Monkey monkey(seed, total);
    QElapsedTimer time;
    time.start();
    const bool passed = monkey.run();
    monkey.report(time.elapsed() / 1000.0);
    if (!passed)
        for (const QString &line : monkey.failure().split(QLatin1Char('\n')))
            qWarning("%s", qPrintable(line));
    QVERIFY2(passed, qPrintable(monkey.failure().section(QLatin1Char('\n'), 0, 1)));
    QVERIFY(monkey.answersGiven > 0 && monkey.seriesCompleted > 0);
    if (total >= kDefaultEvents)
        QVERIFY(monkey.eventsInMode > 0 && monkey.furtherAnswers > 0);
}

// A long run outlasts Qt Test's default limit of five minutes a test
// function: the limit grows with the number of events.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        // Without MONKEY_EVENTS the run has the default number of events.
        const qint64 events = qEnvironmentVariable("MONKEY_EVENTS").toLongLong();
        const qint64 total = events > 0 ? events : kDefaultEvents;
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(300000, total * 30)));
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN does
    MonkeyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_monkey.moc"
