#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

// The settings of the game, read once at start and changed in place by the
// options dialog, the menu switches and the language switch.
struct Settings
{
    static constexpr int kPlayers = 4;

    qint16 Anzahl = 4;       // players, 1 to 4
    qint16 Tipps = 3;        // hints per word
    qint16 minLen = 4;       // shortest entry taken from a vocabulary
    qint16 Motiv = 1;        // picture set, 0 to 4
    qint16 Bild = 1;         // background picture shown
    qint16 Wiederholung = 1; // 0 every word comes again, 1 only words not guessed
    qint16 Anzeige = 1;      // show the solution of a lost word
    qint16 Remove = 1;       // used keys disappear instead of being marked
    qint16 Sound = -1;
    qint16 Music = -1;
    std::array<QString, 5> names; // entries 0 to 3 hold players 1 to 4
    QString Datei;                // vocabulary file of the current language
};

Settings& settings();

// A hand-edited settings file can hold values no dialog offers: a picture set
// outside 0 to 4 becomes the default set, a player count outside 1 to 4 the
// nearest count, and a language that does not exist German.
void bringIntoRange(Settings& record, qint16& languageOffset);
qint16 knownLanguage(qint16 languageOffset);

// The settings file "Frostel.ini" in the program folder.
namespace settingsfile {

inline constexpr QLatin1String kWindowSection("Window");
inline constexpr QLatin1String kSettingsSection("Einstellungen");
inline constexpr QLatin1String kOptionsSection("Optionen");

QString path();

// A stored number outside the 16-bit range is an Overflow error, reported
// through the error convention.
qint16 GetIniInt(const QString& section, const QString& key, qint32 fallback);
QString GetIniString(const QString& section, const QString& key, const QString& fallback);
void SaveIni(const QString& section, const QString& key, const QString& value);

// Numbers are stored with a sign position: " 4", " 0", "-1".
QString numberText(qint64 number);

// Player n (1 to 4) as the settings file names it; names of the shape
// "Spieler 3" read as "Name n".
QString readPlayerName(int n);

// The key of the vocabulary file chosen for a language: "Datei0", "Datei1000", ...
QString vocabularyKey(qint16 languageOffset);

// What the game window's loading reads first: the numbers of the game and the
// interface language, brought into range. Without a stored language the one
// in `languageOffset` (the start-up language) stays.
void readGameSettings(Settings& record, qint16& languageOffset);
// What it reads once the language is applied: sound, music, the solution and
// used-letter switches, and the player names.
void readSwitchesAndNames(Settings& record);

} // namespace settingsfile
