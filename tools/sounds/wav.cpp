#include "wav.hpp"

#include <algorithm>
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

std::uint32_t getLittle(const Bytes& in, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | in[at + static_cast<std::size_t>(i)];
    }
    return value;
}

bool hasTag(const Bytes& in, std::size_t at, const char* tag)
{
    return in.size() >= at + 4 && std::equal(tag, tag + 4, in.begin() + static_cast<long>(at));
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
    if (file.size() < 12 || !hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE")) {
        error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    if (getLittle(file, 4, 4) + 8 != file.size()) {
        error = "RIFF size field does not match the file size";
        return std::nullopt;
    }
    WavInfo info;
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint32_t size = getLittle(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) {
            error = "chunk runs past the end of the file";
            return std::nullopt;
        }
        if (hasTag(file, at, "fmt ") && size >= 16) {
            info.formatTag = static_cast<int>(getLittle(file, body, 2));
            info.channels = static_cast<int>(getLittle(file, body + 2, 2));
            info.sampleRate = static_cast<int>(getLittle(file, body + 4, 4));
            const auto byteRate = getLittle(file, body + 8, 4);
            const auto blockAlign = getLittle(file, body + 12, 2);
            info.bitsPerSample = static_cast<int>(getLittle(file, body + 14, 2));
            const auto expectedAlign =
                static_cast<std::uint32_t>(info.channels * info.bitsPerSample / 8);
            if (blockAlign != expectedAlign || byteRate != expectedAlign * info.sampleRate) {
                error = "block align or byte rate inconsistent with the format";
                return std::nullopt;
            }
            haveFormat = true;
        } else if (hasTag(file, at, "data")) {
            if (!haveFormat) {
                error = "data chunk before the fmt chunk";
                return std::nullopt;
            }
            info.samples.assign(file.begin() + static_cast<long>(body),
                                file.begin() + static_cast<long>(body + size));
            haveData = true;
        }
        at = body + size + size % 2; // chunks are word aligned
    }
    if (at != file.size()) {
        error = "trailing bytes after the last chunk";
        return std::nullopt;
    }
    if (!haveFormat || !haveData) {
        error = haveFormat ? "no data chunk" : "no fmt chunk";
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
