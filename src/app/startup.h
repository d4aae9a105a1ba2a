#pragma once

#include <QStringList>

#include <functional>

class QApplication;
class QWidget;

// The start procedure: single instance, start-up language, language table, the
// game window loaded and shown. Returns the program's exit code.
int runFrostel(QApplication& application);

// Runs `action` from the event loop once `window` has been drawn on screen, or
// after a fifth of a second when the display never shows it: the splash is up
// before the game window is built behind it, so the player sees the program
// start at once.
void whenDrawn(QWidget& window, std::function<void()> action);

// The start-up language: the stored one, else the first of the user's languages
// (as QLocale::uiLanguages() lists them) that the game speaks, else English.
// The game window's loading takes it over and stores it.
void chooseStartupLanguage(const QStringList& userLanguages);

// Removes the temporary files that writes killed in an earlier run left in the
// folders the game writes into.
void removeLeftoverTemporaryFiles();
