#pragma once

#include "sound/tunekeys.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A tune needs only the few instruments it plays of the 128 in a General MIDI
// soundfont, and of those only the zones of the keys it plays; the synthesizer
// holds every instrument it is given in memory, each zone with all its
// parameters. This cuts a soundfont down to the tune.
namespace soundfont {

// A SoundFont 2 file that holds only what of the soundfont at `path` can sound
// for the selection: the presets it plays keys on (or that stand in for missing
// ones), their zones whose key range holds a key played through them, and the
// instruments and samples those zones reach. Every record and sample point kept
// is copied unchanged but for the numbers that point into the shortened tables
// and sample data, so the tune sounds the same from either. Nothing when the
// file is not a soundfont that can be read to its end.
std::optional<QByteArray> trimmed(const QString& path, const Selection& selection);

} // namespace soundfont
