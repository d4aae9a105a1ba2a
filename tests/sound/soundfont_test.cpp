#include "sound/heldsoundfont.h"
#include "sound/soundfont.h"

#include "support/testsupport.h"

#include <QFile>

#include <fluidsynth.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

QByteArray riffChunk(const char* id, const QByteArray& body)
{
    QByteArray bytes = QByteArray(id, 4) + le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

// --- MIDI files ---

QByteArray raw(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(static_cast<char>(value));
    return result;
}

QByteArray midiChunk(const char* id, const QByteArray& body)
{
    return QByteArray(id, 4) + be32(static_cast<quint32>(body.size())) + body;
}

QByteArray midiFile(const QList<QByteArray>& chunks, int tracks)
{
    return midiChunk("MThd", raw({0, 1, 0, tracks, 0, 96})) + chunks.join();
}

const QByteArray kEndOfTrack = raw({0, 0xFF, 0x2F, 0});

// --- SoundFont files ---

// A text of the INFO list: zero-terminated, padded to an even length.
QByteArray zeroTerminated(const char* text)
{
    QByteArray bytes(text);
    bytes.append('\0');
    if (bytes.size() % 2 != 0)
        bytes.append('\0');
    return bytes;
}

QByteArray name20(const char* text)
{
    QByteArray name(text);
    name.resize(20, '\0');
    return name;
}

struct Generator
{
    int kind;
    int amount;
};

// A small SoundFont 2 file put together record by record.
class SoundFontBuilder
{
public:
    // A sample of `points` points, one period of a wave of `period` points
    // repeated; returns its number.
    int sample(const char* name, int points, int period, int type = 1, int link = 0)
    {
        const auto start = static_cast<quint32>(points_.size() / 2);
        for (int i = 0; i < points; ++i) {
            const double phase = 2 * std::numbers::pi * i / period;
            points_ += le16(static_cast<quint16>(static_cast<qint16>(12000 * std::sin(phase))));
        }
        points_ += QByteArray(2 * 46, '\0'); // the guard points after every sample
        const auto end = start + static_cast<quint32>(points);
        samples_ += name20(name) + le32(start) + le32(end) + le32(start + 8) + le32(end - 8) +
                    le32(44100) + raw({60, 0}) + le16(link) + le16(type);
        return sampleCount_++;
    }

    // An instrument with one zone a sample (and a generator or two before it).
    int instrument(const char* name, const QList<std::pair<int, QList<Generator>>>& zones)
    {
        instruments_ += name20(name) + le16(instrumentBags_);
        for (const auto& [sample, generators] : zones)
            addZone(instrumentZones_, instrumentBags_, generators, 53, sample);
        return instrumentCount_++;
    }

    // A preset playing one instrument, after a global zone when one is given.
    void preset(const char* name, int bank, int program, int instrument,
                const QList<Generator>& global = {})
    {
        presets_ += name20(name) + le16(program) + le16(bank) + le16(presetBags_) + le32(0) +
                    le32(0) + le32(0);
        if (!global.isEmpty())
            addZone(presetZones_, presetBags_, global, -1, 0);
        addZone(presetZones_, presetBags_, {}, 41, instrument);
    }

    // With `lowBytes`, a 24-bit set: the low byte of every point beside the
    // points, as a SoundFont 2.04 has it.
    QByteArray bytes(bool lowBytes = false) const
    {
        QByteArray low;
        for (qsizetype i = 0; lowBytes && i < points_.size() / 2; ++i)
            low.append(static_cast<char>(i * 37));
        const QByteArray info = riffChunk("ifil", le16(2) + le16(lowBytes ? 4 : 1)) +
                                riffChunk("isng", zeroTerminated("EMU8000")) +
                                riffChunk("INAM", zeroTerminated("Test set"));
        const QByteArray tables =
            riffChunk("phdr", presets_ + name20("EOP") + le16(0) + le16(0) + le16(presetBags_) +
                                  QByteArray(12, '\0')) +
            riffChunk("pbag", presetZones_.bags + le16(presetZones_.generatorCount) + le16(0)) +
            riffChunk("pmod", QByteArray(10, '\0')) +
            riffChunk("pgen", presetZones_.generators + QByteArray(4, '\0')) +
            riffChunk("inst", instruments_ + name20("EOI") + le16(instrumentBags_)) +
            riffChunk("ibag",
                      instrumentZones_.bags + le16(instrumentZones_.generatorCount) + le16(0)) +
            riffChunk("imod", QByteArray(10, '\0')) +
            riffChunk("igen", instrumentZones_.generators + QByteArray(4, '\0')) +
            riffChunk("shdr", samples_ + name20("EOS") + QByteArray(26, '\0'));
        const QByteArray samplePoints =
            riffChunk("smpl", points_) + (lowBytes ? riffChunk("sm24", low) : QByteArray());
        return riffChunk("RIFF", "sfbk" + riffChunk("LIST", "INFO" + info) +
                                     riffChunk("LIST", "sdta" + samplePoints) +
                                     riffChunk("LIST", "pdta" + tables));
    }

private:
    struct Zones
    {
        QByteArray bags;
        QByteArray generators;
        int generatorCount = 0;
    };

    static void addZone(Zones& zones, int& bagCount, const QList<Generator>& generators,
                        int linkKind, int linkTo)
    {
        zones.bags += le16(zones.generatorCount) + le16(0);
        ++bagCount;
        for (const Generator& generator : generators) {
            zones.generators += le16(generator.kind) + le16(generator.amount);
            ++zones.generatorCount;
        }
        if (linkKind >= 0) {
            zones.generators += le16(linkKind) + le16(linkTo);
            ++zones.generatorCount;
        }
    }

    QByteArray points_;
    QByteArray samples_;
    int sampleCount_ = 0;
    QByteArray instruments_;
    Zones instrumentZones_;
    int instrumentBags_ = 0;
    int instrumentCount_ = 0;
    QByteArray presets_;
    Zones presetZones_;
    int presetBags_ = 0;
};

// A synthesizer that renders into memory as fast as it can.
class OfflineSynth
{
public:
    OfflineSynth()
    {
        for (const int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        settings_ = new_fluid_settings();
        synth_ = new_fluid_synth(settings_);
        soundfont::allowHeld(synth_, settings_);
    }
    ~OfflineSynth()
    {
        if (player_)
            delete_fluid_player(player_);
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    OfflineSynth(const OfflineSynth&) = delete;
    OfflineSynth& operator=(const OfflineSynth&) = delete;

    bool loadFile(const QString& path)
    {
        return fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 1) != FLUID_FAILED;
    }
    bool loadHeld(const QByteArray& font) { return soundfont::loadHeld(synth_, font); }

    // Bank and program of every preset loaded.
    std::set<std::pair<int, int>> presets() const
    {
        std::set<std::pair<int, int>> found;
        fluid_sfont_t* font = fluid_synth_get_sfont(synth_, 0);
        fluid_sfont_iteration_start(font);
        while (fluid_preset_t* preset = fluid_sfont_iteration_next(font))
            found.emplace(fluid_preset_get_banknum(preset), fluid_preset_get_num(preset));
        return found;
    }

    // A key struck on the preset, held and let go; the frames it sounds.
    std::vector<float> note(int bank, int program, int key)
    {
        const int font = fluid_sfont_get_id(fluid_synth_get_sfont(synth_, 0));
        fluid_synth_program_select(synth_, 0, font, bank, program);
        fluid_synth_noteon(synth_, 0, key, 100);
        std::vector<float> frames = render(2000);
        fluid_synth_noteoff(synth_, 0, key);
        const std::vector<float> release = render(2000);
        frames.insert(frames.end(), release.begin(), release.end());
        return frames;
    }

    void play(const QByteArray& midi)
    {
        player_ = new_fluid_player(synth_);
        fluid_player_add_mem(player_, midi.constData(), static_cast<std::size_t>(midi.size()));
        fluid_player_play(player_);
    }
    bool playing() const { return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING; }

    std::vector<float> render(int frames)
    {
        // In floating point, so that no difference is rounded away.
        std::vector<float> stereo(2 * static_cast<std::size_t>(frames));
        fluid_synth_write_float(synth_, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
        return stereo;
    }

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
};

bool silent(const std::vector<float>& frames)
{
    return std::all_of(frames.begin(), frames.end(), [](float value) { return value == 0; });
}

// A set with a preset of program 7 to drop, whose instrument and long sample go
// with it; program 5 in two banks, one of them a stereo pair; and program 0.
// Sample points that each key range of the test set plays, so that the size of
// a cut set tells which samples it kept.
constexpr int kDroppedPoints = 20000;
constexpr int kLowPoints = 3000;
constexpr int kHighPoints = 5000;
constexpr int kTomPoints = 7000;

// Program 7 to drop with its instrument and sample; program 0 a piano whose
// two zones split the keys at 64; program 5 in bank 0 a stereo pair, in bank
// 128 a drum kit whose zones split the keys at 41.
QByteArray testSet(int instrumentOfProgram5 = -1, bool lowBytes = false)
{
    SoundFontBuilder set;
    const int dropped = set.sample("dropped", kDroppedPoints, 90);
    const int low = set.sample("low", kLowPoints, 100);
    const int high = set.sample("high", kHighPoints, 50);
    const int left = set.sample("left", 3000, 75, 4, 4);
    const int right = set.sample("right", 3000, 60, 2, 3);
    const int drum = set.sample("drum", 1500, 40);
    const int tom = set.sample("tom", kTomPoints, 30);
    const int droppedInstrument = set.instrument("dropped", {{dropped, {}}});
    const int piano =
        set.instrument("piano", {{low, {{43, 0x3F00}}}, {high, {{43, 0x7F40}, {17, 100}}}});
    const int stereo = set.instrument("stereo", {{left, {{17, -500}}}, {right, {{17, 500}}}});
    const int kit = set.instrument("kit", {{drum, {{43, 0x2800}}}, {tom, {{43, 0x7F29}}}});
    set.preset("Dropped", 0, 7, droppedInstrument);
    set.preset("Stereo", 0, 5, instrumentOfProgram5 < 0 ? stereo : instrumentOfProgram5,
               {{48, 30}});
    set.preset("Piano", 0, 0, piano);
    set.preset("Kit", 128, 5, kit);
    return set.bytes(lowBytes);
}

soundfont::Keys keys(std::initializer_list<int> struck)
{
    soundfont::Keys result;
    for (const int key : struck)
        result.set(static_cast<std::size_t>(key));
    return result;
}

} // namespace
TEST(MidiSelection, TheKeysOfEachChannelUnderEachOfItsPrograms)
{
    const QByteArray first = raw({0, 0xFF, 0x51, 3,   0x07, 0xA1, 0x20, // tempo
                                  0, 0xC0, 12,                          // program 12
                                  0, 0x90, 60,   100, 10,   62,   100,  // keys, running status
                                  0, 0x90, 64,   0,                     // a key let go
                                  0, 0x99, 36,   90,                    // a drum
                                  0, 0xC5, 33,                          // channel 5 here...
                                  0, 0xE0, 0,    64}) +                 // a pitch bend
                             kEndOfTrack +
                             raw({0, 0xC0, 99}); // past its end
    const QByteArray second = raw({0, 0x93, 50, 80, 0, 0xC3, 49, 0, 0x93, 52, 80, 0, 0xD3, 20, 0,
                                   0x95, 40, 90}) + // ...and there
                              kEndOfTrack;
    const auto selection = soundfont::selectionOf(midiFile(
        {midiChunk("MTrk", first), midiChunk("XFIH", "other"), midiChunk("MTrk", second)}, 2));
    ASSERT_TRUE(selection);
    const soundfont::Selection expected = {
        {{0, 12}, keys({60, 62})}, {{128, 0}, keys({36})}, {{0, 0}, keys({50, 40})},
        {{0, 49}, keys({52})},     {{0, 33}, keys({40})}, // a channel two tracks drive: its keys
                                                          // under all its programs
    };
    EXPECT_EQ(*selection, expected);
}

TEST(MidiSelection, ABankSelectOrSystemMessageLeavesOnlyTheProgramsKnown)
{
    const QList<QByteArray> selecting = {raw({0, 0xB0, 0, 8}), raw({0, 0xB0, 32, 1}),
                                         raw({0, 0xF0, 3, 0x7E, 0x09, 0xF7})};
    for (const QByteArray& event : selecting) {
        const auto selection = soundfont::selectionOf(midiFile(
            {midiChunk("MTrk", event + raw({0, 0xC1, 12, 0, 0x91, 60, 90}) + kEndOfTrack)}, 1));
        ASSERT_TRUE(selection);
        const soundfont::Keys all = soundfont::Keys().set();
        EXPECT_EQ(*selection, (soundfont::Selection{{{soundfont::kAnyBank, 0}, all},
                                                    {{soundfont::kAnyBank, 12}, all}}))
            << event.toHex().constData();
    }
}

TEST(MidiSelection, AFileThatCannotBeReadToItsEndGivesNothing)
{
    const QByteArray good = midiFile({midiChunk("MTrk", raw({0, 0xC0, 3}) + kEndOfTrack)}, 1);
    ASSERT_TRUE(soundfont::selectionOf(good));
    EXPECT_FALSE(soundfont::selectionOf("RIFF" + good.mid(4))) << "not a MIDI file";
    EXPECT_FALSE(soundfont::selectionOf(good.left(good.size() - 2))) << "cut short";
    EXPECT_FALSE(soundfont::selectionOf(midiFile({midiChunk("MTrk", kEndOfTrack)}, 2)))
        << "a track missing";
    const QList<QByteArray> badTracks = {
        raw({0, 60, 100}),                         // data without a status
        raw({0, 0xFF, 0x01, 0, 0, 3}),             // data after a meta event
        raw({0, 0x90, 60, 0x85}),                  // a status byte in a message
        raw({0, 0xF8}),                            // a real-time message
        raw({0x81, 0x81, 0x81, 0x81, 0, 0xC0, 3}), // a five-byte delta time
    };
    for (const QByteArray& track : badTracks) {
        EXPECT_FALSE(soundfont::selectionOf(midiFile({midiChunk("MTrk", track + kEndOfTrack)}, 1)))
            << track.toHex().constData();
    }
}

TEST(TrimmedSoundFont, KeepsWhatTheStruckKeysReachAndSoundsTheSame)
{
    TestEnvironment environment;
    const QString path = environment.programDir() + "/set.sf2";

    struct Case
    {
        const char* what;
        soundfont::Selection selection;
        std::set<std::pair<int, int>> presets;
        int droppedPoints;
    };
    const soundfont::Keys all = soundfont::Keys().set();
    const QList<Case> cases = {
        {"low keys",
         {{{0, 0}, keys({60})}, {{0, 5}, keys({60})}, {{128, 5}, keys({36})}},
         {{0, 0}, {0, 5}, {128, 5}},
         kDroppedPoints + kHighPoints + kTomPoints},
        {"a missing program plays program 0 of its bank",
         {{{0, 9}, keys({72})}, {{128, 7}, keys({45})}},
         {{0, 0}},
         kDroppedPoints + kLowPoints + kTomPoints},
        {"a program in every bank",
         {{{soundfont::kAnyBank, 5}, all}},
         {{0, 5}, {128, 5}},
         kDroppedPoints + kLowPoints + kHighPoints},
    };
    for (const Case& c : cases) {
        const QByteArray set = testSet();
        writeFile(path, set);
        const auto trimmed = soundfont::trimmed(path, c.selection);
        ASSERT_TRUE(trimmed) << c.what;
        EXPECT_LE(trimmed->size(), set.size() - 2 * c.droppedPoints) << c.what;
        // Both play the same keys from the same start, reverb tails and all.
        OfflineSynth whole;
        OfflineSynth cut;
        ASSERT_TRUE(whole.loadFile(path));
        ASSERT_TRUE(cut.loadHeld(*trimmed)) << c.what;
        EXPECT_EQ(cut.presets(), c.presets) << c.what;
        for (const auto& [preset, struck] : c.selection) {
            for (std::size_t key = 0; key < struck.size(); key += struck.all() ? 9 : 1) {
                if (!struck[key])
                    continue;
                for (const auto& [bank, program] : c.presets) {
                    if (preset.first != soundfont::kAnyBank && preset.first != bank)
                        continue;
                    const std::vector<float> expected =
                        whole.note(bank, program, static_cast<int>(key));
                    EXPECT_FALSE(silent(expected)) << c.what << " " << bank << ":" << program;
                    EXPECT_EQ(cut.note(bank, program, static_cast<int>(key)), expected)
                        << c.what << " " << bank << ":" << program << " key " << key;
                }
            }
        }
    }
}

TEST(TrimmedSoundFont, WhatCannotBeCutExactlyGivesNothing)
{
    TestEnvironment environment;
    const QString path = environment.programDir() + "/set.sf2";
    const soundfont::Selection selection = {{{0, 0}, keys({60})}, {{0, 5}, keys({60})}};
    auto trimmedFrom = [&](const QByteArray& bytes) {
        writeFile(path, bytes);
        return soundfont::trimmed(path, selection);
    };
    const QByteArray good = testSet();
    ASSERT_TRUE(trimmedFrom(good));
    EXPECT_FALSE(soundfont::trimmed(environment.programDir() + "/none.sf2", selection));
    EXPECT_FALSE(soundfont::trimmed(environment.programDir(), selection)) << "a folder";
    EXPECT_FALSE(trimmedFrom(good.left(good.size() - 30))) << "cut short";
    EXPECT_FALSE(trimmedFrom("RIFX" + good.mid(4))) << "not RIFF";
    EXPECT_FALSE(trimmedFrom(testSet(9))) << "a preset plays an instrument not there";
    EXPECT_FALSE(trimmedFrom(testSet(-1, true))) << "24-bit samples";

    // A compressed sample counts its positions in bytes, not points.
    SoundFontBuilder compressed;
    const int sample = compressed.sample("compressed", 500, 50, 0x11);
    compressed.preset("Piano", 0, 0, compressed.instrument("piano", {{sample, {}}}));
    EXPECT_FALSE(trimmedFrom(compressed.bytes()));
}

TEST(TrimmedSoundFont, TheGameTuneSoundsTheSameFromWhatItPlaysAlone)
{
    const QString generalMidi = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    if (!QFile::exists(generalMidi))
        GTEST_SKIP() << "no General MIDI soundfont (timgm6mb-soundfont) installed";
    const QByteArray tune = readFile(FROSTEL_SOURCE_DIR "/resources/music/frostel.mid");
    const auto selection = soundfont::selectionOf(tune);
    ASSERT_TRUE(selection);
    const auto trimmed = soundfont::trimmed(generalMidi, *selection);
    ASSERT_TRUE(trimmed);
    EXPECT_LT(trimmed->size(), QFile(generalMidi).size() / 5);

    OfflineSynth whole;
    OfflineSynth cut;
    ASSERT_TRUE(whole.loadFile(generalMidi));
    ASSERT_TRUE(cut.loadHeld(*trimmed));
    whole.play(tune);
    cut.play(tune);
    bool sounded = false;
    int block = 0;
    while (whole.playing()) {
        const std::vector<float> expected = whole.render(4096);
        ASSERT_EQ(cut.render(4096), expected) << "at block " << block;
        sounded = sounded || !silent(expected);
        ++block;
    }
    EXPECT_TRUE(sounded);
    EXPECT_FALSE(cut.playing());
}
