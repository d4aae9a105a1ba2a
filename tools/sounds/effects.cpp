#include "effects.hpp"

#include "loudness.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sounds {

namespace {

// Rounding to 8 bits may lift the peak by half a step; this keeps it under the ceiling.
constexpr double kCeilingMargin = 0.2;

struct Step
{
    double time;
    double length;
    const char* note;
    double velocity = 1.0;
};

void play(Signal& out, const Timbre& timbre, std::initializer_list<Step> steps)
{
    for (const Step& step : steps) {
        renderNote(out, timbre,
                   {step.time, step.length, midiToHz(noteNumber(step.note)), step.velocity});
    }
}

// Cuts, fades and brings the effect to the target loudness plus `levelDb`.
Signal mixed(Signal out, double seconds, double fadeOutSeconds, double levelDb = 0.0)
{
    shape(out, seconds, fadeOutSeconds);
    setLoudness(out, kSampleRate, kTargetLoudness + levelDb, kPeakCeilingDb - kCeilingMargin);
    return out;
}

// Harmonic series with amplitudes 1/k^slope.
std::vector<Partial> harmonics(int count, double slope)
{
    std::vector<Partial> partials;
    for (int k = 1; k <= count; ++k) {
        partials.push_back({static_cast<double>(k), 1.0 / std::pow(k, slope)});
    }
    return partials;
}

// Bends the pitch through the points (time, semitones), gliding smoothly between them.
double glide(std::initializer_list<std::pair<double, double>> points, double time)
{
    const auto* previous = points.begin();
    for (const auto* point = points.begin(); point != points.end(); ++point) {
        if (time < point->first) {
            if (point == points.begin()) {
                return point->second;
            }
            const double x = (time - previous->first) / (point->first - previous->first);
            return previous->second + (point->second - previous->second) * smoothRamp(x);
        }
        previous = point;
    }
    return previous->second;
}

Timbre glockenspiel()
{
    Timbre t;
    // Free-bar modes: the overtones of a struck metal bar are not harmonic.
    t.partials = {{1.0, 1.0, 0.6}, {2.76, 0.45, 0.12}, {5.40, 0.2, 0.05}, {8.93, 0.1, 0.02}};
    t.attack = 0.0015;
    t.release = 0.08;
    return t;
}

Timbre marimba()
{
    Timbre t;
    // Tuned wooden bar: strong fundamental, quickly fading fourth-ish and tenth-ish modes.
    t.partials = {{1.0, 1.0, 0.3}, {3.93, 0.3, 0.05}, {9.2, 0.1, 0.015}};
    t.attack = 0.002;
    t.release = 0.05;
    return t;
}

Timbre brass()
{
    Timbre t;
    t.partials = harmonics(16, 1.0);
    t.attack = 0.03;
    t.release = 0.06;
    t.vibratoRate = 5.5;
    t.vibratoDepth = 0.15;
    t.vibratoDelay = 0.25;
    // The lip buzz opens up just after the onset, then settles a little.
    t.brightness = [](double time, double) {
        return 0.35 + 0.45 * smoothRamp(time / 0.06) - 0.1 * smoothRamp((time - 0.06) / 0.2);
    };
    return t;
}

// A whoosh that rises into two bubbles popping: something is about to appear. No tune, so
// that it is not mistaken for a solved word.
Signal newWord()
{
    Signal out;
    Noise noise(100);
    renderNoise(out, {0.0, 0.34, 400.0, 4500.0, 1.5, 0.8, 0.8}, noise);
    Timbre bubble;
    bubble.partials = {{1.0, 1.0, 0.05}, {2.0, 0.15, 0.02}};
    bubble.attack = 0.002;
    bubble.release = 0.03;
    // Each pop swoops up a fourth into its note.
    bubble.bend = [](double time, double) { return -5.0 * (1.0 - smoothRamp(time / 0.035)); };
    play(out, bubble, {{0.29, 0.06, "E5", 0.8}, {0.39, 0.1, "B5"}});
    return mixed(out, 0.6, 0.08);
}

// A dry wood-block tock: it comes ten times a second while a solution is shown.
Signal letterTick()
{
    Signal out;
    Timbre tock;
    tock.partials = {{1.0, 1.0, 0.06}, {2.66, 0.3, 0.02}, {5.1, 0.1, 0.008}};
    tock.attack = 0.001;
    tock.release = 0.045;
    play(out, tock, {{0.0, 0.035, "C#6"}});
    Noise noise(101);
    renderNoise(out, {0.0, 0.006, 3000.0, 2500.0, 1.0, 0.5, 0.2}, noise);
    // The meter spreads this tenth of a second over its 0.4 s window and reads 6 dB under the
    // tick's own level; the ear sums over a shorter time and hears it about halfway between.
    // Hence a trim near the low end of the tolerance.
    return mixed(out, 0.098, 0.02, -2.5);
}

Signal wordLost()
{
    Signal out;
    Timbre muted;
    muted.partials = harmonics(16, 0.5);
    muted.attack = 0.03;
    muted.release = 0.04;
    // Each note opens and closes like a hand over a bell: "wah".
    muted.brightness = [](double time, double length) {
        return 0.5 + 0.4 * std::sin(std::numbers::pi * std::clamp(time / length, 0.0, 1.0));
    };
    play(out, muted, {{0.00, 0.26, "G4"}, {0.30, 0.26, "F#4"}, {0.60, 0.26, "F4"}});

    Timbre last = muted;
    last.release = 0.08;
    last.vibratoRate = 5.0;
    last.vibratoDepth = 0.2;
    last.vibratoDelay = 0.1;
    // A wobbling "wah-wah-wah" that sags in pitch as it dies away.
    last.brightness = [](double time, double) {
        return 0.5 + 0.4 * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * 4.5 * time));
    };
    last.bend = [](double time, double length) {
        return -0.8 * smoothRamp((time - 0.5 * length) / (0.5 * length));
    };
    play(out, last, {{0.90, 0.42, "E4"}});
    // Every lost word brings it, and it is the longest effect: kept a little under the rest.
    return mixed(out, 1.42, 0.06, -1.0);
}

