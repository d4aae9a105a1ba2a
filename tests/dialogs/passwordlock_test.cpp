#include "dialogs/options/passwordlock.h"

#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

// Every character a password can be typed with: Windows-1252 without controls,
// the five codes that stand for controls included.
QString printableCharacters()
{
    QByteArray codes;
    for (int code = 0x20; code <= 0xFF; ++code) {
        if (code != 0x7F && code != 0x81 && code != 0x8D && code != 0x8F && code != 0x90 &&
            code != 0x9D)
            codes.append(static_cast<char>(code));
    }
    return cp1252::decode(codes);
}

QString storedLine(const TestEnvironment& environment)
{
    const QByteArray file = readFile(environment.settingsPath());
    const qsizetype start = file.indexOf("passw=");
    return cp1252::decode(file.mid(start, file.indexOf("\r\n", start) - start));
}

class PasswordLockTest : public ::testing::Test
{
protected:
    void SetUp() override { language::extractLanguageTable(); }

    QStringList asked() const
    {
        QStringList texts;
        for (const auto& question : environment.dialogs.questions)
            texts.append(question.text);
        return texts;
    }

    static QString text(int number) { return language::text(number); }

    void typeIn(const QStringList& entries)
    {
        for (const QString& entry : entries)
            environment.dialogs.inputs.push_back(entry);
    }

    TestEnvironment environment;
    PasswordLock lock;
};

} // namespace

