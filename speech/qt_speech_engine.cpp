#include "qt_speech_engine.h"

#include <QDeadlineTimer>
#include <QLocale>
#include <QSysInfo>
#include <QTextToSpeech>
#include <QThread>
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

// Runs on the engine's thread: the engine, or why there is none.
QString open(QTextToSpeech *&tts)
{
    const QString name = chooseEngine();
    // The Debian package is the cure only on Linux; the Windows build has no voices.
    if (name.isEmpty())
        return QSysInfo::kernelType() == QLatin1String("linux")
            ? QStringLiteral("Sintesi vocale non disponibile: manca il modulo di Qt per speech-dispatcher "
                             "(pacchetto qt6-speech-speechd-plugin)")
            : QStringLiteral("Sintesi vocale non disponibile: questa versione del programma non ha voci "
                             "per la lettura ad alta voce");
    tts = new QTextToSpeech(name);
    if (tts->state() == QTextToSpeech::Error)
        return QStringLiteral("Sintesi vocale non disponibile: speech-dispatcher non risponde (%1)")
            .arg(tts->errorString());
    const QLocale italian = italianLocale(tts->availableLocales());
    if (italian.language() != QLocale::Italian)
        return QStringLiteral("Sintesi vocale non disponibile: nessuna voce italiana installata "
                              "(pacchetto speech-dispatcher-espeak-ng)");
    tts->setLocale(italian);
    return {};
}

}  // namespace

QtSpeechEngine::QtSpeechEngine(std::ostream &log) : log_(log), thread_(new QThread)
{
    thread_->setObjectName(QStringLiteral("speech"));
    thread_->start();
    QObject *onThread = new QObject;
    onThread->moveToThread(thread_);
    QMetaObject::invokeMethod(onThread, [this, onThread] {
        QTextToSpeech *tts = nullptr;
        const QString reason = open(tts);
        if (tts)
            QObject::connect(tts, &QTextToSpeech::stateChanged, tts, [this](QTextToSpeech::State s) {
                speaking_ = s == QTextToSpeech::Speaking;
            });
        delete onThread;
        QMetaObject::invokeMethod(this, [this, tts, reason] {
            tts_ = tts;
            settle(reason);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

QtSpeechEngine::~QtSpeechEngine()
{
    if (tts_)
        QMetaObject::invokeMethod(tts_, [tts = tts_] { delete tts; }, Qt::BlockingQueuedConnection);
    thread_->quit();
    // A speech server that never answered keeps the thread: it is left to the
    // end of the process rather than waited for.
    if (thread_->wait(QDeadlineTimer(3000)))
        delete thread_;
}

void QtSpeechEngine::settle(const QString &reason)
{
    reason_ = reason;
    pending_ = false;
    if (!reason_.isEmpty())
        log_ << "analisi-grammaticale: " << reason_.toStdString() << std::endl;
    if (settled_)
        settled_();
}

QString QtSpeechEngine::unavailableReason() const
{
    return pending_ ? QStringLiteral("Sintesi vocale in preparazione…") : reason_;
}

bool QtSpeechEngine::speaking() const { return ready() && speaking_; }

void QtSpeechEngine::say(const QString &text)
{
    if (!ready())
        return;
    speaking_ = true;  // a second press right away stops it
    QMetaObject::invokeMethod(tts_, [tts = tts_, text] { tts->say(text); }, Qt::QueuedConnection);
}

void QtSpeechEngine::stop()
{
    if (!ready())
        return;
    speaking_ = false;
    QMetaObject::invokeMethod(tts_, [tts = tts_] { tts->stop(); }, Qt::QueuedConnection);
}

}  // namespace speech
