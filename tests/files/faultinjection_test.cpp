// Real write failures under the settings file and the vocabulary files: a file
// size limit stops writes for root too, a folder in the way stops the rename.

#include "files/instancelock.h"
#include "files/programdir.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/englishvocabulary.h"
#include "support/testsupport.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>
#include <pwd.h>
#include <unistd.h>

namespace {

enum class Fault
{
    AtTheFirstByte,
    HalfWay,
    AtTheRename
};

const Fault kFaults[] = {Fault::AtTheFirstByte, Fault::HalfWay, Fault::AtTheRename};

const char* nameOf(Fault fault)
{
    switch (fault) {
    case Fault::AtTheFirstByte:
        return "write fails at its first byte";
    case Fault::HalfWay:
        return "write fails half-way";
    case Fault::AtTheRename:
        return "rename fails";
    }
    return "";
}

// Arms the fault for a write of `newSize` bytes that replaces `path`; it stays
// armed while the result lives. For the rename the old file is swapped for a
// folder with something in it, which no rename can replace.
struct ArmedFault
{
    std::unique_ptr<FileSizeLimit> limit;
};

ArmedFault arm(Fault fault, const QString& path, qsizetype newSize)
{
    switch (fault) {
    case Fault::AtTheFirstByte:
        return {std::make_unique<FileSizeLimit>(0)};
    case Fault::HalfWay:
        return {std::make_unique<FileSizeLimit>(static_cast<rlim_t>(newSize / 2))};
    case Fault::AtTheRename:
        QFile::remove(path);
        QDir().mkdir(path);
        writeFile(path + QStringLiteral("/inside"), "kept");
        return {};
    }
    return {};
}

// What the fault left at `path`: the old bytes, or the folder's one file.
QByteArray whatStandsAt(const QString& path)
{
    if (QFileInfo(path).isDir())
        return "folder:" + readFile(path + QStringLiteral("/inside"));
    return readFile(path);
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QString userName()
{
    const passwd* user = ::getpwuid(::geteuid());
    return user ? QString::fromLocal8Bit(user->pw_name) : QString();
}

// Sets an environment variable for one scope.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const QString& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable()
    {
        if (wasSet_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool wasSet_;
    QByteArray previous_;
};

using FaultInjection = EnglishVocabularyTest;

QStringList manyEntries()
{
    QStringList entries;
    for (int i = 0; i < 400; ++i)
        entries.append(QStringLiteral("a rather long entry number %1").arg(i));
    return entries;
}

qsizetype fileSizeOf(const QStringList& entries)
{
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += entry.size() + 2;
    return size;
}

} // namespace

TEST_F(FaultInjection, ASettingsWriteThatFailsIsLostQuietlyAndLeavesTheOldFile)
{
    const QByteArray old = "[Einstellungen]\r\nSpieler1=Old\r\nAnzahl= 2\r\n";
    const QString longName(20000, u'N');
    for (const Fault fault : kFaults) {
        SCOPED_TRACE(nameOf(fault));
        QDir(environment.settingsPath()).removeRecursively();
        writeFile(environment.settingsPath(), old);
        const QByteArray before = [&] {
            const ArmedFault armed = arm(fault, environment.settingsPath(), old.size() + 20000);
            const QByteArray standing = whatStandsAt(environment.settingsPath());
            settingsfile::SaveIni("Einstellungen", "Spieler1", longName);
            return standing;
        }();
        EXPECT_EQ(whatStandsAt(environment.settingsPath()), before);
        EXPECT_EQ(entriesOf(environment.programDir()), QStringList({"Frostel.ini", "english"}))
            << "no temporary file is left behind";
        EXPECT_TRUE(environment.reporter.reports.isEmpty()) << "settings writes fail quietly";
        EXPECT_EQ(settingsfile::GetIniString("Einstellungen", "Spieler1", "none"),
                  fault == Fault::AtTheRename ? "none" : "Old");
    }

    // A write that cannot put down a single byte makes no empty file, and once
    // the disk has room again the next write goes through.
    QDir(environment.settingsPath()).removeRecursively();
    {
        const FileSizeLimit full(0);
        settingsfile::SaveIni("Window", "Status", settingsfile::numberText(0));
    }
    EXPECT_FALSE(QFileInfo::exists(environment.settingsPath()));
    settingsfile::SaveIni("Window", "Status", settingsfile::numberText(0));
    EXPECT_EQ(readFile(environment.settingsPath()), "[Window]\r\nStatus= 0\r\n");
}

TEST_F(FaultInjection, AVocabularySaveThatFailsIsReportedAndLeavesTheOldFile)
{
    const QByteArray old = "PEAR\r\nAPPLE\r\n";
    const QStringList entries = manyEntries();
    for (const Fault fault : kFaults) {
        SCOPED_TRACE(nameOf(fault));
        environment.reporter.reports.clear();
        QDir(vocabularyPath()).removeRecursively();
        writeFile(vocabularyPath(), old);
        bool written = true;
        const QByteArray before = [&] {
            const ArmedFault armed = arm(fault, vocabularyPath(), fileSizeOf(entries));
            const QByteArray standing = whatStandsAt(vocabularyPath());
            written = vocabularyfile::write(entries);
            return standing;
        }();
        EXPECT_FALSE(written);
        EXPECT_EQ(whatStandsAt(vocabularyPath()), before);
        EXPECT_EQ(entriesOf(folder()), QStringList({"words.dat"}))
            << "no temporary file is left behind";
        ASSERT_EQ(environment.reporter.reports.size(), 1);
        EXPECT_EQ(environment.reporter.reports[0].procedure, "Speichern_Click");
        // A full disk is Disk full; a folder at the name is no file to replace.
        EXPECT_EQ(environment.reporter.reports[0].number, fault == Fault::AtTheRename ? 75 : 61);
    }
}

TEST_F(FaultInjection, AProgramFolderThatTakesNoFiles)
{
    const QString plainFile = environment.programDir() + QStringLiteral("/plain");
    writeFile(plainFile, "not a folder");
    const QString readOnly = environment.programDir() + QStringLiteral("/readonly");
    QDir().mkpath(readOnly + QStringLiteral("/english"));
    writeFile(readOnly + QStringLiteral("/Frostel.ini"), "[Window]\r\nStatus= 1\r\n");
    writeFile(readOnly + QStringLiteral("/english/words.dat"), "OLD\r\n");
    const auto readAndExecuteOnly = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(readOnly + QStringLiteral("/english"), readAndExecuteOnly);
    QFile::setPermissions(readOnly, readAndExecuteOnly);
    // A program folder that cannot be written hands the files to the player's
    // folder, and that one cannot be made below a plain file either.
    qputenv("XDG_DATA_HOME", QFile::encodeName(plainFile));

    // Settings writes into such a folder fail quietly and leave the stored value;
    // a vocabulary write fails with Path not found.
    const auto takesNoFiles = [&](const QString& folder) {
        environment.reporter.reports.clear();
        programdir::setForTesting(folder, QStringLiteral("frostel"));
        settingsfile::SaveIni("Window", "Status", settingsfile::numberText(0));
        const bool quiet = environment.reporter.reports.isEmpty();
        const bool kept = settingsfile::GetIniInt("Window", "Status", 2) != 0;
        const bool written = vocabularyfile::write({QStringLiteral("NEW")});
        QList<int> numbers;
        for (const auto& report : environment.reporter.reports)
            numbers.append(report.number);
        return quiet && kept && !written && numbers == QList<int>({76});
    };
    // No one, root included, can create files in /proc.
    for (const QString& folder : {plainFile, environment.programDir() + QStringLiteral("/vanished"),
                                  QStringLiteral("/proc/self")}) {
        SCOPED_TRACE(folder.toStdString());
        EXPECT_TRUE(takesNoFiles(folder));
    }
    // Folder permissions bind only a process without root's rights.
    for (const QString& path : {environment.programDir(), readOnly, readOnly + "/english",
                                readOnly + "/Frostel.ini", readOnly + "/english/words.dat"})
        handOver(path);
    handOverAll(environment.tempDir());
    EXPECT_TRUE(runUnprivileged([&] { return takesNoFiles(readOnly); })) << "a read-only folder";

    EXPECT_EQ(readFile(plainFile), "not a folder");
    EXPECT_FALSE(QFileInfo::exists(environment.programDir() + QStringLiteral("/vanished")));
    EXPECT_EQ(readFile(readOnly + QStringLiteral("/Frostel.ini")), "[Window]\r\nStatus= 1\r\n");
    EXPECT_EQ(readFile(readOnly + QStringLiteral("/english/words.dat")), "OLD\r\n");

    const auto everything = readAndExecuteOnly | QFile::WriteOwner;
    QFile::setPermissions(readOnly, everything);
    QFile::setPermissions(readOnly + QStringLiteral("/english"), everything);
}

TEST_F(FaultInjection, ALanguageFolderThatVanishedOrBecameAFile)
{
    writeFile(vocabularyPath(), "PEAR\r\nAPPLE\r\n");
    QDir(folder()).removeRecursively();
    EXPECT_FALSE(vocabularyfile::write({QStringLiteral("FIG")}));
    EXPECT_FALSE(QFileInfo::exists(folder())) << "the folder is not made again";

    writeFile(folder(), "a file in the folder's place");
    EXPECT_FALSE(vocabularyfile::write({QStringLiteral("FIG")}));
    EXPECT_EQ(readFile(folder()), "a file in the folder's place");
    environment.reporter.choices = {ErrorChoice::Ignore};
    const vocabularyfile::PlayEntries play = vocabularyfile::readForPlay(1);
    EXPECT_TRUE(play.entries.isEmpty());
    EXPECT_FALSE(play.cancelled);

    ASSERT_EQ(environment.reporter.reports.size(), 3);
    EXPECT_EQ(environment.reporter.reports[0].number, 76);
    EXPECT_EQ(environment.reporter.reports[1].number, 76);
    EXPECT_EQ(environment.reporter.reports[2].procedure, "List1_Ini");

    // Back in place, the next save works: no failure sticks.
    QFile::remove(folder());
    QDir(environment.programDir()).mkdir(QStringLiteral("english"));
    settings().Datei = QStringLiteral("words.dat"); // the failed read chose the default
    EXPECT_TRUE(vocabularyfile::write({QStringLiteral("FIG")}));
    EXPECT_EQ(readFile(vocabularyPath()), "FIG\r\n");
}

TEST_F(FaultInjection, TemporaryFoldersThatSomeoneElseCouldHaveMadeArePassedOver)
{
    // The links point at a folder that is private and this user's own, so only
    // the links themselves give it away.
    const QString elsewhere = environment.programDir() + QStringLiteral("/elsewhere");
    const QString link = environment.programDir() + QStringLiteral("/runtime");
    const QString cache = environment.programDir() + QStringLiteral("/cache");
    const QString systemTemp = environment.programDir() + QStringLiteral("/tmp");
    for (const QString& folder : {elsewhere, cache, systemTemp}) {
        QDir().mkdir(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ASSERT_TRUE(QFile::link(elsewhere, link));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(link));
    const ScopedVariable cacheHome("XDG_CACHE_HOME", cache);
    const ScopedVariable tmpdir("TMPDIR", systemTemp);
    // Where Qt's runtime folder falls back to.
    ASSERT_TRUE(QFile::link(elsewhere, systemTemp + "/runtime-" + userName()));

    language::extractLanguageTable();
    EXPECT_TRUE(entriesOf(elsewhere).isEmpty()) << "nothing is written through a link";
    EXPECT_EQ(language::TempLanguageFile(), cache + QStringLiteral("/frostel/~tmp.lng"));
    EXPECT_EQ(language::GetLang(1143), QStringLiteral("Really end the game?"));

    // The folder in the cache replaced by a link as well: a folder of this run
    // takes over, and the texts and the instance lock still work.
    QDir(cache + QStringLiteral("/frostel")).removeRecursively();
    ASSERT_TRUE(QFile::link(elsewhere, cache + QStringLiteral("/frostel")));
    language::extractLanguageTable();
    const QString fresh = QFileInfo(language::TempLanguageFile()).path();
    EXPECT_EQ(QFileInfo(fresh).path(), systemTemp);
    EXPECT_EQ(QFileInfo(fresh).permissions() & 0x0077, 0) << "only the user can open it";
    EXPECT_EQ(language::GetLang(1143), QStringLiteral("Really end the game?"));
    EXPECT_EQ(language::GetTempDir(), fresh + u'/') << "the same folder for the whole run";
    InstanceLock first(language::GetTempDir());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(InstanceLock(language::GetTempDir()).acquire());
    EXPECT_TRUE(entriesOf(elsewhere).isEmpty());
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(FaultInjection, WithoutARuntimeFolderOneFolderServesEveryStart)
{
    const QString systemTemp = environment.programDir() + QStringLiteral("/tmp");
    QDir().mkdir(systemTemp);
    qunsetenv("XDG_RUNTIME_DIR");
    const ScopedVariable tmpdir("TMPDIR", systemTemp);
    for (int start = 0; start < 20; ++start) {
        language::extractLanguageTable();
        EXPECT_EQ(language::GetLang(1143), QStringLiteral("Really end the game?"));
    }
    const QString runtime = systemTemp + "/runtime-" + userName();
    EXPECT_EQ(entriesOf(systemTemp), QStringList({"runtime-" + userName()}));
    EXPECT_EQ(language::TempLanguageFile(), runtime + QStringLiteral("/~tmp.lng"));
    EXPECT_EQ(QFileInfo(runtime).permissions() & 0x0077, 0);

    // Taken by a link, the home's cache folder serves.
    const QString home = environment.programDir() + QStringLiteral("/home");
    QDir().mkdir(home);
    QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(runtime).removeRecursively();
    ASSERT_TRUE(QFile::link(home, runtime));
    const ScopedVariable homeVariable("HOME", home);
    const ScopedVariable cacheHome("XDG_CACHE_HOME", QString());
    language::extractLanguageTable();
    EXPECT_EQ(language::TempLanguageFile(), home + QStringLiteral("/.cache/frostel/~tmp.lng"));
    EXPECT_EQ(QFileInfo(home + QStringLiteral("/.cache/frostel")).permissions() & 0x0077, 0);
    EXPECT_EQ(language::GetLang(1143), QStringLiteral("Really end the game?"));
}
