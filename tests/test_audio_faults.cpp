// The drill with the real cue player and broken sound files: the sounds
// folder missing, cue files empty, cut short, not waves, directories in
// their place, or 100 MB large. The same clicks must leave the drill in the
// same state as with a player that only records, the drill must ask for the
// same cues, no broken file may reach Qt Multimedia, and no click may take
// noticeably long (handlers timed with no answer pause).

#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <algorithm>
#include <random>

#include "drill_fixture.h"
#include "platform/cue_player.h"
#include "windows/error_report_window.h"
#include "own_time.h"

namespace {

const QStringList kCues = {"conga",   "congafine", "esatto",   "esatto2",   "esatto3",
                           "esatto4", "esatto5",   "premivia", "rumorevia", "sbagliato1"};

constexpr qint64 kHugeBytes = 100LL * 1024 * 1024;
// A click's own time (own_time.h). A loaded machine still stretches it
// (caches, page faults: 50-120 ms seen on two busy cores), so the bound is a
// quarter of the pause: far below what reading or decoding a broken or huge
// cue file on the click would cost, far above any loaded click.
constexpr double kClickBoundMs = 250.0;

struct SeededRandom final : engine::RandomSource {
    std::mt19937 gen{12345};
    int below(int n) override { return int(gen() % std::uint32_t(n)); }
};

// Records each cue and hands it on to the real player, if there is one.
struct TeePlayer final : platform::CuePlayer {
    platform::CuePlayer *real = nullptr;
    QStringList names;
    void play(const QString &path) override
    {
        names << path.section('/', -1).section('.', 0, 0);
        if (real)
            real->play(path);
    }
};

// How a cue file is broken.
enum class Fault { Missing, Empty, Truncated, NotAWave, Directory, Huge, Valid };

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Lays out <folder>/suoni/<cue>.wav broken as `fault`, from the real cue.
bool layCue(const QString &folder, const QString &cue, Fault fault, const QByteArray &real)
{
    const QString path = platform::Audio::cuePath(folder, cue);
    switch (fault) {
    case Fault::Missing: return true;
    case Fault::Empty: return writeFile(path, QByteArray());
    case Fault::Truncated:  // the header promises more samples than follow
        return writeFile(path, real.left(real.size() / 2));
    case Fault::NotAWave:
        return writeFile(path, QByteArray("not a sound at all, just some text\n").repeated(50));
    case Fault::Directory: return QDir().mkpath(path);
    case Fault::Huge: {
        // The real cue with its data chunk grown to 100 MB, headers to match:
        // a well-formed wave, far too large for a cue (sparse, so quick).
        QByteArray head = real.left(44);
        if (head.mid(36, 4) != "data")
            return false;
        qToLittleEndian<quint32>(quint32(kHugeBytes - 8), head.data() + 4);
        qToLittleEndian<quint32>(quint32(kHugeBytes - 44), head.data() + 40);
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(head + real.mid(44)) > 0 && f.resize(kHugeBytes);
    }
    case Fault::Valid: return writeFile(path, real);
    }
    return false;
}

// The drill's state as a list of readable lines, for comparison.
QStringList describe(const engine::FormB &f, engine::DrillState &s)
{
    QStringList out;
    out << QStringLiteral("answers %1 errors %2 grade %3 best %4")
               .arg(s.answerCount)
               .arg(s.errorCount)
               .arg(s.gradeLevel)
               .arg(s.bestTenths);
    out << QStringLiteral("sentence %1 word %2 expected %3 given %4")
               .arg(s.currentSentence.value())
               .arg(s.currentWord.value())
               .arg(s.expectedCode.value())
               .arg(s.givenAnswer.value());
    QString tally = QStringLiteral("tally");
    for (const auto &t : s.errorTally)
        tally += QLatin1Char(' ') + QString::fromStdString(engine::text(t));
    out << tally;
    QString grades = QStringLiteral("grades");
    for (int g = 1; g <= 5; ++g)
        grades += QLatin1Char(' ') + QString::fromStdString(engine::text(s.tallyFor(g)));
    out << grades;
    QString used = QStringLiteral("used");
    for (int i = 0; i <= s.lastSentence; ++i)
        used += s.sentenceUsed[i].value() ? QStringLiteral(" %1").arg(i) : QString();
    out << used;
    QString panel = QStringLiteral("panel");
    for (QPushButton *b : f.answerButtons())
        panel += QStringLiteral(" %1%2").arg(b->isVisible() ? 'v' : '-').arg(b->isEnabled() ? 'e' : '-');
    panel += QStringLiteral(" VIA %1").arg(f.VIA->isVisible() ? 'v' : '-');
    out << panel;
    for (const layout::Label *l : {f.AVVISO, f.gratifica, f.Lrisposte, f.Lerrori, f.Lpercentuale, f.Label1,
                                   f.display[1], f.display[2]})
        out << l->objectName() + QStringLiteral(": ") + l->caption() + (l->isVisible() ? "" : " (hidden)");
    for (int i = 1; i <= 22; ++i)
        out << QStringLiteral("word %1 %2").arg(i).arg(f.Lbmostra[i]->textColor().name());
    if (FRM_ERRORI *report = f.errorReport()) {
        QString rows = QStringLiteral("report");
        for (int k = 1; k <= 16; ++k)
            rows += QLatin1Char(' ') + report->RR[k]->caption();
        out << rows + (report->isVisible() ? "" : " (hidden)");
    }
    return out;
}

struct RunResult {
    QStringList state;
    QStringList cues;
    QList<double> clickMs;
    int seriesEnded = 0;
};

// The same clicks every time: three sentences, with wrong answers at both
// steps, the series ending on the way, and the error report opened, looked
// at and closed.
RunResult runDrill(platform::CuePlayer *realPlayer, const QString &folder)
{
    RunResult result;
    FakeClock clock;
    SeededRandom random;
    TeePlayer player;
    player.real = realPlayer;
    platform::Audio audio(player, random, [folder] { return folder; });
    engine::DrillState state;
    engine::FormB form(state, engine::ExerciseServices{clock, random, audio, 0});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return result;

    ResultsWatcher results;  // PROSEGUI on every results window
    OwnTimer t;
    auto press = [&](QPushButton *b) {
        if (!pressable(b))
            return false;
        clock.ms += 700;
        t.start();
        QTest::mouseClick(b, Qt::LeftButton);
        result.clickMs << t.nsecsElapsed() / 1e6;
        return true;
    };

    int step = 0;
    for (int sentence = 0; sentence < 3; ++sentence) {
        if (!press(form.VIA))
            return result;
        const int n = state.wordCount();
        for (int w = 1; w <= n; ++w) {
            const int code = state.codeAt(w);
            const bool variable = code <= 5;
            if (++step % 3 == 0)
                press(variable ? form.Com11 : form.Com10);  // wrong first step
            press(variable ? form.Com10 : form.Com11);
            if (step % 4 == 0) {
                // a wrong part of speech, from the group on show
                press(form.Com[variable ? (code == 1 ? 2 : 1) : (code == 6 ? 7 : 6)]);
            }
            press(form.Com[code]);
        }
        press(form.Command8);
        if (sentence == 1) {
            press(form.errorReport()->Command2);  // mostra classifica
            press(form.errorReport()->Command1);  // CHIUDI FINESTRA
            QTest::qWait(10);
        }
    }
    QTest::qWait(50);  // deferred deletions, and whatever the player left to do
    result.state = describe(form, state);
    result.cues = player.names;
    result.seriesEnded = results.opened;
    return result;
}

QString figures(const QList<double> &ms)
{
    if (ms.isEmpty())
        return QStringLiteral("no clicks");
    QList<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    return QStringLiteral("%1 clicks, mean %2 ms, median %3 ms, max %4 ms")
        .arg(ms.size())
        .arg(sum / ms.size(), 0, 'f', 3)
        .arg(sorted[sorted.size() / 2], 0, 'f', 3)
        .arg(sorted.last(), 0, 'f', 3);
}

// Without a sound device Qt Multimedia says so for every cue, and the
// offscreen platform cannot raise the error report: hundreds of lines.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("No audio device detected")
        || message == QLatin1String("This plugin does not support raise()"))
        return;
    previousHandler(type, context, message);
}

}  // namespace

class AudioFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drillRunsUnchanged_data();
    void drillRunsUnchanged();
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

private:
    QHash<QString, QByteArray> real_;  // the build's cue files
    RunResult baseline_;
    QTemporaryDir dir_;
};

void AudioFaultsTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietHandler);
    QVERIFY(dir_.isValid());
    const QString built = QCoreApplication::applicationDirPath();
    for (const QString &cue : kCues) {
        QFile f(platform::Audio::cuePath(built, cue));
        QVERIFY2(f.open(QIODevice::ReadOnly),
                 qPrintable(f.fileName() + QStringLiteral(": the build's cue is missing")));
        real_[cue] = f.readAll();
        QVERIFY(real_[cue].size() > 1000);
    }
    // Without any sound: a player that only records. The first run warms
    // up fonts and layouts, the second is the one to compare with.
    runDrill(nullptr, QStringLiteral("/nowhere"));
    baseline_ = runDrill(nullptr, QStringLiteral("/nowhere"));
    QVERIFY(!baseline_.state.isEmpty());
    QVERIFY2(baseline_.seriesEnded >= 3, "the clicks should end a few series");
    QVERIFY(baseline_.cues.contains(QStringLiteral("sbagliato1")));
    qInfo("recording player: %s", qPrintable(figures(baseline_.clickMs)));
}

