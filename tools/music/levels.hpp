// How loud each section of the tune plays, and how far its melody stands above the band.
#pragma once

#include "midi.hpp"

#include <string>
#include <vector>

namespace music {

struct SectionLevel
{
    std::string name;
    double mix;           // loudness of the whole band
    double melody;        // of the melody channels alone
    double accompaniment; // of all the others
};

// Renders the file twice through FluidSynth, melody and accompaniment apart, and measures
// each marked section; loudness is K-weighted, in dB on the scale of the effects' meter.
std::vector<SectionLevel> measureSections(const Bytes& file, const MidiFacts& facts,
                                          unsigned melodyChannels);

} // namespace music
