#include "frame/languagetable.h"

#include "files/resources.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace language;

namespace {

QString message(int languageIndex, int number)
{
    return GetLang(static_cast<qint16>(languageIndex * 1000 + number));
}

class LanguageTableTest : public ::testing::Test
{
protected:
    void SetUp() override { extractLanguageTable(); }
    TestEnvironment environment;
};

// What screen readers are told, in every language.
QList<int> screenReaderNumbers()
{
    QList<int> numbers;
    const QList<QPair<int, int>> runs = {{400, 404}, {410, 416}, {420, 422},
                                         {425, 428}, {430, 436}, {440, 448}};
    for (const auto& [first, last] : runs) {
        for (int n = first; n <= last; ++n)
            numbers.append(n);
    }
    return numbers;
}

// Messages every language holds; English alone lacks 112.
QList<int> messageNumbers()
{
    QList<int> numbers;
    for (int n = 100; n <= 113; ++n)
        numbers.append(n);
    numbers << 118 << 132 << 134 << 135 << 136 << 137;
    for (int n = 140; n <= 146; ++n)
        numbers.append(n);
    numbers << 149;
    for (int n = 151; n <= 163; ++n)
        numbers.append(n);
    numbers << 166;
    for (int n = 168; n <= 173; ++n)
        numbers.append(n);
    numbers << 177 << 178 << 179 << 180 << 181 << 183;
    for (int n = 201; n <= 205; ++n)
        numbers.append(n);
    for (int n = 300; n <= 349; ++n)
        numbers.append(n);
    numbers << 460 << 461;
    return numbers + screenReaderNumbers();
}

// What the board can show and the keys of each language can guess.
QString guessableLetters(int languageIndex)
{
    static const QStringList extraKeys = {"ÄÖÜ", "", "ÄÖÅ", "", "ÃÕÇ", "Ñ", "Ç"};
    return QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ '-") +
           extraKeys[languageIndex];
}

} // namespace

TEST_F(LanguageTableTest, LooksUpByLanguageOffsetAndMessageNumber)
{
    EXPECT_EQ(TempLanguageFile(), environment.tempDir() + "~tmp.lng");
    EXPECT_EQ(GetLang(143), QStringLiteral("Wirklich schon aufhören?"));
    EXPECT_EQ(GetLang(1143), QStringLiteral("Really end the game?"));
    EXPECT_EQ(GetLang(1112), QString()) << "English has no message 112";
    EXPECT_EQ(GetLang(183), QStringLiteral("Falsche Buchstaben entfernen"));
    EXPECT_EQ(GetLang(1183), QStringLiteral("Remove wrong letters"));
    EXPECT_EQ(GetLang(9999), QString());
    LanguageOffset() = 6000;
    EXPECT_EQ(text(166), QStringLiteral("français"));
    LanguageOffset() = 32000; // hand-edited
    EXPECT_EQ(text(349), QString());
    LanguageOffset() = 0;
}

TEST_F(LanguageTableTest, HasTheFixedNamesOfEveryLanguage)
{
    const QStringList titles = {"Eisbold",   "Frostel", "Frosvik", "Gelindo",
                                "Geladinho", "Helarin", "Givrelin"};
    const QStringList folders = {"deutsch",    "english", "svenska", "italiano",
                                 "portuguesa", "español", "français"};
    const QStringList files = {"eisbold.dat",     "frostel.dat", "frosvik.dat", "gelindo.dat",
                               "vocabulario.dat", "helarin.dat", "givrelin.dat"};
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_EQ(message(i, 100), titles[i]);
        EXPECT_EQ(message(i, 166), folders[i]);
        EXPECT_EQ(message(i, 146), files[i]);
    }
}

TEST_F(LanguageTableTest, EveryLanguageHoldsEveryMessageWithinTheLimits)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        for (const int number : messageNumbers()) {
            const QString value = message(i, number);
            if (i == English && number == 112) {
                EXPECT_TRUE(value.isEmpty());
                continue;
            }
            EXPECT_FALSE(value.isEmpty()) << "language " << i << " message " << number;
            EXPECT_LE(value.size(), 59) << "language " << i << " message " << number;
            EXPECT_LE(value.count(u'&'), 1) << "language " << i << " message " << number;
        }
    }
}

// A text that lacks a place for what is filled in drops it; one with a place too
// many shows "%2" to the player.
TEST_F(LanguageTableTest, ScreenReaderTextsHoldThePlacesOfTheEnglishOnes)
{
    static const QRegularExpression place(QStringLiteral("%\\d"));
    const auto places = [](const QString& text) {
        QStringList found;
        for (const auto& match : place.globalMatch(text))
            found.append(match.captured());
        found.sort();
        return found;
    };
    for (const int number : screenReaderNumbers()) {
        const QStringList english = places(message(English, number));
        for (int i = 0; i < kLanguageCount; ++i)
            EXPECT_EQ(places(message(i, number)), english)
                << "language " << i << " message " << number;
    }
    EXPECT_EQ(places(message(English, 415)), QStringList({"%1", "%2"}));
}

