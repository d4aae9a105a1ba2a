#include "errors/errorprotocol.h"

#include "support/testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <gtest/gtest.h>

namespace {

const QString rule = QString(70, u'-');
const QString ten = QString(10, u' ');

errorprotocol::WindowTexts sampleTexts()
{
    errorprotocol::WindowTexts texts;
    texts.errorFrameCaption = QStringLiteral("Fehlerbeschreibung / error description:");
    texts.progInfoFrameCaption = QStringLiteral("Programm-Info:");
    texts.progInfo = QStringLiteral("frostel  V6.1.601");
    texts.rowTitles = {QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
                       QStringLiteral("Prozedur / procedure:"), QStringLiteral("Zeile / Line:")};
    texts.rowValues = {QStringLiteral("53 (File not found)"), QStringLiteral("frmMain"),
                       QStringLiteral("Such_Wort"), QStringLiteral("0")};
    return texts;
}

platform::SystemVersion sampleSystem()
{
    return {QStringLiteral("Linux 6.1.0-18-amd64"),
            QStringLiteral("Debian GNU/Linux 12 (bookworm)"),
            QStringLiteral("#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)   x86_64")};
}

const QDateTime reportTime(QDate(2024, 3, 7), QTime(9, 5, 4));

QStringList protocolLines(const QString& protocol)
{
    return protocol.split(QStringLiteral("\r\n"));
}

} // namespace

