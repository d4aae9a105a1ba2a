// FIFOs, devices, links, folders and files too large or unreadable where the
// game's files belong: nothing blocks, nothing is read that should not be,
// nothing is written through a link, and what cannot be read is never written
// over.

#include "errors/errorprotocol.h"
#include "files/atomicfile.h"
#include "files/cp1252.h"
#include "files/inifile.h"
#include "files/regularfile.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"
#include "vocabulary/vocabularyfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using regularfile::Failure;

// A FIFO opened for reading blocks until someone writes: should the game ever
// do it, the test process ends here instead of hanging.
class Watchdog
{
public:
    Watchdog() { ::alarm(60); }
    ~Watchdog() { ::alarm(0); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
};

void makeFifo(const QString& path)
{
    if (::mkfifo(QFile::encodeName(path).constData(), 0644) != 0)
        throw std::runtime_error("cannot make a FIFO");
}

void makeLink(const QString& target, const QString& link)
{
    if (!QFile::link(target, link))
        throw std::runtime_error("cannot make a link");
}

// A file of `size` bytes that starts with `head`; the rest is a hole that costs
// no disk space.
void makeSparseFile(const QString& path, const QByteArray& head, qint64 size)
{
    writeFile(path, head);
    if (::truncate(QFile::encodeName(path).constData(), size) != 0)
        throw std::runtime_error("cannot grow the file");
}

bool isFifo(const QString& path)
{
    struct ::stat info
    {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

class SpecialFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::extractLanguageTable();
        language::LanguageOffset() = 1000; // folder "english", default "frostel.dat"
        settings().Datei.clear();
        QDir(environment.programDir()).mkdir(QStringLiteral("english"));
        QDir(environment.programDir()).mkdir(QStringLiteral("elsewhere"));
        writeFile(victim(), "[Einstellungen]\r\nSpieler1=Victim\r\n");
    }

    void TearDown() override
    {
        language::LanguageOffset() = savedOffset_;
        settings() = savedSettings_;
    }

    QString iniPath() const { return environment.settingsPath(); }
    QString vocabulary() const
    {
        return environment.programDir() + QStringLiteral("/english/frostel.dat");
    }
    QString elsewhere() const { return environment.programDir() + QStringLiteral("/elsewhere"); }
    QString victim() const { return elsewhere() + QStringLiteral("/victim.ini"); }

    QString playerOne() const
    {
        return settingsfile::GetIniString("Einstellungen", "Spieler1", "-");
    }
    void savePlayerTwo() const { settingsfile::SaveIni("Einstellungen", "Spieler2", "New"); }

    QList<int> reportedNumbers() const
    {
        QList<int> numbers;
        for (const auto& report : environment.reporter.reports)
            numbers.append(report.number);
        return numbers;
    }

    Watchdog watchdog;
    TestEnvironment environment;

private:
    qint16 savedOffset_ = language::LanguageOffset();
    Settings savedSettings_ = settings();
};

} // namespace

TEST_F(SpecialFiles, SettingsAtAFifoAFolderOrAHugeFileReadAsDefaultsAndStayAsTheyAre)
{
    makeFifo(iniPath());
    EXPECT_EQ(playerOne(), "-");
    savePlayerTwo();
    EXPECT_TRUE(isFifo(iniPath()));

    QFile::remove(iniPath());
    QDir().mkdir(iniPath());
    EXPECT_EQ(playerOne(), "-");
    savePlayerTwo();
    EXPECT_TRUE(QFileInfo(iniPath()).isDir());
    EXPECT_TRUE(namesIn(iniPath()).isEmpty());

    // Far larger than any settings file: not read into memory, and not replaced
    // by a file that would hold only the new key.
    QDir(iniPath()).removeRecursively();
    const QByteArray head = "[Einstellungen]\r\nSpieler1=Kept\r\n";
    makeSparseFile(iniPath(), head, profile::kLargestFile + 1);
    EXPECT_EQ(playerOne(), "-");
    savePlayerTwo();
    EXPECT_EQ(QFileInfo(iniPath()).size(), profile::kLargestFile + 1);
    EXPECT_TRUE(readFile(iniPath()).startsWith(head));
    EXPECT_EQ(namesIn(environment.programDir()),
              QStringList({"Frostel.ini", "elsewhere", "english"}));
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(SpecialFiles, ALinkAtTheSettingsFileIsReplacedAndWhatItPointsAtKept)
{
    for (const QString& target : {QStringLiteral("/dev/zero"), victim()}) {
        SCOPED_TRACE(target.toStdString());
        QFile::remove(iniPath());
        makeLink(target, iniPath());
        EXPECT_EQ(playerOne(), "-") << "not read through the link";
        savePlayerTwo();
        EXPECT_FALSE(QFileInfo(iniPath()).isSymLink());
        EXPECT_EQ(readFile(iniPath()), "[Einstellungen]\r\nSpieler2=New\r\n");
    }
    EXPECT_EQ(readFile(victim()), "[Einstellungen]\r\nSpieler1=Victim\r\n");
    EXPECT_EQ(namesIn(elsewhere()), QStringList({"victim.ini"}))
        << "no temporary file beside the link's target";
}

TEST_F(SpecialFiles, ASettingsFileThatCannotBeReadIsNeverWrittenOver)
{
    // Write-only: replacing it would work, reading it does not.
    const QByteArray old = "[Einstellungen]\r\nSpieler1=Precious\r\npassw=x\r\n";
    writeFile(iniPath(), old);
    QFile::setPermissions(iniPath(), QFile::WriteOwner);
    handOver(environment.programDir());
    handOver(iniPath());
    EXPECT_TRUE(runUnprivileged([&] {
        const bool readAsDefault = playerOne() == "-";
        savePlayerTwo();
        return readAsDefault;
    }));
    QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readFile(iniPath()), old);
    EXPECT_EQ(namesIn(environment.programDir()),
              QStringList({"Frostel.ini", "elsewhere", "english"}));
}

