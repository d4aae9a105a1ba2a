#include "sound/music.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fluidsynth.h>

#include <cmath>
#include <sys/stat.h>

namespace {

const QString kGeneralMidi = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
constexpr int kSecond = 44100; // frames at the synthesizer's default rate

// A format-0 MIDI file that strikes middle C for a beat.
QByteArray oneNote()
{
    const QByteArray track("\x00\x90\x3C\x60"  // note on, middle C
                           "\x60\x80\x3C\x00"  // a beat later, note off
                           "\x00\xFF\x2F\x00", // end of track
                           12);
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk" +
           be32(static_cast<quint32>(track.size())) + track;
}

// Below what 16-bit output can hold: the reverb keeps up a faint noise floor.
bool silent(const std::vector<float>& frames)
{
    return std::all_of(frames.begin(), frames.end(),
                       [](float value) { return std::abs(value) < 1.0f / 65536; });
}

// The tune on a synthesizer that holds the whole soundfont in memory: what the
// music must sound like.
class WholeSoundFont
{
public:
    explicit WholeSoundFont(const QByteArray& tune)
    {
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.gain", Music::Options{}.gain);
        synth_ = new_fluid_synth(settings_);
        fluid_synth_sfload(synth_, QFile::encodeName(kGeneralMidi).constData(), 1);
        player_ = new_fluid_player(synth_);
        fluid_player_add_mem(player_, tune.constData(), static_cast<std::size_t>(tune.size()));
        fluid_player_play(player_);
    }
    ~WholeSoundFont()
    {
        delete_fluid_player(player_);
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    WholeSoundFont(const WholeSoundFont&) = delete;
    WholeSoundFont& operator=(const WholeSoundFont&) = delete;

    bool playing() const { return fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING; }

    std::vector<float> render(int frames)
    {
        std::vector<float> stereo(2 * static_cast<std::size_t>(frames));
        fluid_synth_write_float(synth_, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
        return stereo;
    }

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
};

class MusicTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(QFile::exists(kGeneralMidi)) << "timgm6mb-soundfont"; }

    QString song()
    {
        const QString path = environment.programDir() + QStringLiteral("/song.mid");
        writeFile(path, oneNote());
        return path;
    }

    TestEnvironment environment;
    Music music{{.audioOutput = false}};
};

} // namespace

TEST_F(MusicTest, SoundsOnlyBetweenPlayAndClose)
{
    ASSERT_TRUE(music.open(song()));
    EXPECT_TRUE(music.isOpen());
    EXPECT_TRUE(silent(music.render(kSecond / 10))) << "nothing sounds before play";
    music.play();
    EXPECT_TRUE(music.isPlaying());
    EXPECT_FALSE(silent(music.render(kSecond / 2)));

    music.close();
    EXPECT_FALSE(music.isOpen());
    EXPECT_FALSE(music.isPlaying());
    EXPECT_TRUE(silent(music.render(kSecond / 10)));

    // Opened again, it plays from its start.
    ASSERT_TRUE(music.open(song()));
    music.play();
    EXPECT_FALSE(silent(music.render(kSecond / 2)));
}

TEST_F(MusicTest, WhatIsNoMidiFileOpensNothingAndNeverBlocks)
{
    const QString folder = environment.programDir();
    writeFile(folder + "/notes.mid", "these are not notes");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/fifo.mid").constData(), 0600), 0);
    ASSERT_TRUE(music.open(song()));
    // The last is the folder itself.
    for (const char* name : {"missing.mid", "notes.mid", "fifo.mid", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(music.open(folder + u'/' + QString::fromLatin1(name)));
        EXPECT_FALSE(music.isOpen()) << "what was open before is closed";
    }
}

TEST_F(MusicTest, WithoutTheSoundFontTheMusicIsOpenButSilent)
{
    Music withoutFont({.soundFont = environment.programDir() + "/none.sf2", .audioOutput = false});
    ASSERT_TRUE(withoutFont.open(song()));
    withoutFont.play();
    EXPECT_TRUE(withoutFont.isOpen());
    EXPECT_TRUE(silent(withoutFont.render(kSecond / 2)));
}

// Its drum kit included, which once ended its hits in clicks of whatever lay
// beyond the samples loaded on demand.
TEST_F(MusicTest, TheGameTuneSoundsAsFromTheWholeSoundFont)
{
    const QString path = QStringLiteral(FROSTEL_SOURCE_DIR "/resources/music/frostel.mid");
    WholeSoundFont whole(readFile(path));
    ASSERT_TRUE(music.open(path));
    music.play();
    bool sounded = false;
    // Its first half minute: all its instruments, the drums on every beat.
    for (int block = 0; block < 30 * kSecond / 4096; ++block) {
        const std::vector<float> expected = whole.render(4096);
        ASSERT_EQ(music.render(4096), expected) << "at block " << block;
        sounded = sounded || !silent(expected);
    }
    EXPECT_TRUE(sounded);
}

TEST_F(MusicTest, TheGameTunePlaysOnceThroughToItsEnd)
{
    ASSERT_TRUE(music.open(QStringLiteral(FROSTEL_SOURCE_DIR "/resources/music/frostel.mid")));
    music.play();
    int soundingSeconds = 0;
    int seconds = 0;
    for (; music.isPlaying() && seconds < 600; ++seconds)
        soundingSeconds += !silent(music.render(kSecond));
    EXPECT_GT(seconds, 60) << "the whole tune, not a part of it";
    EXPECT_LT(seconds, 600) << "and then it ends";
    EXPECT_GT(soundingSeconds, seconds * 3 / 4);
}
