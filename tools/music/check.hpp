// Checks that a written tune is a well-formed General MIDI file that plays once and ends.
#pragma once

#include "levels.hpp"
#include "midi.hpp"

#include <string>
#include <vector>

namespace music {

// Everything wrong with the file; empty when it is fine.
std::vector<std::string> checkTune(const Bytes& file);

// Everything wrong with the balance of the sections, measured by measureSections; empty when
// the melody carries over the band and the bridge sits a little below the verses around it.
std::vector<std::string> checkBalance(const std::vector<SectionLevel>& sections);

// Checks the file, plays it to measure its balance and prints its outline and levels;
// returns the exit code.
int checkFile(const std::string& path);

// Exercises the notation, the MIDI writer and reader, the tune and checkTune itself.
int selfTest();

} // namespace music
