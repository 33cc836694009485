// Sound cues: the path each cue is played from, the choice among the five
// right-answer cues, and the real player's behaviour with good and bad files
// (it must never hold up the program, with or without a sound device).
//
// The real player's runs happen in a child process (this program started
// with --play-cues), so that a player that hangs fails its test row within
// seconds instead of stalling the whole run.

#include <QtTest>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QLibraryInfo>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <memory>

#include "engine/random_source.h"
#include "platform/audio.h"
#include "platform/cue_player.h"
#include "platform/sound_module.h"
#include "own_time.h"

namespace {

class RecordingPlayer final : public platform::CuePlayer {
public:
    void play(const QString &path) override { paths << path; }
    QStringList paths;
};

class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> script) : script_(std::move(script)) {}
    int below(int n) override
    {
        bounds << n;
        const int v = script_.front();
        script_.pop_front();
        return v;
    }
    QList<int> bounds;

private:
    std::deque<int> script_;
};

// A short, valid 16-bit mono PCM wave file: 50 ms of a quiet tone.
QByteArray pcmWave()
{
    constexpr quint32 rate = 8000;
    constexpr quint32 samples = rate / 20;
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i) {
        const qint16 s = qint16((i % 16 < 8) ? 2000 : -2000);
        data.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    auto u32 = [](quint32 v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[i] = char((v >> (8 * i)) & 0xff);
        return b;
    };
    auto u16 = [](quint16 v) {
        QByteArray b(2, 0);
        b[0] = char(v & 0xff);
        b[1] = char(v >> 8);
        return b;
    };
    QByteArray wav;
    wav += "RIFF" + u32(36 + quint32(data.size())) + "WAVE";
    wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
    wav += "data" + u32(quint32(data.size())) + data;
    return wav;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs the event loop as the program does (deferred deletions included)
// for `ms` milliseconds; returns how long it took, less the waits for the
// processor (own_time.h).
qint64 runEventLoop(int ms)
{
    OwnTimer t;
    t.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return t.elapsed();
}

// Child mode: plays the given files one after the other through one
// QtCuePlayer, running the event loop 200 ms after each, then destroys the
// player (as the program does when it ends). Reports on stdout:
// "play <ns>", "loop <ms>", finally "destroyed".
constexpr char kChildFlag[] = "--play-cues";

int playCues(int count, char **files)
{
    QTextStream out(stdout);
    {
        platform::QtCuePlayer player;
        for (int i = 0; i < count; ++i) {
            OwnTimer t;
            t.start();
            player.play(QString::fromLocal8Bit(files[i]));
            out << "play " << t.nsecsElapsed() << Qt::endl;
            out << "loop " << runEventLoop(200) << Qt::endl;
        }
    }
    out << "destroyed" << Qt::endl;
    return 0;
}

}  // namespace

class TestAudio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // The audio module with a recording player.
    void suonaBuildsThePathInTheSoundsFolder_data();
    void suonaBuildsThePathInTheSoundsFolder();
    void suonaAsksForTheFolderOnEveryCall();
    void suonaDefaultsToTheProgramFolder();
    void suonavariatoMapsEachDrawToItsCue_data();
    void suonavariatoMapsEachDrawToItsCue();
    void suonavariatoChoosesTheFiveCuesEqually();

    // The real player.
    void playerNeverHoldsUpTheProgram_data();
    void playerNeverHoldsUpTheProgram();
    void playerKeepsOnlyTheNewestCue();
    void playerSkipsAnOversizedFile();

    // The sound module the program plays through.
    void moduleLoadsFromBesideTheProgram();
    void moduleRefusesAnotherVersion();
    void unusableModuleMeansSilence_data();
    void unusableModuleMeansSilence();

private:
    QString cue(const QString &file) const { return QDir(sounds_).filePath(file); }
    QTemporaryDir dir_;
    QString sounds_;
};

