#pragma once

#include <QtGlobal>

class Music;

// Sound effects and music.

// Starts sound resource "WAV"/id and returns at once; the sound playing is cut
// off. A missing or unplayable sound is skipped without a word. Callers check the
// Sound setting themselves, because the pauses that go with a sound depend on it.
void PlayWAV(qint32 id);

// Opens "frostel.mid" in the current folder and plays it once through; a missing
// or unplayable file means silence.
void MakeMusic();
void stopMusic();

// The program's one music, which the two above open and close.
Music& music();

// The music and sound entries of the options menu, called with the entry's check
// mark as it is after the click. Each stores its setting at once.
void toggleMusic(bool checkedNow);
void toggleSound(bool checkedNow);
