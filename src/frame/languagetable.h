#pragma once

#include <QString>

// Every text the game shows in more than one language comes from the language
// table: a resource that is written to "~tmp.lng" in the user's private temporary
// folder at every start (under a name of the run when something that is no file
// of ours stands there) and read from there by message number.
namespace language {

enum Index : qint16
{
    German,
    English,
    Swedish,
    Italian,
    Portuguese,
    Spanish,
    French
};
constexpr int kLanguageCount = 7;

// The interface language times 1000: 0 German, 1000 English, ... 6000 French.
qint16& LanguageOffset();

const QString& TempLanguageFile();

// The private temporary folder, ending in a separator (empty when there is none).
QString GetTempDir();

// The text up to its first NUL character.
QString TrimNull(const QString& text);

// Writes resource `type`/`id` to `path`, replacing the file as a whole; an existing
// link at that name is replaced, never followed. Returns 0.
int WriteResourceToFile(qint16 id, const QString& type, const QString& path);

// Puts the table in place for this run.
void extractLanguageTable();

// The text of key n (the language offset plus the message number), without its
// surrounding blanks and tabs; the empty text when the table has no such key.
QString GetLang(qint16 n);

// The text of message `number` in the current language, or in the language of
// `languageOffset`.
QString text(int number);
QString text(int number, qint16 languageOffset);

// The text of message `number` in the current language with its %1, %2 ...
// filled in; the empty text, as `text` gives it, when the table lacks it.
template <typename... Values>
QString filled(int number, const Values&... values)
{
    const QString message = text(number);
    return message.isEmpty() ? message : message.arg(values...);
}

} // namespace language