TEST_F(SpecialFiles, ASettingsWriteKeepsEveryByteItDoesNotChange)
{
    // Codes without a character and the UTF-8 bytes of "Íñigo", in a comment, in
    // another section and in the value of another key.
    const QByteArray old =
        "; \x81\x8D\x8F\x90\x9D\r\n[Einstellungen]\r\nSpieler1=\xC3\x8D\xC3\xB1igo\r\n"
        "\r\n[Other]\r\nKey=a\x90z\r\n";
    writeFile(iniPath(), old);
    const QString name = QString::fromUtf16(u"Zo\u00EB\u0081");
    settingsfile::SaveIni("Einstellungen", "Spieler2", name);
    EXPECT_EQ(readFile(iniPath()),
              "; \x81\x8D\x8F\x90\x9D\r\n[Einstellungen]\r\nSpieler1=\xC3\x8D\xC3\xB1igo\r\n"
              "Spieler2=Zo\xEB\x81\r\n\r\n[Other]\r\nKey=a\x90z\r\n");
    EXPECT_EQ(settingsfile::GetIniString("Einstellungen", "Spieler2", "-"), name);
}

TEST_F(SpecialFiles, AChangeByAnotherProgramIsSeenAtOnce)
{
    writeFile(iniPath(), "[Einstellungen]\r\nSpieler1=Ann\r\n");
    EXPECT_EQ(playerOne(), "Ann");
    // Rewritten in place, at the same length and within the same clock tick:
    // neither the inode nor the size nor (perhaps) the time stamp tells.
    writeFile(iniPath(), "[Einstellungen]\r\nSpieler1=Bob\r\n");
    EXPECT_EQ(playerOne(), "Bob");
    savePlayerTwo();
    writeFile(iniPath(), "[Einstellungen]\r\nSpieler1=Cyd\r\nSpieler2=New\r\n");
    EXPECT_EQ(playerOne(), "Cyd") << "also right after a write of our own";
}

TEST_F(SpecialFiles, AVocabularyAtAFifoADeviceOrAHugeFileIsReportedWithoutReadingIt)
{
    const auto expectUnreadable = [this](const char* what) {
        SCOPED_TRACE(what);
        environment.reporter.reports.clear();
        EXPECT_TRUE(vocabularyfile::readForPlay(1).entries.isEmpty());
        EXPECT_TRUE(vocabularyfile::readForEditing().entries.isEmpty());
        EXPECT_EQ(reportedNumbers(), QList<int>({75, 75}));
    };
    makeFifo(vocabulary());
    expectUnreadable("a FIFO");
    EXPECT_TRUE(isFifo(vocabulary()));

    QFile::remove(vocabulary());
    makeLink("/dev/urandom", vocabulary());
    expectUnreadable("a link to a device");

    QFile::remove(vocabulary());
    makeSparseFile(vocabulary(), "APPLE\r\n", vocabularyfile::kLargestFile + 1);
    expectUnreadable("a huge file");
}

TEST_F(SpecialFiles, TheEditorNeitherReadsNorWritesThroughALink)
{
    const QString target = elsewhere() + QStringLiteral("/words.dat");
    writeFile(target, "SECRET\r\n");
    makeLink(target, vocabulary());
    EXPECT_EQ(vocabularyfile::readForPlay(1).entries, QStringList({"SECRET"}))
        << "the game only reads, so it may follow";

    environment.reporter.reports.clear();
    EXPECT_TRUE(vocabularyfile::readForEditing().entries.isEmpty());
    EXPECT_EQ(reportedNumbers(), QList<int>({75}));
    EXPECT_TRUE(vocabularyfile::write({QStringLiteral("NEW")}));
    EXPECT_FALSE(QFileInfo(vocabulary()).isSymLink());
    EXPECT_EQ(readFile(vocabulary()), "NEW\r\n");
    EXPECT_EQ(readFile(target), "SECRET\r\n");
    EXPECT_EQ(namesIn(elsewhere()), QStringList({"victim.ini", "words.dat"}));
}

