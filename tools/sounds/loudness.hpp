// Perceived loudness of a short effect, measured the way broadcast loudness meters do.
#pragma once

#include <vector>

namespace sounds {

// Loudness is judged over the loudest stretch of this length; shorter effects count as if
// padded with silence, since the ear, too, hears a brief sound as quieter.
inline constexpr double kLoudnessWindowSeconds = 0.4;

// K-weighted mean square of the loudest window in dB, on the scale where a full-scale
// 997 Hz sine reads -3.01. Samples are in -1..1.
double loudnessOf(const std::vector<double>& samples, int sampleRate);

// The samples after the K-weighting filter: a shelf that lifts the presence range by 4 dB
// and a high-pass that discounts the bass, as the ear does.
std::vector<double> kWeighted(const std::vector<double>& samples, int sampleRate);

// Scales the samples to read `loudness`, unless that would lift the peak past `ceilingDb`
// (dB full scale); then the peak ends at the ceiling and the samples read quieter.
void setLoudness(std::vector<double>& samples, int sampleRate, double loudness, double ceilingDb);

} // namespace sounds
