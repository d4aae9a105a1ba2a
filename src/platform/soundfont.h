#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <fluidsynth.h>

#include <bitset>
#include <map>
#include <optional>

// A tune needs only the few instruments it plays of the 128 in a General MIDI
// soundfont, and of those only the zones of the keys it plays; the synthesizer
// holds every instrument it is given in memory, each zone with all its
// parameters. These cut a soundfont down to the tune.
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

// A SoundFont 2 file that holds only what of the soundfont at `path` can sound
// for the selection: the presets it plays keys on (or that stand in for missing
// ones), their zones whose key range holds a key played through them, and the
// instruments and samples those zones reach. Every record and sample point kept
// is copied unchanged but for the numbers that point into the shortened tables
// and sample data, so the tune sounds the same from either. Nothing when the
// file is not a soundfont that can be read to its end.
std::optional<QByteArray> trimmed(const QString& path, const Selection& selection);

// Lets `synth` load soundfonts held in memory beside those on disk; called
// before its first load.
void allowHeld(fluid_synth_t* synth, fluid_settings_t* settings);

// Loads a soundfont held in memory (such as a trimmed one) into a synthesizer
// that allows it, selecting its presets as a load from disk does. FluidSynth
// copies what it keeps.
bool loadHeld(fluid_synth_t* synth, const QByteArray& soundFont);

} // namespace soundfont
