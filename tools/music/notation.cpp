#include "notation.hpp"

#include <cctype>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace music {

namespace {

std::vector<std::string> splitBars(const std::string& text)
{
    std::vector<std::string> bars;
    std::stringstream stream(text);
    std::string bar;
    while (std::getline(stream, bar, '|')) {
        bars.push_back(bar);
    }
    return bars;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> result;
    std::stringstream stream(text);
    std::string word;
    while (stream >> word) {
        result.push_back(word);
    }
    return result;
}

// Letter and optional accidental at the front of `text`: semitones above the octave's C
// (-1 for Cb, 12 for B#), or nothing when `text` starts otherwise.
std::optional<int> semitonePrefix(const std::string& text, std::size_t& used)
{
    static constexpr int kSemitoneOfLetter[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    used = 0;
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        return std::nullopt;
    }
    int semitone = kSemitoneOfLetter[text[0] - 'A'];
    used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        semitone += text[1] == '#' ? 1 : -1;
        used = 2;
    }
    return semitone;
}

Tick noteValue(const std::string& text)
{
    const bool dotted = !text.empty() && text.back() == '.';
    const std::string digits = dotted ? text.substr(0, text.size() - 1) : text;
    static const std::string kValues[] = {"1", "2", "4", "8", "16"};
    for (int power = 0; power < 5; ++power) {
        if (digits == kValues[power]) {
            const Tick ticks = kTicksPerBar >> power;
            return dotted ? ticks + ticks / 2 : ticks;
        }
    }
    throw std::invalid_argument("bad note value: " + text);
}

} // namespace

int noteNumber(const std::string& name)
{
    std::size_t used = 0;
    const auto semitone = semitonePrefix(name, used);
    if (!semitone || used + 1 != name.size() ||
        !std::isdigit(static_cast<unsigned char>(name[used]))) {
        throw std::invalid_argument("bad note name: " + name);
    }
    const int octave = name[used] - '0';
    return 12 * (octave + 1) + *semitone;
}

int countBars(const std::string& text)
{
    return static_cast<int>(splitBars(text).size());
}

std::vector<Tone> parseMelody(const std::string& text, int transpose)
{
    std::vector<Tone> tones;
    Tick barStart = 0;
    int barNumber = 1;
    for (const std::string& bar : splitBars(text)) {
        Tick at = barStart;
        for (const std::string& token : words(bar)) {
            const auto slash = token.find('/');
            if (slash == std::string::npos) {
                throw std::invalid_argument("token without a value: " + token);
            }
            const std::string pitch = token.substr(0, slash);
            const Tick length = noteValue(token.substr(slash + 1));
            if (pitch != "r") {
                tones.push_back({at, length, noteNumber(pitch) + transpose});
            }
            at += length;
        }
        if (at - barStart != kTicksPerBar) {
            throw std::invalid_argument("bar " + std::to_string(barNumber) +
                                        " does not hold 4 beats: " + bar);
        }
        barStart = at;
        ++barNumber;
    }
    return tones;
}

std::vector<int> Chord::pitchClasses() const
{
    std::vector<int> classes;
    for (const int interval : intervals) {
        classes.push_back((root + interval) % 12);
    }
    return classes;
}

Chord parseChord(const std::string& symbol, int transpose)
{
    std::size_t used = 0;
    const auto root = semitonePrefix(symbol, used);
    const std::string quality = root ? symbol.substr(used) : "?";
    Chord chord;
    chord.root = ((root.value_or(0) + transpose) % 12 + 12) % 12;
    if (quality.empty()) {
        chord.intervals = {0, 4, 7};
    } else if (quality == "m") {
        chord.intervals = {0, 3, 7};
    } else if (quality == "7") {
        chord.intervals = {0, 4, 7, 10};
    } else if (quality == "m7") {
        chord.intervals = {0, 3, 7, 10};
    } else if (quality == "maj7") {
        chord.intervals = {0, 4, 7, 11};
    } else {
        throw std::invalid_argument("unknown chord: " + symbol);
    }
    return chord;
}

std::vector<ChordSpan> parseChords(const std::string& text, int transpose)
{
    std::vector<ChordSpan> chart;
    Tick barStart = 0;
    for (const std::string& bar : splitBars(text)) {
        const auto symbols = words(bar);
        if (symbols.empty() || kTicksPerBar % symbols.size() != 0) {
            throw std::invalid_argument("bar cannot be shared by its chords: " + bar);
        }
        const Tick share = kTicksPerBar / static_cast<Tick>(symbols.size());
        Tick at = barStart;
        for (const std::string& symbol : symbols) {
            chart.push_back({at, share, parseChord(symbol, transpose)});
            at += share;
        }
        barStart += kTicksPerBar;
    }
    return chart;
}

const ChordSpan& chordAt(const std::vector<ChordSpan>& chart, Tick tick)
{
    for (const ChordSpan& span : chart) {
        if (tick >= span.start && tick < span.start + span.length) {
            return span;
        }
    }
    throw std::out_of_range("no chord at tick " + std::to_string(tick));
}

} // namespace music
