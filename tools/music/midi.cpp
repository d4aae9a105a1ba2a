#include "midi.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace music {

namespace {

enum Order
{
    kRelease = 0,
    kMeta = 1,
    kControl = 2,
    kStrike = 3
};

void putBigEndian(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putChunk(Bytes& out, const char* tag, const Bytes& body)
{
    out.insert(out.end(), tag, tag + 4);
    putBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

std::uint8_t dataByte(int value)
{
    if (value < 0 || value > 127) {
        throw std::out_of_range("MIDI data byte out of range: " + std::to_string(value));
    }
    return static_cast<std::uint8_t>(value);
}

std::uint8_t statusByte(int kind, int channel)
{
    if (channel < 0 || channel > 15) {
        throw std::out_of_range("MIDI channel out of range");
    }
    return static_cast<std::uint8_t>(kind | channel);
}

// Reads bytes of one file with bounds checks; a read past the end throws.
class Reader
{
public:
    Reader(const Bytes& bytes, std::size_t from, std::size_t to)
        : bytes_(bytes), at_(from), end_(to)
    {}

    bool done() const { return at_ >= end_; }
    std::size_t position() const { return at_; }
    std::uint8_t peek() const
    {
        need(1);
        return bytes_[at_];
    }
    std::uint8_t byte()
    {
        need(1);
        return bytes_[at_++];
    }
    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | byte();
        }
        return value;
    }
    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) {
                return value;
            }
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }
    std::string text(std::size_t count)
    {
        need(count);
        std::string result(bytes_.begin() + static_cast<long>(at_),
                           bytes_.begin() + static_cast<long>(at_ + count));
        at_ += count;
        return result;
    }

private:
    void need(std::size_t count) const
    {
        if (at_ + count > end_) {
            throw std::runtime_error("unexpected end of data");
        }
    }
    const Bytes& bytes_;
    std::size_t at_;
    std::size_t end_;
};

struct TrackState
{
    std::map<int, int> sounding; // channel * 128 + key -> open notes
};

void channelMessage(MidiFacts& facts, TrackState& state, Tick tick, int status, Reader& in)
{
    const int kind = status & 0xF0;
    const int channel = status & 0x0F;
    const bool oneDataByte = kind == 0xC0 || kind == 0xD0;
    const int first = in.byte();
    const int second = oneDataByte ? 0 : in.byte();
    if ((first | second) & 0x80) {
        throw std::runtime_error("data byte with the high bit set");
    }
    if (kind == 0xC0 && !facts.firstProgramTick.count(channel)) {
        facts.firstProgramTick[channel] = tick;
    }
    const bool strike = kind == 0x90 && second > 0;
    const bool release = kind == 0x80 || (kind == 0x90 && second == 0);
    int& open = state.sounding[channel * 128 + first];
    if (strike) {
        facts.restrikes += open > 0;
        ++open;
        ++facts.notesPerChannel[channel];
        facts.noteOnTicks.push_back(tick);
        if (!facts.firstNoteTick.count(channel)) {
            facts.firstNoteTick[channel] = tick;
        }
        if (channel == kPercussionChannel) {
            facts.lowestDrumKey = std::min(facts.lowestDrumKey, first);
            facts.highestDrumKey = std::max(facts.highestDrumKey, first);
        } else {
            facts.lowestKey = std::min(facts.lowestKey, first);
            facts.highestKey = std::max(facts.highestKey, first);
        }
    } else if (release) {
        if (open > 0) {
            --open;
            facts.lastReleaseTick = std::max(facts.lastReleaseTick, tick);
        } else {
            ++facts.strayReleases;
        }
    }
}

// Returns true at the end-of-track event.
bool metaEvent(MidiFacts& facts, bool firstTrack, Tick tick, Reader& in)
{
    const int type = in.byte();
    const std::uint32_t length = in.variableLength();
    const std::string payload = in.text(length);
    if (type == 0x51 && length == 3) {
        const auto b = [&](int i) {
            return static_cast<std::uint32_t>(static_cast<std::uint8_t>(payload[i]));
        };
        facts.tempoMap[tick] = (b(0) << 16) | (b(1) << 8) | b(2);
        facts.tempoOutsideFirstTrack |= !firstTrack;
    } else if (type == 0x03 && facts.trackNames.back().empty()) {
        facts.trackNames.back() = payload;
    } else if (type == 0x06) {
        facts.markers.push_back(payload);
        facts.markerTicks.push_back(tick);
    }
    return type == 0x2F;
}

void readTrack(MidiFacts& facts, bool firstTrack, Reader& in)
{
    TrackState state;
    Tick tick = 0;
    int runningStatus = 0;
    bool ended = false;
    while (!in.done()) {
        if (ended) {
            throw std::runtime_error("events after the end of a track");
        }
        tick += in.variableLength();
        int status = in.peek();
        if (status & 0x80) {
            in.byte();
        } else if (runningStatus) {
            status = runningStatus;
        } else {
            throw std::runtime_error("data byte without a status");
        }
        if (status == 0xFF) {
            ended = metaEvent(facts, firstTrack, tick, in);
        } else if (status == 0xF0 || status == 0xF7) {
            in.text(in.variableLength());
        } else if (status >= 0x80 && status < 0xF0) {
            runningStatus = status;
            channelMessage(facts, state, tick, status, in);
        } else {
            throw std::runtime_error("unknown status byte");
        }
    }
    if (!ended) {
        throw std::runtime_error("track without an end-of-track event");
    }
    for (const auto& [key, open] : state.sounding) {
        facts.hangingNotes += open;
    }
    facts.endTick = std::max(facts.endTick, tick);
}

} // namespace