TEST_F(SpecialFiles, TheErrorLogAndProtocolReplaceLinksAndLeaveFifosAlone)
{
    const QString log = errorprotocol::logFilePath();
    const QString saved = errorprotocol::protocolFilePath();
    makeFifo(log);
    EXPECT_FALSE(errorprotocol::appendToLog(log, QStringLiteral("report\r\n")));
    EXPECT_TRUE(isFifo(log));

    for (const QString& path : {log, saved}) {
        QFile::remove(path);
        makeLink(victim(), path);
    }
    EXPECT_TRUE(errorprotocol::appendToLog(log, QStringLiteral("report\r\n")));
    EXPECT_TRUE(errorprotocol::writeProtocolFile(saved, QStringLiteral("protocol\r\n")));
    EXPECT_EQ(readFile(log), "report\r\n\r\n");
    EXPECT_EQ(readFile(saved), "protocol\r\n\r\n");
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_FALSE(QFileInfo(saved).isSymLink());
    EXPECT_EQ(readFile(victim()), "[Einstellungen]\r\nSpieler1=Victim\r\n");

    // A link that leads nowhere still stands at the name and is what gets replaced.
    QFile::remove(saved);
    makeLink(elsewhere() + "/nothing", saved);
    EXPECT_FALSE(QFileInfo::exists(saved));
    EXPECT_TRUE(regularfile::existsAtName(saved));
    EXPECT_TRUE(errorprotocol::writeProtocolFile(saved, QStringLiteral("again\r\n")));
    EXPECT_FALSE(QFileInfo::exists(elsewhere() + "/nothing"));
}

TEST_F(SpecialFiles, AnAppendThatFailsTakesBackWhatItAdded)
{
    const QString log = errorprotocol::logFilePath();
    const QByteArray old(300, 'o');
    writeFile(log, old);
    {
        const FileSizeLimit full(old.size() + 100);
        EXPECT_FALSE(errorprotocol::appendToLog(log, QString(1000, u'n')));
    }
    EXPECT_EQ(readFile(log), old);

    QFile::remove(log);
    {
        const FileSizeLimit full(0);
        EXPECT_FALSE(errorprotocol::appendToLog(log, QStringLiteral("report\r\n")));
    }
    EXPECT_FALSE(regularfile::existsAtName(log)) << "no empty log is left";
}

TEST_F(SpecialFiles, AFileTheUserMayNotWriteIsNotReplacedBehindItsBack)
{
    const QString file = elsewhere() + QStringLiteral("/readonly.dat");
    writeFile(file, "OLD\r\n");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    handOver(elsewhere());
    handOver(file);
    EXPECT_TRUE(
        runUnprivileged([&] { return atomicfile::write(file, "NEW\r\n") == Failure::Denied; }));
    EXPECT_EQ(readFile(file), "OLD\r\n");
    EXPECT_EQ(namesIn(elsewhere()), QStringList({"readonly.dat", "victim.ini"}));
}

TEST_F(SpecialFiles, OnlyWhatKilledWritesLeftIsRemoved)
{
    const QString folder = elsewhere();
    writeFile(folder + "/words.dat", "WORDS\r\n");
    // Named as the writer names its temporary files, after the files beside them.
    const QStringList ours = {"victim.ini.AbCdEf", "words.dat.qwErTy"};
    // A copy older than its file, one beside no such file, other names and a link.
    const QStringList others = {"words.dat.backup",  "gone.dat.AbCdEf",  "words.dat.a1B2c3",
                                "words.dat.abcdefg", "words.datXabcdef", "victim.ini.LnkLnk"};
    for (const QString& name : ours + others.mid(0, 5))
        writeFile(folder + u'/' + name, "leftover");
    QFile backup(folder + "/words.dat.backup");
    ASSERT_TRUE(backup.open(QIODevice::ReadWrite));
    backup.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                       QFileDevice::FileModificationTime);
    backup.close();
    makeLink(victim(), folder + "/victim.ini.LnkLnk");
    QStringList kept = others + QStringList({"victim.ini", "words.dat"});
    if (::geteuid() == 0) {
        writeFile(folder + "/words.dat.Theirs", "another user's");
        handOver(folder + "/words.dat.Theirs");
        kept.append("words.dat.Theirs");
    }

    atomicfile::removeLeftovers(folder);
    kept.sort();
    EXPECT_EQ(namesIn(folder), kept);
    EXPECT_EQ(readFile(victim()), "[Einstellungen]\r\nSpieler1=Victim\r\n");
}
