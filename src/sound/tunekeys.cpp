#include "tunekeys.h"

#include <algorithm>
#include <set>
#include <vector>

namespace soundfont {

namespace {

// Reads front to back and never past the end; every read says whether the
// bytes were there.
class Cursor
{
public:
    explicit Cursor(QByteArrayView bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }

    std::optional<QByteArrayView> take(qint64 count)
    {
        if (count < 0 || count > bytes_.size() - at_)
            return std::nullopt;
        const QByteArrayView taken = bytes_.sliced(at_, count);
        at_ += count;
        return taken;
    }

    std::optional<quint8> byte()
    {
        const auto taken = take(1);
        return taken ? std::optional<quint8>(static_cast<quint8>(taken->front())) : std::nullopt;
    }

    std::optional<quint32> bigEndian(int width)
    {
        const auto taken = take(width);
        if (!taken)
            return std::nullopt;
        quint32 value = 0;
        for (const char c : *taken)
            value = (value << 8) | static_cast<quint8>(c);
        return value;
    }

    // A MIDI variable-length number: seven bits a byte, at most four bytes.
    std::optional<quint32> variableLength()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = byte();
            if (!next)
                return std::nullopt;
            value = (value << 7) | (*next & 0x7F);
            if ((*next & 0x80) == 0)
                return value;
        }
        return std::nullopt;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

constexpr int kMetaEvent = 0xFF;
constexpr int kEndOfTrack = 0x2F;
constexpr int kSysEx = 0xF0;
constexpr int kSysExContinued = 0xF7;
constexpr int kNoteOn = 0x90;
constexpr int kControlChange = 0xB0;
constexpr int kProgramChange = 0xC0;
constexpr int kChannelPressure = 0xD0;
constexpr int kBankSelect = 0;
constexpr int kBankSelectLow = 32;
constexpr int kDrumChannel = 9;
constexpr int kDrumBank = 128;

// What a channel does, in the order of its track: a program change (key -1)
// or a key struck.
struct ChannelEvent
{
    int channel;
    int program;
    int key;
};

struct Tune
{
    std::vector<std::vector<ChannelEvent>> tracks;
    bool selectsBanks = false; // by a bank select or a system exclusive message
};

// The program changes and struck keys of one track, read up to its
// end-of-track event.
bool readTrack(QByteArrayView bytes, Tune& tune)
{
    Cursor in(bytes);
    std::vector<ChannelEvent>& track = tune.tracks.emplace_back();
    int running = 0; // the status that data bytes without one of their own continue
    while (!in.atEnd()) {
        const auto first = in.variableLength() ? in.byte() : std::nullopt;
        if (!first)
            return false;
        int status = *first;
        std::vector<quint8> data;
        if (status < 0x80) {
            // Players disagree on what continues after a system or meta event;
            // such a file is not cut down.
            if (running == 0)
                return false;
            data.push_back(static_cast<quint8>(status));
            status = running;
        }
        if (status == kMetaEvent) {
            const auto type = in.byte();
            const auto length = type ? in.variableLength() : std::nullopt;
            if (!length || !in.take(*length))
                return false;
            if (*type == kEndOfTrack)
                return true;
            running = 0;
        } else if (status == kSysEx || status == kSysExContinued) {
            const auto length = in.variableLength();
            if (!length || !in.take(*length))
                return false;
            tune.selectsBanks = true; // it may reset the channels or turn one into drums
            running = 0;
        } else if (status >= 0xF0) {
            return false; // real-time and common messages have no place in a file
        } else {
            const int kind = status & 0xF0;
            const std::size_t count = kind == kProgramChange || kind == kChannelPressure ? 1 : 2;
            while (data.size() < count) {
                const auto next = in.byte();
                if (!next || *next >= 0x80)
                    return false;
                data.push_back(*next);
            }
            const int channel = status & 0x0F;
            if (kind == kProgramChange)
                track.push_back({channel, data[0], -1});
            else if (kind == kNoteOn && data[1] > 0)
                track.push_back({channel, -1, data[0]});
            else if (kind == kControlChange &&
                     (data[0] == kBankSelect || data[0] == kBankSelectLow))
                tune.selectsBanks = true;
            running = status;
        }
    }
    return true;
}

// Of a tune whose channels' banks are known: the keys of each channel under
// each program. The player sends each track's events in its own order, but
// interleaves tracks only roughly in time; a channel that more than one track
// drives therefore has every key it plays entered for every program it has.
Selection selectionOfChannels(const Tune& tune)
{
    Selection selection;
    constexpr int kChannels = 16;
    for (int channel = 0; channel < kChannels; ++channel) {
        const int bank = channel == kDrumChannel ? kDrumBank : 0;
        std::vector<const std::vector<ChannelEvent>*> tracks;
        for (const auto& track : tune.tracks) {
            if (std::any_of(track.begin(), track.end(),
                            [&](const ChannelEvent& event) { return event.channel == channel; }))
                tracks.push_back(&track);
        }
        int program = 0; // where every channel starts
        std::set<int> programs = {program};
        Keys keys;
        for (const auto* track : tracks) {
            for (const ChannelEvent& event : *track) {
                if (event.channel != channel)
                    continue;
                if (event.key < 0) {
                    program = event.program;
                    programs.insert(program);
                } else if (tracks.size() == 1) {
                    selection[{bank, program}].set(static_cast<std::size_t>(event.key));
                } else {
                    keys.set(static_cast<std::size_t>(event.key));
                }
            }
        }
        if (tracks.size() > 1) {
            for (const int each : programs)
                selection[{bank, each}] |= keys;
        }
    }
    return selection;
}

} // namespace

std::optional<Selection> selectionOf(QByteArrayView midiFile)
{
    Cursor in(midiFile);
    const auto id = in.take(4);
    const auto headerLength = in.bigEndian(4);
    if (!id || *id != "MThd" || !headerLength || *headerLength < 6)
        return std::nullopt;
    const auto format = in.bigEndian(2);
    const auto tracks = in.bigEndian(2);
    if (!format || !tracks || !in.take(*headerLength - 4))
        return std::nullopt;
    Tune tune;
    while (tune.tracks.size() < *tracks) {
        const auto chunkId = in.take(4);
        const auto length = in.bigEndian(4);
        const auto body = length ? in.take(*length) : std::nullopt;
        if (!chunkId || !body)
            return std::nullopt;
        if (*chunkId == "MTrk" && !readTrack(*body, tune))
            return std::nullopt; // chunks of other kinds are passed over
    }
    if (!tune.selectsBanks)
        return selectionOfChannels(tune);
    Selection selection;
    selection[{kAnyBank, 0}].set();
    for (const auto& track : tune.tracks) {
        for (const ChannelEvent& event : track) {
            if (event.key < 0)
                selection[{kAnyBank, event.program}].set();
        }
    }
    return selection;
}

} // namespace soundfont
