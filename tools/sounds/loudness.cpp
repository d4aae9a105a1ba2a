#include "loudness.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sounds {

namespace {

struct Biquad
{
    double b0, b1, b2, a1, a2;

    void run(std::vector<double>& signal) const
    {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& sample : signal) {
            const double y = b0 * sample + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = sample;
            y2 = y1;
            y1 = y;
            sample = y;
        }
    }
};

// The two stages of the K-weighting, derived for any sample rate from their analogue
// prototypes (shelf at 1682 Hz, +4 dB; high-pass at 38 Hz), so that 22050, 11025 and
// 7500 Hz files are all measured alike.
Biquad presenceShelf(int sampleRate)
{
    const double k = std::tan(std::numbers::pi * 1681.974450955533 / sampleRate);
    const double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad bassCut(int sampleRate)
{
    const double k = std::tan(std::numbers::pi * 38.13547087602444 / sampleRate);
    const double q = 0.5003270373238773;
    const double a0 = 1.0 + k / q + k * k;
    return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

} // namespace

std::vector<double> kWeighted(const std::vector<double>& samples, int sampleRate)
{
    std::vector<double> out = samples;
    presenceShelf(sampleRate).run(out);
    bassCut(sampleRate).run(out);
    return out;
}

double loudnessOf(const std::vector<double>& samples, int sampleRate)
{
    const std::vector<double> weighted = kWeighted(samples, sampleRate);
    const auto window = static_cast<std::size_t>(std::lround(kLoudnessWindowSeconds * sampleRate));
    // A window reaching past either end holds no more than a full one inside the effect,
    // so for effects longer than the window only full windows need a look.
    double sum = 0.0;
    double loudest = 0.0;
    for (std::size_t n = 0; n < weighted.size(); ++n) {
        sum += weighted[n] * weighted[n];
        if (n >= window) {
            sum -= weighted[n - window] * weighted[n - window];
        }
        loudest = std::max(loudest, sum);
    }
    const double meanSquare = loudest / static_cast<double>(window);
    return meanSquare > 0 ? -0.691 + 10.0 * std::log10(meanSquare) : -200.0;
}

void setLoudness(std::vector<double>& samples, int sampleRate, double loudness, double ceilingDb)
{
    double peak = 0.0;
    for (const double sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    if (peak == 0.0) {
        return;
    }
    const double gain =
        std::min(std::pow(10.0, (loudness - loudnessOf(samples, sampleRate)) / 20.0),
                 std::pow(10.0, ceilingDb / 20.0) / peak);
    for (double& sample : samples) {
        sample *= gain;
    }
}

} // namespace sounds
