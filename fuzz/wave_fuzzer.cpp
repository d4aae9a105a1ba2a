// The RIFF WAVE header reader: whatever it accepts must describe playable
// samples that lie wholly inside the bytes, in whole frames.

#include "fuzzsupport.h"
#include "sound/wavesound.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const std::optional<WaveClip> clip = parseWave(bytes);
    if (!clip)
        return 0;
    const QString detail = QStringLiteral("offset %1 length %2 of %3")
                               .arg(clip->dataOffset)
                               .arg(clip->dataLength)
                               .arg(bytes.size());
    fuzz::check(clip->channels == 1 || clip->channels == 2, "channels");
    fuzz::check(clip->bitsPerSample == 8 || clip->bitsPerSample == 16, "bits per sample");
    fuzz::check(clip->sampleRate >= 1000 && clip->sampleRate <= 192000, "sample rate");
    // The samples follow the RIFF header, a format chunk and their own chunk header.
    fuzz::check(clip->dataOffset >= 20, "samples inside the headers", detail);
    fuzz::check(clip->dataLength > 0 && clip->dataOffset + clip->dataLength <= bytes.size(),
                "samples outside the bytes", detail);
    fuzz::check(clip->dataLength % (clip->channels * clip->bitsPerSample / 8) == 0,
                "a partial frame", detail);
    fuzz::check(parseWave(bytes) == clip, "a second reading differs");
    return 0;
}
