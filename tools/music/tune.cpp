#include "tune.hpp"

#include "notation.hpp"

#include <algorithm>
#include <stdexcept>

namespace music {

namespace {

constexpr double kTempo = 132.0;
constexpr Tick kEighth = kTicksPerQuarter / 2;

enum class Style
{
    Intro,
    Verse,
    Bridge,
    Reprise,
    Ending
};

struct Section
{
    const char* marker;
    Style style;
    int transpose;
    const char* chords;
    const char* melody;
};

// The verse's melody and harmony; the reprise plays them a whole tone higher.
constexpr const char* kVerseChords =
    "C | G | Am | F | C | G | F G | C | C | G | Am | F | Dm | G7 | F G7 | C";
constexpr const char* kVerseMelody =
    "E5/8 G5/8 C6/4 B5/8 G5/8 E5/4 | D5/8 G5/8 B5/4 A5/8 G5/8 D5/4 |"
    "C5/8 E5/8 A5/4 G5/8 A5/8 G5/8 E5/8 | F5/4. E5/8 D5/4 C5/4 |"
    "E5/8 G5/8 C6/4 B5/8 G5/8 E5/4 | D5/8 G5/8 B5/4 D6/8 C6/8 B5/4 |"
    "A5/8 C6/8 A5/8 F5/8 G5/8 B5/8 D6/8 B5/8 | C6/4. G5/8 C6/2 |"
    "E5/8 G5/8 C6/4 B5/8 G5/8 E5/4 | D5/8 G5/8 B5/4 A5/8 G5/8 D5/4 |"
    "E5/8 A5/8 C6/4 B5/8 A5/8 E5/4 | F5/8 A5/8 C6/4 D6/8 C6/8 A5/4 |"
    "D6/4 C6/8 A5/8 F5/4 A5/4 | G5/4 B5/8 D6/8 G6/4 F6/4 |"
    "A5/8 C6/8 F6/8 C6/8 B5/8 D6/8 G6/8 F6/8 | E6/4 D6/8 E6/8 C6/2";

const Section kSections[] = {
    {"Intro", Style::Intro, 0, "C | Am | F | G7",
     "r/2 G5/8 C6/8 E6/4 | r/2 A5/8 C6/8 E6/4 | r/2 A5/8 C6/8 F6/4 | G6/4 F6/4 D6/4 B5/4"},
    {"A", Style::Verse, 0, kVerseChords, kVerseMelody},
    // The bridge sings longer notes over the subdominant side, with a wistful minor iv,
    // and its last chord leads into the new key of the reprise.
    {"B", Style::Bridge, 0,
     "F | G | Em | Am | Dm | G | C | C7 | F | G | Em | Am | Dm | Fm | G | A7",
     "A5/4. G5/8 F5/4 C5/4 | B5/4. A5/8 G5/4 D5/4 | G5/4. F5/8 E5/4 B4/4 | C5/4 E5/4 A5/2 |"
     "F5/4. E5/8 D5/4 A5/4 | G5/4. F5/8 D5/4 B4/4 | C5/4 E5/4 G5/4 C6/4 | Bb5/2. G5/4 |"
     "A5/4. G5/8 F5/4 C5/4 | B5/4. A5/8 G5/4 D5/4 | G5/4. F5/8 E5/4 B4/4 | C5/4 E5/4 A5/4 C6/4 |"
     "D6/4. C6/8 A5/4 F5/4 | Ab5/4. G5/8 F5/4 C5/4 | D5/4 G5/4 B5/4 D6/4 | A5/4 C#6/4 E6/4 G6/4"},
    {"A'", Style::Reprise, 2, kVerseChords, kVerseMelody},
    {"Ending", Style::Ending, 2, "C | F | G7 | C",
     "E5/8 G5/8 C6/4 B5/8 G5/8 E5/4 | F5/8 A5/8 C6/4 D6/8 C6/8 A5/4 |"
     "G5/8 B5/8 D6/8 F6/8 D6/4 B5/4 | C6/1"},
};

// General MIDI channels and programs of the band.
struct Voice
{
    int channel;
    int program;
    int volume;
    int pan;
    int reverb;
    int chorus;
};
// The melody instruments stand about 3 dB over the rest of the band, which `--check`
// measures; the bass, which counts for much in loudness and little on small speakers, is
// kept back.
constexpr Voice kMarimba{0, 12, 127, 70, 40, 0};
constexpr Voice kFlute{1, 73, 80, 56, 50, 10};
constexpr Voice kGlockenspiel{2, 9, 120, 84, 50, 0};
constexpr Voice kPiano{3, 0, 92, 46, 35, 0};
constexpr Voice kStrings{4, 48, 60, 88, 60, 30};
constexpr Voice kBass{5, 33, 76, 64, 15, 0};
constexpr Voice kDrums{kPercussionChannel, 0, 90, 64, 30, 0};

// General MIDI percussion keys.
enum Drum
{
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kClap = 39,
    kLowFloorTom = 41,
    kClosedHat = 42,
    kLowTom = 45,
    kOpenHat = 46,
    kHighMidTom = 48,
    kCrash = 49,
    kHighTom = 50,
    kShaker = 70,
};

struct Band
{
    Track conductor{"Frostel"};
    Track marimba{"Marimba"};
    Track flute{"Flute"};
    Track glockenspiel{"Glockenspiel"};
    Track piano{"Piano"};
    Track strings{"Strings"};
    Track bass{"Bass"};
    Track drums{"Drums"};
};

void setUp(Track& track, const Voice& voice)
{
    track.program(0, voice.channel, voice.program);
    track.control(0, voice.channel, 7, voice.volume);
    track.control(0, voice.channel, 10, voice.pan);
    track.control(0, voice.channel, 91, voice.reverb);
    track.control(0, voice.channel, 93, voice.chorus);
}

// Stronger on the first beat, a little on the third, lighter off the beat.
int accent(Tick inBar)
{
    if (inBar == 0) {
        return 10;
    }
    if (inBar == 2 * kTicksPerQuarter) {
        return 5;
    }
    return inBar % kTicksPerQuarter == 0 ? 2 : -6;
}

struct Articulation
{
    double legato; // sounding share of the written length
    Tick longest;  // ringing instruments need no long notes
    int velocity;
};

void playLead(Track& track, const Voice& voice, const std::vector<Tone>& tones, Tick start,
              const Articulation& how)
{
    for (const Tone& tone : tones) {
        const auto sounding = std::min(static_cast<Tick>(tone.length * how.legato), how.longest);
        track.note(start + tone.start, sounding, voice.channel, tone.key,
                   how.velocity + accent(tone.start % kTicksPerBar));
    }
}

// Close position inside one octave from `lowest`: neighbouring chords then share or
// step between notes, which keeps the accompaniment smooth without planning.
std::vector<int> voicing(const Chord& chord, int lowest)
{
    std::vector<int> keys;
    for (const int pitchClass : chord.pitchClasses()) {
        keys.push_back(lowest + ((pitchClass - lowest) % 12 + 12) % 12);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int bassKey(const Chord& chord)
{
    return voicing(Chord{chord.root, {0}}, 33).front(); // A1 .. G#2
}

struct Hit
{
    int eighth;
    int eighths;
    int velocity;
};

void comp(Track& track, const std::vector<ChordSpan>& chart, Tick start, int bars,
          const std::vector<Hit>& pattern, int velocityShift)
{
    for (int bar = 0; bar < bars; ++bar) {
        for (const Hit& hit : pattern) {
            const Tick at = static_cast<Tick>(bar) * kTicksPerBar + hit.eighth * kEighth;
            for (const int key : voicing(chordAt(chart, at).chord, 55)) {
                track.note(start + at, hit.eighths * kEighth - 20, kPiano.channel, key,
                           hit.velocity + velocityShift);
            }
        }
    }
}

void arpeggiate(Track& track, const std::vector<ChordSpan>& chart, Tick start, int bars)
{
    static constexpr int kOrder[] = {0, 1, 2, 3, 2, 1, 2, 3};
    for (int bar = 0; bar < bars; ++bar) {
        for (int step = 0; step < 8; ++step) {
            const Tick at = static_cast<Tick>(bar) * kTicksPerBar + step * kEighth;
            std::vector<int> keys = voicing(chordAt(chart, at).chord, 55);
            keys.push_back(keys.front() + 12);
            track.note(start + at, 2 * kEighth, kPiano.channel, keys[kOrder[step]],
                       (step == 0 ? 58 : 48) + (step % 2 ? 0 : 4));
        }
    }
}

void rolledChord(Track& track, const Chord& chord, Tick at, Tick length)
{
    std::vector<int> keys = voicing(chord, 55);
    keys.insert(keys.begin(), bassKey(chord) + 12);
    keys.push_back(keys[1] + 12);
    Tick offset = 0;
    for (const int key : keys) {
        track.note(at + offset, length - offset, kPiano.channel, key, 70);
        offset += 40;
    }
}

enum class Degree
{
    Root,
    Fifth,
    Octave
};

struct BassHit
{
    int eighth;
    int eighths;
    Degree degree;
    int velocity;
};

const std::vector<BassHit> kBouncingBass = {{0, 2, Degree::Root, 100},
                                            {3, 1, Degree::Root, 78},
                                            {4, 2, Degree::Fifth, 92},
                                            {6, 1, Degree::Octave, 80},
                                            {7, 1, Degree::Fifth, 76}};
const std::vector<BassHit> kCalmBass = {
    {0, 4, Degree::Root, 84}, {4, 2, Degree::Fifth, 76}, {6, 2, Degree::Root, 72}};

void bassLine(Track& track, const std::vector<ChordSpan>& chart, Tick start, int fromBar, int bars,
              const std::vector<BassHit>& pattern)
{
    for (int bar = fromBar; bar < bars; ++bar) {
        for (const BassHit& hit : pattern) {
            const Tick at = static_cast<Tick>(bar) * kTicksPerBar + hit.eighth * kEighth;
            const ChordSpan& span = chordAt(chart, at);
            const int root = bassKey(span.chord);
            // A new chord is always announced by its root.
            const Degree degree = at == span.start ? Degree::Root : hit.degree;
            const int key = degree == Degree::Root    ? root
                            : degree == Degree::Fifth ? root + 7
                                                      : root + 12;
            track.note(start + at, hit.eighths * kEighth - 30, kBass.channel, key, hit.velocity);
        }
    }
}

void pad(Track& track, const std::vector<ChordSpan>& chart, Tick start, int velocity)
{
    for (const ChordSpan& span : chart) {
        for (const int key : voicing(span.chord, 60)) {
            track.note(start + span.start, span.length - 10, kStrings.channel, key, velocity);
        }
    }
}

// --- drums -------------------------------------------------------------------------------

void hit(Track& track, Tick at, int key, int velocity)
{
    track.note(at, kEighth / 2, kDrums.channel, key, velocity);
}

void hats(Track& track, Tick bar, int onBeat, int offBeat, bool openAtEnd)
{
    for (int eighth = 0; eighth < 8; ++eighth) {
        const bool last = eighth == 7;
        hit(track, bar + eighth * kEighth, last && openAtEnd ? kOpenHat : kClosedHat,
            eighth % 2 ? offBeat : onBeat);
    }
}

void drivingGroove(Track& track, Tick bar, bool openHat, bool claps)
{
    hats(track, bar, 70, 50, openHat);
    hit(track, bar, kKick, 100);
    hit(track, bar + 4 * kEighth, kKick, 92);
    hit(track, bar + 5 * kEighth, kKick, 70);
    for (const int beat : {1, 3}) {
        hit(track, bar + beat * kTicksPerQuarter, kSnare, 88);
        if (claps) {
            hit(track, bar + beat * kTicksPerQuarter, kClap, 60);
        }
    }
}

void gentleGroove(Track& track, Tick bar)
{
    for (int eighth = 0; eighth < 8; ++eighth) {
        hit(track, bar + eighth * kEighth, kShaker, eighth % 2 ? 34 : 44);
    }
    hit(track, bar, kKick, 84);
    hit(track, bar + 5 * kEighth, kKick, 66);
    hit(track, bar + kTicksPerQuarter, kSideStick, 70);
    hit(track, bar + 3 * kTicksPerQuarter, kSideStick, 70);
}

// Beats 1-2 keep time, beats 3-4 roll into the next section.
void snareFill(Track& track, Tick bar)
{
    hats(track, bar, 70, 50, false);
    hit(track, bar, kKick, 100);
    hit(track, bar + kTicksPerQuarter, kSnare, 88);
    for (int i = 0; i < 4; ++i) {
        hit(track, bar + (4 + i) * kEighth, kSnare, 72 + 10 * i);
    }
    hit(track, bar + 4 * kEighth, kKick, 90);
}

void tomFill(Track& track, Tick bar)
{
    gentleGroove(track, bar);
    const int toms[] = {kHighTom, kHighMidTom, kLowTom, kLowFloorTom};
    for (int i = 0; i < 4; ++i) {
        hit(track, bar + (4 + i) * kEighth, toms[i], 76 + 8 * i);
    }
}

void drumPart(Track& track, Style style, Tick start, int bars)
{
    for (int bar = 0; bar < bars; ++bar) {
        const Tick at = start + static_cast<Tick>(bar) * kTicksPerBar;
        const bool lastBar = bar == bars - 1;
        const bool openHat = bar % 4 == 3;
        switch (style) {
        case Style::Intro:
            if (lastBar) {
                snareFill(track, at);
            } else {
                hats(track, at, 44, 30, false);
                if (bar >= 2) {
                    hit(track, at, kKick, 90);
                    hit(track, at + 4 * kEighth, kKick, 84);
                }
            }
            break;
        case Style::Verse:
        case Style::Reprise:
            if (lastBar) {
                snareFill(track, at);
            } else {
                drivingGroove(track, at, openHat, style == Style::Reprise);
            }
            break;
        case Style::Bridge:
            if (lastBar) {
                tomFill(track, at);
            } else {
                gentleGroove(track, at);
            }
            break;
        case Style::Ending:
            if (bar == bars - 2) {
                snareFill(track, at);
            } else if (lastBar) {
                hit(track, at, kKick, 110);
                hit(track, at, kCrash, 112);
            } else {
                drivingGroove(track, at, false, true);
            }
            break;
        }
    }
    if (style != Style::Intro) {
        hit(track, start, kCrash, style == Style::Bridge ? 80 : 105);
    }
}

// --- sections ----------------------------------------------------------------------------

const std::vector<Hit> kSkipHits = {{0, 1, 60}, {2, 1, 70}, {5, 1, 60}, {6, 2, 68}};

void arrange(Band& band, const Section& section, Tick start)
{
    const auto chart = parseChords(section.chords, section.transpose);
    const auto melody = parseMelody(section.melody, section.transpose);
    const int bars = countBars(section.chords);
    const Articulation marimba{0.9, kTicksPerBar, 104};
    const Articulation glockenspiel{0.8, kTicksPerQuarter, 80};

    switch (section.style) {
    case Style::Intro:
        // Alone here, the glockenspiel carries the tune by itself.
        playLead(band.glockenspiel, kGlockenspiel, melody, start, {0.8, kTicksPerQuarter, 118});
        comp(band.piano, chart, start, bars, kSkipHits, -6);
        bassLine(band.bass, chart, start, 2, bars, kBouncingBass);
        break;
    case Style::Verse:
        playLead(band.marimba, kMarimba, melody, start, marimba);
        comp(band.piano, chart, start, bars, kSkipHits, 0);
        bassLine(band.bass, chart, start, 0, bars, kBouncingBass);
        break;
    case Style::Bridge:
        // A little softer than the verses on either side: a breather before the reprise.
        playLead(band.flute, kFlute, melody, start, {0.96, kTicksPerBar, 92});
        arpeggiate(band.piano, chart, start, bars);
        pad(band.strings, chart, start, 40);
        bassLine(band.bass, chart, start, 0, bars, kCalmBass);
        break;
    case Style::Reprise:
        playLead(band.marimba, kMarimba, melody, start, marimba);
        playLead(band.glockenspiel, kGlockenspiel, melody, start, glockenspiel);
        comp(band.piano, chart, start, bars, kSkipHits, 4);
        pad(band.strings, chart, start, 32);
        bassLine(band.bass, chart, start, 0, bars, kBouncingBass);
        break;
    case Style::Ending: {
        const Tick lastBar = start + static_cast<Tick>(bars - 1) * kTicksPerBar;
        playLead(band.marimba, kMarimba, melody, start, marimba);
        playLead(band.glockenspiel, kGlockenspiel, melody, start, glockenspiel);
        comp(band.piano, chart, start, bars - 1, kSkipHits, -4);
        rolledChord(band.piano, chart.back().chord, lastBar, kTicksPerBar);
        pad(band.strings, chart, start, 24);
        bassLine(band.bass, chart, start, 0, bars - 1, kBouncingBass);
        band.bass.note(lastBar, kTicksPerBar, kBass.channel, bassKey(chart.back().chord), 100);
        // Broaden into the last chord.
        band.conductor.tempo(lastBar - kTicksPerBar + 2 * kTicksPerQuarter, 124);
        band.conductor.tempo(lastBar - kTicksPerQuarter, 116);
        band.conductor.tempo(lastBar, 104);
        break;
    }
    }
    drumPart(band.drums, section.style, start, bars);
}

} // namespace

std::vector<Track> composeTune()
{
    Band band;
    band.conductor.tempo(0, kTempo);
    band.conductor.timeSignature(0, 4, 2);
    setUp(band.marimba, kMarimba);
    setUp(band.flute, kFlute);
    setUp(band.glockenspiel, kGlockenspiel);
    setUp(band.piano, kPiano);
    setUp(band.strings, kStrings);
    setUp(band.bass, kBass);
    setUp(band.drums, kDrums);

    Tick start = 0;
    for (const Section& section : kSections) {
        if (countBars(section.melody) != countBars(section.chords)) {
            throw std::logic_error(std::string("melody and chords differ in length in ") +
                                   section.marker);
        }
        band.conductor.marker(start, section.marker);
        band.conductor.keySignature(start, section.transpose == 2 ? 2 : 0); // C or D major
        arrange(band, section, start);
        start += static_cast<Tick>(countBars(section.chords)) * kTicksPerBar;
    }

    // A quarter of silence after the last chord lets it ring out before the file ends.
    std::vector<Track> tracks{band.conductor, band.marimba, band.flute, band.glockenspiel,
                              band.piano,     band.strings, band.bass,  band.drums};
    for (Track& track : tracks) {
        track.endAt(start + kTicksPerQuarter);
    }
    return tracks;
}

} // namespace music
