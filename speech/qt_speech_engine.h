#pragma once
// The system's speech synthesis through Qt TextToSpeech and speech-dispatcher,
// with an Italian voice chosen by locale. Rate and volume are left to
// speech-dispatcher's own settings.

#include <iosfwd>

#include "speech_engine.h"

class QTextToSpeech;

namespace speech {

class QtSpeechEngine final : public SpeechEngine {
public:
    // Looks for the engine and an Italian voice; when there is none, says why
    // in one line on `log`.
    explicit QtSpeechEngine(std::ostream &log);
    ~QtSpeechEngine() override;

    QString unavailableReason() const override { return reason_; }
    bool speaking() const override;
    void say(const QString &text) override;
    void stop() override;

    // The engine's own state, for checks that wait on real speech.
    QTextToSpeech *engine() const { return tts_; }

private:
    QTextToSpeech *tts_ = nullptr;  // owned
    QString reason_;
};

}  // namespace speech
