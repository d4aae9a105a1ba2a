#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;
class QWaveDecoder;

// Plays one sound at a time from a RIFF WAVE file held in memory, which Qt's
// wave decoder reads. A new sound stops and replaces the one playing; data that
// cannot be played and a missing audio device mean silence.
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
    QByteArray bytes_; // the file; the buffer reads it from here
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QWaveDecoder> decoder_;
    std::unique_ptr<QAudioSink> sink_;
};
