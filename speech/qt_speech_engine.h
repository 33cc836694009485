#pragma once
// The system's speech synthesis through Qt TextToSpeech and speech-dispatcher,
// with an Italian voice chosen by locale. Rate and volume are left to
// speech-dispatcher's own settings. The engine lives on a thread of its own:
// starting speech-dispatcher and listing its voices can take seconds, and the
// windows must not wait for it.

#include <QObject>
#include <atomic>
#include <iosfwd>

#include "speech_engine.h"

class QTextToSpeech;
class QThread;

namespace speech {

class QtSpeechEngine final : public QObject, public SpeechEngine {
    Q_OBJECT
public:
    // Starts looking for the engine and an Italian voice; when there is none,
    // says why in one line on `log`.
    explicit QtSpeechEngine(std::ostream &log);
    ~QtSpeechEngine() override;

    QString unavailableReason() const override;
    bool speaking() const override;
    void say(const QString &text) override;
    void stop() override;
    bool pending() const override { return pending_; }
    void whenSettled(std::function<void()> settled) override { settled_ = std::move(settled); }

    // The engine itself (on its own thread), for checks on real speech; null
    // until settled or without a voice.
    QTextToSpeech *engine() const { return ready() ? tts_ : nullptr; }

private:
    bool ready() const { return !pending_ && reason_.isEmpty() && tts_; }
    void settle(const QString &reason);

    std::ostream &log_;
    QThread *thread_;
    QTextToSpeech *tts_ = nullptr;  // made, used and deleted on thread_
    QString reason_;
    bool pending_ = true;
    std::atomic<bool> speaking_ = false;
    std::function<void()> settled_;
};

}  // namespace speech
