// cue_synth: writes the short sound cues the drill plays.
//
// Usage: cue_synth <output-folder>
//
// Every cue is generated from scratch here (no sample files), so the build
// can recreate the "suoni" folder anywhere. Output is 16-bit mono PCM at
// 44100 Hz, normalised to about -3 dBFS, with short fades against clicks.
// The noise generator uses fixed seeds, so the files are byte-identical
// from one build to the next.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeakDbfs = -3.0;
constexpr double kFadeInSeconds = 0.002;   // short enough to keep drum attacks crisp
constexpr double kFadeOutSeconds = 0.015;  // hides whatever tail is left at the cut

using Buffer = std::vector<double>;

Buffer makeBuffer(double seconds)
{
    return Buffer(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0);
}

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// Small xorshift generator: its sequence is fixed by the seed on every
// platform, unlike the standard distributions.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    // Uniform white noise in [-1, 1).
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Adds `length` seconds of `voice(t)` into the buffer starting at `at`.
// The last few milliseconds are tapered so that cutting a decaying voice
// off at the end of its window leaves no tiny step (a faint tick).
void mixIn(Buffer &out, double at, double length, const std::function<double(double)> &voice)
{
    constexpr double taper = 0.005;
    const auto start = static_cast<std::size_t>(std::lround(at * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(length * kSampleRate));
    for (std::size_t i = 0; i < count && start + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double tail = std::clamp((length - t) / taper, 0.0, 1.0);
        out[start + i] += tail * voice(t);
    }
}

// ---------------------------------------------------------------- drums

// A hand drum: a membrane whose pitch drops quickly after the strike, plus
// a burst of filtered noise for the slap of the hand.
struct Drum {
    double startHz;     // pitch right at the strike
    double endHz;       // pitch the membrane settles to
    double pitchTime;   // how fast the pitch falls (s)
    double decay;       // body decay time constant (s)
    double noiseLevel;  // amount of slap noise
    double noiseDecay;  // slap decay time constant (s)
};

constexpr Drum kHighDrum{520.0, 400.0, 0.012, 0.070, 0.45, 0.010};
constexpr Drum kMidDrum{330.0, 260.0, 0.015, 0.095, 0.35, 0.012};
constexpr Drum kLowDrum{230.0, 180.0, 0.020, 0.130, 0.25, 0.014};
constexpr Drum kBassDrum{150.0, 92.0, 0.040, 0.300, 0.20, 0.018};

void addDrumHit(Buffer &out, double at, const Drum &drum, double gain, Noise &noise)
{
    double phase = 0.0;
    double slap = 0.0;  // one-pole low-pass state: takes the hiss off the slap
    mixIn(out, at, drum.decay * 7.0, [&](double t) {
        const double hz = drum.endHz + (drum.startHz - drum.endHz) * std::exp(-t / drum.pitchTime);
        phase += kTwoPi * hz / kSampleRate;
        const double attack = std::min(1.0, t / 0.001);  // 1 ms: avoids a step at the strike
        const double body = std::sin(phase) * std::exp(-t / drum.decay);
        slap += 0.35 * (noise.next() - slap);
        const double hand = slap * drum.noiseLevel * std::exp(-t / drum.noiseDecay);
        return gain * attack * (body + hand);
    });
}

struct Stroke {
    double at;
    const Drum *drum;
    double gain;
};

Buffer playDrums(double seconds, const std::vector<Stroke> &strokes, std::uint32_t seed)
{
    Buffer out = makeBuffer(seconds);
    Noise noise(seed);
    for (const Stroke &s : strokes)
        addDrumHit(out, s.at, *s.drum, s.gain, noise);
    return out;
}

// Festive flourish: a syncopated figure, a crescendo roll, then an accent.
Buffer cueConga()
{
    constexpr double step = 0.11;  // one sixteenth at a lively tempo
    std::vector<Stroke> strokes{
        {0 * step, &kHighDrum, 0.8}, {1 * step, &kHighDrum, 0.6},
        {2 * step, &kMidDrum, 0.8},  {4 * step, &kLowDrum, 0.9},
        {5 * step, &kMidDrum, 0.6},  {6 * step, &kHighDrum, 0.8},
    };
    // Roll in thirty-seconds, alternating drums and growing louder.
    const double rollStart = 8 * step;
    for (int i = 0; i < 8; ++i) {
        const Drum *drum = (i % 2 == 0) ? &kHighDrum : &kMidDrum;
        strokes.push_back({rollStart + i * step / 2.0, drum, 0.35 + 0.06 * i});
    }
    // Final accent: high and low struck together.
    const double accent = rollStart + 4 * step + step / 2.0;
    strokes.push_back({accent, &kHighDrum, 1.0});
    strokes.push_back({accent, &kLowDrum, 1.0});
    return playDrums(2.0, strokes, 0x0C0A6A01u);
}

// Closing flourish: falling triplets that slow down and settle on a deep hit.
Buffer cueCongaFine()
{
    constexpr double triplet = 0.085;
    const std::vector<Stroke> strokes{
        {0 * triplet, &kHighDrum, 0.8}, {1 * triplet, &kHighDrum, 0.6},
        {2 * triplet, &kMidDrum, 0.7},  {3 * triplet, &kMidDrum, 0.7},
        {4 * triplet, &kLowDrum, 0.8},  {5 * triplet, &kLowDrum, 0.7},
        // "Ba-dum": a pause, a pickup, then the low final stroke.
        {0.70, &kMidDrum, 0.7},         {0.82, &kLowDrum, 0.8},
        {1.05, &kBassDrum, 1.0},        {1.05, &kLowDrum, 0.5},
    };
    return playDrums(2.2, strokes, 0x0C0A6A02u);
}

// ---------------------------------------------------------------- chimes

// Bell-like note: a few slightly stretched partials; upper ones die sooner,
// which is what makes it sound struck rather than held.
void addBell(Buffer &out, double at, double hz, double decay, double gain)
{
    struct Partial {
        double ratio;
        double level;
    };
    static constexpr Partial partials[] = {
        {1.00, 1.00}, {2.00, 0.45}, {3.01, 0.22}, {4.17, 0.16}, {5.43, 0.09}, {6.79, 0.05},
    };
    mixIn(out, at, decay * 6.0, [&](double t) {
        const double attack = std::min(1.0, t / 0.002);
        double sum = 0.0;
        for (std::size_t k = 0; k < std::size(partials); ++k) {
            const double f = hz * partials[k].ratio;
            if (f > 18000.0)
                break;  // keep well under Nyquist
            const double d = decay / (1.0 + 0.7 * static_cast<double>(k));
            sum += partials[k].level * std::sin(kTwoPi * f * t) * std::exp(-t / d);
        }
        return gain * attack * sum;
    });
}

struct BellNote {
    double at;
    double midiNote;
    double gain;
};

Buffer playBells(double seconds, double decay, const std::vector<BellNote> &notes)
{
    Buffer out = makeBuffer(seconds);
    for (const BellNote &n : notes)
        addBell(out, n.at, midiToHz(n.midiNote), decay, n.gain);
    return out;
}

// The five "right answer" chimes share a timbre but each has its own shape,
// so repeated correct answers do not sound mechanical.

Buffer cueEsatto()  // rising major third
{
    return playBells(0.55, 0.12, {{0.00, 84, 0.8}, {0.09, 88, 1.0}});
}

Buffer cueEsatto2()  // quick major arpeggio
{
    return playBells(0.60, 0.11, {{0.00, 79, 0.7}, {0.07, 84, 0.8}, {0.14, 88, 1.0}});
}

Buffer cueEsatto3()  // octave leap
{
    return playBells(0.50, 0.10, {{0.00, 81, 0.8}, {0.10, 93, 1.0}});
}

Buffer cueEsatto4()  // open fifth struck together, crowned by the octave
{
    return playBells(0.65, 0.13, {{0.00, 86, 0.7}, {0.00, 93, 0.6}, {0.12, 98, 0.9}});
}

Buffer cueEsatto5()  // sparkle: short dip, then a leap up
{
    return playBells(0.75, 0.12,
                     {{0.00, 91, 0.6}, {0.05, 88, 0.6}, {0.10, 84, 0.7}, {0.17, 96, 1.0}});
}

// ---------------------------------------------------------------- call

// Soft rounded note with a hint of vibrato, used for the "go" call.
void addCallNote(Buffer &out, double at, double hz, double length, double gain)
{
    mixIn(out, at, length, [=](double t) {
        const double attack = std::min(1.0, t / 0.015);
        const double release = std::clamp((length - t) / 0.05, 0.0, 1.0);
        const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t);
        const double p = kTwoPi * hz * vibrato * t;
        const double tone = std::sin(p) + 0.30 * std::sin(2 * p) + 0.10 * std::sin(3 * p);
        return gain * attack * release * tone;
    });
}