TEST(PasswordEncrypt, CombinesEachCodeWithTheRepeatingKey)
{
    TestEnvironment environment;
    QString text = "Eisbold";
    Encrypt(text, kPasswordKey);
    EXPECT_EQ(text, "pGKQZB\\");
    Encrypt(text, kPasswordKey);
    EXPECT_EQ(text, "Eisbold");

    QString empty;
    Encrypt(empty, kPasswordKey);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(PasswordEncrypt, TwiceRestoresEveryWindows1252Code)
{
    TestEnvironment environment;
    QString text;
    for (int round = 0; round < 4; ++round) { // every code under every key position
        for (int code = 0; code <= 0xFF; ++code)
            text += cp1252::decode(QByteArray(1, static_cast<char>(code)));
        text += u'x';
    }
    const QString original = text;
    Encrypt(text, kPasswordKey);
    EXPECT_NE(text, original);
    Encrypt(text, kPasswordKey);
    EXPECT_EQ(text, original);
    EXPECT_TRUE(environment.reporter.reports.isEmpty());
}

TEST(PasswordEncrypt, AnEmptyKeyIsReportedAndChangesNothing)
{
    TestEnvironment environment;
    QString text = "abc";
    Encrypt(text, QString());
    EXPECT_EQ(text, "abc");
    ASSERT_EQ(environment.reporter.reports.size(), 1);
    EXPECT_EQ(environment.reporter.reports[0].module, "Allgemein");
    EXPECT_EQ(environment.reporter.reports[0].procedure, "Encrypt");
}

TEST(PasswordStore, EveryPrintablePasswordSurvivesTheSettingsFile)
{
    TestEnvironment environment;
    const QString alphabet = printableCharacters();
    const qsizetype count = alphabet.size();
    QStringList passwords = {"5",   "5.83",  QString(kPasswordKey).repeated(64).left(254),
                             " a ", "\"x\"", "'x'",
                             "\"",  "  "};
    for (const int length : {1, 2, 3, 4, 5, 17, 254}) {
        // Shifting the start puts every character at every position, both ends included.
        for (qsizetype first = 0; first < count; ++first) {
            QString password;
            for (int i = 0; i < length; ++i)
                password.append(alphabet[(first + 7 * i) % count]);
            passwords.append(password);
        }
    }
    for (const QString& password : passwords) {
        storePassword(password);
        ASSERT_EQ(readStoredPassword(), password) << storedLine(environment).toStdString();
    }
    storePassword(QString());
    EXPECT_EQ(readStoredPassword(), QString());
}

TEST(PasswordStore, TheFileNeverHoldsThePlainPassword)
{
    TestEnvironment environment;
    storePassword("Eisbold");
    EXPECT_EQ(storedLine(environment), "passw=pGKQZB\\")
        << "an intact value is stored as it stands";
    storePassword("1234");
    EXPECT_FALSE(storedLine(environment).contains("1234"));
    storePassword("5.83");
    EXPECT_EQ(storedLine(environment), "passw=\"    \"") << "the blanks at its ends are kept";
}

TEST_F(PasswordLockTest, AValueStoredAsItStandsStillUnlocks)
{
    writeFile(environment.settingsPath(), "[Einstellungen]\r\npassw=pGKQZB\\\r\n");
    typeIn({"Eisbold"});
    EXPECT_TRUE(lock.check(nullptr));

    // "4x" scrambles to code 1 and "V"; a file that held the control keeps working.
    writeFile(environment.settingsPath(), "[Einstellungen]\r\npassw=\x01V\r\n");
    typeIn({"4x"});
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_EQ(lock.password(), "4x");
}

TEST_F(PasswordLockTest, WithoutPasswordTheEditorOpensAndOnlyTheNewOneIsAsked)
{
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_TRUE(asked().isEmpty());

    lock.load();
    typeIn({"Eis", "Eis"});
    lock.change(nullptr);
    EXPECT_EQ(asked(), QStringList({text(159), text(160)}));
    for (const auto& question : environment.dialogs.questions)
        EXPECT_EQ(question.title, text(163));
    EXPECT_EQ(lock.password(), "Eis");
}

TEST_F(PasswordLockTest, TheCheckGivesOneTry)
{
    storePassword("Eis");
    typeIn({"Eis"});
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_EQ(asked(), QStringList({text(161)}));
    EXPECT_EQ(environment.dialogs.questions[0].title, text(163));

    environment.dialogs.questions.clear();
    typeIn({"eis", "Eis"});
    EXPECT_FALSE(lock.check(nullptr)) << "letter case counts";
    ASSERT_EQ(asked(), QStringList({text(161), text(162)}));
    const auto& message = environment.dialogs.questions[1];
    EXPECT_EQ(message.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(message.title, text(100));

    environment.dialogs.questions.clear();
    environment.dialogs.inputs.clear();
    EXPECT_FALSE(lock.check(nullptr)) << "cancelled";
    EXPECT_EQ(asked(), QStringList({text(161)})) << "no message after an empty entry";
}

TEST_F(PasswordLockTest, CancellingTheOldPasswordChangesNothing)
{
    storePassword("Eis");
    const QByteArray before = readFile(environment.settingsPath());
    lock.load();
    lock.change(nullptr);
    EXPECT_EQ(asked(), QStringList({text(158)}));
    EXPECT_EQ(readFile(environment.settingsPath()), before);
    EXPECT_EQ(lock.password(), "Eis");
}

TEST_F(PasswordLockTest, AWrongOldPasswordIsAskedAgain)
{
    storePassword("Eis");
    lock.load();
    typeIn({"Schnee", "eis", "Eis", "Hagel", "Hagel"});
    lock.change(nullptr);
    EXPECT_EQ(asked(), QStringList({text(158), text(162), text(158), text(162), text(158),
                                    text(159), text(160)}));
    EXPECT_EQ(readStoredPassword(), "Hagel");

    environment.dialogs.questions.clear();
    typeIn({"Schnee", ""});
    lock.change(nullptr);
    EXPECT_EQ(asked(), QStringList({text(158), text(162), text(158)})) << "an empty entry stops";
    EXPECT_EQ(readStoredPassword(), "Hagel");
}

TEST_F(PasswordLockTest, DifferingNewPasswordsAreAskedForAgain)
{
    typeIn({"Hagel", "Hagl", "Hagel", "", "Hagel", "Hagel"});
    lock.change(nullptr);
    EXPECT_EQ(asked(), QStringList({text(159), text(160), text(162), text(159), text(160),
                                    text(162), text(159), text(160)}));
    EXPECT_EQ(readStoredPassword(), "Hagel");
}

TEST_F(PasswordLockTest, BlanksAtTheEndsOfTheStoredPasswordAreNotTyped)
{
    storePassword("  Eis ");
    typeIn({"  Eis "});
    EXPECT_FALSE(lock.check(nullptr));
    typeIn({"Eis"});
    EXPECT_TRUE(lock.check(nullptr));

    typeIn({" Eis", "Eis", "Hagel", "Hagel"});
    lock.change(nullptr);
    EXPECT_EQ(asked().count(text(158)), 2);
    EXPECT_EQ(readStoredPassword(), "Hagel");
}

TEST_F(PasswordLockTest, AfterAChangeOnlyTheNewPasswordOpens)
{
    storePassword("Eis");
    lock.load();
    typeIn({"Eis", "Hagel", "Hagel"});
    lock.change(nullptr);

    typeIn({"Hagel", "Eis"});
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_FALSE(lock.check(nullptr));

    PasswordLock nextOpening;
    nextOpening.load();
    typeIn({"Eis", "Hagel"});
    EXPECT_FALSE(nextOpening.check(nullptr));
    EXPECT_TRUE(nextOpening.check(nullptr));
}

TEST_F(PasswordLockTest, AnEmptyNewPasswordRemovesTheLock)
{
    storePassword("Eis");
    lock.load();
    typeIn({"Eis"});
    lock.change(nullptr); // new password and repetition cancelled
    EXPECT_EQ(storedLine(environment), "passw=");
    EXPECT_TRUE(lock.password().isEmpty());

    environment.dialogs.questions.clear();
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_TRUE(asked().isEmpty());
}

TEST_F(PasswordLockTest, WhatTheFileCannotHoldDoesNotLockTheOwnerOut)
{
    const QString foreign = QStringLiteral("Łódź");
    const QString tooLong = QString("Schneeflocke").repeated(30);
    typeIn({foreign, foreign});
    lock.change(nullptr);
    PasswordLock laterOpening;
    typeIn({foreign});
    EXPECT_TRUE(laterOpening.check(nullptr));

    typeIn({foreign, tooLong, tooLong}); // the old one is compared with the field
    lock.change(nullptr);
    EXPECT_FALSE(asked().contains(text(162)));
    typeIn({tooLong, tooLong});
    EXPECT_TRUE(lock.check(nullptr));
    EXPECT_TRUE(laterOpening.check(nullptr));
}
