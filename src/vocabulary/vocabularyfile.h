#pragma once

#include "errors/modules.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QStringView>

// A vocabulary file: Windows-1252 text in the folder of the current language,
// one or more entries per line. The game reads it for play, the editor reads it
// for editing and writes it back. The language folders of the program folder
// hold the shipped files; those of the player's folder (the same folder when
// the program folder can be written) hold the files the player saved, which
// stand in for shipped ones of the same name.
namespace vocabularyfile {

// A list position is a 16-bit number, so no list holds more entries than this.
constexpr qsizetype kMaxEntries = 32767;

// Far above any real vocabulary (a full list of long entries holds some 2 MB): a
// larger file is reported like one that cannot be read, and not read at all.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// The window and procedure a failure is reported for.
struct Caller
{
    QLatin1String module;
    const char* procedure;
};

inline constexpr Caller kGameLoad{modules::frmMain, "List1_Ini"};
inline constexpr Caller kEditorLoad{modules::frmEditor, "List1_Ini"};
inline constexpr Caller kEditorSave{modules::frmEditor, "Speichern_Click"};

// The file to read: language folder (message 166) / file name in the player's
// folder when it is there, else in the program folder. An empty name, or one
// that could reach outside the language folder, gives the language's default
// file (message 146).
QString resolvePath(qint16 languageOffset, const QString& datei);

// The file to save: the same name in the player's folder.
QString savePath(qint16 languageOffset, const QString& datei);

// The vocabulary files of a language in both folders, each name once, sorted
// without regard to letter case.
QStringList fileNames(qint16 languageOffset);

// The name of the file the game reads for Datei: Datei itself when it names a
// file, else the language's default name when that file is there, else the
// empty text (the game then plays its built-in words).
QString fileInUse(qint16 languageOffset, const QString& datei);

// Whether either folder holds the language's folder.
bool languageFolderExists(qint16 languageOffset);

// False for names that are empty or could leave the language folder.
bool isPlainFileName(const QString& datei);

// Splits file text into entries: a comma or a line end ends an entry, blanks
// around it are dropped, a double quote at its start runs to the next double
// quote (or the end of the line), and an empty line is an empty entry.
QStringList splitEntries(QStringView text);

struct PlayEntries
{
    QStringList entries;    // in capitals, each at least minLen long
    bool emptyFile = false; // the file has length 0: nothing was read
    bool cancelled = false; // the user chose Cancel on a reported failure
};

// The game's word list from the file named by Datei in the current language.
// A missing or unusable Datei becomes the default name in the settings record.
PlayEntries readForPlay(qint16 minLen, Caller caller = kGameLoad);

struct EditEntries
{
    QStringList entries;     // as written, "ß" spelled "ss", empty ones dropped
    QStringList beyondLimit; // the further entries of a file longer than a list
    // Something stands at the file's name that could not be read and that saving
    // would replace: a file too large or without access, or a link.
    bool unreadable = false;
};

// The editor's list. An empty Datei becomes the default name; a file that cannot
// be opened, a link at its name included, is reported, and so is a file with
// more entries than a list holds.
EditEntries readForEditing(Caller caller = kEditorLoad);

// Replaces the file named by Datei with the entries, each followed by CR LF; an
// entry that holds a comma or has blanks at an end is written in quotes, so that
// it reads back as it was. The old file stays as it was unless the whole new one
// could be written. Returns whether the file was written; a failure is reported.
bool write(const QStringList& entries, Caller caller = kEditorSave);

} // namespace vocabularyfile
