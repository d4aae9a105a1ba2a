#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include <memory>
#include <optional>

class QAudioSink;
class QBuffer;

// Where the samples of a RIFF WAVE file lie and how to play them.
struct WaveClip
{
    int channels = 0;      // 1 or 2
    int sampleRate = 0;    // samples per second
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed)
    qsizetype dataOffset = 0;
    qsizetype dataLength = 0; // whole sample frames only, never past the end of the bytes

    bool operator==(const WaveClip&) const = default;
};

// Reads the header of a RIFF WAVE file held in memory. Only uncompressed PCM,
// mono or stereo, 8 or 16 bits is playable; anything else, and any header that
// points outside the bytes, gives nothing. A data chunk that claims more bytes
// than are there is cut to what is there.
std::optional<WaveClip> parseWave(QByteArrayView bytes);

// Plays one sound at a time from memory. A new sound stops and replaces the one
// playing; data that cannot be played and a missing audio device mean silence.
class WavePlayer : public QObject
{
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    // Returns whether the sound was handed to an audio device.
    bool play(const QByteArray& waveFile);
    void stop();
    bool isPlaying() const;

private:
    bool makeSink(const WaveClip& clip);

    QByteArray bytes_; // the file; the buffer reads its samples from here
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};
