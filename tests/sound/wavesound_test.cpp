#include "sound/wavesound.h"

#include "files/resources.h"
#include "support/testsupport.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <gtest/gtest.h>

TEST(WavePlayer, PlaysWhenThereIsADeviceAndIsSilentOtherwise)
{
    const bool haveDevice = !QMediaDevices::defaultAudioOutput().isNull();
    const QByteArray solved = resources::load("WAV", 106).value_or(QByteArray());
    WavePlayer player;
    EXPECT_EQ(player.play(solved), haveDevice);
    EXPECT_EQ(player.play(solved), haveDevice) << "the second replaces the first";
    // Cut short, so that the header promises more than there is.
    EXPECT_FALSE(player.play(solved.left(solved.size() / 2)));
    EXPECT_FALSE(player.play("RIFF....WAVEjunk"));
    EXPECT_FALSE(player.isPlaying()) << "unplayable data stops the sound before it";
}
