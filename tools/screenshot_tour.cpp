// A scripted tour of the real windows that saves a picture of the screen at
// each stop: the splash, the exercise window waiting, mid-sentence and with a
// completed sentence, the results window after a faultless and after a poor
// series, and the error report; then the complete analysis: an article at the
// question of its kind, a noun at the question of its gender, and the error
// report with the rows of the further questions; a verb at its tense; an
// adjective at the question of its kind and the report with the kinds' rows.
// Run under a display with a window manager
// (scripts/screenshots.sh does this): screenshot_tour <output folder>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <functional>
#include <memory>

#include "engine/clock.h"
#include "engine/further_questions.h"
#include "engine/rules.h"
#include "engine/drill_state.h"
#include "windows/exercise_window.h"
#include "platform/audio.h"
#include "windows/results_window.h"
#include "windows/splash_window.h"

namespace {

struct SilentPlayer final : platform::CuePlayer {
    void play(const QString &) override {}
};

// Time as the tour says it passes.
struct TourClock final : engine::Clock {
    std::int64_t ms = 0;
    std::int64_t nowMs() const override { return ms; }
};

// Always draws the sentence asked for next.
struct ChosenSentence final : engine::RandomSource {
    int next = 0;
    int below(int n) override { return next % n; }
};

// Runs steps one after another, each after a delay, never while a results
// window is open. The next step is armed before a step runs, so a step that
// opens a modal window does not stop the tour.
class Tour {
public:
    void add(int delayMs, std::function<void()> step) { steps_.push_back({delayMs, std::move(step)}); }
    void start() { runFrom(0); }

private:
    void runFrom(size_t i)
    {
        if (i >= steps_.size())
            return;
        QTimer::singleShot(steps_[i].first, [this, i] {
            if (QApplication::activeModalWidget()) {  // a results window first
                runFrom(i);
                return;
            }
            runFrom(i + 1);
            steps_[i].second();
        });
    }
    std::vector<std::pair<int, std::function<void()>>> steps_;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    TourClock clock;
    ChosenSentence random;
    SilentPlayer player;
    platform::Audio audio(player, random);
    engine::DrillState state;
    std::unique_ptr<engine::FormB> form;
    auto *splash = new Iniziale(audio, [&] {
        form = std::make_unique<engine::FormB>(state, engine::ExerciseServices{clock, random, audio, 0});
        form->show();
    }, 600000);
    splash->show();