// Inviting call: a rising fourth, the second note held a little longer.
Buffer cuePremiVia()
{
    Buffer out = makeBuffer(0.70);
    addCallNote(out, 0.00, midiToHz(76), 0.22, 0.8);
    addCallNote(out, 0.24, midiToHz(81), 0.44, 1.0);
    return out;
}

// ---------------------------------------------------------------- whoosh

// State-variable band-pass filter whose centre frequency may change on every
// sample (that is what lets the whoosh sweep).
class BandPass {
public:
    explicit BandPass(double damping) : damping_(damping) {}

    double process(double in, double centreHz)
    {
        const double f = 2.0 * std::sin(std::numbers::pi * centreHz / kSampleRate);
        const double high = in - low_ - damping_ * band_;
        band_ += f * high;
        low_ += f * band_;
        return band_;
    }

private:
    double damping_;
    double low_ = 0.0;
    double band_ = 0.0;
};

// Whoosh: white noise through a band-pass whose centre sweeps upward,
// swelling and fading like something rushing past. Two filter stages give
// steeper skirts, so the sweep is heard rather than plain hiss.
Buffer cueRumoreVia()
{
    constexpr double seconds = 0.50;
    Buffer out = makeBuffer(seconds);
    Noise noise(0x0C0A6A03u);
    BandPass first(0.5);  // moderately wide band: airy, not whistling
    BandPass second(0.5);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(out.size());
        const double centre = 300.0 * std::pow(5000.0 / 300.0, x);
        const double filtered = second.process(first.process(noise.next(), centre), centre);
        const double swell = std::pow(std::sin(std::numbers::pi * std::pow(x, 0.8)), 2.0);
        out[i] = filtered * swell;
    }
    return out;
}

