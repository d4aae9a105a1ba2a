#include "runtimeerror.h"

#include <algorithm>
#include <limits>

RunTimeError::RunTimeError(int number, QString description, int line)
    : number_(number), description_(std::move(description)), line_(line),
      what_(QStringLiteral("%1 (%2)").arg(number).arg(description_).toUtf8())
{}

RunTimeError::RunTimeError(Number number, int line)
    : RunTimeError(number, standardDescription(number), line)
{}

const char* RunTimeError::what() const noexcept
{
    return what_.constData();
}

QString RunTimeError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case DivisionByZero:
        return QStringLiteral("Division by zero");
    case BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case DiskFull:
        return QStringLiteral("Disk full");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case ResourceNotFound:
        return QStringLiteral("Resource with this identifier not found");
    case ControlArrayElementMissing:
        return QStringLiteral("Control array element does not exist");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

qint16 toInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RunTimeError(RunTimeError::Overflow);
    return static_cast<qint16>(value);
}

qint16 clampToInt16(qint64 value)
{
    return static_cast<qint16>(std::clamp<qint64>(value, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}
