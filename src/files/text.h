#pragma once

#include <QString>
#include <QStringView>

// Small rules about text that the file formats and the platform calls share.
namespace text {

// Blanks and tabs: what the initialisation files and the vocabulary files drop
// around their values and entries.
inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

inline QStringView withoutTrailingBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

inline QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    return withoutTrailingBlanks(text);
}

// A fixed-size C string as the platform hands it over: what stands before its
// first NUL character.
inline QString upToNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

} // namespace text