// Sawtooth-like buzz with a nasal bump around 1.2 kHz, where small speakers still work.
Timbre buzzer(double fundamentalHz)
{
    Timbre t;
    for (int k = 1; k <= 14; ++k) {
        const double offFormant = (k * fundamentalHz - 1200.0) / 700.0;
        t.partials.push_back(
            {static_cast<double>(k), (1.0 + 1.5 * std::exp(-offFormant * offFormant)) / k});
    }
    t.attack = 0.004;
    t.release = 0.03;
    t.bend = [](double time, double length) { return -0.6 * smoothRamp(time / length); };
    return t;
}

// "Nuh-uh": two rough, falling buzzes a tritone apart, with a bright knock at the start.
Signal wrongGuess()
{
    Signal out;
    struct Buzz
    {
        double start;
        double length;
        const char* note;
    };
    for (const Buzz& buzz : {Buzz{0.0, 0.075, "A4"}, Buzz{0.105, 0.12, "Eb4"}}) {
        const double hz = midiToHz(noteNumber(buzz.note));
        const Timbre timbre = buzzer(hz);
        // A second voice a quarter tone sharp beats against the first: the roughness of "no".
        renderNote(out, timbre, {buzz.start, buzz.length, hz, 0.6});
        renderNote(out, timbre, {buzz.start, buzz.length, hz * 1.03, 0.45});
    }
    Noise noise(103);
    renderNoise(out, {0.0, 0.012, 2600.0, 2000.0, 1.0, 1.2, 0.15}, noise);
    return mixed(out, 0.28, 0.04, -0.5);
}

Signal rightGuess()
{
    Signal out;
    Timbre ding;
    ding.partials = {{1.0, 1.0, 0.06}, {2.0, 0.35, 0.03}, {3.0, 0.15, 0.015}, {4.16, 0.08, 0.008}};
    ding.attack = 0.002;
    ding.release = 0.03;
    play(out, ding, {{0.0, 0.1, "A5"}});
    // Short like the letter tick, and trimmed for the same reason.
    return mixed(out, 0.146, 0.03, -2.0);
}