void putVariableLength(Bytes& out, std::uint32_t value)
{
    if (value > 0x0FFFFFFF) {
        throw std::out_of_range("delta time too large for a MIDI file");
    }
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1) {
        out.push_back(groups[--count] | 0x80);
    }
    out.push_back(groups[0]);
}

Track::Track(const std::string& name)
{
    meta(0, 0x03, Bytes(name.begin(), name.end()));
}

void Track::add(Tick tick, int order, Bytes data)
{
    events_.push_back({tick, order, std::move(data)});
}

void Track::meta(Tick at, int type, const Bytes& payload)
{
    Bytes data{0xFF, static_cast<std::uint8_t>(type)};
    putVariableLength(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    add(at, kMeta, std::move(data));
}

void Track::note(Tick start, Tick length, int channel, int key, int velocity)
{
    if (length == 0) {
        throw std::invalid_argument("note without length");
    }
    add(start, kStrike,
        {statusByte(0x90, channel), dataByte(key), dataByte(std::clamp(velocity, 1, 127))});
    add(start + length, kRelease, {statusByte(0x80, channel), dataByte(key), 64});
}

void Track::program(Tick at, int channel, int program)
{
    add(at, kControl, {statusByte(0xC0, channel), dataByte(program)});
}

void Track::control(Tick at, int channel, int controller, int value)
{
    add(at, kControl, {statusByte(0xB0, channel), dataByte(controller), dataByte(value)});
}

void Track::tempo(Tick at, double beatsPerMinute)
{
    const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    meta(at, 0x51,
         {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
          static_cast<std::uint8_t>(micros)});
}

void Track::timeSignature(Tick at, int beats, int beatUnitPower)
{
    // 24 clocks per metronome click, 8 thirty-seconds per quarter note: the usual values.
    meta(at, 0x58, {dataByte(beats), dataByte(beatUnitPower), 24, 8});
}

void Track::keySignature(Tick at, int sharps)
{
    meta(at, 0x59, {static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)), 0});
}

void Track::marker(Tick at, const std::string& text)
{
    meta(at, 0x06, Bytes(text.begin(), text.end()));
}

void Track::endAt(Tick at)
{
    end_ = std::max(end_, at);
}

Tick Track::lastTick() const
{
    Tick last = 0;
    for (const Event& event : events_) {
        last = std::max(last, event.tick);
    }
    return last;
}

Bytes Track::encode() const
{
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    Tick now = 0;
    for (const Event& event : sorted) {
        putVariableLength(body, event.tick - now);
        body.insert(body.end(), event.data.begin(), event.data.end());
        now = event.tick;
    }
    putVariableLength(body, std::max(end_, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    Bytes chunk;
    putChunk(chunk, "MTrk", body);
    return chunk;
}

Bytes writeFile(const std::vector<Track>& tracks)
{
    Bytes header;
    putBigEndian(header, 1, 2); // format 1: simultaneous tracks
    putBigEndian(header, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(header, kTicksPerQuarter, 2);
    Bytes file;
    putChunk(file, "MThd", header);
    for (const Track& track : tracks) {
        const Bytes chunk = track.encode();
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

double MidiFacts::secondsAt(Tick tick) const
{
    double seconds = 0.0;
    Tick from = 0;
    std::uint32_t micros = 500'000; // 120 beats per minute until the first tempo event
    for (const auto& [at, value] : tempoMap) {
        if (at >= tick) {
            break;
        }
        seconds += static_cast<double>(at - from) * micros / 1e6 / division;
        from = at;
        micros = value;
    }
    return seconds + static_cast<double>(tick - from) * micros / 1e6 / division;
}

std::optional<MidiFacts> readFile(const Bytes& file, std::string& error)
{
    MidiFacts facts;
    try {
        Reader in(file, 0, file.size());
        if (in.text(4) != "MThd" || in.bigEndian(4) != 6) {
            throw std::runtime_error("no MThd header of length 6");
        }
        facts.format = static_cast<int>(in.bigEndian(2));
        const auto trackCount = in.bigEndian(2);
        facts.division = static_cast<int>(in.bigEndian(2));
        if (facts.division <= 0 || facts.division >= 0x8000) {
            throw std::runtime_error("division is not in ticks per quarter note");
        }
        for (std::uint32_t i = 0; i < trackCount; ++i) {
            if (in.text(4) != "MTrk") {
                throw std::runtime_error("missing MTrk chunk");
            }
            const std::uint32_t length = in.bigEndian(4);
            const std::size_t body = in.position();
            if (length > file.size() - body) {
                throw std::runtime_error("track chunk runs past the end of the file");
            }
            facts.trackNames.emplace_back();
            Reader track(file, body, body + length);
            readTrack(facts, i == 0, track);
            in.text(length);
        }
        if (!in.done()) {
            throw std::runtime_error("bytes after the last track");
        }
    } catch (const std::exception& e) {
        error = e.what();
        return std::nullopt;
    }
    return facts;
}

} // namespace music
