#include "passwordlock.h"

#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/errorscope.h"
#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kProgramTitle = 100;
constexpr int kAskOldPassword = 158;
constexpr int kAskNewPassword = 159;
constexpr int kRepeatNewPassword = 160;
constexpr int kAskPassword = 161;
constexpr int kWrongPassword = 162;
constexpr int kPasswordTitle = 163;

constexpr int kLongestValue = 254; // GetIniString gives back no more

// The five codes without a character of their own, which stand for controls.
constexpr std::array<uint, 5> kControlLikeCodes = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

// Codes that stand for a visible character: the stored form holds only these,
// so that it survives anyone's editing of the settings file.
bool isPrintable(uint code)
{
    return code >= 0x20 && code != 0x7F &&
           std::ranges::find(kControlLikeCodes, code) == kControlLikeCodes.end();
}

// A scrambled code made storable. A printable character scrambles to a control
// only from codes 32 to 63, and those controls move up by 32 into codes that
// themselves come only from controls; the few codes left (127 and the five
// control-like ones) are written as the character they came from.
uchar storableCode(uchar scrambled, uchar key)
{
    if (isPrintable(scrambled))
        return scrambled;
    if (scrambled < 0x20)
        return scrambled ^ 0x20;
    return scrambled ^ key;
}

// The inverse of storableCode; a code it never writes is taken as scrambled, which
// is how an older version stored every code.
uchar scrambledCode(uchar stored, uchar key)
{
    const uchar plain = stored ^ key;
    if (isPrintable(plain))
        return stored;
    if (plain < 0x20)
        return stored ^ 0x20;
    return plain;
}

template <typename Mapping>
QString mapEachCode(const QString& text, Mapping mapping)
{
    QByteArray codes = cp1252::encode(text);
    const QByteArray key = cp1252::encode(kPasswordKey);
    for (qsizetype i = 0; i < codes.size(); ++i) {
        codes[i] = static_cast<char>(
            mapping(static_cast<uchar>(codes[i]), static_cast<uchar>(key[i % key.size()])));
    }
    return cp1252::decode(codes);
}

// The settings file drops blanks at both ends of a value and one pair of quotes
// around it.
QString quotedWhereNeeded(const QString& value)
{
    const auto isFragile = [](QChar c) { return c == u' ' || c == u'"' || c == u'\''; };
    if (value.isEmpty() || (!isFragile(value.front()) && !isFragile(value.back())))
        return value;
    return u'"' + value + u'"';
}

QString withoutOuterBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QString ask(QWidget* parent, int prompt)
{
    return services::dialogs().inputBox(parent, language::text(prompt),
                                        language::text(kPasswordTitle));
}

void sayWrongPassword(QWidget* parent)
{
    services::dialogs().messageBox(parent, language::text(kWrongPassword), Dialogs::Buttons::Ok,
                                   Dialogs::Icon::None, language::text(kProgramTitle));
}

} // namespace

void Encrypt(QString& text, const QString& key)
{
    ErrorScope::run(modules::Allgemein, "Encrypt", [&] {
        QByteArray codes = cp1252::encode(text);
        const QByteArray keyCodes = cp1252::encode(key);
        if (!codes.isEmpty() && keyCodes.isEmpty())
            throw RunTimeError(RunTimeError::DivisionByZero);
        for (qsizetype i = 0; i < codes.size(); ++i)
            codes[i] = static_cast<char>(codes[i] ^ keyCodes[i % keyCodes.size()]);
        text = cp1252::decode(codes);
    });
}

QString toStoredForm(const QString& password)
{
    QString scrambled = password;
    Encrypt(scrambled, kPasswordKey);
    return mapEachCode(scrambled, storableCode);
}

QString fromStoredForm(const QString& value)
{
    QString password = mapEachCode(value, scrambledCode);
    Encrypt(password, kPasswordKey);
    return password;
}

QString readBack(const QString& password)
{
    return fromStoredForm(toStoredForm(password.left(kLongestValue)));
}

QString readStoredPassword()
{
    const QString value =
        settingsfile::GetIniString(settingsfile::kSettingsSection, QStringLiteral("passw"), {});
    return value.isEmpty() ? QString() : fromStoredForm(value);
}

void storePassword(const QString& password)
{
    const QString value =
        password.isEmpty() ? QString() : quotedWhereNeeded(toStoredForm(password));
    settingsfile::SaveIni(settingsfile::kSettingsSection, QStringLiteral("passw"), value);
}

void PasswordLock::load()
{
    password_ = readStoredPassword();
}

bool PasswordLock::check(QWidget* parent)
{
    bool passed = false;
    ErrorScope::run(modules::frmOptions, "EditButt_Click", [&] {
        load();
        if (password_.isEmpty()) {
            passed = true;
            return;
        }
        const QString typed = ask(parent, kAskPassword);
        passed = matches(typed);
        // An empty entry is taken as a change of mind, not as a wrong password.
        if (!passed && !typed.isEmpty())
            sayWrongPassword(parent);
    });
    return passed;
}

void PasswordLock::change(QWidget* parent)
{
    ErrorScope::run(modules::frmOptions, "Password_Click", [&] {
        if (!password_.isEmpty() && !askOldPassword(parent))
            return;
        const QString fresh = askNewPassword(parent);
        // The field mirrors the file, so a check in this same opening of the dialog
        // compares exactly what a later opening would.
        password_ = readBack(fresh);
        storePassword(fresh);
    });
}

bool PasswordLock::askOldPassword(QWidget* parent)
{
    for (;;) {
        const QString typed = ask(parent, kAskOldPassword);
        if (matches(typed))
            return true;
        if (typed.isEmpty())
            return false;
        sayWrongPassword(parent);
    }
}

QString PasswordLock::askNewPassword(QWidget* parent)
{
    for (;;) {
        const QString fresh = ask(parent, kAskNewPassword);
        const QString repeated = ask(parent, kRepeatNewPassword);
        if (fresh == repeated)
            return fresh;
        sayWrongPassword(parent);
    }
}

bool PasswordLock::matches(const QString& typed) const
{
    // The typed text goes through the file's limits too: a character outside
    // Windows-1252 or a password too long for the file must not lock its owner out.
    return readBack(typed) == withoutOuterBlanks(password_);
}
