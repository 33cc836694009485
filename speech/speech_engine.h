#pragma once
// The voice that reads the drill aloud, as the exercise window sees it. The
// program passes the system's speech synthesis (QtSpeechEngine); tests pass a
// recorder. Speaking never blocks: say() starts and returns. Looking for a
// voice may take a while (a speech server to start): until it is settled the
// engine is pending, and it calls back once it is.

#include <QString>
#include <functional>

namespace speech {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Why the drill cannot speak, in Italian for the button's tooltip; empty
    // when an Italian voice is ready.
    virtual QString unavailableReason() const = 0;
    virtual bool speaking() const = 0;
    // Says the text, cutting off whatever was being said.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

    // Still looking for a voice; `settled` runs (on the caller's thread) once
    // the engine has found one or knows why it cannot.
    virtual bool pending() const { return false; }
    virtual void whenSettled(std::function<void()> settled) { (void)settled; }
};

}  // namespace speech
