#include "check.hpp"

#include "effects.hpp"
#include "loudness.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace sounds {

namespace {

struct LengthLimits
{
    double min;
    double max;
};

// The game pauses 0.1 s before each solution letter, 0.15 s after each laid-out field and
// 1.5 s after a lost word; longer effects would be cut off by the next one.
LengthLimits limitsFor(int id)
{
    switch (id) {
    case 100:
        return {0.2, 0.8};
    case 101:
        return {0.04, 0.1};
    case 102:
        return {1.0, 1.5};
    case 103:
        return {0.1, 0.3};
    case 104:
        return {0.04, 0.15};
    case 105:
        return {1.2, 1.85};
    default:
        return {0.5, 1.0};
    }
}

constexpr int kSilence = 128;
constexpr int kClickTolerance = 2;

std::string describe(const char* format, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void checkFormat(const WavInfo& info, std::vector<std::string>& problems)
{
    if (info.channels != 1) {
        problems.push_back("not mono");
    }
    if (info.bitsPerSample != 8) {
        problems.push_back("not 8 bits per sample");
    }
    if (info.sampleRate != 22050 && info.sampleRate != 11025 && info.sampleRate != 7500) {
        problems.push_back("sample rate is not 22050, 11025 or 7500");
    }
}

void checkLength(int id, const WavInfo& info, std::vector<std::string>& problems)
{
    const LengthLimits limits = limitsFor(id);
    const double seconds = info.seconds();
    if (seconds < 0.04 || seconds > 1.85) {
        problems.push_back(describe("length %.3f s outside 0.04..1.85 s", seconds));
    } else if (seconds < limits.min || seconds > limits.max) {
        problems.push_back(describe("length %.3f s does not fit its game event", seconds));
    }
}

void checkEdges(const WavInfo& info, std::vector<std::string>& problems)
{
    const auto& s = info.samples;
    if (s.empty()) {
        problems.push_back("no samples");
        return;
    }
    if (std::abs(s.front() - kSilence) > kClickTolerance ||
        std::abs(s.back() - kSilence) > kClickTolerance) {
        problems.push_back("does not start and end at silence (click)");
    }
    if (std::any_of(s.begin(), s.end(), [](int v) { return v == 0 || v == 255; })) {
        problems.push_back("clipped");
    }
}

void checkLevel(const Level& level, std::vector<std::string>& problems)
{
    if (level.peakDb > kPeakCeilingDb) {
        problems.push_back(describe("peak %.1f dBFS above the ceiling", level.peakDb));
    }
    const double offTarget = level.loudness - kTargetLoudness;
    if (std::abs(offTarget) > kLoudnessTolerance) {
        problems.push_back(describe("loudness %+.1f dB off the target", offTarget));
    }
}

// --- self-test helpers -------------------------------------------------------------------

int failures = 0;

void expect(bool condition, const std::string& what)
{
    if (!condition) {
        std::printf("FAIL: %s\n", what.c_str());
        ++failures;
    }
}

bool near(double value, double expected, double tolerance)
{
    return std::abs(value - expected) <= tolerance;
}

bool mentions(const std::vector<std::string>& problems, const std::string& word)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(word) != std::string::npos; });
}

void setLittle(Bytes& file, std::size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

int zeroCrossings(const Signal& signal)
{
    int count = 0;
    for (std::size_t n = 1; n < signal.size(); ++n) {
        count += (signal[n - 1] < 0) != (signal[n] < 0);
    }
    return count;
}

Signal sine(double hz, double seconds, int sampleRate, double amplitude = 1.0)
{
    Signal out(static_cast<std::size_t>(std::lround(seconds * sampleRate)));
    for (std::size_t n = 0; n < out.size(); ++n) {
        out[n] =
            amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(n) / sampleRate);
    }
    return out;
}

Signal scaled(Signal signal, double gain)
{
    for (double& s : signal) {
        s *= gain;
    }
    return signal;
}

void testNoteNames()
{
    expect(noteNumber("A4") == 69 && noteNumber("C4") == 60, "A4 is 69 and C4 is 60");
    expect(noteNumber("Bb3") == 58 && noteNumber("F#5") == 78, "accidentals");
    for (const char* bad : {"H2", "C", "C#", "Cx4", "c4", "C44"}) {
        bool threw = false;
        try {
            noteNumber(bad);
        } catch (const std::invalid_argument&) {
            threw = true;
        }
        expect(threw, std::string("rejects note name ") + bad);
    }
}

