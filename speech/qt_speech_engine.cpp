#include "qt_speech_engine.h"

#include <QLocale>
#include <QTextToSpeech>
#include <ostream>

namespace speech {

namespace {

// speech-dispatcher first: on Debian it carries the real Italian voices.
QString chooseEngine()
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.contains(QStringLiteral("speechd")))
        return QStringLiteral("speechd");
    return engines.isEmpty() ? QString() : engines.first();
}

// The system's own locale when it is Italian (it_IT, it_CH), else Italy's.
QLocale italianLocale(const QList<QLocale> &offered)
{
    const QLocale system = QLocale::system();
    QLocale found(QLocale::C);
    for (const QLocale &l : offered) {
        if (l.language() != QLocale::Italian)
            continue;
        if (l.territory() == system.territory())
            return l;
        if (found.language() != QLocale::Italian || l.territory() == QLocale::Italy)
            found = l;
    }
    return found;
}

}  // namespace

QtSpeechEngine::QtSpeechEngine(std::ostream &log)
{
    const QString name = chooseEngine();
    if (name.isEmpty()) {
        reason_ = QStringLiteral("Sintesi vocale non disponibile: manca il modulo di Qt per speech-dispatcher "
                                 "(pacchetto qt6-speech-speechd-plugin)");
    } else {
        tts_ = new QTextToSpeech(name);
        if (tts_->state() == QTextToSpeech::Error) {
            reason_ = QStringLiteral("Sintesi vocale non disponibile: speech-dispatcher non risponde (%1)")
                          .arg(tts_->errorString());
        } else {
            const QLocale italian = italianLocale(tts_->availableLocales());
            if (italian.language() != QLocale::Italian) {
                reason_ = QStringLiteral("Sintesi vocale non disponibile: nessuna voce italiana installata "
                                         "(pacchetto speech-dispatcher-espeak-ng)");
            } else {
                tts_->setLocale(italian);
            }
        }
    }
    if (!reason_.isEmpty())
        log << "analisi-grammaticale: " << reason_.toStdString() << '\n';
}

QtSpeechEngine::~QtSpeechEngine() { delete tts_; }

bool QtSpeechEngine::speaking() const
{
    return tts_ && reason_.isEmpty() && tts_->state() == QTextToSpeech::Speaking;
}

void QtSpeechEngine::say(const QString &text)
{
    if (tts_ && reason_.isEmpty())
        tts_->say(text);
}

void QtSpeechEngine::stop()
{
    if (tts_ && reason_.isEmpty())
        tts_->stop();
}

}  // namespace speech
