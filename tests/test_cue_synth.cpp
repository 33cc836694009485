// Runs the cue synthesizer into a temporary folder and checks that every
// sound cue it writes is a playable, well-levelled 16-bit mono WAVE file.

#include <QtTest>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

#include <cmath>
#include <cstdlib>

#ifndef CUE_SYNTH_PATH
#error "CUE_SYNTH_PATH must name the cue_synth executable"
#endif

namespace {

const QStringList kCueFiles = {
    QStringLiteral("conga.wav"),     QStringLiteral("congafine.wav"),
    QStringLiteral("esatto.wav"),    QStringLiteral("esatto2.wav"),
    QStringLiteral("esatto3.wav"),   QStringLiteral("esatto4.wav"),
    QStringLiteral("esatto5.wav"),   QStringLiteral("premivia.wav"),
    QStringLiteral("rumorevia.wav"), QStringLiteral("sbagliato1.wav"),
};

constexpr int kRate = 44100;
constexpr double kFullScale = 32768.0;

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray errorOutput;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CUE_SYNTH_PATH), arguments);
    ToolRun run;
    run.finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.errorOutput = process.readAllStandardError();
    return run;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le16(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8;
}

quint32 le32(const QByteArray &b, qsizetype at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

// What the parser found in a WAVE file; `error` is empty when it is sound.
struct Wave {
    QString error;
    quint32 formatTag = 0;
    quint32 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint32 blockAlign = 0;
    quint32 bitsPerSample = 0;
    QVector<qint16> samples;
};

// Walks the RIFF chunks rather than assuming a fixed 44-byte header, so a
// misplaced or mis-sized chunk is reported instead of read as audio.
Wave parseWave(const QByteArray &bytes)
{
    Wave wave;
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        wave.error = QStringLiteral("no RIFF/WAVE header");
        return wave;
    }
    if (le32(bytes, 4) != quint32(bytes.size() - 8)) {
        wave.error = QStringLiteral("RIFF size %1 does not match file size %2")
                         .arg(le32(bytes, 4)).arg(bytes.size());
        return wave;
    }
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = le32(bytes, pos + 4);
        const qsizetype body = pos + 8;
        if (quint64(body) + size > quint64(bytes.size())) {
            wave.error = QStringLiteral("chunk '%1' runs past the end of the file")
                             .arg(QString::fromLatin1(id));
            return wave;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wave.error = QStringLiteral("fmt chunk too short");
                return wave;
            }
            wave.formatTag = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.sampleRate = le32(bytes, body + 4);
            wave.byteRate = le32(bytes, body + 8);
            wave.blockAlign = le16(bytes, body + 12);
            wave.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wave.error = QStringLiteral("data chunk before fmt chunk");
                return wave;
            }
            if (body + size != bytes.size()) {
                wave.error = QStringLiteral("data size %1 does not reach the end of the file")
                                 .arg(size);
                return wave;
            }
            if (size % 2 != 0) {
                wave.error = QStringLiteral("odd data size for 16-bit samples");
                return wave;
            }
            wave.samples.resize(size / 2);
            for (quint32 i = 0; i < size / 2; ++i)
                wave.samples[i] = qint16(quint16(le16(bytes, body + 2 * i)));
            return wave;
        }
        pos = body + size + (size & 1);  // chunks are padded to even length
    }
    wave.error = QStringLiteral("no data chunk");
    return wave;
}

Wave loadWave(const QString &path)
{
    const QByteArray bytes = readAll(path);
    if (bytes.isEmpty()) {
        Wave wave;
        wave.error = QStringLiteral("cannot read %1").arg(path);
        return wave;
    }
    return parseWave(bytes);
}

int peakOf(const QVector<qint16> &samples)
{
    int peak = 0;
    for (qint16 s : samples)
        peak = qMax(peak, std::abs(int(s)));
    return peak;
}

double rmsOf(const QVector<qint16> &samples)
{
    double sum = 0.0;
    for (qint16 s : samples)
        sum += double(s) * double(s);
    return samples.isEmpty() ? 0.0 : std::sqrt(sum / samples.size());
}

