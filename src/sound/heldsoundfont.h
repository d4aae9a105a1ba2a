#pragma once

#include <QByteArray>

#include <fluidsynth.h>

// Soundfonts that FluidSynth loads from memory rather than from a file, such as
// one cut down to a tune.
namespace soundfont {

// Lets `synth` load soundfonts held in memory beside those on disk; called
// before its first load.
void allowHeld(fluid_synth_t* synth, fluid_settings_t* settings);

// Loads a soundfont held in memory into a synthesizer that allows it, selecting
// its presets as a load from disk does. FluidSynth copies what it keeps.
bool loadHeld(fluid_synth_t* synth, const QByteArray& soundFont);

} // namespace soundfont
