// Checks that a written tune is a well-formed General MIDI file that plays once and ends.
#pragma once

#include "midi.hpp"

#include <string>
#include <vector>

namespace music {

// Everything wrong with the file; empty when it is fine.
std::vector<std::string> checkTune(const Bytes& file);

// Checks the file and prints its outline; returns the exit code.
int checkFile(const std::string& path);

// Exercises the notation, the MIDI writer and reader, the tune and checkTune itself.
int selfTest();

} // namespace music
