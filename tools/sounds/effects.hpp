// The game's fourteen sound effects, numbered like their resources.
#pragma once

#include "synth.hpp"

namespace sounds {

inline constexpr int kFirstEffect = 100;
inline constexpr int kLastEffect = 113;
inline constexpr double kPeakDb = -3.0;

// Renders effect 100..113, finished and normalised; throws std::out_of_range otherwise.
Signal makeEffect(int id);

} // namespace sounds
