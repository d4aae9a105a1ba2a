#include "settings.h"

#include "errors/errorscope.h"
#include "files/inifile.h"
#include "files/userfolder.h"

#include <algorithm>

Settings& settings()
{
    static Settings record;
    return record;
}

void bringIntoRange(Settings& record, qint16& languageOffset)
{
    if (record.Motiv < 0 || record.Motiv > 4)
        record.Motiv = 1;
    record.Anzahl = std::clamp<qint16>(record.Anzahl, 1, 4);
    languageOffset = knownLanguage(languageOffset);
}

qint16 knownLanguage(qint16 languageOffset)
{
    if (languageOffset < 0 || languageOffset > 6000 || languageOffset % 1000 != 0)
        return 0;
    return languageOffset;
}

namespace settingsfile {

namespace {

constexpr int kValueBuffer = 255; // the longest value read is one less
constexpr int kNameBuffer = 25;

} // namespace

QString path()
{
    return userfolder::path() + QStringLiteral("/Frostel.ini");
}

qint16 GetIniInt(const QString& section, const QString& key, qint32 fallback)
{
    qint16 result = 0;
    ErrorScope::run(modules::Allgemein, "GetIniInt", [&](ErrorScope& scope) {
        const qint64 stored = profile::readInt(path(), section, key, fallback);
        result = scope.attempt([&] { return toInt16(stored); });
    });
    return result;
}

QString GetIniString(const QString& section, const QString& key, const QString& fallback)
{
    QString result;
    ErrorScope::run(modules::Allgemein, "GetIniString", [&] {
        result = profile::readString(path(), section, key, fallback).left(kValueBuffer - 1);
    });
    return result;
}

void SaveIni(const QString& section, const QString& key, const QString& value)
{
    ErrorScope::run(modules::Allgemein, "SaveIni", [&] {
        // A settings file that cannot be written loses this run's change, nothing more.
        profile::writeString(path(), section, key, value);
    });
}

QString numberText(qint64 number)
{
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

QString readPlayerName(int n)
{
    const QString stored = GetIniString(kSettingsSection, QStringLiteral("Spieler%1").arg(n),
                                        QStringLiteral("Spieler %1").arg(n));
    const QString name = stored.left(kNameBuffer).trimmed();
    const QChar ninth = name.size() > 8 ? name.at(8) : QChar();
    if (ninth >= u'1' && ninth <= u'4')
        return QStringLiteral("Name %1").arg(n);
    return name;
}

QString vocabularyKey(qint16 languageOffset)
{
    return QStringLiteral("Datei%1").arg(languageOffset);
}

void readGameSettings(Settings& record, qint16& languageOffset)
{
    record.Anzahl = GetIniInt(kSettingsSection, QStringLiteral("Anzahl"), 4);
    record.Tipps = GetIniInt(kSettingsSection, QStringLiteral("Tipps"), 3);
    record.minLen = GetIniInt(kSettingsSection, QStringLiteral("minLen"), 4);
    record.Motiv = GetIniInt(kSettingsSection, QStringLiteral("Motiv"), 1);
    record.Bild = GetIniInt(kSettingsSection, QStringLiteral("Bild"), 1);
    record.Wiederholung = GetIniInt(kSettingsSection, QStringLiteral("Wiederholung"), 1);
    languageOffset = GetIniInt(kOptionsSection, QStringLiteral("Sprache"), languageOffset);
    bringIntoRange(record, languageOffset);
}

void readSwitchesAndNames(Settings& record)
{
    record.Sound = GetIniInt(kSettingsSection, QStringLiteral("Sound"), -1);
    record.Music = GetIniInt(kSettingsSection, QStringLiteral("Music"), -1);
    record.Anzeige = GetIniInt(kSettingsSection, QStringLiteral("Anzeige"), 1);
    record.Remove = GetIniInt(kSettingsSection, QStringLiteral("Remove"), 1);
    for (int n = 1; n <= Settings::kPlayers; ++n)
        record.names[n - 1] = readPlayerName(n);
}

} // namespace settingsfile
