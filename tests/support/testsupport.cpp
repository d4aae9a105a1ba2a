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

TestEnvironment::TestEnvironment()
{
    services::install(&clock, &dialogs, &desktop);
}

TestEnvironment::~TestEnvironment()
{
    services::install(nullptr, nullptr, nullptr);
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

QString accessibleName(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
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
