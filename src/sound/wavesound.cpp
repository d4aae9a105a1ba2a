#include "wavesound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

constexpr qsizetype kChunkHeader = 8;
constexpr qsizetype kPcmFormatSize = 16;
constexpr quint16 kFormatPcm = 1;
constexpr int kLowestRate = 1000;
constexpr int kHighestRate = 192000;

quint32 littleEndian(QByteArrayView bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

struct PcmFormat
{
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
};

PcmFormat readFormat(QByteArrayView body)
{
    // Byte rate and block alignment are derived values; they are not trusted.
    return {static_cast<quint16>(littleEndian(body, 0, 2)),
            static_cast<quint16>(littleEndian(body, 2, 2)), littleEndian(body, 4, 4),
            static_cast<quint16>(littleEndian(body, 14, 2))};
}

bool playable(const PcmFormat& format)
{
    return format.tag == kFormatPcm && (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.sampleRate >= kLowestRate && format.sampleRate <= kHighestRate;
}

QAudioFormat audioFormatOf(const WaveClip& clip)
{
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(clip.channels);
    format.setSampleFormat(clip.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

} // namespace

std::optional<WaveClip> parseWave(QByteArrayView bytes)
{
    if (bytes.size() < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<PcmFormat> format;
    std::optional<std::pair<qsizetype, qsizetype>> samples; // offset, length
    // The RIFF size field is often wrong; the chunks are walked to the end of the bytes.
    qint64 at = 12;
    while (at + kChunkHeader <= bytes.size() && !(format && samples)) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 declared = littleEndian(bytes, at + 4, 4);
        const qint64 body = at + kChunkHeader;
        const qint64 available = bytes.size() - body;
        if (id == "fmt " && !format) {
            if (declared < kPcmFormatSize || available < kPcmFormatSize)
                return std::nullopt;
            format = readFormat(bytes.sliced(body, kPcmFormatSize));
        } else if (id == "data" && !samples) {
            samples = {body, std::min(declared, available)};
        }
        at = body + declared + (declared & 1); // chunks are padded to an even size
    }
    if (!format || !samples || !playable(*format))
        return std::nullopt;

    WaveClip clip{format->channels, static_cast<int>(format->sampleRate), format->bitsPerSample,
                  samples->first, 0};
    const qsizetype frameSize = clip.channels * clip.bitsPerSample / 8;
    clip.dataLength = samples->second - samples->second % frameSize;
    if (clip.dataLength == 0)
        return std::nullopt;
    return clip;
}

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer()
{
    stop();
}

bool WavePlayer::play(const QByteArray& waveFile)
{
    stop();
    const std::optional<WaveClip> clip = parseWave(waveFile);
    if (!clip || !makeSink(*clip))
        return false;

    bytes_ = waveFile;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(
        QByteArray::fromRawData(bytes_.constData() + clip->dataOffset, clip->dataLength));
    buffer_->open(QIODevice::ReadOnly);
    sink_->start(buffer_.get());
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
    sink_.reset(); // before the buffer it reads from
    buffer_.reset();
    bytes_.clear();
}

bool WavePlayer::isPlaying() const
{
    return sink_ && sink_->state() == QAudio::ActiveState;
}

bool WavePlayer::makeSink(const WaveClip& clip)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = audioFormatOf(clip);
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    return true;
}
