#include "testsupport.h"

#include "platform/programdir.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

float VirtualClock::secondsSinceMidnight() const
{
    return static_cast<float>(now_);
}

void VirtualClock::handleEventsFor(double seconds)
{
    QCoreApplication::processEvents();
    // A wait for an event that no test will ever send fails instead of hanging.
    idleWaits_ = seconds < 0 ? idleWaits_ + 1 : 0;
    if (idleWaits_ > 200000)
        throw std::runtime_error("the game waits for an event that never comes");
    advance(seconds < 0 ? 0.0 : seconds);
}

void VirtualClock::singleShot(int milliseconds, QObject* context, std::function<void()> action)
{
    timers_.append({elapsed_ + milliseconds / 1000.0, context, std::move(action)});
}

void VirtualClock::setTime(double secondsSinceMidnight)
{
    now_ = secondsSinceMidnight;
}

void VirtualClock::advance(double seconds)
{
    waited_ += seconds;
    elapsed_ += seconds;
    now_ += seconds;
    if (now_ >= 86400.0)
        now_ -= 86400.0;
    for (qsizetype i = 0; i < timers_.size();) {
        if (timers_[i].due <= elapsed_ + 1e-9) {
            Timer timer = timers_.takeAt(i);
            if (timer.context)
                timer.action();
            i = 0;
        } else {
            ++i;
        }
    }
}

Dialogs::Answer ScriptedDialogs::messageBox(QWidget* parent, const QString& text, Buttons buttons,
                                            Icon icon, const QString& title)
{
    questions.append({text, buttons, icon, title, parent});
    if (answers.empty())
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::inputBox(QWidget* parent, const QString& prompt, const QString& title)
{
    questions.append({prompt, Buttons::OkCancel, Icon::None, title, parent});
    if (inputs.empty())
        return {};
    const QString text = inputs.front();
    inputs.pop_front();
    return text;
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

TestEnvironment::TestEnvironment() : previousRuntimeDir_(qgetenv("XDG_RUNTIME_DIR"))
{
    QFile::setPermissions(tempDir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tempDir_.path()));
    programdir::setForTesting(programDir_.path(), QStringLiteral("frostel"));
    services::install(&clock, &dialogs, &desktop);
    errors::installReporter(&reporter);
}

TestEnvironment::~TestEnvironment()
{
    errors::installReporter(nullptr);
    services::install(nullptr, nullptr, nullptr);
    programdir::setForTesting({}, {});
    qputenv("XDG_RUNTIME_DIR", previousRuntimeDir_);
}

QString TestEnvironment::settingsPath() const
{
    return programDir() + QStringLiteral("/Frostel.ini");
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
