#include "check.hpp"

#include "notation.hpp"
#include "render.hpp"
#include "tune.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace music {

namespace {

constexpr double kShortest = 60.0;
constexpr double kLongest = 180.0;
constexpr double kLongestTail = 2.0; // seconds of silence allowed after the last note
// The melody is to stand about 3 dB above the band, the bridge a little under the verses.
constexpr double kMelodyLeadMin = 2.0;
constexpr double kMelodyLeadMax = 4.0;
constexpr double kBridgeDipMin = 0.5;
constexpr double kBridgeDipMax = 3.0;

std::string format(const char* pattern, double value)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

void checkNotes(const MidiFacts& facts, std::vector<std::string>& problems)
{
    if (facts.hangingNotes || facts.strayReleases || facts.restrikes) {
        problems.push_back("unbalanced notes: " + std::to_string(facts.hangingNotes) +
                           " never released, " + std::to_string(facts.strayReleases) +
                           " released twice, " + std::to_string(facts.restrikes) +
                           " struck while sounding");
    }
    if (!facts.notesPerChannel.count(kPercussionChannel)) {
        problems.push_back("no percussion on channel 10");
    }
    int melodic = 0;
    for (const auto& [channel, count] : facts.notesPerChannel) {
        if (channel == kPercussionChannel) {
            continue;
        }
        ++melodic;
        const auto program = facts.firstProgramTick.find(channel);
        if (program == facts.firstProgramTick.end() ||
            program->second > facts.firstNoteTick.at(channel)) {
            problems.push_back("channel " + std::to_string(channel + 1) +
                               " plays before choosing an instrument");
        }
    }
    if (melodic < 3) {
        problems.push_back("fewer than three melodic instruments");
    }
    if (facts.lowestKey < 28 || facts.highestKey > 100) {
        problems.push_back("melodic notes outside the usual instrument ranges");
    }
    if (facts.notesPerChannel.count(kPercussionChannel) &&
        (facts.lowestDrumKey < 35 || facts.highestDrumKey > 81)) {
        problems.push_back("percussion keys outside the General MIDI drum map");
    }
}

void checkTiming(const MidiFacts& facts, std::vector<std::string>& problems)
{
    if (facts.tempoOutsideFirstTrack) {
        problems.push_back("tempo changes outside the first track");
    }
    const double length = facts.secondsAt(facts.lastReleaseTick);
    if (length < kShortest || length > kLongest) {
        problems.push_back(format("plays %.1f s, expected 1 to 3 minutes", length));
    }
    const double tail = facts.secondsAt(facts.endTick) - length;
    if (tail > kLongestTail) {
        problems.push_back(format("%.1f s of silence after the last note", tail));
    }
    const auto first = std::min_element(facts.noteOnTicks.begin(), facts.noteOnTicks.end());
    if (first != facts.noteOnTicks.end() && facts.secondsAt(*first) > 1.0) {
        problems.push_back("more than a second of silence before the first note");
    }
}

Bytes readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --- self-test ---------------------------------------------------------------------------

int failures = 0;

void expect(bool condition, const std::string& what)
{
    if (!condition) {
        std::printf("FAIL: %s\n", what.c_str());
        ++failures;
    }
}

template <typename Action>
bool throwsInvalid(Action action)
{
    try {
        action();
    } catch (const std::invalid_argument&) {
        return true;
    }
    return false;
}

bool mentions(const std::vector<std::string>& problems, const std::string& word)
{
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(word) != std::string::npos; });
}

