#pragma once

#include <QString>

namespace platform {

// The start-up locale as a Windows language identifier: "0407" for German,
// "0409" for English and so on, derived from LC_ALL, LC_MESSAGES and LANG.
QString userLanguageId();

struct SystemVersion
{
    int platformCode = 3; // this platform is none of the three Windows families
    int major = 0;
    int minor = 0;
    int build = 0;
    QString servicePack;
};

SystemVersion systemVersion();

} // namespace platform