void testPitchAndShape()
{
    Signal tone;
    Timbre sine;
    sine.partials = {{1.0, 1.0}};
    sine.release = 0.0;
    renderNote(tone, sine, {0.0, 1.0, midiToHz(69)});
    const int crossings = zeroCrossings(tone);
    expect(std::abs(crossings - 880) <= 2,
           "A4 renders at 440 Hz, got " + std::to_string(crossings / 2));

    shape(tone, 0.5001, 0.02);
    expect(tone.size() % 2 == 0, "shaped length is even");
    expect(std::abs(tone.size() / double(kSampleRate) - 0.5) < 0.001,
           "shaped length is cut to 0.5 s");
    expect(tone.front() == 0.0 && tone.back() == 0.0, "shaped signal starts and ends at zero");
}

void testLoudnessMeasure()
{
    // The reference point of the scale, at every sample rate a file may have.
    for (const int rate : {22050, 11025, 7500}) {
        const double reading = loudnessOf(sine(997, 1.0, rate), rate);
        expect(near(reading, -3.01, 0.1), "full-scale 997 Hz at " + std::to_string(rate) +
                                              " Hz reads -3.01, got " + std::to_string(reading));
    }
    const double mid = loudnessOf(sine(997, 1.0, kSampleRate), kSampleRate);
    const double bass = loudnessOf(sine(40, 1.0, kSampleRate), kSampleRate);
    const double presence = loudnessOf(sine(4000, 1.0, kSampleRate), kSampleRate);
    expect(mid - bass > 4.0, "deep bass counts for less");
    expect(near(presence - mid, 3.5, 0.6), "the presence range counts for more");

    const double full = loudnessOf(sine(997, 0.4, kSampleRate), kSampleRate);
    const double brief = loudnessOf(sine(997, 0.1, kSampleRate), kSampleRate);
    expect(near(full - brief, 6.02, 0.1), "a sound a quarter of the window reads 6 dB quieter");

    Signal swell = sine(997, 1.5, kSampleRate, 0.1);
    const Signal loud = sine(997, 0.4, kSampleRate);
    std::copy(loud.begin(), loud.end(), swell.begin() + kSampleRate);
    expect(near(loudnessOf(swell, kSampleRate), full, 0.1), "the loudest window counts");

    Signal quiet = sine(997, 1.0, kSampleRate, 0.01);
    setLoudness(quiet, kSampleRate, -20.0, -1.0);
    expect(near(loudnessOf(quiet, kSampleRate), -20.0, 0.01), "set to a loudness");
    setLoudness(quiet, kSampleRate, 0.0, -6.0);
    expect(near(20.0 * std::log10(peakOf(quiet)), -6.0, 1e-9), "never past the ceiling");
}

void testEffectsAreValidAndStable()
{
    std::vector<Bytes> seen;
    std::vector<double> jingles;
    for (int id = kFirstEffect; id <= kLastEffect; ++id) {
        const Bytes file = encodeWav(makeEffect(id));
        const auto problems = checkSound(id, file);
        expect(problems.empty(), "effect " + std::to_string(id) + " passes its check" +
                                     (problems.empty() ? "" : ": " + problems.front()));
        expect(encodeWav(makeEffect(id)) == file,
               "effect " + std::to_string(id) + " is reproducible");
        expect(std::find(seen.begin(), seen.end(), file) == seen.end(),
               "effect " + std::to_string(id) + " differs from the others");
        seen.push_back(file);
        std::string error;
        if (const auto info = parseWav(file, error); info && id >= kFirstJingle) {
            jingles.push_back(levelOf(*info).loudness);
        }
    }
    expect(checkJingles(jingles).empty(), "the jingles are balanced");
}

