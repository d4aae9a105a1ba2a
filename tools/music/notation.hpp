// A compact text notation for melodies and chord charts, so the tune reads like a lead sheet.
#pragma once

#include "midi.hpp"

#include <string>
#include <vector>

namespace music {

inline constexpr Tick kTicksPerBar = 4 * kTicksPerQuarter; // the whole tune is in 4/4

// "C4" = 60, "F#5", "Bb3"; throws std::invalid_argument.
int noteNumber(const std::string& name);

struct Tone
{
    Tick start; // from the beginning of the passage
    Tick length;
    int key;
};

// Bars separated by '|'; each token is NOTE/VALUE with an optional dot, or r/VALUE for a rest:
// "E5/8 G5/8 C6/4 r/2 | C6/1". VALUE is 1, 2, 4, 8 or 16. Every bar must be exactly full,
// which catches miscounted bars; throws std::invalid_argument naming the bar.
std::vector<Tone> parseMelody(const std::string& text, int transpose = 0);

// Number of bars in a melody or chord chart.
int countBars(const std::string& text);

struct Chord
{
    int root = 0;               // pitch class, 0 = C
    std::vector<int> intervals; // semitones above the root, the root itself first
    std::vector<int> pitchClasses() const;
};

// "C", "Am", "G7", "Dm7", "Fmaj7", "Bb", "F#m"; throws std::invalid_argument.
Chord parseChord(const std::string& symbol, int transpose = 0);

struct ChordSpan
{
    Tick start;
    Tick length;
    Chord chord;
};

// Bars separated by '|'; one or more chords per bar share it equally: "C | F G | Am".
std::vector<ChordSpan> parseChords(const std::string& text, int transpose = 0);

// The chord sounding at a tick of the passage.
const ChordSpan& chordAt(const std::vector<ChordSpan>& chart, Tick tick);

} // namespace music
