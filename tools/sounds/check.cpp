#include "check.hpp"

#include "effects.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
        return {0.4, 1.0};
    }
}

constexpr int kSilence = 128;
constexpr int kClickTolerance = 2;
constexpr double kMinPeakDb = -4.5;
constexpr double kMaxPeakDb = -1.5;

std::string describe(const char* format, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void checkFormat(const WavInfo& info, std::vector<std::string>& problems)
{
    if (info.formatTag != 1) {
        problems.push_back("not PCM");
    }
    if (info.channels != 1) {
        problems.push_back("not mono");
    }
    if (info.bitsPerSample != 8) {
        problems.push_back("not 8 bits per sample");
    }
    if (info.sampleRate != 22050 && info.sampleRate != 11025) {
        problems.push_back("sample rate is neither 22050 nor 11025");
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

void checkLevel(const WavInfo& info, std::vector<std::string>& problems)
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
    int peak = 0;
    for (const int v : s) {
        peak = std::max(peak, std::abs(v - kSilence));
    }
    const double peakDb = peak > 0 ? 20.0 * std::log10(peak / 127.0) : -100.0;
    if (peakDb < kMinPeakDb || peakDb > kMaxPeakDb) {
        problems.push_back(describe("peak %.1f dBFS, expected about -3", peakDb));
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

void testPitchAndFinish()
{
    Signal tone;
    Timbre sine;
    sine.partials = {{1.0, 1.0}};
    sine.release = 0.0;
    renderNote(tone, sine, {0.0, 1.0, midiToHz(69)});
    const int crossings = zeroCrossings(tone);
    expect(std::abs(crossings - 880) <= 2,
           "A4 renders at 440 Hz, got " + std::to_string(crossings / 2));

    finish(tone, 0.5001, 0.02, -3.0);
    expect(tone.size() % 2 == 0, "finished length is even");
    expect(std::abs(tone.size() / double(kSampleRate) - 0.5) < 0.001,
           "finished length is cut to 0.5 s");
    expect(std::abs(20 * std::log10(peakOf(tone)) + 3.0) < 1e-9, "finished peak is -3 dBFS");
    expect(tone.front() == 0.0 && tone.back() == 0.0, "finished signal starts and ends at zero");
}

void testEffectsAreValidAndStable()
{
    std::vector<Bytes> seen;
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
    }
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

    expect(mentions(checkSound(101, good), "game event"),
           "a ding too long for a letter tick is reported");

    Bytes clicking = good;
    clicking.back() = 200;
    expect(mentions(checkSound(104, clicking), "click"), "a click at the end is reported");

    Signal loud = makeEffect(104);
    for (double& s : loud) {
        s *= 2.0;
    }
    expect(mentions(checkSound(104, encodeWav(loud)), "clipped"), "clipping is reported");

    Signal quiet = makeEffect(104);
    for (double& s : quiet) {
        s *= 0.1;
    }
    expect(mentions(checkSound(104, encodeWav(quiet)), "peak"), "a quiet effect is reported");
}

} // namespace

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
        checkLevel(*info, problems);
    }
    return problems;
}

int checkFolder(const std::string& folder)
{
    int bad = 0;
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
        if (info) {
            std::printf("%s: %d Hz, %.3f s", path.c_str(), info->sampleRate, info->seconds());
        } else {
            std::printf("%s", path.c_str());
        }
        std::printf(problems.empty() ? " ok\n" : "\n");
        for (const auto& problem : problems) {
            std::printf("  FAIL: %s\n", problem.c_str());
        }
        bad += !problems.empty();
    }
    return bad == 0 ? 0 : 1;
}

int selfTest()
{
    failures = 0;
    testNoteNames();
    testPitchAndFinish();
    testEffectsAreValidAndStable();
    testCheckerCatchesFaults();
    std::printf(failures == 0 ? "self-test passed\n" : "self-test: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace sounds
