// RIFF WAVE encoding (8-bit unsigned mono PCM), and reading files back for checks
// through SDL, the reader the game plays its sounds with.
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
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::uint8_t> samples; // the data chunk's bytes
    double seconds() const;
};

// Reads a complete RIFF WAVE file of PCM samples; on failure returns nothing and
// explains why.
std::optional<WavInfo> parseWav(const Bytes& file, std::string& error);

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

} // namespace sounds
