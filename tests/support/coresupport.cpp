#include "coresupport.h"

#include "files/programdir.h"
#include "files/userfolder.h"
#include "frame/languagetable.h"

#include <QFile>
#include <QtEndian>

#include <stdexcept>

float VirtualClock::secondsSinceMidnight() const
{
    return static_cast<float>(now_);
}

void VirtualClock::singleShot(int milliseconds, QObject* context, std::function<void()> action)
{
    const double length = milliseconds / 1000.0;
    timers_.append({elapsed_ + length, length, context, std::move(action)});
}

void VirtualClock::setTime(double secondsSinceMidnight)
{
    now_ = secondsSinceMidnight;
}

qsizetype VirtualClock::next() const
{
    qsizetype first = -1;
    for (qsizetype i = 0; i < timers_.size(); ++i) {
        if (first < 0 || timers_[i].due < timers_[first].due)
            first = i;
    }
    return first;
}

void VirtualClock::fire(qsizetype index)
{
    const Timer timer = timers_.takeAt(index);
    const double step = std::max(0.0, timer.due - elapsed_);
    waited_ += step;
    elapsed_ += step;
    now_ += step;
    if (now_ >= 86400.0)
        now_ -= 86400.0;
    if (timer.context)
        timer.action();
}

void VirtualClock::advance(double seconds)
{
    const double end = elapsed_ + seconds;
    for (qsizetype first = next(); first >= 0 && timers_[first].due <= end + 1e-9; first = next())
        fire(first);
    const double rest = std::max(0.0, end - elapsed_);
    waited_ += rest;
    elapsed_ += rest;
    now_ += rest;
    if (now_ >= 86400.0)
        now_ -= 86400.0;
}

bool VirtualClock::fireNext()
{
    const qsizetype first = next();
    if (first < 0)
        return false;
    fire(first);
    return true;
}

std::optional<double> VirtualClock::nextPause() const
{
    const qsizetype first = next();
    if (first < 0)
        return std::nullopt;
    return timers_[first].length;
}

ErrorChoice ScriptedReporter::OnError(const QString& module, const QString& procedure,
                                      const RunTimeError& error)
{
    reports.append({module, procedure, error.number()});
    if (choices.empty())
        return ErrorChoice::Cancel;
    const ErrorChoice choice = choices.front();
    choices.pop_front();
    return choice;
}

CoreEnvironment::CoreEnvironment()
    : previousRuntimeDir_(qgetenv("XDG_RUNTIME_DIR")), previousDataHome_(qgetenv("XDG_DATA_HOME"))
{
    QFile::setPermissions(tempDir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tempDir_.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    programdir::setForTesting(programDir_.path(), QStringLiteral("frostel"));
    services::installClock(&clock);
    errors::installReporter(&reporter);
    language::LanguageOffset() = 0; // where a start without stored settings leaves it
}

CoreEnvironment::~CoreEnvironment()
{
    errors::installReporter(nullptr);
    services::installClock(nullptr);
    programdir::setForTesting({}, {});
    userfolder::setInstalledTreeForTesting({});
    qputenv("XDG_RUNTIME_DIR", previousRuntimeDir_);
    qputenv("XDG_DATA_HOME", previousDataHome_);
}

QString CoreEnvironment::settingsPath() const
{
    return programDir() + QStringLiteral("/Frostel.ini");
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