void TestAudio::initTestCase()
{
    QVERIFY(dir_.isValid());
    sounds_ = dir_.filePath(QStringLiteral("suoni"));
    QVERIFY(QDir().mkpath(sounds_));

    // The files the real player is given: good ones, bad ones and one too big.
    QVERIFY(writeFile(cue(QStringLiteral("empty.wav")), QByteArray()));
    QVERIFY(writeFile(cue(QStringLiteral("ten.wav")), QByteArray("RIFF\x01\x02\x03\x04WA", 10)));
    QVERIFY(writeFile(cue(QStringLiteral("text.wav")),
                      QByteArray("this is not a sound file at all\n").repeated(40)));
    QVERIFY(writeFile(cue(QStringLiteral("truncated.wav")), pcmWave().left(60)));
    QVERIFY(QDir().mkpath(cue(QStringLiteral("folder.wav"))));
    QVERIFY(writeFile(cue(QStringLiteral("valid.wav")), pcmWave()));
    QVERIFY(writeFile(cue(QStringLiteral("valid2.wav")), pcmWave()));
    {
        // A wave header followed by more data than any cue has (sparse, so
        // quick to make).
        QFile f(cue(QStringLiteral("huge.wav")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(pcmWave()) > 0);
        QVERIFY(f.resize(platform::QtCuePlayer::kMaxCueBytes + 4096));
    }
    QVERIFY(QFileInfo(cue(QStringLiteral("huge.wav"))).size() > platform::QtCuePlayer::kMaxCueBytes);
}

// ---------------------------------------------------------------------------

void TestAudio::suonaBuildsThePathInTheSoundsFolder_data()
{
    QTest::addColumn<QString>("name");
    for (const char *cue : {"conga", "congafine", "esatto", "esatto2", "esatto3", "esatto4", "esatto5",
                            "premivia", "rumorevia", "sbagliato1"})
        QTest::newRow(cue) << QString::fromLatin1(cue);
}

void TestAudio::suonaBuildsThePathInTheSoundsFolder()
{
    QFETCH(QString, name);
    RecordingPlayer player;
    engine::SystemRandom random;
    platform::Audio audio(player, random, [] { return QStringLiteral("/opt/drill"); });
    audio.suona(name);
    QCOMPARE(player.paths, QStringList{QStringLiteral("/opt/drill/suoni/") + name + QStringLiteral(".wav")});
}

void TestAudio::suonaAsksForTheFolderOnEveryCall()
{
    RecordingPlayer player;
    engine::SystemRandom random;
    QString folder = QStringLiteral("/first/place");
    int asked = 0;
    platform::Audio audio(player, random, [&] {
        ++asked;
        return folder;
    });
    audio.suona(QStringLiteral("premivia"));
    folder = QStringLiteral("/second/place");
    audio.suona(QStringLiteral("premivia"));
    audio.suona(QStringLiteral("rumorevia"));
    folder = QStringLiteral("/third");
    audio.suonavariato(QStringLiteral("esatto"));

    QCOMPARE(asked, 4);
    QCOMPARE(player.paths.size(), 4);
    QCOMPARE(player.paths[0], QStringLiteral("/first/place/suoni/premivia.wav"));
    QCOMPARE(player.paths[1], QStringLiteral("/second/place/suoni/premivia.wav"));
    QCOMPARE(player.paths[2], QStringLiteral("/second/place/suoni/rumorevia.wav"));
    QVERIFY2(player.paths[3].startsWith(QStringLiteral("/third/suoni/esatto")), qPrintable(player.paths[3]));
}

void TestAudio::suonaDefaultsToTheProgramFolder()
{
    RecordingPlayer player;
    engine::SystemRandom random;
    platform::Audio audio(player, random);
    audio.suona(QStringLiteral("conga"));
    QCOMPARE(player.paths.size(), 1);
    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/suoni/conga.wav");
    QCOMPARE(QDir::cleanPath(player.paths[0]), QDir::cleanPath(expected));
}

void TestAudio::suonavariatoMapsEachDrawToItsCue_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("cue");
    QTest::newRow("0") << 0 << QStringLiteral("esatto");
    QTest::newRow("1") << 1 << QStringLiteral("esatto2");
    QTest::newRow("2") << 2 << QStringLiteral("esatto3");
    QTest::newRow("3") << 3 << QStringLiteral("esatto4");
    QTest::newRow("4") << 4 << QStringLiteral("esatto5");
}

void TestAudio::suonavariatoMapsEachDrawToItsCue()
{
    QFETCH(int, draw);
    QFETCH(QString, cue);
    RecordingPlayer player;
    ScriptedRandom random({draw});
    platform::Audio audio(player, random, [] { return QStringLiteral("/p"); });
    audio.suonavariato(QStringLiteral("esatto"));
    QCOMPARE(random.bounds, QList<int>{5});  // one draw among five
    QCOMPARE(player.paths, QStringList{QStringLiteral("/p/suoni/") + cue + QStringLiteral(".wav")});
}

