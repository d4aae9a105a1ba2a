#include "interfacelanguage.h"

#include "frame/languagetable.h"

#include <algorithm>
#include <array>

namespace interfacelanguage {

namespace {

constexpr std::array<QLocale::Language, language::kLanguageCount> kLocaleLanguages = {
    QLocale::German,     QLocale::English, QLocale::Swedish, QLocale::Italian,
    QLocale::Portuguese, QLocale::Spanish, QLocale::French};

} // namespace

QLocale::Language localeLanguage(int index)
{
    if (index < 0 || index >= language::kLanguageCount)
        return QLocale::AnyLanguage;
    return kLocaleLanguages[static_cast<std::size_t>(index)];
}

int preferredIndex(const QStringList& userLanguages)
{
    for (const QString& name : userLanguages) {
        const auto found = std::ranges::find(kLocaleLanguages, QLocale(name).language());
        if (found != kLocaleLanguages.end())
            return static_cast<int>(found - kLocaleLanguages.begin());
    }
    return language::English;
}

} // namespace interfacelanguage
