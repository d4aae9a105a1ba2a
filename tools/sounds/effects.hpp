// The game's fourteen sound effects, numbered like their resources.
#pragma once

#include "synth.hpp"

namespace sounds {

inline constexpr int kFirstEffect = 100;
inline constexpr int kLastEffect = 113;
inline constexpr int kFirstJingle = 106; // the eight solved-word jingles run to kLastEffect

// The mix. Effects are balanced by how loud they sound (loudness.hpp), not by their peaks:
// every one within the tolerance of the target, the jingles, which stand in for one another,
// closer still, and no peak above the ceiling.
inline constexpr double kTargetLoudness = -16.0;
inline constexpr double kLoudnessTolerance = 3.0;
inline constexpr double kJingleSpread = 2.0;
inline constexpr double kPeakCeilingDb = -1.0;

// Renders effect 100..113, finished and mixed; throws std::out_of_range otherwise.
Signal makeEffect(int id);

} // namespace sounds