// ---------------------------------------------------------------- buzz

// Band-limited sawtooth (sum of harmonics): a raw buzz without aliasing.
// The harmonic count stays fixed while the pitch moves; switching harmonics
// in or out mid-note would be heard as ticks.
double sawtooth(double phase, int harmonics)
{
    double sum = 0.0;
    for (int k = 1; k <= harmonics; ++k)
        sum += std::sin(k * phase) / k;
    return sum;
}

// "Wrong" buzz: two slightly detuned low sawtooths beating against each
// other, sagging in pitch at the end.
Buffer cueSbagliato()
{
    constexpr double seconds = 0.50;
    constexpr int harmonics = 60;  // top harmonic below 8 kHz: buzzy, not harsh
    Buffer out = makeBuffer(seconds);
    double phaseA = 0.0;
    double phaseB = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double sag = 1.0 - 0.08 * std::max(0.0, (t - 0.30) / 0.20);
        const double hzA = 130.0 * sag;
        const double hzB = 133.0 * sag;
        phaseA += kTwoPi * hzA / kSampleRate;
        phaseB += kTwoPi * hzB / kSampleRate;
        const double attack = std::min(1.0, t / 0.008);
        const double release = std::clamp((seconds - t) / 0.08, 0.0, 1.0);
        out[i] = attack * release * (sawtooth(phaseA, harmonics) + sawtooth(phaseB, harmonics));
    }
    return out;
}

