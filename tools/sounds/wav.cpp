#include "wav.hpp"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sounds {

namespace {

void putTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

void putLittle(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint8_t toUnsigned8(double sample)
{
    const double clipped = std::clamp(sample, -1.0, 1.0);
    return static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * clipped));
}

} // namespace

double WavInfo::seconds() const
{
    const int bytesPerFrame = channels * (bitsPerSample / 8);
    if (sampleRate <= 0 || bytesPerFrame <= 0) {
        return 0.0;
    }
    return static_cast<double>(samples.size()) / bytesPerFrame / sampleRate;
}

Bytes encodeWav(const Signal& signal)
{
    const auto dataSize = static_cast<std::uint32_t>(signal.size());
    const std::uint32_t padding = dataSize % 2;
    Bytes out;
    out.reserve(44 + dataSize + padding);
    putTag(out, "RIFF");
    putLittle(out, 36 + dataSize + padding, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittle(out, 16, 4);
    putLittle(out, 1, 2); // PCM
    putLittle(out, 1, 2); // mono
    putLittle(out, kSampleRate, 4);
    putLittle(out, kSampleRate, 4); // bytes per second at one byte per frame
    putLittle(out, 1, 2);           // block align
    putLittle(out, 8, 2);           // bits per sample
    putTag(out, "data");
    putLittle(out, dataSize, 4);
    std::transform(signal.begin(), signal.end(), std::back_inserter(out), toUnsigned8);
    if (padding) {
        out.push_back(128);
    }
    return out;
}

std::optional<WavInfo> parseWav(const Bytes& file, std::string& error)
{
    // The game reads its sounds through SDL with truncated files refused; so does the check.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = file.size() > INT_MAX
                            ? nullptr
                            : SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (!source || !SDL_LoadWAV_RW(source, 1, &spec, &samples, &length)) {
        error = std::string("not a whole RIFF WAVE file: ") + SDL_GetError();
        return std::nullopt;
    }
    WavInfo info{spec.channels, spec.freq, SDL_AUDIO_BITSIZE(spec.format), {}};
    info.samples.assign(samples, samples + length);
    SDL_FreeWAV(samples);
    // SDL reads no further than the RIFF chunk; whatever follows it is no part of the sound.
    const std::uint32_t riffSize =
        file[4] | file[5] << 8 | file[6] << 16 | static_cast<std::uint32_t>(file[7]) << 24;
    if (riffSize + std::uint64_t{8} != file.size()) {
        error = "bytes after the RIFF chunk";
        return std::nullopt;
    }
    return info;
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace sounds