void testCheckerCatchesFaults()
{
    const Bytes good = encodeWav(makeEffect(104));
    std::string error;
    const auto parsed = parseWav(good, error);
    expect(parsed && parsed->samples.size() + 44 == good.size(), "plain 44-byte header parses");

    Bytes truncated(good.begin(), good.end() - 10);
    expect(!parseWav(truncated, error), "truncated file is rejected");
    Bytes withGarbage = good;
    withGarbage.push_back(0);
    expect(!parseWav(withGarbage, error), "file with a stray byte is rejected");

    Bytes stereo = good;
    setLittle(stereo, 22, 2, 2);     // channels
    setLittle(stereo, 28, 44100, 4); // byte rate
    setLittle(stereo, 32, 2, 2);     // block align
    expect(mentions(checkSound(104, stereo), "mono"), "stereo is reported");

    Bytes wide = good;
    setLittle(wide, 34, 16, 2);
    setLittle(wide, 28, 44100, 4);
    setLittle(wide, 32, 2, 2);
    expect(mentions(checkSound(104, wide), "8 bits"), "16-bit is reported");

    for (const std::uint32_t rate : {7500u, 8000u}) {
        Bytes slow = good;
        setLittle(slow, 24, rate, 4);
        setLittle(slow, 28, rate, 4);
        expect(mentions(checkSound(104, slow), "sample rate") == (rate == 8000),
               std::to_string(rate) + " Hz is " + (rate == 8000 ? "reported" : "allowed"));
    }

    expect(mentions(checkSound(101, good), "game event"),
           "a ding too long for a letter tick is reported");

    Bytes clicking = good;
    clicking.back() = 200;
    expect(mentions(checkSound(104, clicking), "click"), "a click at the end is reported");

    const Signal ding = makeEffect(104);
    expect(mentions(checkSound(104, encodeWav(scaled(ding, 2.0))), "clipped"),
           "clipping is reported");
    const double toCeiling = std::pow(10.0, kPeakCeilingDb / 20.0) / peakOf(ding);
    expect(mentions(checkSound(104, encodeWav(scaled(ding, toCeiling * 1.05))), "ceiling"),
           "a peak above the ceiling is reported");
    expect(mentions(checkSound(104, encodeWav(scaled(ding, 0.5))), "loudness"),
           "an effect 6 dB too quiet is reported");

    const double target = kTargetLoudness;
    expect(checkJingles({target - 0.9, target + 0.9, target}).empty(), "a close spread passes");
    expect(mentions(checkJingles({target - 1.1, target + 1.1, target}), "jingles"),
           "jingles too far apart are reported");
}

} // namespace

Level levelOf(const WavInfo& info)
{
    std::vector<double> samples;
    int peak = 0;
    for (const int v : info.samples) {
        samples.push_back((v - kSilence) / 127.0);
        peak = std::max(peak, std::abs(v - kSilence));
    }
    return {loudnessOf(samples, info.sampleRate),
            peak > 0 ? 20.0 * std::log10(peak / 127.0) : -100.0};
}

std::vector<std::string> checkSound(int id, const Bytes& file)
{
    std::string error;
    const auto info = parseWav(file, error);
    if (!info) {
        return {error};
    }
    std::vector<std::string> problems;
    checkFormat(*info, problems);
    if (problems.empty()) {
        checkLength(id, *info, problems);
        checkEdges(*info, problems);
        if (!info->samples.empty()) {
            checkLevel(levelOf(*info), problems);
        }
    }
    return problems;
}

std::vector<std::string> checkJingles(const std::vector<double>& loudness)
{
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    if (quietest == loudness.end() || *loudest - *quietest <= kJingleSpread) {
        return {};
    }
    return {describe("the jingles' loudness spreads over %.1f dB", *loudest - *quietest)};
}

int checkFolder(const std::string& folder)
{
    int bad = 0;
    std::vector<double> jingles;
    for (int id = kFirstEffect; id <= kLastEffect; ++id) {
        const std::string path = folder + "/" + std::to_string(id) + ".wav";
        std::vector<std::string> problems;
        std::string error;
        std::optional<WavInfo> info;
        try {
            const Bytes file = readFile(path);
            problems = checkSound(id, file);
            info = parseWav(file, error);
        } catch (const std::exception& e) {
            problems = {e.what()};
        }
        std::printf("%s", path.c_str());
        if (info && !info->samples.empty()) {
            const Level level = levelOf(*info);
            std::printf(": %d Hz, %.3f s, loudness %+.1f dB, peak %.1f dBFS", info->sampleRate,
                        info->seconds(), level.loudness - kTargetLoudness, level.peakDb);
            if (id >= kFirstJingle) {
                jingles.push_back(level.loudness);
            }
        }
        std::printf(problems.empty() ? " ok\n" : "\n");
        for (const auto& problem : problems) {
            std::printf("  FAIL: %s\n", problem.c_str());
        }
        bad += !problems.empty();
    }
    const auto [quietest, loudest] = std::minmax_element(jingles.begin(), jingles.end());
    if (quietest != jingles.end()) {
        std::printf("jingles: loudness within %.1f dB", *loudest - *quietest);
    }
    const auto mix = checkJingles(jingles);
    std::printf(mix.empty() ? " ok\n" : "\n");
    for (const auto& problem : mix) {
        std::printf("  FAIL: %s\n", problem.c_str());
    }
    std::printf("loudness is relative to %.1f (K-weighted, loudest 0.4 s)\n", kTargetLoudness);
    return bad == 0 && mix.empty() ? 0 : 1;
}

int selfTest()
{
    failures = 0;
    testNoteNames();
    testPitchAndShape();
    testLoudnessMeasure();
    testEffectsAreValidAndStable();
    testCheckerCatchesFaults();
    std::printf(failures == 0 ? "self-test passed\n" : "self-test: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace sounds