TEST(ErrorProtocol, HoldsEighteenLinesFromTheWindowTextsTheTimeAndTheSystem)
{
    const QString protocol = errorprotocol::build(sampleTexts(), reportTime, sampleSystem());

    const QStringList expected = {
        rule,
        QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L"),
        rule,
        QStringLiteral("PROGRAMM-INFO:"),
        ten + QStringLiteral("frostel  V6.1.601"),
        rule,
        QStringLiteral("FEHLERBESCHREIBUNG / ERROR DESCRIPTION:"),
        ten + QStringLiteral("Fehler-Nr / error :\t53 (File not found)"),
        ten + QStringLiteral("Modul:\tfrmMain"),
        ten + QStringLiteral("Prozedur / procedure:\tSuch_Wort"),
        ten + QStringLiteral("Zeile / Line:\t0"),
        ten + QStringLiteral("Datum/Uhrzeit (Date/Time):\t03-07-2024 / 09:05:04"),
        rule,
        QStringLiteral("SYSTEMINFO:"),
        ten + QStringLiteral("Plattform/Environment:\tLinux 6.1.0-18-amd64"),
        ten + QStringLiteral("Version:\tDebian GNU/Linux 12 (bookworm)"),
        ten +
            QStringLiteral("Build:\t#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1 (2024-02-01)   x86_64"),
        rule,
        QString()}; // every line, the last too, ends in CR LF
    EXPECT_EQ(protocolLines(protocol), expected);
    EXPECT_FALSE(protocol.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

// A support protocol must say where the error happened.
TEST(ErrorProtocol, NamesTheRealSystemAndShowsAfternoonHoursIn24HourForm)
{
    const platform::SystemVersion system = platform::systemVersion();
    const QStringList lines =
        protocolLines(errorprotocol::build(sampleTexts(), reportTime, system));
    EXPECT_TRUE(lines[14].startsWith(ten + QStringLiteral("Plattform/Environment:\tLinux ")))
        << lines[14].toStdString();
    EXPECT_TRUE(lines[14].contains(QSysInfo::kernelVersion())) << lines[14].toStdString();
    QFile release(QStringLiteral("/etc/os-release"));
    if (release.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(release.readAll());
        const auto name = QRegularExpression(QStringLiteral("^PRETTY_NAME=\"?([^\"\n]+)"),
                                             QRegularExpression::MultilineOption)
                              .match(text);
        ASSERT_TRUE(name.hasMatch());
        EXPECT_EQ(lines[15], ten + QStringLiteral("Version:\t") + name.captured(1));
    }
    EXPECT_GT(lines[16].size(), (ten + QStringLiteral("Build:\t")).size()) << "the kernel's build";

    const QDateTime evening(QDate(1999, 12, 31), QTime(23, 59, 58));
    EXPECT_EQ(protocolLines(errorprotocol::build(sampleTexts(), evening, sampleSystem()))[11],
              ten + QStringLiteral("Datum/Uhrzeit (Date/Time):\t12-31-1999 / 23:59:58"));
}

TEST(ErrorProtocolPrinting, EveryLineGetsABlankAndTheExtraLineEndPrintsAsOneBlank)
{
    const QStringList printed = errorprotocol::printerLines(QStringLiteral("abc\r\n\r\nde f\r\n"));
    EXPECT_EQ(printed, (QStringList{QStringLiteral("abc "), QStringLiteral(" "),
                                    QStringLiteral("de f "), QStringLiteral(" ")}));
}

TEST(ErrorProtocolPrinting, WrapsPast73CharactersWithA20BlankIndentThatIsNotCounted)
{
    const QString indent(20, u' ');
    const QString word9 = QStringLiteral("abcdefgh "); // eight letters and the blank
    // Exactly 73 characters, the appended blank included, still make one line.
    const QString exactly73 = word9.repeated(7) + QStringLiteral("abcdefghi");
    EXPECT_EQ(errorprotocol::printerLines(exactly73 + QStringLiteral("\r\n")),
              (QStringList{exactly73 + u' ', QStringLiteral(" ")}));

    // Twenty words: 8 fit, then 8 more fit after the indent, which does not count.
    const QString twenty = word9.repeated(20).chopped(1);
    const QStringList printed = errorprotocol::printerLines(twenty + QStringLiteral("\r\n"));
    EXPECT_EQ(printed, (QStringList{word9.repeated(8), indent + word9.repeated(8),
                                    indent + word9.repeated(4), QStringLiteral(" ")}));
}

TEST(ErrorProtocolPrinting, AWordLongerThanTheLineStandsAloneAndTabsDoNotSplitWords)
{
    const QString indent(20, u' ');
    const QString longWord(80, u'x');
    const QStringList printed =
        errorprotocol::printerLines(QStringLiteral("ab ") + longWord + QStringLiteral(" cd\r\n"));
    EXPECT_EQ(printed, (QStringList{QStringLiteral("ab "), indent + longWord + u' ',
                                    indent + QStringLiteral("cd "), QStringLiteral(" ")}));

    const QStringList alone = errorprotocol::printerLines(longWord + QStringLiteral("\r\n"));
    EXPECT_EQ(alone.first(), indent + longWord + u' ');

    // 40 + tab + 40 characters are one word of 82: it is not split at the tab.
    const QString tabbed = QString(40, u'a') + u'\t' + QString(40, u'b');
    EXPECT_EQ(errorprotocol::printerLines(tabbed + QStringLiteral("\r\n")).first(),
              indent + tabbed + u' ');
}

TEST(ErrorProtocolFiles, LieInTheProgramFolderWithOneSeparator)
{
    EXPECT_EQ(errorprotocol::filePath(QStringLiteral("/opt/frostel"), QStringLiteral("frostel"),
                                      QStringLiteral(".EPT")),
              QStringLiteral("/opt/frostel/frostel.EPT"));
    EXPECT_EQ(errorprotocol::filePath(QStringLiteral("/"), QStringLiteral("frostel"),
                                      QStringLiteral(".ERR")),
              QStringLiteral("/frostel.ERR"));

    TestEnvironment env;
    EXPECT_EQ(errorprotocol::logFilePath(), env.programDir() + QStringLiteral("/frostel.EPT"));
    EXPECT_EQ(errorprotocol::protocolFilePath(), env.programDir() + QStringLiteral("/frostel.ERR"));
}

TEST(ErrorProtocolFiles, LogIsAppendedAndProtocolFileReplacedAsWindows1252Text)
{
    TestEnvironment env;
    const QString log = errorprotocol::logFilePath();
    EXPECT_TRUE(errorprotocol::appendToLog(log, QStringLiteral("Größe\r\n")));
    EXPECT_TRUE(errorprotocol::appendToLog(log, QStringLiteral("zwei\r\n")));
    EXPECT_EQ(readFile(log), QByteArray("Gr\xF6\xDF"
                                        "e\r\n\r\nzwei\r\n\r\n"));

    const QString saved = errorprotocol::protocolFilePath();
    writeFile(saved, QByteArray(1000, 'x'));
    EXPECT_TRUE(errorprotocol::writeProtocolFile(saved, QStringLiteral("neu\r\n")));
    EXPECT_EQ(readFile(saved), QByteArray("neu\r\n\r\n"));
}

TEST(ErrorProtocolFiles, WritesThatCannotReachTheDiskSaySo)
{
    TestEnvironment env;
    const QString missingFolder = env.programDir() + QStringLiteral("/missing/frostel.ERR");
    EXPECT_FALSE(errorprotocol::writeProtocolFile(missingFolder, QStringLiteral("x\r\n")));
    EXPECT_FALSE(errorprotocol::appendToLog(missingFolder, QStringLiteral("x\r\n")));
}