void testNotation()
{
    expect(noteNumber("C4") == 60 && noteNumber("A4") == 69 && noteNumber("Bb3") == 58,
           "note names");
    expect(noteNumber("Cb4") == 59 && noteNumber("B#3") == 60,
           "accidentals crossing the octave line");
    expect(throwsInvalid([] { noteNumber("H4"); }) && throwsInvalid([] { noteNumber("C"); }),
           "bad note names are rejected");

    const auto tones = parseMelody("C5/4. D5/8 r/4 E5/4 | G5/1", 2);
    expect(tones.size() == 4, "rests make no tones");
    expect(tones.size() == 4 && tones[1].start == 720 && tones[1].length == 240 &&
               tones[1].key == 76,
           "dotted values, positions and transposition");
    expect(tones.size() == 4 && tones[3].start == kTicksPerBar && tones[3].length == kTicksPerBar,
           "second bar starts after a full bar");
    expect(throwsInvalid([] { parseMelody("C5/4 D5/4 E5/4 | C5/1"); }), "a short bar is rejected");
    expect(throwsInvalid([] { parseMelody("C5/2 D5/2 E5/8 | C5/1"); }),
           "an overfull bar is rejected");
    expect(throwsInvalid([] { parseMelody("C5/3 C5/2 C5/8 C5/8 C5/8"); }),
           "a bad note value is rejected");

    expect(parseChord("Am").pitchClasses() == std::vector<int>{9, 0, 4}, "A minor");
    expect(parseChord("G7").pitchClasses() == std::vector<int>{7, 11, 2, 5}, "G seventh");
    expect(parseChord("A7", 2).pitchClasses() == std::vector<int>{11, 3, 6, 9},
           "transposed chord wraps");
    expect(throwsInvalid([] { parseChord("Csus9"); }), "unknown chord quality is rejected");
    const auto chart = parseChords("C | F G7");
    expect(chart.size() == 3 && chordAt(chart, kTicksPerBar + kTicksPerBar / 2).chord.root == 7,
           "two chords share a bar");
}

void testMidiRoundTrip()
{
    // Deltas on both sides of each variable-length boundary.
    const Tick ticks[] = {0, 0x7F, 0x80, 0x3FFF, 0x4000, 0x1FFFFF, 0x200000};
    Track conductor("tempo");
    conductor.tempo(0, 120);
    conductor.tempo(4 * kTicksPerQuarter, 60);
    Track notes("notes");
    notes.program(0, 0, 12);
    Tick previous = 0;
    for (const Tick tick : ticks) {
        notes.note(previous + tick, 10, 0, 60, 100);
        previous += tick + 10;
    }
    std::string error;
    const auto facts = readFile(writeFile({conductor, notes}), error);
    expect(facts.has_value(), "written file reads back: " + error);
    if (!facts) {
        return;
    }
    Tick expected = 0;
    bool same = facts->noteOnTicks.size() == std::size(ticks);
    for (std::size_t i = 0; same && i < std::size(ticks); ++i) {
        expected += ticks[i];
        same = facts->noteOnTicks[i] == expected;
        expected += 10;
    }
    expect(same, "note times survive variable-length deltas");
    expect(facts->format == 1 && facts->trackNames == std::vector<std::string>{"tempo", "notes"},
           "format 1 with named tracks");
    // 4 beats at 120 bpm, then 2 beats at 60 bpm.
    expect(std::abs(facts->secondsAt(6 * kTicksPerQuarter) - 4.0) < 1e-9, "tempo map");
    expect(facts->hangingNotes == 0 && facts->restrikes == 0,
           "repeated notes on one key stay balanced");

    Bytes runningStatus = writeFile({conductor});
    // Note on, then a release written as a velocity-0 note on without repeating the status.
    const Bytes track = {'M', 'T', 'r', 'k', 0, 0, 0,    11,   0, 0x90,
                         60,  100, 10,  60,  0, 0, 0xFF, 0x2F, 0};
    runningStatus.insert(runningStatus.end(), track.begin(), track.end());
    runningStatus[11] = 2; // two tracks
    const auto withRunning = readFile(runningStatus, error);
    expect(withRunning && withRunning->notesPerChannel.count(0) &&
               withRunning->notesPerChannel.at(0) == 1 && withRunning->hangingNotes == 0,
           "running status is understood");

    Bytes cut = writeFile({conductor, notes});
    cut.resize(cut.size() - 3);
    expect(!readFile(cut, error), "a truncated file is rejected");
}

