#include "systeminfo.h"

#include <QSysInfo>

#include <sys/utsname.h>

namespace platform {

SystemVersion systemVersion()
{
    SystemVersion version;
    // From /etc/os-release; without it Qt names the kernel instead.
    version.version = QSysInfo::prettyProductName();
    struct utsname names
    {};
    if (::uname(&names) != 0)
        return version;
    version.platform =
        QString::fromLocal8Bit(names.sysname) + u' ' + QString::fromLocal8Bit(names.release);
    version.build = QString::fromLocal8Bit(names.version) + QStringLiteral("   ") +
                    QString::fromLocal8Bit(names.machine);
    return version;
}

} // namespace platform
