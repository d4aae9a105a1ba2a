#include "app/helpwindow.h"

#include "frame/languagetable.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::extractLanguageTable();
        bundle = environment.programDir() + QStringLiteral("/frostel.chm");
    }
    void TearDown() override { language::LanguageOffset() = 0; }

    void addPage(const QString& page, const QString& title)
    {
        QDir().mkpath(QFileInfo(bundle + u'/' + page).path());
        writeFile(bundle + u'/' + page, "<html><head><meta charset=\"utf-8\"><title>" +
                                            title.toUtf8() +
                                            "</title></head><body>x</body></html>");
    }

    QString shownPage() const { return window.browser()->source().toLocalFile(); }

    TestEnvironment environment;
    QString bundle;
    HelpWindow window;
};

} // namespace

TEST_F(HelpWindowTest, OpensAtThePageOfTheCurrentLanguageUnderItsTitle)
{
    addPage("index.html", "Frostel");
    addPage("de/index.html", "Eisbold – Hilfe");
    addPage("fr/index.html", "Givrelin – Aide");
    window.showDefaultTopic(bundle);
    EXPECT_EQ(shownPage(), bundle + "/de/index.html");
    EXPECT_EQ(window.windowTitle(), "Eisbold – Hilfe");

    language::LanguageOffset() = 6000;
    window.showDefaultTopic(bundle);
    EXPECT_EQ(shownPage(), bundle + "/fr/index.html");
    EXPECT_EQ(window.windowTitle(), "Givrelin – Aide");

    window.browser()->setSource(QUrl::fromLocalFile(bundle + "/de/index.html"));
    EXPECT_EQ(window.windowTitle(), "Eisbold – Hilfe") << "the title follows the page shown";
}

TEST_F(HelpWindowTest, WithoutTheLanguagesPageItOpensAtTheChoiceOfLanguages)
{
    addPage("index.html", "Frostel");
    language::LanguageOffset() = 2000;
    window.showDefaultTopic(bundle);
    EXPECT_EQ(shownPage(), bundle + "/index.html");

    // No bundle at all: an empty window, still titled in the game's language.
    window.showDefaultTopic(environment.programDir() + "/missing.chm");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Frosvik – Hjälp");
}
