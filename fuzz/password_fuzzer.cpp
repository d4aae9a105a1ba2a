// The stored password: scrambling twice restores the text, the stored form holds
// only codes the settings file keeps, a password read back from the file is what
// the lock compares with, and a printable password (new form or the old one)
// comes back exactly.
//
// Input: the text, then one byte: bit 0 reads the text as UTF-16 instead of
// Windows-1252, so that characters outside the code page come in too.

#include "dialogs/options/passwordlock.h"
#include "files/cp1252.h"
#include "fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr qsizetype kLongestValue = 254;

bool isPrintableCode(uint code)
{
    constexpr std::array<uint, 5> unassigned = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    return code >= 0x20 && code != 0x7F && std::ranges::find(unassigned, code) == unassigned.end();
}

// Every character that is a visible one: not a control, not 127, and none of
// the five codes that stand for controls.
bool isPrintable(const QString& text)
{
    if (!cp1252::canEncode(text))
        return false;
    const QByteArray codes = cp1252::encode(text);
    return std::all_of(codes.begin(), codes.end(),
                       [](char code) { return isPrintableCode(static_cast<uchar>(code)); });
}

QString textOf(const std::string& bytes, bool utf16)
{
    if (!utf16)
        return cp1252::decode(QByteArray::fromStdString(bytes));
    return QString(reinterpret_cast<const QChar*>(bytes.data()),
                   static_cast<qsizetype>(bytes.size() / 2));
}

void checkScrambling(const QString& text)
{
    QString twice = text;
    Encrypt(twice, kPasswordKey);
    fuzz::check(twice.size() == text.size(), "scrambling changes the length");
    Encrypt(twice, kPasswordKey);
    if (cp1252::canEncode(text))
        fuzz::check(twice == text, "scrambling twice changes the text", text);
}

void checkStoredForm(const QString& password)
{
    const QString stored = toStoredForm(password);
    fuzz::check(stored.size() == password.size(), "the stored form has another length");
    fuzz::check(isPrintable(stored), "the stored form holds an invisible code", stored);
    if (!isPrintable(password))
        return;
    fuzz::check(fromStoredForm(stored) == password, "a printable password changes", password);
    QString oldForm = password;
    Encrypt(oldForm, kPasswordKey);
    fuzz::check(fromStoredForm(oldForm) == password, "the old stored form reads otherwise",
                password);
    fuzz::check(readBack(password) == password.left(kLongestValue), "readBack", password);
}

// What the lock compares a typed password with is what the file gives back.
void checkThroughTheFile(const QString& password)
{
    storePassword(password);
    const QString stored = readStoredPassword();
    fuzz::check(stored == readBack(password), "the file gives back another password",
                password + u'|' + stored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::programFolder();
    FuzzedDataProvider input(data, size);
    const bool utf16 = input.ConsumeIntegral<uint8_t>() & 1;
    const QString text = textOf(input.ConsumeRemainingBytesAsString(), utf16);

    checkScrambling(text);
    checkStoredForm(text);
    checkThroughTheFile(text);
    // The text taken as a value some version left in the file.
    fuzz::check(fromStoredForm(text).size() == text.size(),
                "a stored value reads at another length");
    fuzz::check(fuzz::reportCount() == 0, "an error was reported");
    return 0;
}
