// Checks that written effects are playable and fit the moments the game plays them.
#pragma once

#include "wav.hpp"

#include <string>
#include <vector>

namespace sounds {

struct Level
{
    double loudness; // as loudnessOf measures it
    double peakDb;   // dB full scale
};

Level levelOf(const WavInfo& info);

// Everything wrong with the file for effect `id`; empty when it is fine.
std::vector<std::string> checkSound(int id, const Bytes& file);

// Everything wrong with the balance of the jingles, given the loudness of each; empty when fine.
std::vector<std::string> checkJingles(const std::vector<double>& loudness);

// Checks 100.wav .. 113.wav in the folder; prints a line per file; returns the exit code.
int checkFolder(const std::string& folder);

// Exercises the synthesiser, the encoder and checkSound itself; returns the exit code.
int selfTest();

} // namespace sounds
