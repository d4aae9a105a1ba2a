#include "testsupport.h"

#include "desktop/services.h"
#include "files/programdir.h"
#include "files/userfolder.h"
#include "frame/languagetable.h"

#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <grp.h>
#include <optional>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kUnprivilegedUser = 65534; // nobody
constexpr gid_t kUnprivilegedGroup = 65534;

} // namespace

float VirtualClock::secondsSinceMidnight() const
{
    return static_cast<float>(now_);
}

void VirtualClock::handleEventsFor(double seconds)
{
    if (onWait)
        onWait(seconds);
    QCoreApplication::processEvents();
    // Sleeps like the real clock: until the time is up or the next timer wakes it.
    std::optional<double> wake;
    for (const Timer& timer : timers_)
        wake = std::min(wake.value_or(timer.due), timer.due);
    const double untilWake = wake ? std::max(0.0, *wake - elapsed_) : -1.0;
    if (seconds >= 0) {
        idleWaits_ = 0;
        advance(wake ? std::min(seconds, untilWake) : seconds);
        return;
    }
    if (wake)
        advance(untilWake);
    // A wait for an event that no test will ever send fails instead of hanging.
    if (++idleWaits_ > 200000)
        throw std::runtime_error("the game waits for an event that never comes");
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
    if (onAsk) {
        const Question asked = questions.last(); // nested questions may move the list
        onAsk(asked);
    }
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

TestEnvironment::TestEnvironment()
    : previousRuntimeDir_(qgetenv("XDG_RUNTIME_DIR")), previousDataHome_(qgetenv("XDG_DATA_HOME"))
{
    QFile::setPermissions(tempDir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tempDir_.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    programdir::setForTesting(programDir_.path(), QStringLiteral("frostel"));
    services::install(&clock, &dialogs, &desktop);
    errors::installReporter(&reporter);
    language::LanguageOffset() = 0; // where a start without stored settings leaves it
}

TestEnvironment::~TestEnvironment()
{
    errors::installReporter(nullptr);
    services::install(nullptr, nullptr, nullptr);
    programdir::setForTesting({}, {});
    userfolder::setInstalledTreeForTesting({});
    qputenv("XDG_RUNTIME_DIR", previousRuntimeDir_);
    qputenv("XDG_DATA_HOME", previousDataHome_);
}

QString TestEnvironment::settingsPath() const
{
    return programDir() + QStringLiteral("/Frostel.ini");
}

namespace {

constexpr auto kReadAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

void setFolderPermissions(const QString& folder, QFile::Permissions permissions)
{
    QDirIterator folders(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext())
        QFile::setPermissions(folders.next(), permissions);
    QFile::setPermissions(folder, permissions);
}

} // namespace

InstalledProgramFolder::InstalledProgramFolder(const TestEnvironment& environment)
    : folder_(environment.programDir())
{
    userfolder::setInstalledTreeForTesting(folder_);
    setFolderPermissions(folder_, kReadAndEnter);
}

InstalledProgramFolder::~InstalledProgramFolder()
{
    setFolderPermissions(folder_, kReadAndEnter | QFile::WriteOwner);
    userfolder::setInstalledTreeForTesting({});
}

QStringList InstalledProgramFolder::contents() const
{
    QStringList entries;
    QDirIterator all(folder_, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QFileInfo entry(all.next());
        entries.append(QStringLiteral("%1 %2 %3")
                           .arg(entry.filePath())
                           .arg(entry.size())
                           .arg(entry.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries;
}

double meanDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

std::vector<std::string> tabStopsFrom(QWidget* first)
{
    first->setFocus();
    std::vector<std::string> visited;
    // A chain that never comes back ends after a round longer than any window has.
    for (QWidget* focused = QApplication::focusWidget(); visited.size() < 50;) {
        if (!focused) {
            visited.emplace_back("(no focus)");
            break;
        }
        visited.push_back(focused->objectName().toStdString());
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
        if (focused == first)
            break;
    }
    return visited;
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

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

bool runUnprivileged(const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedGroup) != 0 ||
             ::setuid(kUnprivilegedUser) != 0 || ::geteuid() == 0))
            ::_exit(3);
        bool held = false;
        try {
            held = body();
        } catch (...) {
        }
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void handOver(const QString& path)
{
    if (::geteuid() == 0 &&
        ::chown(QFile::encodeName(path).constData(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
        throw std::runtime_error("cannot hand the file over");
}

void handOverAll(const QString& folder)
{
    handOver(folder);
    QDirIterator below(folder,
                       QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (below.hasNext())
        handOver(below.next());
}
