// Plays a MIDI file through FluidSynth into memory, as the game plays it, so that levels
// can be measured.
#pragma once

#include "midi.hpp"

#include <string>
#include <vector>

namespace music {

inline constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
inline constexpr int kRenderRate = 22050;

struct Rendering
{
    std::vector<double> left;
    std::vector<double> right;
};

// Renders the whole file and two seconds of its reverberation, hearing only the channels
// (0..15) whose bits are set in `channels`; throws std::runtime_error.
Rendering render(const Bytes& file, unsigned channels, const std::string& soundFont = kSoundFont);

} // namespace music
