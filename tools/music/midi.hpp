// Writing Standard MIDI Files (format 1) and reading them back for checks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace music {

using Bytes = std::vector<std::uint8_t>;
using Tick = std::uint32_t;

inline constexpr Tick kTicksPerQuarter = 480;
inline constexpr int kPercussionChannel = 9; // the tenth channel in General MIDI

void putVariableLength(Bytes& out, std::uint32_t value);

class Track
{
public:
    explicit Track(const std::string& name);

    void note(Tick start, Tick length, int channel, int key, int velocity);
    void program(Tick at, int channel, int program);
    void control(Tick at, int channel, int controller, int value);
    void tempo(Tick at, double beatsPerMinute);
    void timeSignature(Tick at, int beats, int beatUnitPower);
    void keySignature(Tick at, int sharps);
    void marker(Tick at, const std::string& text);
    // The end-of-track event goes here or after the last event, whichever is later.
    void endAt(Tick at);

    Tick lastTick() const;
    Bytes encode() const; // the complete MTrk chunk

private:
    struct Event
    {
        Tick tick;
        int order; // breaks ties: releases before meta, controls, then new notes
        Bytes data;
    };
    void add(Tick tick, int order, Bytes data);
    void meta(Tick at, int type, const Bytes& payload);

    std::vector<Event> events_;
    Tick end_ = 0;
};

Bytes writeFile(const std::vector<Track>& tracks);

// What the checks need to know about a file.
struct MidiFacts
{
    int format = 0;
    int division = 0;
    std::vector<std::string> trackNames;
    std::map<int, int> notesPerChannel;
    std::map<int, Tick> firstNoteTick;    // per channel
    std::map<int, Tick> firstProgramTick; // per channel
    std::vector<Tick> noteOnTicks;        // in file order, all tracks
    int lowestKey = 127;
    int highestKey = 0;
    int lowestDrumKey = 127;
    int highestDrumKey = 0;
    int hangingNotes = 0;  // never released
    int strayReleases = 0; // released without being started
    int restrikes = 0;     // started again while still sounding
    bool tempoOutsideFirstTrack = false;
    std::vector<std::string> markers;
    std::vector<Tick> markerTicks; // where each marker stands
    Tick lastReleaseTick = 0;
    Tick endTick = 0;
    std::map<Tick, std::uint32_t> tempoMap; // tick -> microseconds per quarter note

    double secondsAt(Tick tick) const;
};

std::optional<MidiFacts> readFile(const Bytes& file, std::string& error);

} // namespace music
