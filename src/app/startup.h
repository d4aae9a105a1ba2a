#pragma once

#include <QStringList>

class QApplication;
class QWidget;

// The start procedure: single instance, start-up language, language table, the
// game window loaded and shown. Returns the program's exit code.
int runFrostel(QApplication& application);

// Shows the window and handles events until the display has it on screen (and
// so drawn), for at most a fifth of a second: the splash is up before the game
// window is built behind it, so the player sees the program start at once.
void showAndDraw(QWidget& window);

// The start-up language: the stored one, else the first of the user's languages
// (as QLocale::uiLanguages() lists them) that the game speaks, else English.
// The game window's loading takes it over and stores it.
void chooseStartupLanguage(const QStringList& userLanguages);

// Removes the temporary files that writes killed in an earlier run left in the
// folders the game writes into.
void removeLeftoverTemporaryFiles();
