#include "effects.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sounds {

namespace {

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

// Harmonic series with amplitudes 1/k^slope.
std::vector<Partial> harmonics(int count, double slope)
{
    std::vector<Partial> partials;
    for (int k = 1; k <= count; ++k) {
        partials.push_back({static_cast<double>(k), 1.0 / std::pow(k, slope)});
    }
    return partials;
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

Signal newWord()
{
    Signal out;
    Noise noise(100);
    renderNoise(out, {0.0, 0.38, 350.0, 6000.0, 2.0, 0.9, 0.7}, noise);
    Timbre sparkle = glockenspiel();
    sparkle.partials[0].decay = 0.2;
    play(out, sparkle,
         {{0.10, 0.05, "C5", 0.5},
          {0.15, 0.05, "E5", 0.55},
          {0.20, 0.05, "G5", 0.6},
          {0.25, 0.05, "C6", 0.65},
          {0.30, 0.08, "E6", 0.7}});
    finish(out, 0.55, 0.1, kPeakDb);
    return out;
}

Signal letterTick()
{
    Signal out;
    Timbre tick;
    tick.partials = {{1.0, 1.0, 0.012}, {2.01, 0.12, 0.006}};
    tick.attack = 0.0015;
    tick.release = 0.01;
    play(out, tick, {{0.0, 0.04, "A6"}});
    finish(out, 0.06, 0.015, kPeakDb);
    return out;
}

Signal wordLost()
{
    Signal out;
    Timbre muted;
    muted.partials = harmonics(16, 1.0);
    muted.attack = 0.03;
    muted.release = 0.04;
    // Each note opens and closes like a hand over a bell: "wah".
    muted.brightness = [](double time, double length) {
        return 0.3 + 0.5 * std::sin(std::numbers::pi * std::clamp(time / length, 0.0, 1.0));
    };
    play(out, muted, {{0.00, 0.26, "D4"}, {0.30, 0.26, "C#4"}, {0.60, 0.26, "C4"}});

    Timbre last = muted;
    last.release = 0.08;
    last.vibratoRate = 5.0;
    last.vibratoDepth = 0.2;
    last.vibratoDelay = 0.1;
    // A wobbling "wah-wah-wah" that sags in pitch as it dies away.
    last.brightness = [](double time, double) {
        return 0.3 + 0.45 * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * 4.5 * time));
    };
    last.bend = [](double time, double length) {
        return -0.8 * smoothRamp((time - 0.5 * length) / (0.5 * length));
    };
    play(out, last, {{0.90, 0.42, "B3"}});
    finish(out, 1.42, 0.06, kPeakDb);
    return out;
}

Signal wrongGuess()
{
    Signal out;
    Timbre bonk;
    // Odd harmonics give the buzz; the quick downward pitch gives the "bonk".
    bonk.partials = {
        {1, 1.0, 0.12}, {2, 0.25, 0.08}, {3, 0.45, 0.07}, {5, 0.25, 0.05}, {7, 0.12, 0.04}};
    bonk.attack = 0.003;
    bonk.release = 0.05;
    bonk.bend = [](double time, double) { return 7.0 * (1.0 - smoothRamp(time / 0.06)); };
    play(out, bonk, {{0.0, 0.14, "B2"}});
    Noise noise(103);
    renderNoise(out, {0.0, 0.05, 500.0, 200.0, 0.8, 2.0, 0.1}, noise);
    finish(out, 0.21, 0.04, kPeakDb);
    return out;
}

Signal rightGuess()
{
    Signal out;
    Timbre ding;
    ding.partials = {
        {1.0, 1.0, 0.045}, {2.0, 0.35, 0.025}, {3.0, 0.15, 0.015}, {4.16, 0.08, 0.008}};
    ding.attack = 0.002;
    ding.release = 0.03;
    play(out, ding, {{0.0, 0.08, "A5"}});
    finish(out, 0.11, 0.02, kPeakDb);
    return out;
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
    finish(out, 1.72, 0.12, kPeakDb);
    return out;
}

Signal bellJingle()
{
    Signal out;
    Timbre bell;
    // Hum, strike, minor-third "tierce", fifth and upper modes of a cast bell.
    bell.partials = {{0.5, 0.3, 1.2},  {1.0, 1.0, 0.8},  {1.19, 0.45, 0.5}, {1.5, 0.25, 0.4},
                     {2.0, 0.5, 0.35}, {2.52, 0.2, 0.2}, {3.0, 0.15, 0.15}, {4.1, 0.08, 0.08}};
    bell.attack = 0.002;
    bell.release = 0.1;
    play(out, bell, {{0.0, 0.5, "G5"}, {0.09, 0.5, "C6"}, {0.18, 0.5, "E6"}, {0.27, 0.5, "G6"}});
    finish(out, 0.85, 0.15, kPeakDb);
    return out;
}