void testTune()
{
    const Bytes file = writeFile(composeTune());
    const auto problems = checkTune(file);
    expect(problems.empty(),
           "the tune passes its check" + (problems.empty() ? "" : ": " + problems.front()));
    expect(writeFile(composeTune()) == file, "the tune is reproducible");

    std::string error;
    const auto facts = readFile(file, error);
    expect(facts && facts->markers == std::vector<std::string>{"Intro", "A", "B", "A'", "Ending"},
           "the sections are marked in order");
}

void testCheckerCatchesFaults()
{
    Track conductor("tempo");
    conductor.tempo(0, 120);
    Track lead("lead");
    lead.program(0, 0, 12);
    Track drums("drums");
    for (Tick beat = 0; beat < 20; ++beat) {
        lead.note(beat * kTicksPerQuarter, kTicksPerQuarter, 0, 72, 90);
        drums.note(beat * kTicksPerQuarter, 100, kPercussionChannel, 36, 90);
    }
    const auto problems = checkTune(writeFile({conductor, lead, drums}));
    expect(mentions(problems, "1 to 3 minutes"), "a ten-second tune is reported");
    expect(mentions(problems, "three melodic"), "a lone melody is reported");

    Track late("late");
    late.note(0, kTicksPerQuarter, 1, 60, 90);
    late.program(kTicksPerQuarter, 1, 0);
    late.endAt(400 * kTicksPerQuarter);
    const auto lateProblems = checkTune(writeFile({conductor, late}));
    expect(mentions(lateProblems, "before choosing"),
           "a note before its program change is reported");
    expect(mentions(lateProblems, "silence after"), "a long silent tail is reported");
    expect(mentions(lateProblems, "percussion"), "missing drums are reported");
}

double energy(const Rendering& rendering, double fromSeconds, double toSeconds)
{
    const auto from = static_cast<std::size_t>(fromSeconds * kRenderRate);
    const auto to =
        std::min(rendering.left.size(), static_cast<std::size_t>(toSeconds * kRenderRate));
    double sum = 0.0;
    for (std::size_t n = from; n < to; ++n) {
        sum += rendering.left[n] * rendering.left[n] + rendering.right[n] * rendering.right[n];
    }
    return sum;
}

void testRenderingHearsChosenChannels()
{
    Track conductor("tempo");
    conductor.tempo(0, 120); // half a second a beat
    Track band("band");
    band.program(0, 0, 0);
    band.program(0, 1, 73);
    band.note(0, 2 * kTicksPerQuarter, 0, 60, 100);                    // 0 to 1 s
    band.note(8 * kTicksPerQuarter, 2 * kTicksPerQuarter, 1, 72, 100); // 4 to 5 s
    const Bytes file = writeFile({conductor, band});

    const Rendering piano = render(file, 1u << 0);
    const Rendering flute = render(file, 1u << 1);
    expect(piano.left.size() >= 7 * kRenderRate && piano.left.size() == piano.right.size(),
           "the rendering runs to the end and its reverberation");
    expect(energy(piano, 0.1, 0.9) > 1.0 && energy(flute, 4.1, 4.9) > 1.0,
           "the chosen channel plays when its note is due");
    expect(energy(piano, 4.1, 4.9) < 1e-3 * energy(flute, 4.1, 4.9) &&
               energy(flute, 0.1, 0.9) < 1e-3 * energy(piano, 0.1, 0.9),
           "the other channel stays silent");
}

