// The system's speech synthesis as the program uses it: an Italian voice found
// by locale, a sentence said and cut off. The voice speaks into a PulseAudio
// daemon of the test's own with a null sink, through a speech-dispatcher of
// its own (autospawned in a private runtime folder, ended afterwards), so no
// sound server of the machine is touched. Skipped, with the reason, where
// there is no engine, no Italian voice or no daemon; every wait is bounded.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextToSpeech>
#include <QtTest>
#include <csignal>
#include <sstream>

#include "speech/qt_speech_engine.h"

class TestRealSpeech : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void saysAndStopsWithAnItalianVoice();

private:
    void endOwnProcesses();

    QTemporaryDir dir_;
    QProcess pulse_;
};

void TestRealSpeech::initTestCase()
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty())
        QSKIP("no real speech check: pulseaudio is not installed (scripts/install-deps.sh installs it)");
    QVERIFY(dir_.isValid());
    const QString runtime = dir_.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    // This process and what it spawns (speech-dispatcher) live in the folder.
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("HOME", dir_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    qunsetenv("PULSE_SERVER");
    pulse_.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    pulse_.setProcessChannelMode(QProcess::MergedChannels);
    pulse_.start(pulseaudio, {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                              QStringLiteral("--disallow-exit"), QStringLiteral("-n"),
                              QStringLiteral("--load=module-null-sink sink_name=nullsink rate=44100"),
                              QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
    if (!pulse_.waitForStarted(5000))
        QSKIP(qPrintable(QStringLiteral("no real speech check: pulseaudio did not start: ") + pulse_.errorString()));
    const QString socket = runtime + QStringLiteral("/pulse/native");
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket) && pulse_.state() == QProcess::Running && waited.elapsed() < 10000)
        QTest::qWait(50);
    if (!QFileInfo::exists(socket))
        QSKIP("no real speech check: the PulseAudio daemon did not come up");
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + socket).toLocal8Bit());
    qputenv("PULSE_SINK", "nullsink");
}

void TestRealSpeech::cleanupTestCase() { endOwnProcesses(); }

// The speech-dispatcher spawned for this test (its socket is in our folder),
// then the sound daemon.
void TestRealSpeech::endOwnProcesses()
{
    if (dir_.isValid()) {
        QDirIterator procs(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (procs.hasNext()) {
            const QString pidDir = procs.next();
            QFile cmdline(pidDir + QStringLiteral("/cmdline"));
            bool numeric = false;
            const pid_t pid = procs.fileName().toInt(&numeric);
            if (!numeric || !cmdline.open(QIODevice::ReadOnly))
                continue;
            const QByteArray args = cmdline.readAll();
            if (args.contains("speech-dispatcher") && args.contains(dir_.path().toLocal8Bit()))
                ::kill(pid, SIGKILL);
        }
    }
    if (pulse_.state() != QProcess::NotRunning) {
        pulse_.terminate();
        if (!pulse_.waitForFinished(5000)) {
            pulse_.kill();
            pulse_.waitForFinished(2000);
        }
    }
}

void TestRealSpeech::saysAndStopsWithAnItalianVoice()
{
    std::ostringstream log;
    QElapsedTimer found;
    found.start();
    speech::QtSpeechEngine voice(log);
    QVERIFY(voice.pending());  // looked for on its own thread: the caller goes on at once
    QTRY_VERIFY_WITH_TIMEOUT(!voice.pending(), 60000);
    qInfo("engine looked for in %lld ms", found.elapsed());
    if (!voice.unavailableReason().isEmpty()) {
        // The one line the program writes on standard error.
        const std::string line = log.str();
        QCOMPARE(std::count(line.begin(), line.end(), '\n'), 1);
        QVERIFY(line.find("Sintesi vocale non disponibile") != std::string::npos);
        QSKIP(qPrintable(voice.unavailableReason()));
    }
    QVERIFY(log.str().empty());
    QTextToSpeech *tts = voice.engine();
    QCOMPARE(tts->locale().language(), QLocale::Italian);

    bool spoke = false;
    connect(tts, &QTextToSpeech::stateChanged, this, [&](QTextToSpeech::State s) {
        spoke = spoke || s == QTextToSpeech::Speaking;
    });
    voice.say(QStringLiteral("Il mio amico mi ha invitato in campagna. La parola da analizzare è: ha invitato."));
    QTRY_VERIFY_WITH_TIMEOUT(spoke || tts->state() == QTextToSpeech::Error, 20000);
    QVERIFY2(tts->state() != QTextToSpeech::Error, qPrintable(tts->errorString()));
    // Stopping, as a second press does, ends the speech.
    voice.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!voice.speaking(), 20000);
}

QTEST_GUILESS_MAIN(TestRealSpeech)
#include "test_real_speech.moc"
