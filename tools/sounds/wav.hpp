// RIFF WAVE encoding (8-bit unsigned mono PCM) and a strict reader for checking files.
#pragma once

#include "synth.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sounds {

using Bytes = std::vector<std::uint8_t>;

// Full scale maps to 128 +/- 127; values outside -1..1 are clipped.
Bytes encodeWav(const Signal& signal);

struct WavInfo
{
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::uint8_t> samples; // the data chunk's bytes
    double seconds() const;
};

// Parses a complete RIFF WAVE file; on failure returns nothing and explains why.
std::optional<WavInfo> parseWav(const Bytes& file, std::string& error);

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

} // namespace sounds
