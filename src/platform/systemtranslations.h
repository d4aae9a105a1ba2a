#pragma once

#include <QLocale>

class QCoreApplication;

// The standard buttons of message and input boxes ("Yes", "No", "Cancel")
// speak the language of the system, as the system's own boxes do. Qt's
// translations hold their captions; without them the buttons stay English.
namespace platform {

// Returns whether a translation for the locale was found and installed.
bool installSystemTranslations(QCoreApplication& application,
                               const QLocale& locale = QLocale::system());

} // namespace platform
