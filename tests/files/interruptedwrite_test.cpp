// A process killed in the middle of a write leaves the old file or the new one
// on disk, whole, never a mixture or a part of one.

#include "files/atomicfile.h"
#include "files/inifile.h"
#include "support/englishvocabulary.h"
#include "support/testsupport.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 6;

bool isOpenForWriting(pid_t process, const std::string& descriptor)
{
    std::ifstream info("/proc/" + std::to_string(process) + "/fdinfo/" + descriptor);
    std::string field;
    std::string flags;
    while (info >> field >> flags) {
        if (field == "flags:")
            return (std::stoi(flags, nullptr, 8) & O_ACCMODE) != O_RDONLY;
    }
    return false;
}

// The process holds a file in `folder` open for writing: the target itself, a
// temporary file beside it, or one without a name yet.
bool isWritingInto(pid_t process, const fs::path& folder)
{
    const std::string prefix = folder.string() + '/';
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(process) + "/fd", error)) {
        const std::string file = fs::read_symlink(entry.path(), error).string();
        if (!error && file.starts_with(prefix) &&
            isOpenForWriting(process, entry.path().filename().string()))
            return true;
    }
    return false;
}

struct KillResult
{
    int writesFinished = 0;
    bool killedMidWrite = false;
};

// Runs writeOne(1), writeOne(2), ... in a child process and, once it has
// finished one, kills it outright the moment it is seen writing again.
KillResult killWhileWriting(const std::function<void(int)>& writeOne, const fs::path& folder)
{
    void* shared = ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED)
        return {};
    auto* finished = new (shared) std::atomic<int>(0);

    const pid_t child = ::fork();
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive a test that failed
        try {
            for (int i = 1;; ++i) {
                writeOne(i);
                finished->fetch_add(1);
            }
        } catch (...) {
        }
        ::_exit(1);
    }
    KillResult result;
    if (child > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!result.killedMidWrite && std::chrono::steady_clock::now() < deadline)
            result.killedMidWrite = finished->load() > 0 && isWritingInto(child, folder);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        result.writesFinished = finished->load();
    }
    ::munmap(shared, sizeof(std::atomic<int>));
    return result;
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Kills a process that writes `path` over and over with the contents `whole`
// (by turns, through `writeOne`) a few times, each time half-way through a
// write, and checks that the file is whole after each kill and that the
// clean-up at the next start removes what the killed write left beside it.
void expectWholeAfterKills(const QString& path, const std::function<void(int)>& writeOne,
                           const QList<QByteArray>& whole)
{
    const fs::path target = path.toStdString();
    int killedMidWrite = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const KillResult killed = killWhileWriting(writeOne, target.parent_path());
        ASSERT_GT(killed.writesFinished, 0) << "the writing process did not get going";
        killedMidWrite += killed.killedMidWrite;
        const QByteArray onDisk = readFile(path);
        EXPECT_TRUE(whole.contains(onDisk)) << onDisk.size() << " bytes on disk, neither "
                                            << whole[0].size() << " nor " << whole[1].size();
        atomicfile::removeLeftovers(QString::fromStdString(target.parent_path().string()));
        EXPECT_EQ(namesIn(target.parent_path()),
                  std::vector<std::string>{target.filename().string()})
            << "only the file itself is left";
    }
    EXPECT_EQ(killedMidWrite, kRounds) << "some kills missed the writes";
}

// Different lengths, so that a cut-off file cannot pass for either of them.
QString settingsValue(int i)
{
    return i % 2 == 0 ? QString(1500000, u'a') : QString(2000000, u'b');
}

QStringList vocabularyEntries(int i)
{
    QStringList entries;
    const int count = i % 2 == 0 ? 50000 : 70000;
    for (int n = 0; n < count; ++n)
        entries.append(
            (i % 2 == 0 ? QStringLiteral("even entry %1") : QStringLiteral("ODD %1")).arg(n));
    return entries;
}

QByteArray vocabularyBytes(const QStringList& entries)
{
    return entries.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

using InterruptedSave = EnglishVocabularyTest;

} // namespace

TEST(InterruptedWrite, ASettingsWriteKilledHalfWayLeavesTheOldOrTheNewFile)
{
    TestEnvironment environment;
    const QString path = environment.settingsPath();
    const auto fileWith = [](const QString& value) {
        return "[Einstellungen]\r\nSpieler1=" + value.toLatin1() + "\r\n";
    };
    ASSERT_TRUE(profile::writeString(path, "Einstellungen", "Spieler1", settingsValue(0)));
    expectWholeAfterKills(
        path,
        [&](int i) { profile::writeString(path, "Einstellungen", "Spieler1", settingsValue(i)); },
        {fileWith(settingsValue(0)), fileWith(settingsValue(1))});
}

TEST_F(InterruptedSave, AVocabularySaveKilledHalfWayLeavesTheOldOrTheNewFile)
{
    const QList<QStringList> entries = {vocabularyEntries(0), vocabularyEntries(1)};
    ASSERT_TRUE(vocabularyfile::write(entries[0]));
    expectWholeAfterKills(vocabularyPath(),
                          [&](int i) {
                              if (!vocabularyfile::write(entries[i % 2]))
                                  throw std::runtime_error("the save failed");
                          },
                          {vocabularyBytes(entries[0]), vocabularyBytes(entries[1])});
}
