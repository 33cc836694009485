// A real sound check. A PulseAudio daemon of the test's own, with a null
// sink, takes what the real cue player plays; its monitor is recorded with
// parec. The player plays "esatto" and, 300 ms later, "sbagliato1", from the
// cue files of the build. The recording must not be silent, must hold both
// cues, and the first must stop where the second starts: after the switch
// nothing of "esatto" is left, only the low buzz of "sbagliato1".
//
// Skipped, with the reason, where no daemon can be started (pulseaudio or
// parec missing, or the daemon refusing to run).

#include <QtTest>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <vector>

#include "platform/audio.h"
#include "platform/cue_player.h"

namespace {

constexpr int kRate = 44100;
constexpr int kSwitchMs = 300;

int samples(double ms) { return int(std::lround(ms * kRate / 1000.0)); }
double millis(int samples) { return samples * 1000.0 / kRate; }

// The samples of a 16-bit mono PCM wave file, scaled to -1..1.
std::vector<float> readWave(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "data") {
            std::vector<float> out;
            const qsizetype end = std::min<qsizetype>(bytes.size(), at + 8 + length);
            for (qsizetype i = at + 8; i + 1 < end; i += 2)
                out.push_back(qFromLittleEndian<qint16>(bytes.constData() + i) / 32768.0f);
            return out;
        }
        at += 8 + length + (length & 1);
    }
    return {};
}

std::vector<float> readRaw(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    std::vector<float> out;
    out.reserve(size_t(bytes.size() / 2));
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(qFromLittleEndian<qint16>(bytes.constData() + i) / 32768.0f);
    return out;
}

// Where `pattern` best matches the recording, searching starts in [from, to]:
// the start and the normalised correlation there.
std::pair<int, double> bestMatch(const std::vector<float> &x, const std::vector<float> &pattern, int length,
                                 int from, int to)
{
    length = std::min<int>(length, int(pattern.size()));
    double pp = 0;
    for (int i = 0; i < length; ++i)
        pp += double(pattern[i]) * pattern[i];
    int best = -1;
    double bestCorrelation = -2;
    from = std::max(from, 0);
    to = std::min<int>(to, int(x.size()) - length);
    for (int lag = from; lag <= to; ++lag) {
        double xp = 0, xx = 0;
        for (int i = 0; i < length; ++i) {
            xp += double(x[lag + i]) * pattern[i];
            xx += double(x[lag + i]) * x[lag + i];
        }
        const double c = xx > 0 && pp > 0 ? xp / std::sqrt(xx * pp) : 0;
        if (c > bestCorrelation) {
            bestCorrelation = c;
            best = lag;
        }
    }
    return {best, bestCorrelation};
}

// Least squares over x[from, to): x ≈ a·u[n - uAt] + b·v[n - vAt] (a signal
// outside its length counts as silence; b stays 0 where v is silent).
struct Fit {
    double a = 0, b = 0;
    double residualShare = 1;  // residual energy over the recording's energy
};

Fit fitTwo(const std::vector<float> &x, int from, int to, const std::vector<float> &u, int uAt,
           const std::vector<float> &v, int vAt)
{
    auto at = [](const std::vector<float> &s, int i) {
        return i >= 0 && i < int(s.size()) ? double(s[i]) : 0.0;
    };
    double uu = 0, vv = 0, uv = 0, xu = 0, xv = 0, xx = 0;
    for (int n = from; n < to; ++n) {
        const double un = at(u, n - uAt), vn = at(v, n - vAt), xn = x[n];
        uu += un * un;
        vv += vn * vn;
        uv += un * vn;
        xu += xn * un;
        xv += xn * vn;
        xx += xn * xn;
    }
    Fit fit;
    if (xx <= 0 || uu <= 0)
        return fit;
    const double det = uu * vv - uv * uv;
    if (vv <= 0 || det <= 1e-9 * uu * vv) {
        fit.a = xu / uu;  // v is silent here: u alone
    } else {
        fit.a = (xu * vv - xv * uv) / det;
        fit.b = (xv * uu - xu * uv) / det;
    }
    double rr = 0;
    for (int n = from; n < to; ++n) {
        const double r = x[n] - fit.a * at(u, n - uAt) - fit.b * at(v, n - vAt);
        rr += r * r;
    }
    fit.residualShare = rr / xx;
    return fit;
}

double rms(const std::vector<float> &x, int from, int to)
{
    double sum = 0;
    from = std::max(from, 0);
    to = std::min<int>(to, int(x.size()));
    for (int n = from; n < to; ++n)
        sum += double(x[n]) * x[n];
    return to > from ? std::sqrt(sum / (to - from)) : 0;
}

