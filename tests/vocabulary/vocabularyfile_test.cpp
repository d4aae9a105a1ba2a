#include "vocabulary/vocabularyfile.h"

#include "frame/settings.h"
#include "support/englishvocabulary.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vocabularyfile;

namespace {

// English: folder "english", default file "frostel.dat".
constexpr qint16 kEnglish = 1000;

class VocabularyFileTest : public EnglishVocabularyTest
{
protected:
    PlayEntries playEntriesOf(const QByteArray& bytes, qint16 minLen = 1)
    {
        writeFile(vocabularyPath(), bytes);
        return readForPlay(minLen);
    }

    QStringList editorEntriesOf(const QByteArray& bytes)
    {
        writeFile(vocabularyPath(), bytes);
        return readForEditing().entries;
    }
};

void expectReport(const ScriptedReporter::Report& report, const char* module, const char* procedure,
                  int number)
{
    EXPECT_EQ(report.module, module);
    EXPECT_EQ(report.procedure, procedure);
    EXPECT_EQ(report.number, number);
}

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "WORD" + QByteArray::number(i) + "\r\n";
    return bytes;
}

} // namespace

TEST(VocabularyFieldRules, CommasLineEndsQuotesAndBlanks)
{
    EXPECT_EQ(splitEntries(u"APPLE,PEAR"), QStringList({"APPLE", "PEAR"}));
    EXPECT_EQ(splitEntries(u"\"APPLE,PEAR\""), QStringList({"APPLE,PEAR"}));
    EXPECT_EQ(splitEntries(u"  ROSE  \r\n"), QStringList({"ROSE"}));
    EXPECT_EQ(splitEntries(u"  the clown  ,\t sun \r\n"), QStringList({"the clown", "sun"}))
        << "blanks inside a phrase stay";
    EXPECT_EQ(splitEntries(u"\"  ROSE  \""), QStringList({"  ROSE  "}))
        << "quotes keep their blanks";
    EXPECT_EQ(splitEntries(u"\"AB\" junk,CD"), QStringList({"AB", "CD"}))
        << "text after the closing quote is dropped";
    EXPECT_EQ(splitEntries(u"AB\"C"), QStringList({"AB\"C"})) << "a quote inside is plain text";
}

TEST(VocabularyFieldRules, EmptyLinesLineEndsAndAnUnclosedQuote)
{
    EXPECT_EQ(splitEntries(u"A\r\n\r\nB\r\n"), QStringList({"A", "", "B"}));
    EXPECT_EQ(splitEntries(u"A\n\nB"), QStringList({"A", "", "B"})) << "LF alone ends lines too";
    EXPECT_EQ(splitEntries(u"A,\r\n,"), QStringList({"A", "", "", ""}));
    EXPECT_EQ(splitEntries(u"   \r\n"), QStringList({""}));
    EXPECT_EQ(splitEntries(u""), QStringList());
    EXPECT_EQ(splitEntries(u"\"OPEN, still open\r\nNEXT"),
              QStringList({"OPEN, still open", "NEXT"}))
        << "an unclosed quote ends with its line";
}