// Within one window or menu, no two captions share an access key.
TEST_F(LanguageTableTest, AccessKeysAreUniqueWithinEachWindowAndMenu)
{
    const QList<QList<int>> groups = {
        {111, 110, 105, 104, 102, 183, 106, 107, 113, 157}, // options dialog, with "&OK"
        {153, 154, 179, 155, 156},                          // vocabulary editor, with "&OK"
        {118, 103, 171},                                    // options menu
        {134, 136, 135, 137}};                              // help menu
    for (int i = 0; i < kLanguageCount; ++i) {
        for (qsizetype g = 0; g < groups.size(); ++g) {
            QStringList captions;
            for (const int number : groups[g])
                captions.append(message(i, number));
            if (g < 2)
                captions.append(QStringLiteral("&OK"));
            QMap<QChar, QString> seen;
            for (const QString& caption : captions) {
                const qsizetype mark = caption.indexOf(u'&');
                if (mark < 0 || mark + 1 >= caption.size())
                    continue;
                const QChar key = caption[mark + 1].toLower();
                // English keeps its options captions as designed: P and H twice.
                const bool designed = i == English && g == 0 && (key == u'p' || key == u'h');
                EXPECT_TRUE(designed || !seen.contains(key))
                    << "language " << i << ": '" << qPrintable(caption) << "' and '"
                    << qPrintable(seen.value(key)) << "'";
                seen.insert(key, caption);
            }
        }
    }
}

TEST_F(LanguageTableTest, BuiltInWordsCanBeShownAndGuessed)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        const QString allowed = guessableLetters(i);
        for (int number = 300; number <= 349; ++number) {
            const QString word = message(i, number).toUpper();
            for (const QChar c : word)
                EXPECT_TRUE(allowed.contains(c))
                    << "language " << i << " word " << number << " '" << qPrintable(word) << "'";
        }
    }
}

TEST_F(LanguageTableTest, TheFileKeepsTheTableFormat)
{
    const QByteArray bytes = readFile(TempLanguageFile());
    ASSERT_TRUE(bytes.startsWith("[lang]\r\n"));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\t\r\n\0", 4))) << "one NUL after the last line";
    EXPECT_TRUE(bytes.contains("\r\n0183= Falsche Buchstaben entfernen\t\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n0143=Wirklich schon aufh\xF6ren?\t\r\n")) << "Windows-1252";
    EXPECT_FALSE(bytes.contains("\r\n1112="));
    // The header and 146 messages in each language, English one fewer.
    EXPECT_EQ(bytes.count("\r\n"), 1 + 7 * 146 - 1);
}

TEST_F(LanguageTableTest, IsWrittenAfreshAndNeverThroughALink)
{
    const QString path = TempLanguageFile();
    writeFile(path, QByteArray(100000, 'x'));
    extractLanguageTable();
    EXPECT_EQ(readFile(path), resources::load("CUSTOM", 1000).value_or("missing"))
        << "no stale tail of a longer old file";
    EXPECT_EQ(GetLang(143), QStringLiteral("Wirklich schon aufhören?")) << "re-read when changed";

    const QString victim = environment.programDir() + "/victim.txt";
    writeFile(victim, "precious");
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(victim, path));
    extractLanguageTable();
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(GetLang(1143), QStringLiteral("Really end the game?"));
}

TEST_F(LanguageTableTest, WhatIsNoFileOfOursAtItsNameCostsNoText)
{
    const QString usual = environment.tempDir() + "~tmp.lng";
    const auto takesTheTableElsewhere = [&] {
        extractLanguageTable();
        return TempLanguageFile() != usual &&
               QFileInfo(TempLanguageFile()).path() + u'/' == environment.tempDir() &&
               GetLang(1143) == QStringLiteral("Really end the game?") &&
               environment.reporter.reports.isEmpty();
    };
    const auto tablesBesideIt = [&] {
        return QDir(environment.tempDir()).entryList({"~tmp-*.lng"}, QDir::Files);
    };

    QFile::remove(usual);
    ASSERT_EQ(::mkfifo(QFile::encodeName(usual).constData(), 0600), 0);
    EXPECT_TRUE(takesTheTableElsewhere()) << "a FIFO";
    EXPECT_TRUE(takesTheTableElsewhere()) << "a FIFO, once more";
    EXPECT_EQ(tablesBesideIt().size(), 1) << "the earlier one's table is gone";
    QFile::remove(usual);
    ASSERT_TRUE(QDir().mkdir(usual));
    EXPECT_TRUE(takesTheTableElsewhere()) << "a folder";
    QDir().rmdir(usual);

    // Owned by root when the tests run as root, and readable by no one else.
    writeFile(usual, "[lang]\r\n1143=Stale\r\n");
    QFile::setPermissions(usual, QFile::WriteOwner);
    handOver(environment.tempDir());
    EXPECT_TRUE(runUnprivileged(takesTheTableElsewhere)) << "a file this user may not read";
}

TEST(LanguageTable, WithoutAPrivateTemporaryFolderEveryTextIsEmpty)
{
    TestEnvironment environment;
    const QString notAFolder = environment.programDir() + "/runtime";
    writeFile(notAFolder, "");
    const QString shared = environment.programDir() + "/shared";
    ASSERT_TRUE(QDir().mkdir(shared));
    QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)); // writable by everyone
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(notAFolder));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(shared));
    qputenv("TMPDIR", "/proc/self"); // where no one can make a folder, root included
    extractLanguageTable();
    qunsetenv("TMPDIR");
    qunsetenv("XDG_CACHE_HOME");
    EXPECT_TRUE(TempLanguageFile().isEmpty());
    EXPECT_TRUE(QDir(shared).isEmpty());
    EXPECT_EQ(GetLang(143), QString());
    EXPECT_EQ(GetLang(1100), QString());
}