// The strongest period of x[from, to) between 80 and 400 Hz, as a frequency.
double pitch(const std::vector<float> &x, int from, int to)
{
    int bestLag = 0;
    double best = -1;
    for (int lag = kRate / 400; lag <= kRate / 80; ++lag) {
        double sum = 0, e1 = 0, e2 = 0;
        for (int n = from; n + lag < to; ++n) {
            sum += double(x[n]) * x[n + lag];
            e1 += double(x[n]) * x[n];
            e2 += double(x[n + lag]) * x[n + lag];
        }
        const double c = e1 > 0 && e2 > 0 ? sum / std::sqrt(e1 * e2) : 0;
        if (c > best) {
            best = c;
            bestLag = lag;
        }
    }
    return bestLag ? double(kRate) / bestLag : 0;
}

}  // namespace

class RealAudioTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void newestCueCutsTheOneBefore();
    void cleanupTestCase();

private:
    void stopDaemon();

    QTemporaryDir dir_;
    QProcess daemon_;
    qint64 daemonPid_ = 0;
    QString server_;
    QString parec_;
};

void RealAudioTest::initTestCase()
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    parec_ = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (pulseaudio.isEmpty() || parec_.isEmpty())
        QSKIP(
            "no real audio check: pulseaudio or parec is not installed (scripts/install-deps.sh installs "
            "them)");
    QVERIFY(dir_.isValid());

    // A daemon of our own: its runtime folder, home and socket in a fresh
    // private folder, so that no sound server of the machine is touched.
    const QString runtime = dir_.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    daemon_.setProcessEnvironment(env);
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.start(pulseaudio, {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                               QStringLiteral("--disallow-exit"), QStringLiteral("-n"),
                               QStringLiteral("--load=module-null-sink sink_name=nullsink rate=44100"),
                               QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
    if (!daemon_.waitForStarted(5000))
        QSKIP(qPrintable(
            QStringLiteral("no real audio check: pulseaudio did not start: %1").arg(daemon_.errorString())));
    daemonPid_ = daemon_.processId();

    const QString socket = runtime + QStringLiteral("/pulse/native");
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket) && daemon_.state() == QProcess::Running && waited.elapsed() < 10000)
        QTest::qWait(50);
    if (!QFileInfo::exists(socket)) {
        const QString log = QString::fromLocal8Bit(daemon_.readAll()).trimmed();
        stopDaemon();
        QSKIP(qPrintable(
            QStringLiteral("no real audio check: the PulseAudio daemon did not come up: %1").arg(log)));
    }
    server_ = QStringLiteral("unix:") + socket;
    // This process plays through the daemon too; Qt Multimedia connects on
    // its first use, which comes after this.
    qputenv("PULSE_SERVER", server_.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("PULSE_SINK", "nullsink");
    qInfo("PulseAudio daemon %lld on %s", daemonPid_, qPrintable(server_));
}

void RealAudioTest::cleanupTestCase() { stopDaemon(); }

void RealAudioTest::stopDaemon()
{
    if (daemonPid_ <= 0)
        return;
    ::kill(pid_t(daemonPid_), SIGTERM);
    if (!daemon_.waitForFinished(5000)) {
        ::kill(pid_t(daemonPid_), SIGKILL);
        daemon_.waitForFinished(2000);
    }
    daemonPid_ = 0;
}

