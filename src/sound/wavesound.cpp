#include "wavesound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QWaveDecoder>

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer()
{
    stop();
}

bool WavePlayer::play(const QByteArray& waveFile)
{
    stop();
    bytes_ = waveFile;
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    buffer_->open(QIODevice::ReadOnly);
    // With the whole file at hand the decoder reads the header as it opens.
    decoder_ = std::make_unique<QWaveDecoder>(buffer_.get());
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!decoder_->open(QIODevice::ReadOnly) || !decoder_->audioFormat().isValid() ||
        device.isNull() || !device.isFormatSupported(decoder_->audioFormat())) {
        stop();
        return false;
    }
    sink_ = std::make_unique<QAudioSink>(device, decoder_->audioFormat());
    sink_->start(decoder_.get());
    if (sink_->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

void WavePlayer::stop()
{
    if (sink_)
        sink_->stop();
    sink_.reset(); // before the decoder and the buffer it reads from
    decoder_.reset();
    buffer_.reset();
    bytes_.clear();
}

bool WavePlayer::isPlaying() const
{
    return sink_ && sink_->state() == QAudio::ActiveState;
}
