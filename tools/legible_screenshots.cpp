// Pictures of the exercise window in high legibility, mid-sentence, with the
// read-aloud button ready: legible_screenshots <output folder> <name>. Run on
// a display of the size to picture (scripts/legible-screenshots.sh).

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

#include "engine/clock.h"
#include "engine/drill_state.h"
#include "engine/rules.h"
#include "platform/audio.h"
#include "speech/speech_engine.h"
#include "windows/exercise_window.h"
#include "windows/reading_aids.h"

namespace {

struct SilentPlayer final : platform::CuePlayer {
    void play(const QString &) override {}
};

struct StillClock final : engine::Clock {
    std::int64_t ms = 0;
    std::int64_t nowMs() const override { return ms; }
};

struct ChosenSentence final : engine::RandomSource {
    int next = 0;
    int below(int n) override { return next % n; }
};

// A voice that is there and says nothing: the picture shows the button ready.
struct SilentVoice final : speech::SpeechEngine {
    QString unavailableReason() const override { return {}; }
    bool speaking() const override { return false; }
    void say(const QString &) override {}
    void stop() override {}
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString name = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("exercise-legible");
    QDir().mkpath(out);

    StillClock clock;
    ChosenSentence random;
    SilentPlayer player;
    SilentVoice voice;
    platform::Audio audio(player, random);
    engine::DrillState state;
    engine::FormB form(state, engine::ExerciseServices{clock, random, audio, 0, {}, &voice});
    form.show();

    QTimer::singleShot(1200, [&] {
        if (!name.contains(QStringLiteral("standard")))  // the standard face, to compare
            form.readingAids()->AltaLeggibilita->click();
        random.next = 8;
        form.VIA->click();
        // Four words right, then the first step of the fifth: the second step is asked.
        for (int i = 0; i < 9; ++i) {
            clock.ms += 2100;
            if (form.Com10->isVisible()) {
                const bool variable = engine::rules::isVariable(state.codeAt(state.currentWord.value()));
                (variable ? form.Com10 : form.Com11)->click();
            } else {
                form.Com[state.expectedCode.value()]->click();
            }
        }
        form.Timer1_Timer();
    });
    QTimer::singleShot(2500, [&] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(out).filePath(name + QStringLiteral(".png")));
        QCoreApplication::exit(0);
    });
    return app.exec();
}
