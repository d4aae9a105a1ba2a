#pragma once

#include <QByteArrayView>

#include <bitset>
#include <map>
#include <optional>

// Which keys a tune strikes with which instruments, read from its MIDI file: what
// of a soundfont the tune can make sound.
namespace soundfont {

// What a tune makes the synthesizer sound: for each bank and program, the keys
// it plays there. A tune that selects no bank and sends no system exclusive
// message plays bank 0 on its melodic channels and bank 128 on the drum channel,
// from program 0 until it selects another. Of any other tune only the programs
// are known: each (and program 0, which every channel starts on) is entered for
// every bank (kAnyBank) with every key.
constexpr int kAnyBank = -1;
using Keys = std::bitset<128>;
using Selection = std::map<std::pair<int, int>, Keys>; // by bank and program

// Nothing when the bytes are not a MIDI file that can be read to its end.
std::optional<Selection> selectionOf(QByteArrayView midiFile);

} // namespace soundfont
