#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <fluidsynth.h>

#include <optional>
#include <set>

// A tune needs only the few instruments it plays of the 128 in a General MIDI
// soundfont, and the synthesizer holds every instrument it is given in memory,
// each zone with all its parameters. These cut a soundfont down to the tune.
namespace soundfont {

// The program numbers a standard MIDI file selects, on any channel; nothing
// when the bytes are not a MIDI file that can be read to its end.
std::optional<std::set<int>> programsOf(QByteArrayView midiFile);

// The programs the synthesizer may sound for the tune: those it selects, and 0,
// which every channel starts on, every drum channel included, and which stands
// in for a bank that the soundfont lacks.
std::set<int> programsToKeep(const std::set<int>& selected);

// A SoundFont 2 file that holds only the presets of the soundfont at `path`
// with these program numbers (in every bank), their instruments and the samples
// they play. Every record and sample point kept is copied unchanged but for the
// numbers that point into the shortened tables and sample data, so a tune that
// selects only these programs sounds the same from either. Nothing when the
// file is not a soundfont that can be read to its end.
std::optional<QByteArray> trimmed(const QString& path, const std::set<int>& programs);

// Lets `synth` load soundfonts held in memory beside those on disk; called
// before its first load.
void allowHeld(fluid_synth_t* synth, fluid_settings_t* settings);

// Loads a soundfont held in memory (such as a trimmed one) into a synthesizer
// that allows it, selecting its presets as a load from disk does. FluidSynth
// copies what it keeps.
bool loadHeld(fluid_synth_t* synth, const QByteArray& soundFont);

} // namespace soundfont