void TestAudio::suonavariatoChoosesTheFiveCuesEqually()
{
    RecordingPlayer player;
    engine::SystemRandom random;
    platform::Audio audio(player, random, [] { return QStringLiteral("/p"); });
    constexpr int kCalls = 5000;
    for (int i = 0; i < kCalls; ++i)
        audio.suonavariato(QStringLiteral("esatto"));
    QCOMPARE(player.paths.size(), kCalls);

    QMap<QString, int> counts;
    for (const QString &p : std::as_const(player.paths))
        ++counts[p];
    const QStringList cues = {QStringLiteral("esatto"), QStringLiteral("esatto2"), QStringLiteral("esatto3"),
                              QStringLiteral("esatto4"), QStringLiteral("esatto5")};
    int total = 0;
    for (const QString &cue : cues) {
        const int n = counts.value(QStringLiteral("/p/suoni/") + cue + QStringLiteral(".wav"));
        qInfo("%s: %d of %d", qPrintable(cue), n, kCalls);
        QVERIFY2(n >= 800 && n <= 1200, qPrintable(QStringLiteral("%1 played %2 times").arg(cue).arg(n)));
        total += n;
    }
    QCOMPARE(total, kCalls);  // nothing but the five cues
    QCOMPARE(counts.size(), 5);
}

// ---------------------------------------------------------------------------

void TestAudio::playerNeverHoldsUpTheProgram_data()
{
    QTest::addColumn<QStringList>("files");
    const QString missing = QStringLiteral("missing.wav"), empty = QStringLiteral("empty.wav"),
                  ten = QStringLiteral("ten.wav"), text = QStringLiteral("text.wav"),
                  truncated = QStringLiteral("truncated.wav"), folder = QStringLiteral("folder.wav"),
                  valid = QStringLiteral("valid.wav"), valid2 = QStringLiteral("valid2.wav"),
                  huge = QStringLiteral("huge.wav");
    // Each file twice: the second play replaces the first.
    QTest::newRow("missing file") << QStringList{missing, missing};
    QTest::newRow("empty file") << QStringList{empty, empty};
    QTest::newRow("10-byte file") << QStringList{ten, ten};
    QTest::newRow("text, not a wave") << QStringList{text, text};
    QTest::newRow("truncated wave") << QStringList{truncated, truncated};
    QTest::newRow("directory in its place") << QStringList{folder, folder};
    QTest::newRow("valid PCM wave") << QStringList{valid, valid};
    QTest::newRow("oversized file") << QStringList{huge, huge};
    QTest::newRow("two valid cues in turn") << QStringList{valid, valid2, valid, valid2};
    // A bad file among good ones: the drill goes on as if it had sounded.
    QTest::newRow("text file, then valid cues") << QStringList{text, valid, valid2};
    QTest::newRow("empty file, then valid cues") << QStringList{empty, valid, valid2};
    QTest::newRow("10-byte file, then valid cues") << QStringList{ten, valid, valid2};
    QTest::newRow("truncated wave, then valid cues") << QStringList{truncated, valid, valid2};
    QTest::newRow("every kind in turn")
        << QStringList{missing, text, folder, valid, huge, valid2, empty, valid, ten, valid2, truncated, valid};
}

void TestAudio::playerNeverHoldsUpTheProgram()
{
    QFETCH(QStringList, files);
    QStringList arguments{QString::fromLatin1(kChildFlag)};
    for (const QString &f : std::as_const(files))
        arguments << cue(f);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY(child.waitForStarted(5000));
    // Only a hang runs into this: generous, so that a loaded machine does not.
    const int allowedMs = 30000 + 300 * int(files.size());
    const bool finished = child.waitForFinished(allowedMs);
    if (!finished) {
        child.kill();
        child.waitForFinished(2000);
    }
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    // Figures: how long each play() took, how long the loop ran after it.
    int played = 0;
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.value(0) == QLatin1String("play")) {
            const double ms = parts.value(1).toLongLong() / 1e6;
            qInfo("play(%s) returned in %.3f ms", qPrintable(files.value(played)), ms);
            QVERIFY2(ms < 50, qPrintable(QStringLiteral("play(%1) took %2 ms").arg(files.value(played)).arg(ms)));
            ++played;
        } else if (parts.value(0) == QLatin1String("loop")) {
            const qint64 ms = parts.value(1).toLongLong();
            QVERIFY2(ms < 1000, qPrintable(QStringLiteral("event loop stalled %1 ms after %2")
                                               .arg(ms).arg(files.value(played - 1))));
        }
    }
    const QString last = lines.value(lines.size() - 1);
    QVERIFY2(finished, qPrintable(last.startsWith(QLatin1String("play"))
                                      ? QStringLiteral("the event loop hung after play(%1), play %2 of %3")
                                            .arg(files.value(played - 1)).arg(played).arg(files.size())
                                  : played == files.size()
                                      ? QStringLiteral("destroying the player hung after all %1 plays").arg(played)
                                      : QStringLiteral("the child hung after %1 plays; last output \"%2\"")
                                            .arg(played).arg(last)));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);  // no crash
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(played, int(files.size()));
    QCOMPARE(lines.value(lines.size() - 1), QStringLiteral("destroyed"));
}