Signal gameWon()
{
    Signal out;
    const Timbre horn = brass();
    play(out, horn,
         {{0.00, 0.10, "G4", 0.8},
          {0.12, 0.10, "C5", 0.85},
          {0.24, 0.10, "E5", 0.9},
          {0.36, 0.22, "G5"},
          {0.60, 0.10, "E5", 0.85},
          {0.72, 0.90, "C6"},
          {0.72, 0.90, "G5", 0.7},
          {0.72, 0.90, "E5", 0.7},
          {0.72, 0.90, "C4", 0.6}});
    play(out, glockenspiel(), {{0.72, 0.3, "C7", 0.35}});
    Noise noise(105);
    renderNoise(out, {0.72, 0.9, 8000.0, 6000.0, 0.7, 0.25, 0.02}, noise);
    return mixed(out, 1.72, 0.12);
}

// --- the eight solved-word jingles: each its own instrument, key, contour and rhythm -------

// Handbells ringing down the F major scale in even strokes.
Signal bellJingle()
{
    Signal out;
    Timbre bell;
    // Hum, strike, minor-third "tierce", fifth and upper modes of a cast bell.
    bell.partials = {{0.5, 0.3, 1.2},  {1.0, 1.0, 0.8},  {1.19, 0.45, 0.5}, {1.5, 0.25, 0.4},
                     {2.0, 0.5, 0.35}, {2.52, 0.2, 0.2}, {3.0, 0.15, 0.15}, {4.1, 0.08, 0.08}};
    bell.attack = 0.002;
    bell.release = 0.1;
    play(out, bell,
         {{0.0, 0.4, "C6"},
          {0.1, 0.4, "Bb5", 0.9},
          {0.2, 0.4, "A5", 0.9},
          {0.3, 0.4, "G5", 0.9},
          {0.4, 0.45, "F5"}});
    return mixed(out, 0.92, 0.15);
}

// Marimba climbing D major in three short-short-long steps.
Signal marimbaJingle()
{
    Signal out;
    play(out, marimba(),
         {{0.00, 0.06, "D5", 0.8},
          {0.07, 0.06, "E5", 0.8},
          {0.14, 0.12, "F#5"},
          {0.28, 0.06, "F#5", 0.8},
          {0.35, 0.06, "G5", 0.8},
          {0.42, 0.12, "A5"},
          {0.56, 0.3, "D6"},
          {0.56, 0.3, "F#5", 0.6}});
    return mixed(out, 0.92, 0.1);
}

// A slide whistle swooping up, dipping and swooping higher, in G and no higher than D6.
Signal whistleJingle()
{
    Signal out;
    Timbre whistle;
    whistle.partials = {{1, 1.0}, {2, 0.12}, {3, 0.04}};
    whistle.attack = 0.03;
    whistle.release = 0.06;
    whistle.vibratoRate = 6.0;
    whistle.vibratoDepth = 0.25;
    whistle.vibratoDelay = 0.4;
    whistle.bend = [](double time, double) {
        return glide({{0.0, -5.0}, {0.17, 4.0}, {0.26, 0.0}, {0.40, 7.0}}, time);
    };
    play(out, whistle, {{0.0, 0.52, "G5"}});
    Noise noise(108);
    renderNoise(out, {0.0, 0.6, 1500.0, 2200.0, 1.5, 0.04, 0.4}, noise);
    return mixed(out, 0.66, 0.06);
}

// Tubular chimes zig-zagging up a B-flat major chord in a long-short lilt.
Signal chimeJingle()
{
    Signal out;
    Timbre chime;
    chime.partials = {{1.0, 1.0, 1.0},   {2.0, 0.6, 0.7},  {3.0, 0.4, 0.5},
                      {4.07, 0.25, 0.3}, {5.2, 0.15, 0.2}, {6.45, 0.08, 0.12}};
    chime.attack = 0.002;
    chime.release = 0.15;
    play(out, chime,
         {{0.00, 0.3, "Bb4"},
          {0.18, 0.3, "F4", 0.8},
          {0.24, 0.3, "D5"},
          {0.42, 0.3, "Bb4", 0.8},
          {0.48, 0.4, "F5"}});
    return mixed(out, 0.98, 0.2);
}

