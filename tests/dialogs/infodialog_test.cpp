#include "dialogs/info/infodialog.h"
#include "frame/languagetable.h"

#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(InfoDialog, TheTitleLineCarriesTheVersion)
{
    EXPECT_EQ(InfoDialog::titleLine("Frostel"), "Frostel  6.01.0601");
    EXPECT_EQ(InfoDialog::titleLine("Eisbold"), "Eisbold  6.01.0601");
}

TEST(InfoDialog, AsSplashItHasNoOkButtonAndClosesAfterTwoAndAHalfSeconds)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    language::LanguageOffset() = 1000;
    InfoDialog::SplashPending = true;
    InfoDialog::SplashDone = false;
    InfoDialog splash;
    splash.show();
    EXPECT_FALSE(InfoDialog::SplashPending);
    EXPECT_TRUE(splash.findChild<QPushButton*>("cmdOK")->isHidden());
    EXPECT_EQ(splash.findChild<QLabel*>("Label0")->text(), "Frostel  6.01.0601");
    environment.clock.advance(2.4);
    EXPECT_FALSE(InfoDialog::SplashDone);
    EXPECT_TRUE(splash.isVisible());
    environment.clock.advance(0.1);
    EXPECT_TRUE(InfoDialog::SplashDone);
    EXPECT_FALSE(splash.isVisible());
    InfoDialog::SplashDone = false;
    language::LanguageOffset() = 0;
}

TEST(InfoDialog, AsAboutBoxItHasAnOkButtonAndNoTimer)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    language::LanguageOffset() = 0;
    InfoDialog about;
    about.show();
    EXPECT_FALSE(about.findChild<QPushButton*>("cmdOK")->isHidden());
    EXPECT_EQ(about.findChild<QLabel*>("Label0")->text(), "Eisbold  6.01.0601");
    environment.clock.advance(10);
    EXPECT_TRUE(about.isVisible());
    about.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(about.isVisible());
}

// Its two pictures are decoration: a screen reader hears the title, the title
// line and OK.
TEST(InfoDialog, ScreenReadersMeetItsTextAndButtonButNotItsPictures)
{
    TestEnvironment environment;
    language::extractLanguageTable();
    language::LanguageOffset() = 1000;
    InfoDialog about;
    about.show();
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&about);
    EXPECT_EQ(tree->role(), QAccessible::Dialog);
    EXPECT_EQ(tree->text(QAccessible::Name), "Frostel");
    QStringList heard;
    for (int i = 0; i < tree->childCount(); ++i) {
        EXPECT_NE(tree->child(i)->role(), QAccessible::Graphic);
        heard.append(tree->child(i)->text(QAccessible::Name));
    }
    EXPECT_EQ(heard, QStringList({"Frostel  6.01.0601", "OK"}));
    language::LanguageOffset() = 0;
}
