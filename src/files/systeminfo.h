#pragma once

#include <QString>

namespace platform {

// The system the game runs on, as a support protocol names it.
struct SystemVersion
{
    QString platform; // the kernel and its release: "Linux 6.1.0-18-amd64"
    QString version;  // the distribution and its release: "Debian GNU/Linux 12 (bookworm)"
    QString build;    // the kernel's build and the machine: "#1 SMP ... (2024-02-01)   x86_64"
};

SystemVersion systemVersion();

} // namespace platform