TEST_F(VocabularyFileTest, PlayAndEditorFilterAndSpellEntriesDifferently)
{
    const QByteArray bytes = "TEA\r\n\r\nStra\xDF"
                             "e\r\n\xE9\x63lair,na\xEFve\r\n\"  ROSE  \"\r\n\xB5m\xE8tre\r\n";
    const PlayEntries play = playEntriesOf(bytes, 4);
    EXPECT_EQ(play.entries,
              QStringList({"STRASSE", QString::fromUtf8("ÉCLAIR"), QString::fromUtf8("NAÏVE"),
                           "  ROSE  ", QString::fromUtf8("µMÈTRE")}))
        << "TEA and the empty line are too short; the micro sign has no capital";
    EXPECT_FALSE(play.emptyFile);
    EXPECT_FALSE(play.cancelled);

    EXPECT_EQ(editorEntriesOf(bytes),
              QStringList({"TEA", "Strasse", QString::fromUtf8("éclair"),
                           QString::fromUtf8("naïve"), "  ROSE  ", QString::fromUtf8("µmètre")}));
    EXPECT_EQ(playEntriesOf("\"  ROSE  \"", 5).entries, QStringList())
        << "the length is counted without the blanks";
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(VocabularyFileTest, PlayFallsBackToTheDefaultFileAndRecordsIt)
{
    writeFile(pathOf(QStringLiteral("frostel.dat")), "DEFAULT\r\n");
    writeFile(environment.programDir() + QStringLiteral("/x.dat"), "OUTSIDE\r\n");
    QDir(folder()).mkdir(QStringLiteral("a"));
    writeFile(pathOf(QStringLiteral("a/b.dat")), "NESTED\r\n");

    for (const QString datei : {"", "stale.dat", "../x.dat", "a/b.dat", "a\\b.dat", ".."}) {
        settings().Datei = datei;
        EXPECT_EQ(readForPlay(1).entries, QStringList({"DEFAULT"})) << datei.toStdString();
        EXPECT_EQ(settings().Datei, "frostel.dat") << datei.toStdString();
    }
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(VocabularyFileTest, PathsStayInsideTheLanguageFolder)
{
    const QString english = folder() + QStringLiteral("/");
    EXPECT_EQ(resolvePath(kEnglish, "words.dat"), english + "words.dat");
    EXPECT_EQ(resolvePath(kEnglish, ""), english + "frostel.dat");
    EXPECT_EQ(resolvePath(kEnglish, "../x.dat"), english + "frostel.dat");
    EXPECT_EQ(resolvePath(kEnglish, "a/b.dat"), english + "frostel.dat");
    EXPECT_EQ(resolvePath(kEnglish, "C:\\x.dat"), english + "frostel.dat");
    EXPECT_EQ(resolvePath(5000, "x.dat"),
              environment.programDir() + QString::fromUtf8("/español/x.dat"));
}

TEST_F(VocabularyFileTest, AFileOfLengthZeroIsReportedAsEmpty)
{
    const PlayEntries empty = playEntriesOf("");
    EXPECT_TRUE(empty.emptyFile);
    EXPECT_TRUE(empty.entries.isEmpty());
    EXPECT_EQ(settings().Datei, "words.dat");

    const PlayEntries allShort = playEntriesOf("A,B\r\nC\r\n", 2);
    EXPECT_FALSE(allShort.emptyFile) << "short entries are the caller's other case";
    EXPECT_TRUE(allShort.entries.isEmpty());
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(VocabularyFileTest, FilesThatCannotBeOpenedAreReportedForTheCaller)
{
    settings().Datei.clear();
    EXPECT_TRUE(readForEditing().entries.isEmpty());
    EXPECT_EQ(settings().Datei, "frostel.dat") << "the editor takes the default unchecked";
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    expectReport(environment.reporter.reports[0], "frmEditor", "List1_Ini", 53);

    QDir(folder()).removeRecursively();
    environment.reporter.choices = {ErrorChoice::Retry, ErrorChoice::Ignore};
    const PlayEntries ignored = readForPlay(1);
    ASSERT_EQ(environment.reporter.reports.size(), 3) << "reported again after Retry";
    expectReport(environment.reporter.reports[2], "frmMain", "List1_Ini", 76);
    EXPECT_FALSE(ignored.cancelled);
    EXPECT_FALSE(ignored.emptyFile) << "nothing read is not a file of length 0";

    EXPECT_TRUE(readForPlay(1).cancelled);
}

TEST_F(VocabularyFileTest, ListsStopAtTheSixteenBitLimitWithOneReportAndSavingKeepsTheRest)
{
    const QByteArray bytes = numberedLines(kMaxEntries + 3);
    const PlayEntries play = playEntriesOf(bytes);
    ASSERT_EQ(play.entries.size(), kMaxEntries);
    EXPECT_EQ(play.entries.last(), "WORD32767");
    EXPECT_TRUE(play.cancelled);
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    expectReport(environment.reporter.reports[0], "frmMain", "List1_Ini", 6);

    environment.reporter.choices = {ErrorChoice::Ignore};
    writeFile(vocabularyPath(), bytes);
    const EditEntries edit = readForEditing();
    EXPECT_EQ(edit.entries.size(), kMaxEntries);
    EXPECT_EQ(edit.beyondLimit, QStringList({"WORD32768", "WORD32769", "WORD32770"}));
    ASSERT_EQ(environment.reporter.reports.size(), 2);
    expectReport(environment.reporter.reports[1], "frmEditor", "List1_Ini", 6);
    EXPECT_TRUE(write(edit.entries + edit.beyondLimit));
    EXPECT_EQ(readFile(pathOf(QStringLiteral("words.dat"))), bytes) << "no entry is cut off";

    EXPECT_EQ(playEntriesOf(numberedLines(kMaxEntries)).entries.size(), kMaxEntries);
    EXPECT_EQ(environment.reporter.reports.size(), 2) << "a full list is no error";
}

TEST_F(VocabularyFileTest, WritingGivesOneLinePerEntryInWindows1252)
{
    // Every byte comes back: the five codes without a character, the bytes of a
    // name written in UTF-8 ("Íñigo"), and entries that need their quotes.
    const QByteArray bytes = "na\xEFve\r\n\xC9t\xE9\r\n\x8Aoup\x9A\r\n\x80uro\r\n"
                             "a\x81\x8D\x8F\x90\x9Dz\r\n\xC3\x8D\xC3\xB1igo\r\n"
                             "\"apple, pear\"\r\n\" lead\"\r\n\"trail\t\"\r\nin\"side\r\n";
    const QStringList entries = editorEntriesOf(bytes);
    EXPECT_TRUE(entries.contains("apple, pear"));
    EXPECT_TRUE(write(entries));
    EXPECT_EQ(readFile(pathOf("words.dat")), bytes) << "read for editing and written back";

    EXPECT_TRUE(write({"b, c", "\"q\"", " x ", "plain"}));
    EXPECT_EQ(readFile(pathOf("words.dat")), "\"b, c\"\r\n\"q\"\r\n\" x \"\r\nplain\r\n")
        << "only what would not read back is quoted; a quote cannot be";

    EXPECT_TRUE(write({}));
    EXPECT_TRUE(QFileInfo::exists(pathOf("words.dat")));
    EXPECT_EQ(QFileInfo(pathOf("words.dat")).size(), 0);
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST_F(VocabularyFileTest, AFailedWriteIsReportedAndChangesNothing)
{
    writeFile(pathOf("words.dat"), "OLD\r\n");
    QStringList entries;
    for (int i = 0; i < 200; ++i)
        entries.append(QStringLiteral("a rather long entry number %1").arg(i));
    bool written = true;
    {
        const FileSizeLimit limit(1024);
        written = write(entries);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(pathOf("words.dat")), "OLD\r\n");
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList({"words.dat"}))
        << "no half-written file is left behind";

    settings().Datei = QStringLiteral("../x.dat");
    EXPECT_FALSE(write({"X"}));
    EXPECT_FALSE(QFileInfo::exists(environment.programDir() + QStringLiteral("/x.dat")));
    EXPECT_FALSE(QFileInfo::exists(pathOf("frostel.dat"))) << "not redirected to the default";

    QDir(folder()).removeRecursively();
    settings().Datei = QStringLiteral("words.dat");
    EXPECT_FALSE(write({"X"}));
    EXPECT_FALSE(QFileInfo::exists(folder())) << "the folder is not created";

    ASSERT_EQ(environment.reporter.reports.size(), 3);
    expectReport(environment.reporter.reports[0], "frmEditor", "Speichern_Click", 61);
    expectReport(environment.reporter.reports[1], "frmEditor", "Speichern_Click", 52);
    expectReport(environment.reporter.reports[2], "frmEditor", "Speichern_Click", 76);
}