    auto shot = [&](const QString &name) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(out).filePath(name + QStringLiteral(".png")));
    };

    // The first results window with a new record and the first after a poor
    // series are pictured; every results window is closed with PROSEGUI.
    QStringList pictured;
    QTimer resultsWatch;
    resultsWatch.setInterval(50);
    QObject::connect(&resultsWatch, &QTimer::timeout, [&] {
        auto *r = qobject_cast<classificaform *>(QApplication::activeModalWidget());
        if (!r || r->property("seen").toBool())
            return;
        r->setProperty("seen", true);
        QString name;
        if (!r->LbNuovoRecord->caption().isEmpty())
            name = QStringLiteral("results-record");
        else if (state.gradeLevel <= 2)
            name = QStringLiteral("results-poor");
        if (pictured.contains(name))
            name.clear();
        QTimer::singleShot(name.isEmpty() ? 100 : 1000, r, [&, r, name] {
            if (!name.isEmpty()) {
                shot(name);
                pictured << name;
            }
            r->Command1->click();
        });
    });
    resultsWatch.start();

    auto code = [&] { return state.codeAt(state.currentWord.value()); };
    // The further question on offer, or -1.
    auto openQuestion = [&] {
        const int sentence = state.currentSentence.value(), word = state.currentWord.value();
        for (int q = 0; q < int(engine::kFurtherQuestions.size()); ++q)
            if (engine::isAsked(state.expectedCode.value(), state.bank.features(sentence, word), q,
                                state.bank.questions(sentence))
                && form->furtherButtons(q).front()->isVisible()
                && form->Domanda->caption() == QString::fromUtf8(engine::kFurtherQuestions[q].prompt))
                return q;
        return -1;
    };
    // One answer at whichever step is open; the pupil takes about two seconds.
    auto answer = [&](bool right) {
        clock.ms += 2100;
        if (const int q = openQuestion(); q >= 0) {
            const auto &buttons = form->furtherButtons(q);
            const engine::Features key =
                state.bank.features(state.currentSentence.value(), state.currentWord.value());
            const int k = engine::kFurtherQuestions[q].rightChoice(key);
            const std::size_t offered = engine::kFurtherQuestions[q].choicesFor ? engine::choicesOf(q, key).size()
                                                                                : buttons.size();
            buttons[right ? k - 1 : k % offered]->click();
        } else if (form->Com10->isVisible()) {
            const bool variable = engine::rules::isVariable(code()) == right;
            (variable ? form->Com10 : form->Com11)->click();
        } else {
            const int c = state.expectedCode.value();
            const int k = right ? c : (engine::rules::isVariable(c) ? (c == 1 ? 2 : 1) : (c == 6 ? 7 : 6));
            form->Com[k]->click();
        }
        form->Timer1_Timer();
    };

    Tour tour;
    tour.add(1500, [&] { shot(QStringLiteral("splash")); });
    tour.add(100, [&] { splash->Form_Click(); });
    tour.add(1500, [&] { shot(QStringLiteral("exercise-waiting")); });
    tour.add(100, [&] {
        random.next = 8;
        form->VIA->click();
        for (int i = 0; i < 8; ++i)  // four words: both side boxes show the fourth
            answer(true);
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-mid-sentence")); });
    // The rest of the sentence: its 20th answer ends a faultless series with a record.
    tour.add(100, [&] {
        while (state.currentWord.value() <= state.wordCount())
            answer(true);
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-completed")); });
    // A poor series: several wrong answers, and a look at the error report.
    tour.add(100, [&] {
        random.next = 0;
        form->VIA->click();
        for (int i = 0; i < 3; ++i) {
            answer(false);
            answer(true);
            answer(false);
            answer(true);
        }
        while (state.answerCount > 0)
            answer(true);
    });
    tour.add(300, [&] { form->Command8->click(); });
    tour.add(1200, [&] { shot(QStringLiteral("error-report")); });

    // The complete analysis, switched on between two sentences. Sentence 3
    // opens with "I miei amici"; should its key lack their features, the tour
    // gives them.
    tour.add(100, [&] {
        form->errorReport()->close();
        while (state.currentWord.value() <= state.wordCount())
            answer(true);
        using namespace engine;
        const Features plural{ArticleKind::Unset, Gender::Maschile, Number::Plurale};
        const Features given[] = {{ArticleKind::Determinativo, Gender::Maschile, Number::Plurale}, plural, plural};
        for (int w = 1; w <= 3; ++w)
            if (state.bank.features(3, w).isEmpty())
                state.bank.setFeatures(3, w, given[w - 1]);
        form->AnalisiCompleta->click();
        random.next = 3;
        form->VIA->click();
        answer(true);  // PARTE VARIABILE
        answer(true);  // Articolo: the kind is asked
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-article-kind")); });
    tour.add(100, [&] {
        // "I": a wrong answer at each further question, then the right one.
        while (state.currentWord.value() == 1) {
            answer(false);
            answer(true);
        }
        // "miei", then "amici" up to its first further question (its kind, then gender).
        while (state.currentWord.value() == 2)
            answer(true);
        answer(true);
        answer(true);
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-noun-gender")); });
    tour.add(100, [&] {
        answer(true);
        form->Command8->click();
    });
    tour.add(1200, [&] { shot(QStringLiteral("error-report-complete")); });
    // On to "abbiamo preparato", word 6: a wrong conjugation, then the tense
    // question with the path so far.
    tour.add(100, [&] {
        form->errorReport()->close();
        while (state.currentWord.value() < 6)
            answer(true);
        answer(true);  // PARTE VARIABILE
        answer(true);  // Verbo
        answer(false);
        while (openQuestion() >= 0 && openQuestion() < 5)
            answer(true);
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-verb-tense")); });
    tour.add(100, [&] {
        answer(false);
        answer(true);
        answer(true);
        answer(false);
        form->Command8->click();
    });
    tour.add(1200, [&] { shot(QStringLiteral("error-report-verb")); });
    // The kinds: sentence 1's "grosso" (word 10) at the question of its kind,
    // then a wrong kind and a wrong degree, and the report. Should the key
    // lack the adjective's kind, the tour gives it.
    tour.add(100, [&] {
        form->errorReport()->close();
        while (state.currentWord.value() <= state.wordCount())
            answer(true);
        using namespace engine;
        Features grosso = state.bank.features(1, 10);
        if (grosso.adjectiveKind == AdjectiveKind::Unset) {
            grosso.adjectiveKind = AdjectiveKind::Qualificativo;
            grosso.degree = Degree::Positivo;
        }
        state.bank.setFeatures(1, 10, grosso);
        random.next = 1;
        form->VIA->click();
        while (state.currentWord.value() < 10)
            answer(true);
        answer(true);  // PARTE VARIABILE
        answer(true);  // Aggettivo: the kind is asked
    });
    tour.add(800, [&] { shot(QStringLiteral("exercise-adjective-kind")); });
    tour.add(100, [&] {
        answer(false);
        answer(true);
        answer(false);
        while (state.currentWord.value() == 10)
            answer(true);
        form->Command8->click();
    });
    tour.add(1200, [&] { shot(QStringLiteral("error-report-kinds")); });
    tour.add(100, [&] { QCoreApplication::exit(0); });
    tour.start();
    return app.exec();
}
