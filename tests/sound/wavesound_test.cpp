#include "sound/wavesound.h"

#include "support/testsupport.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QByteArray chunk(const char* id, const QByteArray& body, qint64 declaredSize = -1)
{
    const quint32 size = declaredSize < 0 ? body.size() : static_cast<quint32>(declaredSize);
    QByteArray bytes = QByteArray(id, 4) + le32(size) + body;
    if (declaredSize < 0 && body.size() % 2 == 1)
        bytes.append('\0'); // padding; a chunk with a made-up size is the file's last
    return bytes;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = static_cast<quint16>(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(static_cast<quint32>(chunks.size() + 4)) + "WAVE" + chunks;
}

QByteArray monoSound(int samples = 2205)
{
    return riff(chunk("fmt ", fmtBody(1, 1, 22050, 8)) +
                chunk("data", QByteArray(samples, '\x80')));
}

} // namespace

TEST(WaveParser, FindsTheSamplesOfPlayablePcm)
{
    EXPECT_EQ(parseWave(monoSound()), (WaveClip{1, 22050, 8, 44, 2205}));

    // Stereo 16 bit, with an odd-sized chunk (padded) before the format and one between.
    const QByteArray stereo = riff(chunk("LIST", "abc") + chunk("fmt ", fmtBody(1, 2, 44100, 16)) +
                                   chunk("fact", le32(4)) + chunk("data", QByteArray(16, '\1')));
    EXPECT_EQ(parseWave(stereo), (WaveClip{2, 44100, 16, 12 + 12 + 24 + 12 + 8, 16}));

    // Data before format, and a longer format chunk with extra bytes.
    const QByteArray reordered =
        riff(chunk("data", QByteArray(10, '\0')) + chunk("fmt ", fmtBody(1, 1, 7500, 8) + le16(0)));
    EXPECT_EQ(parseWave(reordered), (WaveClip{1, 7500, 8, 20, 10}));
}

TEST(WaveParser, TrustsTheBytesThereRatherThanTheSizesClaimed)
{
    // A data chunk that claims more than the file holds is cut to whole frames.
    const QByteArray lying =
        riff(chunk("fmt ", fmtBody(1, 2, 22050, 16)) + chunk("data", QByteArray(7, '\0'), 1000));
    ASSERT_TRUE(parseWave(lying));
    EXPECT_EQ(parseWave(lying)->dataLength, 4);

    const QByteArray huge = riff(chunk("fmt ", fmtBody(1, 1, 11025, 8)) +
                                 chunk("data", QByteArray(5, '\0'), 0xFFFFFFFF));
    ASSERT_TRUE(parseWave(huge));
    EXPECT_EQ(parseWave(huge)->dataLength, 5);

    // A wrong RIFF size and wrong derived fields in the format do not matter.
    QByteArray badRiffSize = monoSound();
    badRiffSize.replace(4, 4, le32(3));
    badRiffSize.replace(28, 4, le32(0)); // byte rate
    badRiffSize.replace(32, 2, le16(9)); // block alignment
    EXPECT_EQ(parseWave(badRiffSize), parseWave(monoSound()));
}

TEST(WaveParser, RefusesWhatCannotBePlayed)
{
    const auto withFormat = [](const QByteArray& fmt) {
        return riff(chunk("fmt ", fmt) + chunk("data", QByteArray(64, '\0')));
    };
    EXPECT_FALSE(parseWave(withFormat(fmtBody(3, 1, 22050, 32)))) << "floating point";
    EXPECT_FALSE(parseWave(withFormat(fmtBody(2, 1, 22050, 4)))) << "ADPCM";
    EXPECT_FALSE(parseWave(withFormat(fmtBody(0xFFFE, 2, 44100, 16)))) << "extensible";
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 1, 22050, 24))));
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 0, 22050, 8))));
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 6, 22050, 16))));
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 1, 0, 8))));
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 1, 0xFFFFFFFF, 8))));
    EXPECT_FALSE(parseWave(withFormat(fmtBody(1, 1, 22050, 8).left(14)))) << "short format";
    EXPECT_FALSE(parseWave(riff(chunk("fmt ", fmtBody(1, 1, 22050, 8))))) << "no data chunk";
    EXPECT_FALSE(parseWave(riff(chunk("data", QByteArray(8, '\0'))))) << "no format chunk";
    EXPECT_FALSE(parseWave(
        riff(chunk("fmt ", fmtBody(1, 2, 22050, 16)) + chunk("data", QByteArray(3, '\0')))))
        << "less than one frame";
    EXPECT_FALSE(parseWave(QByteArray()));
    EXPECT_FALSE(parseWave("RIFF"));
    QByteArray notWave = monoSound();
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(parseWave(notWave));
}

TEST(WaveParser, NeverReachesPastTheEndOfTruncatedOrScrambledFiles)
{
    const QByteArray good = riff(chunk("LIST", "x") + chunk("fmt ", fmtBody(1, 2, 22050, 16)) +
                                 chunk("data", QByteArray(40, '\7')));
    for (qsizetype length = 0; length <= good.size(); ++length) {
        const std::optional<WaveClip> clip = parseWave(QByteArrayView(good).first(length));
        if (clip) {
            EXPECT_LE(clip->dataOffset + clip->dataLength, length);
        }
    }
    QRandomGenerator random(1701);
    for (int round = 0; round < 2000; ++round) {
        QByteArray scrambled = good;
        for (int flips = random.bounded(1, 6); flips > 0; --flips)
            scrambled[random.bounded(12, static_cast<int>(good.size()))] =
                static_cast<char>(random.bounded(256));
        const qsizetype length = random.bounded(static_cast<int>(good.size()) + 1);
        const std::optional<WaveClip> clip = parseWave(QByteArrayView(scrambled).first(length));
        if (clip) {
            EXPECT_GE(clip->dataOffset, 12);
            EXPECT_LE(clip->dataOffset + clip->dataLength, length);
            EXPECT_GT(clip->dataLength, 0);
        }
    }
}

TEST(WavePlayer, PlaysWhenThereIsADeviceAndIsSilentOtherwise)
{
    const bool haveDevice = !QMediaDevices::defaultAudioOutput().isNull();
    WavePlayer player;
    EXPECT_EQ(player.play(monoSound(22050)), haveDevice);
    EXPECT_EQ(player.play(monoSound(22050)), haveDevice) << "the second replaces the first";
    EXPECT_FALSE(player.play("RIFF....WAVEjunk"));
    EXPECT_FALSE(player.isPlaying()) << "unplayable data stops the sound before it";
}
