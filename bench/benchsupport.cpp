#include "benchsupport.h"

#include "app/gamewindow.h"
#include "files/cp1252.h"
#include "files/programdir.h"
#include "frame/languagetable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace

BenchFolders::BenchFolders()
{
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    programdir::setForTesting(program_.path(), QStringLiteral("frostel"));
}

BenchFolders::~BenchFolders()
{
    programdir::setForTesting({}, {});
}

std::unique_ptr<GameWindow> BenchFolders::loadGame(const QStringList& vocabulary)
{
    QDir(programDir()).mkdir(QStringLiteral("deutsch"));
    QByteArray entries;
    for (const QString& entry : vocabulary)
        entries += cp1252::encode(entry) + "\r\n";
    writeWholeFile(programDir() + QStringLiteral("/deutsch/eisbold.dat"), entries);
    writeWholeFile(programDir() + QStringLiteral("/Frostel.ini"),
                   "[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nSound= 0\r\nMusic= 0\r\n");
    language::extractLanguageTable();
    auto window = std::make_unique<GameWindow>();
    window->Form_Load();
    window->showAsStored();
    QCoreApplication::processEvents();
    return window;
}

void InstantClock::singleShot(int, QObject* context, std::function<void()> action)
{
    QTimer::singleShot(0, context, std::move(action));
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