void RealAudioTest::newestCueCutsTheOneBefore()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString esattoPath = platform::Audio::cuePath(program, QStringLiteral("esatto"));
    const QString sbagliatoPath = platform::Audio::cuePath(program, QStringLiteral("sbagliato1"));
    const std::vector<float> esatto = readWave(esattoPath);
    const std::vector<float> sbagliato = readWave(sbagliatoPath);
    QVERIFY2(esatto.size() > size_t(samples(400)), qPrintable(esattoPath));
    QVERIFY2(sbagliato.size() > size_t(samples(300)), qPrintable(sbagliatoPath));

    // The recorder starts well before the cues.
    const QString recording = dir_.filePath(QStringLiteral("monitor.raw"));
    QProcess parec;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), server_);
    parec.setProcessEnvironment(env);
    parec.setStandardOutputFile(recording);
    parec.start(parec_,
                {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                 QStringLiteral("nullsink.monitor"), QStringLiteral("--rate=44100"),
                 QStringLiteral("--channels=1"), QStringLiteral("--format=s16le"), QStringLiteral("--raw")});
    QVERIFY2(parec.waitForStarted(5000), qPrintable(parec.errorString()));
    QTest::qWait(2000);
    QVERIFY2(
        parec.state() == QProcess::Running,
        qPrintable(
            QStringLiteral("parec stopped: %1").arg(QString::fromLocal8Bit(parec.readAllStandardError()))));

    // The switch is timed by the clock, not by the wait, which a loaded
    // machine may stretch.
    qint64 switchMs = 0;
    {
        platform::QtCuePlayer player;
        QElapsedTimer sinceFirst;
        sinceFirst.start();
        player.play(esattoPath);
        QTest::qWait(kSwitchMs);
        switchMs = sinceFirst.elapsed();
        player.play(sbagliatoPath);
        QTest::qWait(1500);
    }
    QTest::qWait(300);
    parec.terminate();
    QVERIFY(parec.waitForFinished(5000));
    if (switchMs > kSwitchMs + 100)
        QSKIP(qPrintable(QStringLiteral("the machine stalled: the second cue came %1 ms after the first, "
                                        "too near the end of esatto to see it cut").arg(switchMs)));

    const std::vector<float> x = readRaw(recording);
    QVERIFY2(x.size() > size_t(samples(1000)),
             qPrintable(QStringLiteral("only %1 samples recorded").arg(x.size())));

    // Not silent.
    float peak = 0;
    int onset = -1;
    for (int n = 0; n < int(x.size()); ++n) {
        peak = std::max(peak, std::abs(x[n]));
        if (onset < 0 && std::abs(x[n]) > 0.02f)
            onset = n;
    }
    qInfo("recorded %.0f ms, peak %.3f, first sound at %.0f ms", millis(int(x.size())), peak, millis(onset));
    QVERIFY2(onset >= 0 && peak > 0.1f, "the recording is silent: nothing was played into the sound server");

    // Where each cue starts in the recording. The first few milliseconds of
    // a stream may be cut while the idle sink wakes up, so esatto is found by
    // the part that follows them.
    const int skip = samples(30);
    const std::vector<float> esattoBody(esatto.begin() + skip, esatto.end());
    const auto [bodyAt, esattoMatch] =
        bestMatch(x, esattoBody, samples(200), onset - samples(20), onset + samples(60));
    const int esattoAt = bodyAt - skip;
    const auto [buzzAt, buzzMatch] = bestMatch(
        x, sbagliato, samples(150), esattoAt + samples(switchMs - 100), esattoAt + samples(switchMs + 400));
    qInfo("esatto at %.1f ms (match %.3f), sbagliato1 at %.1f ms (match %.3f): %.1f ms apart",
          millis(esattoAt), esattoMatch, millis(buzzAt), buzzMatch, millis(buzzAt - esattoAt));
    QVERIFY2(esattoMatch > 0.9, "the first sound is not the esatto cue");
    QVERIFY2(buzzMatch > 0.8, "the sbagliato1 cue is not in the recording");
    QVERIFY2(buzzAt - esattoAt >= samples(switchMs - 50) && buzzAt - esattoAt <= samples(switchMs + 250),
             qPrintable(QStringLiteral("the second cue did not start about %1 ms after the first").arg(switchMs)));

    // Before the switch the recording is esatto alone: its gain on the way.
    const Fit before = fitTwo(x, bodyAt, buzzAt - samples(5), esatto, esattoAt, sbagliato, buzzAt);
    const double gain = before.a;
    qInfo("before the switch: esatto x %.3f, residual %.4f of the energy", gain, before.residualShare);
    QVERIFY2(gain > 0.3 && before.residualShare < 0.1, "the esatto cue did not come through cleanly");

    // After the switch: sbagliato1, and nothing of the rest of esatto. The
    // window covers what is left of esatto (it lasts 550 ms).
    const int from = buzzAt + samples(10);
    const int to = std::min<int>(esattoAt + int(esatto.size()), buzzAt + samples(300));
    QVERIFY2(to - from >= samples(60), "too little of esatto was left at the switch to tell");
    const Fit after = fitTwo(x, from, to, sbagliato, buzzAt, esatto, esattoAt);
    const double leftOver = rms(esatto, from - esattoAt, to - esattoAt) * std::abs(after.b);
    const double wouldBe = rms(esatto, from - esattoAt, to - esattoAt) * gain;
    qInfo(
        "after the switch (%.0f..%.0f ms of esatto): sbagliato1 x %.3f, esatto x %.3f (%.4f rms, %.4f if "
        "it had gone on), residual %.4f",
        millis(from - esattoAt), millis(to - esattoAt), after.a, after.b, leftOver, wouldBe,
        after.residualShare);
    QVERIFY2(after.a > 0.5 * gain, "the sbagliato1 cue is missing or faint after the switch");
    QVERIFY2(std::abs(after.b) < 0.15 * gain, "esatto went on playing under sbagliato1");
    QVERIFY2(after.residualShare < 0.1, "something else is playing after the switch");

    const double buzz = pitch(x, from, to);
    qInfo("after the switch the sound repeats at %.1f Hz", buzz);
    QVERIFY2(buzz > 120 && buzz < 140, "the sound after the switch is not the 130 Hz buzz");
}

QTEST_MAIN(RealAudioTest)
#include "test_real_audio.moc"