Signal marimbaJingle()
{
    Signal out;
    play(out, marimba(),
         {{0.00, 0.07, "C5"},
          {0.08, 0.07, "E5"},
          {0.16, 0.07, "G5"},
          {0.24, 0.07, "A5"},
          {0.32, 0.10, "G5"},
          {0.44, 0.35, "C6"},
          {0.44, 0.35, "E6", 0.7}});
    finish(out, 0.85, 0.1, kPeakDb);
    return out;
}

Signal whistleJingle()
{
    Signal out;
    Timbre whistle;
    whistle.partials = {{1, 1.0}, {2, 0.05}, {3, 0.02}};
    whistle.attack = 0.025;
    whistle.release = 0.05;
    whistle.vibratoRate = 6.0;
    whistle.vibratoDepth = 0.3;
    whistle.vibratoDelay = 0.1;
    whistle.bend = [](double time, double) { return -2.0 * (1.0 - smoothRamp(time / 0.04)); };
    play(out, whistle, {{0.00, 0.10, "E6"}, {0.13, 0.10, "G6"}, {0.26, 0.38, "C7"}});
    Noise noise(108);
    renderNoise(out, {0.0, 0.68, 3000.0, 3500.0, 1.5, 0.05, 0.4}, noise);
    finish(out, 0.72, 0.06, kPeakDb);
    return out;
}

Signal chimeJingle()
{
    Signal out;
    Timbre chime;
    chime.partials = {{1.0, 1.0, 1.0},   {2.0, 0.6, 0.7},  {3.0, 0.4, 0.5},
                      {4.07, 0.25, 0.3}, {5.2, 0.15, 0.2}, {6.45, 0.08, 0.12}};
    chime.attack = 0.002;
    chime.release = 0.15;
    play(out, chime,
         {{0.0, 0.45, "G5"}, {0.14, 0.45, "E5"}, {0.28, 0.45, "A5"}, {0.42, 0.45, "C6"}});
    finish(out, 0.98, 0.2, kPeakDb);
    return out;
}

Signal glockenspielJingle()
{
    Signal out;
    play(out, glockenspiel(),
         {{0.00, 0.06, "C6", 0.7},
          {0.06, 0.06, "E6", 0.75},
          {0.12, 0.06, "G6", 0.8},
          {0.18, 0.06, "C7", 0.85},
          {0.24, 0.06, "G6", 0.8},
          {0.30, 0.06, "C7", 0.9},
          {0.36, 0.30, "E7"}});
    finish(out, 0.75, 0.1, kPeakDb);
    return out;
}

Signal chipJingle()
{
    Signal out;
    Timbre pulse;
    // A quarter-duty pulse wave, built band-limited from its harmonics.
    for (int k = 1; k <= 20; ++k) {
        const double amplitude = std::abs(std::sin(std::numbers::pi * k * 0.25)) / k;
        if (amplitude > 1e-9) {
            pulse.partials.push_back({static_cast<double>(k), amplitude});
        }
    }
    pulse.attack = 0.002;
    pulse.release = 0.015;
    pulse.vibratoRate = 8.0;
    pulse.vibratoDepth = 0.3;
    pulse.vibratoDelay = 0.08;
    const char* run[] = {"C5", "E5", "G5", "C6", "D5", "F5", "A5", "D6", "E5", "G5", "C6", "E6"};
    double time = 0.0;
    for (const char* note : run) {
        play(out, pulse, {{time, 0.035, note, 0.8}});
        time += 0.045;
    }
    play(out, pulse, {{time, 0.2, "G6"}});
    finish(out, 0.8, 0.04, kPeakDb);
    return out;
}

Signal kalimbaJingle()
{
    Signal out;
    Timbre kalimba;
    kalimba.partials = {{1.0, 1.0, 0.45}, {5.95, 0.3, 0.03}};
    kalimba.attack = 0.002;
    kalimba.release = 0.08;
    play(out, kalimba,
         {{0.00, 0.1, "D6"},
          {0.08, 0.1, "B5"},
          {0.16, 0.1, "G5"},
          {0.24, 0.1, "B5"},
          {0.32, 0.1, "D6"},
          {0.40, 0.35, "G6"}});
    finish(out, 0.85, 0.1, kPeakDb);
    return out;
}

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
    const char* glissando[] = {"C4", "E4", "G4", "C5", "E5", "G5", "C6"};
    double time = 0.0;
    for (const char* note : glissando) {
        play(out, harp, {{time, 0.6, note, 0.8}});
        time += 0.035;
    }
    finish(out, 0.9, 0.15, kPeakDb);
    return out;
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
