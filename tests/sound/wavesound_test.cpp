#include "sound/wavesound.h"

#include "desktop/terminationsignal.h"
#include "files/resources.h"

#include <QDataStream>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// SDL picks its audio driver by this variable when its audio starts: "dummy"
// takes the samples at a real device's pace and sounds nowhere, and a name SDL
// does not know leaves the player without a device. SDL's audio is one for the
// whole process, started by the first player and ended by the last, and the
// dummy device opens once in it: these tests need a process where no other
// player is alive, as ctest gives each test.
class AudioDriver
{
public:
    explicit AudioDriver(const char* name)
        : had_(qEnvironmentVariableIsSet(kVariable)), previous_(qgetenv(kVariable))
    {
        qputenv(kVariable, name);
    }
    ~AudioDriver()
    {
        if (had_)
            qputenv(kVariable, previous_);
        else
            qunsetenv(kVariable);
    }

private:
    static constexpr const char* kVariable = "SDL_AUDIODRIVER";
    bool had_;
    QByteArray previous_;
};

// A RIFF WAVE file of PCM silence, long enough to still sound when the test
// looks, however slowly it runs.
QByteArray silence(int frequency, int bits, int channels, int seconds = 10)
{
    const int blockAlign = channels * bits / 8;
    const quint32 dataSize = quint32(frequency) * seconds * blockAlign;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(frequency)
        << quint32(frequency * blockAlign) << quint16(blockAlign) << quint16(bits);
    out.writeRawData("data", 4);
    out << dataSize;
    out.writeRawData(QByteArray(qsizetype(dataSize), bits == 8 ? char(128) : char(0)).constData(),
                     int(dataSize));
    return file;
}

void (*handlerOf(int signal))(int)
{
    struct sigaction action
    {};
    ::sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

} // namespace

TEST(WavePlayer, PlaysSoundsOfAnyFormatOneAtATime)
{
    AudioDriver driver("dummy");
    const QByteArray solved = resources::load("WAV", 106).value_or(QByteArray());
    const QByteArray monoByte = silence(8000, 8, 1);
    const QByteArray stereoWord = silence(44100, 16, 2);
    WavePlayer player;
    EXPECT_FALSE(player.isPlaying());
    EXPECT_TRUE(player.play(solved));
    // Each change of format needs a device of its own; the same format plays on the one open.
    EXPECT_TRUE(player.play(stereoWord));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(player.play(monoByte));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(player.play(monoByte)) << "the second replaces the first";
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_TRUE(player.play(stereoWord)) << "a stopped player plays again";
    EXPECT_TRUE(player.isPlaying());
}

TEST(WavePlayer, RefusesWhatIsNotAWholeSoundAndFallsSilent)
{
    AudioDriver driver("dummy");
    const QByteArray solved = resources::load("WAV", 106).value_or(QByteArray());
    const QByteArray stereoWord = silence(44100, 16, 2, 1);
    WavePlayer player;
    ASSERT_TRUE(player.play(solved));
    // Cut short, so that the header promises more than there is.
    EXPECT_FALSE(player.play(solved.left(solved.size() / 2)));
    EXPECT_FALSE(player.isPlaying()) << "unplayable data stops the sound before it";
    ASSERT_TRUE(player.play(stereoWord));
    EXPECT_FALSE(player.play(stereoWord.chopped(1))) << "a frame cut in its middle";
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(player.play("RIFF....WAVEjunk"));
    EXPECT_FALSE(player.play(QByteArray()));
    EXPECT_TRUE(player.play(solved)) << "a refused sound leaves the player working";
}

TEST(WavePlayer, IsSilentWithoutAnAudioDevice)
{
    AudioDriver driver("no-such-driver");
    WavePlayer player;
    EXPECT_FALSE(player.play(silence(8000, 8, 1)));
    EXPECT_FALSE(player.play(silence(8000, 8, 1))) << "and stays so at the next sound";
    EXPECT_FALSE(player.isPlaying());
    player.stop();
}

TEST(WavePlayer, LeavesTheTerminationSignalsToTheGame)
{
    AudioDriver driver("dummy");
    const QByteArray sound = silence(8000, 8, 1, 1);
    ASSERT_EQ(handlerOf(SIGTERM), SIG_DFL);
    {
        WavePlayer player;
        ASSERT_TRUE(player.play(sound));
        EXPECT_EQ(handlerOf(SIGTERM), SIG_DFL) << "SDL caught SIGTERM itself";
        EXPECT_EQ(handlerOf(SIGINT), SIG_DFL) << "SDL caught SIGINT itself";
    }
    TerminationSignal termination;
    const auto gameHandler = handlerOf(SIGTERM);
    ASSERT_NE(gameHandler, SIG_DFL);
    {
        WavePlayer player;
        ASSERT_TRUE(player.play(sound));
        EXPECT_EQ(handlerOf(SIGTERM), gameHandler);
    }
    EXPECT_EQ(handlerOf(SIGTERM), gameHandler) << "the player's end took the game's handler";
}
