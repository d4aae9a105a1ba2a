#include "systeminfo.h"

#include <QRegularExpression>

#include <sys/utsname.h>

namespace platform {

QString userLanguageId()
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    static const QList<std::pair<QString, QString>> identifiers = {
        {QStringLiteral("de"), QStringLiteral("0407")},
        {QStringLiteral("en"), QStringLiteral("0409")},
        {QStringLiteral("sv"), QStringLiteral("041D")},
        {QStringLiteral("it"), QStringLiteral("0410")},
        {QStringLiteral("pt"), QStringLiteral("0816")},
        {QStringLiteral("es"), QStringLiteral("0C0A")},
        {QStringLiteral("fr"), QStringLiteral("040C")}};
    const QString language = locale.section(u'_', 0, 0).section(u'.', 0, 0).toLower();
    for (const auto& [code, identifier] : identifiers) {
        if (language == code)
            return identifier;
    }
    return QStringLiteral("0409");
}

SystemVersion systemVersion()
{
    SystemVersion version;
    struct utsname names
    {};
    if (::uname(&names) != 0)
        return version;
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"));
    const auto match = numbers.match(QString::fromLocal8Bit(names.release));
    if (match.hasMatch()) {
        version.major = match.captured(1).toInt();
        version.minor = match.captured(2).toInt();
        version.build = match.captured(3).toInt();
    }
    version.servicePack = QString::fromLocal8Bit(names.version);
    return version;
}

} // namespace platform
