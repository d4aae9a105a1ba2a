#include "cp1252.h"

#include <array>

namespace {

// Codes 0x80 to 0x9F are where Windows-1252 differs from Latin-1; 0 marks the
// five codes that hold no character (they decode to the Unicode replacement).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int codeOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == u)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

namespace cp1252 {

QString decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code <= 0x9F) {
            const char16_t mapped = kHighControls[code - 0x80];
            text.append(QChar(mapped != 0 ? mapped : char16_t(0xFFFD)));
        } else {
            text.append(QChar(char16_t(code)));
        }
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int code = codeOf(c);
        bytes.append(code >= 0 ? static_cast<char>(code) : '?');
    }
    return bytes;
}

bool canEncode(const QString& text)
{
    for (const QChar c : text) {
        if (codeOf(c) < 0)
            return false;
    }
    return true;
}

} // namespace cp1252
