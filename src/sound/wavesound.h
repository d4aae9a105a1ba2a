#pragma once

#include <QByteArray>
#include <QObject>

// Plays one sound at a time from a RIFF WAVE file held in memory, through SDL's
// audio, which the music's synthesizer has already brought into the process.
// A new sound stops and replaces the one playing; data that cannot be played
// and a missing audio device mean silence. SDL's audio starts with the first
// sound and ends with the player.
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
    struct Format
    {
        int frequency = 0;
        int encoding = 0; // SDL's sample format
        int channels = 0;
        bool operator==(const Format&) const = default;
    };

    bool startAudio();
    bool openDevice(const Format& format);
    void closeDevice();

    bool audioStarted_ = false;
    quint32 device_ = 0; // 0: none open
    Format deviceFormat_;
};
