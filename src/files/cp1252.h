#pragma once

#include <QByteArray>
#include <QString>

// Every file the game shares with the outside world (settings, language table,
// vocabulary files, error log) is Windows-1252 text. These two functions are the
// one place where that text meets the program's QString.
namespace cp1252 {

QString decode(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray encode(const QString& text);

// True when every character of the text has a Windows-1252 code.
bool canEncode(const QString& text);

} // namespace cp1252