// Sign changes per second: a rough stand-in for how high a sound sits.
double zeroCrossingRate(const QVector<qint16> &samples)
{
    int crossings = 0;
    for (qsizetype i = 1; i < samples.size(); ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return samples.isEmpty() ? 0.0 : crossings * double(kRate) / samples.size();
}

}  // namespace

class TestCueSynth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void writesAllCuesIntoNewFolder();
    void cueIsWellFormedWave_data();
    void cueIsWellFormedWave();
    void cueSoundsRight_data();
    void cueSoundsRight();
    void cuesHaveDistinctCharacter();
    void rerunIsByteIdentical();
    void reportsFailures();

private:
    QString cuePath(const QString &name) const { return m_outDir + QLatin1Char('/') + name; }

    QTemporaryDir m_tmp;
    QString m_outDir;
};

void TestCueSynth::initTestCase()
{
    QVERIFY2(m_tmp.isValid(), "cannot create a temporary folder");
    // A folder that does not exist yet: the tool must create it (nested).
    m_outDir = m_tmp.filePath(QStringLiteral("build/suoni"));
    const ToolRun run = runTool({m_outDir});
    QVERIFY2(run.finished, "cue_synth did not finish");
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());
}

void TestCueSynth::writesAllCuesIntoNewFolder()
{
    QStringList written = QDir(m_outDir).entryList(QDir::Files, QDir::Name);
    QStringList expected = kCueFiles;
    expected.sort();
    QCOMPARE(written, expected);
}

void TestCueSynth::cueIsWellFormedWave_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kCueFiles)
        QTest::newRow(qPrintable(name)) << name;
}

void TestCueSynth::cueIsWellFormedWave()
{
    QFETCH(QString, name);
    const Wave wave = loadWave(cuePath(name));
    QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
    QCOMPARE(wave.formatTag, 1u);  // PCM
    QCOMPARE(wave.channels, 1u);
    QCOMPARE(wave.sampleRate, quint32(kRate));
    QCOMPARE(wave.bitsPerSample, 16u);
    QCOMPARE(wave.blockAlign, 2u);
    QCOMPARE(wave.byteRate, quint32(kRate * 2));
}

void TestCueSynth::cueSoundsRight_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");

    QTest::newRow("conga") << QStringLiteral("conga.wav") << 1.5 << 2.5;
    QTest::newRow("congafine") << QStringLiteral("congafine.wav") << 1.0 << 3.0;
    QTest::newRow("esatto") << QStringLiteral("esatto.wav") << 0.3 << 0.8;
    QTest::newRow("esatto2") << QStringLiteral("esatto2.wav") << 0.3 << 0.8;
    QTest::newRow("esatto3") << QStringLiteral("esatto3.wav") << 0.3 << 0.8;
    QTest::newRow("esatto4") << QStringLiteral("esatto4.wav") << 0.3 << 0.8;
    QTest::newRow("esatto5") << QStringLiteral("esatto5.wav") << 0.3 << 0.8;
    QTest::newRow("premivia") << QStringLiteral("premivia.wav") << 0.3 << 1.5;
    QTest::newRow("rumorevia") << QStringLiteral("rumorevia.wav") << 0.4 << 0.6;
    QTest::newRow("sbagliato1") << QStringLiteral("sbagliato1.wav") << 0.4 << 0.6;
}

