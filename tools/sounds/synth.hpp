// Small additive synthesiser that renders short effects into a float buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace sounds {

inline constexpr int kSampleRate = 22050;

// Mono signal, nominal range -1..1 before normalisation.
using Signal = std::vector<double>;

std::size_t toSamples(double seconds);
double secondsOf(const Signal& signal);

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double midiToHz(double midiNote);
// "C4", "F#5", "Bb3" -> MIDI note number; throws std::invalid_argument otherwise.
int noteNumber(const char* name);

struct Partial
{
    double ratio;     // frequency relative to the note's fundamental
    double amplitude; // relative level at the onset
    double decay = 0; // seconds to fall to 1/e; 0 keeps it steady
};

struct Timbre
{
    std::vector<Partial> partials;
    double attack = 0.005;   // seconds
    double release = 0.03;   // seconds after the note's nominal end
    double vibratoRate = 0;  // Hz
    double vibratoDepth = 0; // semitones
    double vibratoDelay = 0; // seconds before vibrato sets in
    // Optional pitch offset in semitones over the note's life (t, length).
    std::function<double(double, double)> bend;
    // Optional brightness 0..1: partial i is scaled by brightness^i.
    std::function<double(double, double)> brightness;
};

struct Note
{
    double start;     // seconds
    double length;    // seconds until the release begins
    double frequency; // Hz
    double velocity = 1.0;
};

// Adds the note into the signal, growing it as needed.
void renderNote(Signal& out, const Timbre& timbre, const Note& note);

// Deterministic noise source, so every build writes identical files.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    double next(); // uniform in [-1, 1)

private:
    std::uint32_t state_;
};

struct NoiseBurst
{
    double start;
    double length;
    double fromHz; // band-pass centre at the start ...
    double toHz;   // ... and at the end (exponential sweep)
    double q = 1.0;
    double level = 1.0;
    double peakAt = 0.5; // fraction of the length where the envelope peaks
};

// Adds band-pass filtered noise with a swept centre frequency.
void renderNoise(Signal& out, const NoiseBurst& burst, Noise& noise);

// Pads or cuts to the length, fades both ends so the file starts and ends at silence and
// makes the sample count even.
void shape(Signal& signal, double seconds, double fadeOutSeconds);

double peakOf(const Signal& signal);

// Smooth 0..1 ramp over x in 0..1, without a corner at either end.
double smoothRamp(double x);

} // namespace sounds
