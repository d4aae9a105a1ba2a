// "Frostel", the game's background tune: intro, A, B, A' a tone higher, and a short ending.
#pragma once

#include "midi.hpp"

#include <vector>

namespace music {

// The channels that carry the tune: marimba, flute and glockenspiel; the rest accompany.
inline constexpr unsigned kMelodyChannels = 0b111;

// The conductor track (tempo, metre, key, section markers) followed by one track per instrument.
std::vector<Track> composeTune();

} // namespace music