// Glockenspiel sparkling up the C major chord and turning at the top, in quick even notes.
Signal glockenspielJingle()
{
    Signal out;
    play(out, glockenspiel(),
         {{0.00, 0.06, "G5", 0.7},
          {0.06, 0.06, "C6", 0.75},
          {0.12, 0.06, "E6", 0.8},
          {0.18, 0.06, "G6", 0.85},
          {0.24, 0.06, "E6", 0.8},
          {0.30, 0.06, "G6", 0.9},
          {0.36, 0.30, "C7"}});
    return mixed(out, 0.75, 0.1);
}

// A square-wave fanfare in A: three repeated staccato notes, a leap up and a turn.
Signal chipJingle()
{
    Signal out;
    Timbre square;
    // Odd harmonics only, falling off faster than a true square: chiptune, but not a rasp.
    for (int k = 1; k <= 11; k += 2) {
        square.partials.push_back({static_cast<double>(k), 1.0 / std::pow(k, 1.2)});
    }
    square.attack = 0.003;
    square.release = 0.02;
    square.vibratoRate = 7.0;
    square.vibratoDepth = 0.2;
    square.vibratoDelay = 0.1;
    play(out, square,
         {{0.00, 0.04, "E5", 0.8},
          {0.07, 0.04, "E5", 0.8},
          {0.14, 0.04, "E5", 0.8},
          {0.21, 0.15, "A5"},
          {0.40, 0.05, "G#5", 0.85},
          {0.47, 0.22, "A5"}});
    return mixed(out, 0.74, 0.04);
}

// Kalimba up and back down an E major arch, swung long-short.
Signal kalimbaJingle()
{
    Signal out;
    Timbre kalimba;
    kalimba.partials = {{1.0, 1.0, 0.45}, {5.95, 0.3, 0.03}};
    kalimba.attack = 0.002;
    kalimba.release = 0.08;
    play(out, kalimba,
         {{0.00, 0.1, "E5"},
          {0.10, 0.1, "G#5", 0.8},
          {0.15, 0.1, "B5"},
          {0.25, 0.1, "C#6", 0.8},
          {0.30, 0.1, "B5"},
          {0.40, 0.1, "G#5", 0.8},
          {0.45, 0.35, "E5"}});
    return mixed(out, 0.88, 0.1);
}

// A harp glissando sweeping two octaves up the E-flat major scale, then a plucked chord.
Signal harpJingle()
{
    Signal out;
    Timbre harp;
    // Plucked near the end of the string: every harmonic present, the high ones die first.
    for (int k = 1; k <= 10; ++k) {
        harp.partials.push_back({static_cast<double>(k),
                                 std::abs(std::sin(std::numbers::pi * k * 0.18)) / k,
                                 0.6 / std::pow(k, 0.8)});
    }
    harp.attack = 0.002;
    harp.release = 0.1;
    const char* glissando[] = {"Eb4", "F4", "G4",  "Ab4", "Bb4", "C5", "D5", "Eb5",
                               "F5",  "G5", "Ab5", "Bb5", "C6",  "D6", "Eb6"};
    double time = 0.0;
    for (const char* note : glissando) {
        play(out, harp, {{time, 0.4, note, 0.6}});
        time += 0.028;
    }
    play(out, harp,
         {{0.50, 0.4, "Eb5"},
          {0.515, 0.4, "G5", 0.9},
          {0.53, 0.4, "Bb5", 0.9},
          {0.545, 0.4, "Eb6"}});
    return mixed(out, 0.98, 0.15);
}

} // namespace

Signal makeEffect(int id)
{
    switch (id) {
    case 100:
        return newWord();
    case 101:
        return letterTick();
    case 102:
        return wordLost();
    case 103:
        return wrongGuess();
    case 104:
        return rightGuess();
    case 105:
        return gameWon();
    case 106:
        return bellJingle();
    case 107:
        return marimbaJingle();
    case 108:
        return whistleJingle();
    case 109:
        return chimeJingle();
    case 110:
        return glockenspielJingle();
    case 111:
        return chipJingle();
    case 112:
        return kalimbaJingle();
    case 113:
        return harpJingle();
    default:
        throw std::out_of_range("no sound effect " + std::to_string(id));
    }
}

} // namespace sounds
