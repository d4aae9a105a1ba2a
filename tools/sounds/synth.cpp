#include "synth.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sounds {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this fraction of the sample rate would alias, so they are left out.
constexpr double kHighestPartial = 0.45 * kSampleRate;

double amplitudeEnvelope(const Timbre& timbre, const Note& note, double t)
{
    double level = timbre.attack > 0 ? smoothRamp(t / timbre.attack) : 1.0;
    if (t > note.length) {
        level *= timbre.release > 0 ? 1.0 - smoothRamp((t - note.length) / timbre.release) : 0.0;
    }
    return level;
}

double pitchFactor(const Timbre& timbre, const Note& note, double t)
{
    double semitones = timbre.bend ? timbre.bend(t, note.length) : 0.0;
    if (timbre.vibratoDepth > 0 && t > timbre.vibratoDelay) {
        const double fadeIn = smoothRamp((t - timbre.vibratoDelay) / 0.15);
        semitones += fadeIn * timbre.vibratoDepth *
                     std::sin(kTwoPi * timbre.vibratoRate * (t - timbre.vibratoDelay));
    }
    return std::exp2(semitones / 12.0);
}

void growTo(Signal& out, std::size_t size)
{
    if (out.size() < size) {
        out.resize(size, 0.0);
    }
}

} // namespace

std::size_t toSamples(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

double secondsOf(const Signal& signal)
{
    return static_cast<double>(signal.size()) / kSampleRate;
}

double midiToHz(double midiNote)
{
    return 440.0 * std::exp2((midiNote - 69.0) / 12.0);
}

int noteNumber(const char* name)
{
    static constexpr int kSemitoneOfLetter[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    const std::string text = name ? name : "";
    std::size_t pos = 0;
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        throw std::invalid_argument("bad note name: " + text);
    }
    int semitone = kSemitoneOfLetter[text[pos++] - 'A'];
    if (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
        semitone += text[pos++] == '#' ? 1 : -1;
    }
    if (pos + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[pos]))) {
        throw std::invalid_argument("bad note name: " + text);
    }
    const int octave = text[pos] - '0';
    return 12 * (octave + 1) + semitone;
}

void renderNote(Signal& out, const Timbre& timbre, const Note& note)
{
    const std::size_t first = toSamples(note.start);
    const std::size_t count = toSamples(note.length + timbre.release);
    growTo(out, first + count);

    std::vector<double> phases(timbre.partials.size(), 0.0);
    for (std::size_t n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double frequency = note.frequency * pitchFactor(timbre, note, t);
        const double brightness = timbre.brightness ? timbre.brightness(t, note.length) : 1.0;
        double sum = 0.0;
        double tilt = 1.0;
        for (std::size_t i = 0; i < timbre.partials.size(); ++i) {
            const Partial& partial = timbre.partials[i];
            const double partialHz = frequency * partial.ratio;
            if (partialHz < kHighestPartial) {
                const double decay = partial.decay > 0 ? std::exp(-t / partial.decay) : 1.0;
                sum += partial.amplitude * decay * tilt * std::sin(phases[i]);
            }
            phases[i] = std::fmod(phases[i] + kTwoPi * partialHz / kSampleRate, kTwoPi);
            tilt *= brightness;
        }
        out[first + n] += note.velocity * amplitudeEnvelope(timbre, note, t) * sum;
    }
}

double Noise::next()
{
    // xorshift32: tiny, portable and fully specified, unlike the standard distributions.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

void renderNoise(Signal& out, const NoiseBurst& burst, Noise& noise)
{
    const std::size_t first = toSamples(burst.start);
    const std::size_t count = toSamples(burst.length);
    growTo(out, first + count);

    // Zero-delay-feedback state-variable filter: stays stable up to the Nyquist frequency.
    double ic1 = 0.0;
    double ic2 = 0.0;
    const double damping = 1.0 / burst.q;
    for (std::size_t n = 0; n < count; ++n) {
        const double x = count > 1 ? static_cast<double>(n) / static_cast<double>(count - 1) : 0.0;
        const double centre = burst.fromHz * std::pow(burst.toHz / burst.fromHz, x);
        const double g =
            std::tan(std::numbers::pi * std::min(centre, kHighestPartial) / kSampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + damping));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = noise.next() - ic2;
        const double band = a1 * ic1 + a2 * v3;
        const double low = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * band - ic1;
        ic2 = 2.0 * low - ic2;

        const double envelope = x < burst.peakAt
                                    ? smoothRamp(x / burst.peakAt)
                                    : 1.0 - smoothRamp((x - burst.peakAt) / (1.0 - burst.peakAt));
        out[first + n] += burst.level * envelope * band;
    }
}

double smoothRamp(double x)
{
    const double s = std::sin(0.5 * std::numbers::pi * std::clamp(x, 0.0, 1.0));
    return s * s;
}

double peakOf(const Signal& signal)
{
    double peak = 0.0;
    for (const double sample : signal) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

void shape(Signal& signal, double seconds, double fadeOutSeconds)
{
    std::size_t size = toSamples(seconds);
    size += size % 2; // an even count keeps the data chunk free of a pad byte
    signal.resize(size, 0.0);

    const std::size_t fadeIn = std::min(size, toSamples(0.002));
    for (std::size_t n = 0; n < fadeIn; ++n) {
        signal[n] *= smoothRamp(static_cast<double>(n) / static_cast<double>(fadeIn));
    }
    const std::size_t fadeOut = std::min(size, toSamples(fadeOutSeconds));
    for (std::size_t n = 0; n < fadeOut; ++n) {
        signal[size - 1 - n] *= smoothRamp(static_cast<double>(n) / static_cast<double>(fadeOut));
    }
}

} // namespace sounds