void AudioFaultsTest::drillRunsUnchanged_data()
{
    QTest::addColumn<QList<int>>("faults");  // one Fault per cue, in kCues order
    auto all = [](Fault f) { return QList<int>(kCues.size(), int(f)); };
    QTest::newRow("sounds folder missing") << QList<int>{};
    QTest::newRow("every cue empty") << all(Fault::Empty);
    QTest::newRow("every cue cut short") << all(Fault::Truncated);
    QTest::newRow("every cue not a wave") << all(Fault::NotAWave);
    QTest::newRow("a directory in every cue's place") << all(Fault::Directory);
    QTest::newRow("every cue 100 MB") << all(Fault::Huge);
    QTest::newRow("the wrong-answer cue 100 MB, the rest real") << QList<int>{
        int(Fault::Valid), int(Fault::Valid), int(Fault::Valid), int(Fault::Valid), int(Fault::Valid),
        int(Fault::Valid), int(Fault::Valid), int(Fault::Valid), int(Fault::Valid), int(Fault::Huge)};
    QTest::newRow("each cue broken its own way, some real")
        << QList<int>{int(Fault::Missing),  int(Fault::Valid),     int(Fault::Empty), int(Fault::Truncated),
                      int(Fault::NotAWave), int(Fault::Directory), int(Fault::Huge),  int(Fault::Valid),
                      int(Fault::Valid),    int(Fault::Truncated)};
    QTest::newRow("every cue real") << all(Fault::Valid);
}

void AudioFaultsTest::drillRunsUnchanged()
{
    QFETCH(QList<int>, faults);
    const QString folder = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(QDir().mkpath(folder));
    if (!faults.isEmpty()) {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/suoni")));
        for (int i = 0; i < kCues.size(); ++i)
            QVERIFY(layCue(folder, kCues[i], Fault(faults[i]), real_[kCues[i]]));
    }

    platform::QtCuePlayer player;
    const RunResult run = runDrill(&player, folder);
    qInfo("%s: %s", QTest::currentDataTag(), qPrintable(figures(run.clickMs)));

    QCOMPARE(run.clickMs.size(), baseline_.clickMs.size());  // every click was possible, as without sound
    QCOMPARE(run.seriesEnded, baseline_.seriesEnded);
    QCOMPARE(run.cues, baseline_.cues);
    for (int i = 0; i < run.state.size() || i < baseline_.state.size(); ++i)
        QCOMPARE(run.state.value(i), baseline_.state.value(i));
    for (int i = 0; i < run.clickMs.size(); ++i)
        QVERIFY2(run.clickMs[i] < kClickBoundMs,
                 qPrintable(QStringLiteral("click %1 took %2 ms (%3 ms with the recording player)")
                                .arg(i)
                                .arg(run.clickMs[i], 0, 'f', 1)
                                .arg(baseline_.clickMs[i], 0, 'f', 1)));

    // A broken or oversized file never reaches Qt Multimedia.
    const bool anyValid =
        std::any_of(faults.begin(), faults.end(), [](int f) { return f == int(Fault::Valid); });
    if (!anyValid)
        QVERIFY2(player.findChildren<QSoundEffect *>().isEmpty(),
                 "a broken cue file was handed to Qt Multimedia");
    else
        QVERIFY(player.findChildren<QSoundEffect *>().size() <= 1);
}

QTEST_MAIN(AudioFaultsTest)
#include "test_audio_faults.moc"
