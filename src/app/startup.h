#pragma once

class QApplication;

// The start procedure: single instance, start-up language, language table, the
// game window loaded and shown. Returns the program's exit code.
int runFrostel(QApplication& application);

// The start-up language: the stored one, else German for a German locale and
// English for any other.
void chooseStartupLanguage();

// Removes the temporary files that writes killed in an earlier run left in the
// folders the game writes into.
void removeLeftoverTemporaryFiles();