void testBalanceCheck()
{
    const auto section = [](const char* name, double mix, double lead) {
        return SectionLevel{name, mix, mix - 1.5 + lead / 2, mix - 1.5 - lead / 2};
    };
    const auto tune = [&](double lead, double bridge) {
        return checkBalance({section("Intro", -24, lead), section("A", -20, lead),
                             section("B", bridge, lead), section("A'", -19.5, lead)});
    };
    expect(tune(3.0, -21.5).empty(), "a carrying melody and a softer bridge pass");
    expect(mentions(tune(1.5, -21.5), "melody stands"), "a buried melody is reported");
    expect(mentions(tune(5.0, -21.5), "melody stands"), "a melody far in front is reported");
    expect(mentions(tune(3.0, -19.8), "bridge"), "a bridge as loud as the verses is reported");
    expect(mentions(tune(3.0, -24.0), "bridge"), "a bridge far below the verses is reported");
}

} // namespace

std::vector<std::string> checkTune(const Bytes& file)
{
    std::string error;
    const auto facts = readFile(file, error);
    if (!facts) {
        return {error};
    }
    std::vector<std::string> problems;
    if (facts->format != 1) {
        problems.push_back("not a format 1 file");
    }
    checkNotes(*facts, problems);
    checkTiming(*facts, problems);
    return problems;
}

std::vector<std::string> checkBalance(const std::vector<SectionLevel>& sections)
{
    std::vector<std::string> problems;
    const SectionLevel* bridge = nullptr;
    for (const SectionLevel& section : sections) {
        const double lead = section.melody - section.accompaniment;
        if (lead < kMelodyLeadMin || lead > kMelodyLeadMax) {
            problems.push_back(format("the melody stands %+.1f dB over the band in ", lead) +
                               section.name);
        }
        bridge = section.name == "B" ? &section : bridge;
    }
    if (!bridge) {
        return problems;
    }
    for (const SectionLevel& section : sections) {
        if (section.name == "A" || section.name == "A'") {
            const double dip = section.mix - bridge->mix;
            if (dip < kBridgeDipMin || dip > kBridgeDipMax) {
                problems.push_back(format("the bridge plays %.1f dB under ", dip) + section.name);
            }
        }
    }
    return problems;
}

void printOutline(const std::string& path, const MidiFacts& facts)
{
    const double seconds = facts.secondsAt(facts.lastReleaseTick);
    std::printf("%s: format %d, %zu tracks, %d:%04.1f\n", path.c_str(), facts.format,
                facts.trackNames.size(), static_cast<int>(seconds) / 60,
                seconds - 60 * (static_cast<int>(seconds) / 60));
    for (const auto& [channel, count] : facts.notesPerChannel) {
        std::printf("  channel %2d: %4d notes\n", channel + 1, count);
    }
}

void printLevels(const std::vector<SectionLevel>& sections)
{
    std::printf("  section   band  melody  accompaniment  melody over band\n");
    for (const SectionLevel& section : sections) {
        std::printf("  %-7s %6.1f  %6.1f  %13.1f  %+16.1f\n", section.name.c_str(), section.mix,
                    section.melody, section.accompaniment, section.melody - section.accompaniment);
    }
}

int checkFile(const std::string& path)
{
    std::vector<std::string> problems;
    try {
        const Bytes file = readBytes(path);
        problems = checkTune(file);
        std::string error;
        if (const auto facts = readFile(file, error)) {
            printOutline(path, *facts);
            const auto levels = measureSections(file, *facts, kMelodyChannels);
            printLevels(levels);
            const auto balance = checkBalance(levels);
            problems.insert(problems.end(), balance.begin(), balance.end());
        }
    } catch (const std::exception& e) {
        problems = {e.what()};
    }
    for (const auto& problem : problems) {
        std::printf("  FAIL: %s\n", problem.c_str());
    }
    if (problems.empty()) {
        std::printf("  ok\n");
    }
    return problems.empty() ? 0 : 1;
}

int selfTest()
{
    failures = 0;
    testNotation();
    testMidiRoundTrip();
    testTune();
    testCheckerCatchesFaults();
    testRenderingHearsChosenChannels();
    testBalanceCheck();
    std::printf(failures == 0 ? "self-test passed\n" : "self-test: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace music