// ---------------------------------------------------------------- output

// Raised-cosine fades at both ends so playback never starts or stops on a step.
void applyFades(Buffer &buf)
{
    const auto ramp = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * x); };
    const std::size_t in = static_cast<std::size_t>(kFadeInSeconds * kSampleRate);
    const std::size_t out = static_cast<std::size_t>(kFadeOutSeconds * kSampleRate);
    const std::size_t n = buf.size();
    for (std::size_t i = 0; i < in && i < n; ++i)
        buf[i] *= ramp(static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out && i < n; ++i)
        buf[n - 1 - i] *= ramp(static_cast<double>(i) / static_cast<double>(out));
}

// Scales so the loudest sample sits at kPeakDbfs: every cue equally loud at
// its peak, with headroom left for the mixer.
void normalise(Buffer &buf)
{
    double peak = 0.0;
    for (double v : buf)
        peak = std::max(peak, std::abs(v));
    if (peak <= 0.0)
        return;
    const double scale = std::pow(10.0, kPeakDbfs / 20.0) / peak;
    for (double &v : buf)
        v *= scale;
}

void putU16(std::vector<char> &bytes, std::uint32_t v)
{
    bytes.push_back(static_cast<char>(v & 0xFF));
    bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void putU32(std::vector<char> &bytes, std::uint32_t v)
{
    putU16(bytes, v & 0xFFFF);
    putU16(bytes, v >> 16);
}

void putTag(std::vector<char> &bytes, const char (&tag)[5])
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

// Builds a canonical 44-byte-header WAVE file, written little-endian by hand
// so the result does not depend on the host's byte order.
std::vector<char> encodeWav(const Buffer &buf)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bits = 16;
    constexpr std::uint32_t blockAlign = channels * bits / 8;
    const auto dataSize = static_cast<std::uint32_t>(buf.size() * blockAlign);

    std::vector<char> bytes;
    bytes.reserve(44 + dataSize);
    putTag(bytes, "RIFF");
    putU32(bytes, 36 + dataSize);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putU32(bytes, 16);
    putU16(bytes, 1);  // PCM
    putU16(bytes, channels);
    putU32(bytes, kSampleRate);
    putU32(bytes, kSampleRate * blockAlign);
    putU16(bytes, blockAlign);
    putU16(bytes, bits);
    putTag(bytes, "data");
    putU32(bytes, dataSize);
    for (double v : buf) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putU16(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(s)) & 0xFFFF);
    }
    return bytes;
}

bool writeFile(const std::filesystem::path &path, const std::vector<char> &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

struct Cue {
    const char *fileName;
    Buffer (*render)();
};

constexpr Cue kCues[] = {
    {"conga.wav", cueConga},          {"congafine.wav", cueCongaFine},
    {"esatto.wav", cueEsatto},        {"esatto2.wav", cueEsatto2},
    {"esatto3.wav", cueEsatto3},      {"esatto4.wav", cueEsatto4},
    {"esatto5.wav", cueEsatto5},      {"premivia.wav", cuePremiVia},
    {"rumorevia.wav", cueRumoreVia},  {"sbagliato1.wav", cueSbagliato},
};

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: cue_synth <output-folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        std::cerr << "cue_synth: cannot create folder " << folder.string()
                  << (ec ? ": " + ec.message() : std::string()) << '\n';
        return 1;
    }

    for (const Cue &cue : kCues) {
        Buffer buf = cue.render();
        applyFades(buf);
        normalise(buf);
        const std::filesystem::path path = folder / cue.fileName;
        if (!writeFile(path, encodeWav(buf))) {
            std::cerr << "cue_synth: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
