#include "levels.hpp"

#include "loudness.hpp"
#include "render.hpp"

#include <algorithm>
#include <cmath>

namespace music {

namespace {

struct Weighted
{
    std::vector<double> left;
    std::vector<double> right;
};

Weighted weigh(const Rendering& rendering)
{
    return {sounds::kWeighted(rendering.left, kRenderRate),
            sounds::kWeighted(rendering.right, kRenderRate)};
}

double meanSquare(const std::vector<double>& signal, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t n = from; n < to; ++n) {
        sum += signal[n] * signal[n];
    }
    return to > from ? sum / static_cast<double>(to - from) : 0.0;
}

// Both channels count in full, as the loudness of a stereo programme does.
double loudness(const Weighted& w, std::size_t from, std::size_t to)
{
    const double power = meanSquare(w.left, from, to) + meanSquare(w.right, from, to);
    return power > 0 ? -0.691 + 10.0 * std::log10(power) : -200.0;
}

Weighted sum(const Weighted& a, const Weighted& b)
{
    Weighted out = a;
    for (std::size_t n = 0; n < out.left.size() && n < b.left.size(); ++n) {
        out.left[n] += b.left[n];
        out.right[n] += b.right[n];
    }
    return out;
}

} // namespace

std::vector<SectionLevel> measureSections(const Bytes& file, const MidiFacts& facts,
                                          unsigned melodyChannels)
{
    const Weighted melody = weigh(render(file, melodyChannels));
    const Weighted accompaniment = weigh(render(file, 0xFFFFu & ~melodyChannels));
    // The synthesiser adds voices linearly, so the band is the sum of the two renderings.
    const Weighted mix = sum(melody, accompaniment);
    const std::size_t length = std::min(melody.left.size(), accompaniment.left.size());

    std::vector<SectionLevel> levels;
    for (std::size_t i = 0; i < facts.markers.size(); ++i) {
        const Tick endTick =
            i + 1 < facts.markerTicks.size() ? facts.markerTicks[i + 1] : facts.lastReleaseTick;
        const auto sample = [&](Tick tick) {
            return std::min(length, static_cast<std::size_t>(facts.secondsAt(tick) * kRenderRate));
        };
        const std::size_t from = sample(facts.markerTicks[i]);
        const std::size_t to = sample(endTick);
        levels.push_back({facts.markers[i], loudness(mix, from, to), loudness(melody, from, to),
                          loudness(accompaniment, from, to)});
    }
    return levels;
}

} // namespace music
