#pragma once

#include <QString>

// Qt's own texts, the buttons of the message and input boxes above all, in the
// game's language rather than the system's.
namespace qttranslation {

// Where Debian's qt6-translations-l10n puts Qt's translations.
QString installedFolder();

// The name of Qt's translation file for the language with this offset
// ("qtbase_de.qm"), or the empty text for an offset that names no language.
QString fileFor(qint16 languageOffset);

// Replaces the translation in use by the one for this language. Without its
// file Qt's texts stay English, except for Swedish, for which Qt's Debian
// package has none: the game carries the few Qt texts it shows itself.
void apply(qint16 languageOffset, const QString& folder = installedFolder());

} // namespace qttranslation
