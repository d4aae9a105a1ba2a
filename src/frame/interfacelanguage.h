#pragma once

#include <QLocale>
#include <QStringList>

// The game's seven interface languages as the locale names them.
namespace interfacelanguage {

// The locale language of an interface language (its index, 0 German to 6
// French); QLocale::AnyLanguage for an index the game does not have.
QLocale::Language localeLanguage(int index);

// The first of the user's languages, most preferred first as
// QLocale::uiLanguages() lists them ("fr-FR", "de"), that the game speaks,
// as its index; English when it speaks none of them.
int preferredIndex(const QStringList& userLanguages);

} // namespace interfacelanguage