void TestAudio::playerKeepsOnlyTheNewestCue()
{
    const QString a = cue(QStringLiteral("valid.wav"));
    const QString b = cue(QStringLiteral("valid2.wav"));

    platform::QtCuePlayer player;
    OwnTimer t;
    t.start();
    player.play(a);
    player.play(b);
    player.play(a);
    player.play(b);
    qInfo("four plays in a row took %.3f ms", t.nsecsElapsed() / 1e6);
    QVERIFY(t.elapsed() < 200);
    QTest::qWait(200);  // runs deferred deletions too

    // At most one cue is left, and it is the newest.
    const auto effects = player.findChildren<QSoundEffect *>();
    QCOMPARE(effects.size(), 1);
    QCOMPARE(effects.first()->source(), QUrl::fromLocalFile(QFileInfo(b).absoluteFilePath()));

    // Starting a cue whose file is missing still stops the one playing.
    player.play(cue(QStringLiteral("nowhere.wav")));
    QTest::qWait(50);
    QVERIFY(player.findChildren<QSoundEffect *>().isEmpty());
}

void TestAudio::playerSkipsAnOversizedFile()
{
    platform::QtCuePlayer player;
    OwnTimer t;
    t.start();
    player.play(cue(QStringLiteral("huge.wav")));
    const qint64 ns = t.nsecsElapsed();
    qInfo("oversized file: play() took %.3f ms", ns / 1e6);
    QVERIFY2(ns < 50'000'000, qPrintable(QStringLiteral("play() took %1 ms").arg(ns / 1e6)));
    QVERIFY(runEventLoop(200) < 1000);
    QVERIFY2(player.findChildren<QSoundEffect *>().isEmpty(), "the oversized file was handed to the sound player");
}

void TestAudio::moduleLoadsFromBesideTheProgram()
{
    const QString path = platform::ModuleCuePlayer::modulePath();
    QCOMPARE(QFileInfo(path).absolutePath(), QCoreApplication::applicationDirPath());
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    platform::ModuleCuePlayer player;
    QVERIFY(player.load());
    QVERIFY(player.load());  // loaded once, ready from then on
    // Its player takes good and bad files alike and returns at once.
    OwnTimer t;
    t.start();
    player.play(cue(QStringLiteral("valid.wav")));
    player.play(cue(QStringLiteral("text.wav")));
    player.play(cue(QStringLiteral("valid2.wav")));
    QVERIFY(t.elapsed() < 200);
    QVERIFY(runEventLoop(100) < 1000);
}

void TestAudio::moduleRefusesAnotherVersion()
{
    QLibrary module(platform::ModuleCuePlayer::modulePath());
    QVERIFY2(module.load(), qPrintable(module.errorString()));
    auto factory = reinterpret_cast<platform::SoundModuleFactory>(module.resolve(platform::kSoundModuleFactory));
    QVERIFY(factory);
    QCOMPARE(factory(platform::kSoundModuleVersion + 1), nullptr);
    const std::unique_ptr<platform::CuePlayer> player(factory(platform::kSoundModuleVersion));
    QVERIFY(player);
}

void TestAudio::unusableModuleMeansSilence_data()
{
    QTest::addColumn<QString>("module");
    QTest::newRow("missing") << dir_.filePath(QStringLiteral("nowhere.so"));
    QTest::newRow("not a library") << cue(QStringLiteral("text.wav"));
    QTest::newRow("a folder") << cue(QStringLiteral("folder.wav"));
    // A real library without the factory.
    QTest::newRow("no factory") << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6");
}

void TestAudio::unusableModuleMeansSilence()
{
    QFETCH(QString, module);
    platform::ModuleCuePlayer player(module);
    OwnTimer t;
    t.start();
    QVERIFY(!player.load());
    player.play(cue(QStringLiteral("valid.wav")));  // nothing to play through: no crash, no wait
    QVERIFY(!player.load());
    QVERIFY(t.elapsed() < 1000);
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], kChildFlag) == 0)
        return playCues(argc - 2, argv + 2);
    TestAudio test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_audio.moc"