// Length, loudness and clean edges of each cue.
void TestCueSynth::cueSoundsRight()
{
    QFETCH(QString, name);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);

    const Wave wave = loadWave(cuePath(name));
    QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
    const QVector<qint16> &s = wave.samples;

    const double seconds = double(s.size()) / kRate;
    QVERIFY2(seconds > 0.1 && seconds <= 3.0, qPrintable(QString::number(seconds)));
    QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds,
             qPrintable(QStringLiteral("%1 s, expected %2..%3 s")
                            .arg(seconds).arg(minSeconds).arg(maxSeconds)));

    // Audible: RMS above -34 dBFS.
    const double rms = rmsOf(s) / kFullScale;
    QVERIFY2(rms > 0.02, qPrintable(QStringLiteral("RMS %1 of full scale").arg(rms)));

    // Not clipped, and normalised to about -3 dBFS so all cues match in level.
    const int peak = peakOf(s);
    QVERIFY2(peak < 32767, qPrintable(QStringLiteral("peak %1 clips").arg(peak)));
    const double peakDb = 20.0 * std::log10(peak / kFullScale);
    QVERIFY2(peakDb > -4.0 && peakDb < -2.0, qPrintable(QStringLiteral("peak %1 dBFS").arg(peakDb)));

    // Faded in and out: the first and last few samples sit within 1% of zero,
    // so starting or stopping playback does not click.
    constexpr int edge = 4;
    constexpr int nearZero = 328;
    for (int i = 0; i < edge; ++i) {
        QVERIFY2(std::abs(int(s[i])) < nearZero,
                 qPrintable(QStringLiteral("sample %1 is %2 at the start").arg(i).arg(s[i])));
        const qsizetype j = s.size() - 1 - i;
        QVERIFY2(std::abs(int(s[j])) < nearZero,
                 qPrintable(QStringLiteral("sample %1 is %2 at the end").arg(j).arg(s[j])));
    }
}

// The five "right" chimes must not be copies of one another, and the bright
// chimes must sit well above the low "wrong" buzz.
void TestCueSynth::cuesHaveDistinctCharacter()
{
    const QStringList chimes = {
        QStringLiteral("esatto.wav"),  QStringLiteral("esatto2.wav"), QStringLiteral("esatto3.wav"),
        QStringLiteral("esatto4.wav"), QStringLiteral("esatto5.wav"),
    };
    QVector<QVector<qint16>> audio;
    for (const QString &name : chimes) {
        const Wave wave = loadWave(cuePath(name));
        QVERIFY2(wave.error.isEmpty(), qPrintable(name + QStringLiteral(": ") + wave.error));
        audio.append(wave.samples);
    }
    for (int a = 0; a < audio.size(); ++a) {
        for (int b = a + 1; b < audio.size(); ++b) {
            QVERIFY2(audio[a] != audio[b],
                     qPrintable(chimes[a] + QStringLiteral(" equals ") + chimes[b]));
        }
    }

    const Wave buzz = loadWave(cuePath(QStringLiteral("sbagliato1.wav")));
    QVERIFY2(buzz.error.isEmpty(), qPrintable(buzz.error));
    const double buzzRate = zeroCrossingRate(buzz.samples);
    for (int i = 0; i < audio.size(); ++i) {
        const double chimeRate = zeroCrossingRate(audio[i]);
        QVERIFY2(chimeRate > 3.0 * buzzRate,
                 qPrintable(QStringLiteral("%1 crosses zero %2/s, buzz %3/s")
                                .arg(chimes[i]).arg(chimeRate).arg(buzzRate)));
    }
}

void TestCueSynth::rerunIsByteIdentical()
{
    QTemporaryDir again;
    QVERIFY(again.isValid());
    const ToolRun run = runTool({again.path()});
    QVERIFY2(run.finished && run.exitCode == 0, run.errorOutput.constData());
    for (const QString &name : kCueFiles) {
        const QByteArray first = readAll(cuePath(name));
        const QByteArray second = readAll(again.filePath(name));
        QVERIFY2(!first.isEmpty(), qPrintable(name));
        QVERIFY2(first == second, qPrintable(name + QStringLiteral(" differs between runs")));
    }
}

// Bad invocations end with a non-zero status and say why on stderr.
void TestCueSynth::reportsFailures()
{
    // No folder given.
    ToolRun run = runTool({});
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QVERIFY(!run.errorOutput.trimmed().isEmpty());

    // The output folder cannot be created because a plain file is in the way.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    run = runTool({dir.filePath(QStringLiteral("blocker/suoni"))});
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QVERIFY(!run.errorOutput.trimmed().isEmpty());

    // A cue file cannot be written because a folder already has its name.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("taken/conga.wav")));
    run = runTool({dir.filePath(QStringLiteral("taken"))});
    QVERIFY(run.finished);
    QVERIFY(run.exitCode != 0);
    QVERIFY(run.errorOutput.contains("conga.wav"));
}

QTEST_APPLESS_MAIN(TestCueSynth)
#include "test_cue_synth.moc"
