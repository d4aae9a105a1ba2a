#include "cp1252.h"

#include <algorithm>
#include <array>

namespace {

// Codes 0x80 to 0x9F are where Windows-1252 differs from Latin-1. The five codes
// that hold no character (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, as Windows maps them, so that every byte of a
// file comes back unchanged when the file is written again.
constexpr std::array<char16_t, 32> kHighCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int codeOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    const auto found = std::find(kHighCodes.begin(), kHighCodes.end(), u);
    return found == kHighCodes.end() ? -1 : static_cast<int>(0x80 + (found - kHighCodes.begin()));
}

} // namespace

namespace cp1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code <= 0x9F ? kHighCodes[code - 0x80] : char16_t(code));
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int code = codeOf(c);
        *out++ = code >= 0 ? static_cast<char>(code) : '?';
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
