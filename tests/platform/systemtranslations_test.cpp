#include "platform/systemtranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The caption Qt gives the Yes button of a message box.
QString yesCaption()
{
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

// Takes the translators a test installed away again.
void removeTranslators()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

TEST(SystemTranslations, ButtonsSpeakTheLanguageOfTheLocale)
{
    ASSERT_EQ(yesCaption(), "&Yes");
    struct Case
    {
        QLocale::Language language;
        const char* yes;
    };
    for (const Case& language : {Case{QLocale::German, "&Ja"}, Case{QLocale::French, "&Oui"}}) {
        SCOPED_TRACE(language.yes);
        EXPECT_TRUE(platform::installSystemTranslations(*QCoreApplication::instance(),
                                                        QLocale(language.language)));
        EXPECT_EQ(yesCaption(), QString::fromUtf8(language.yes));
        removeTranslators();
    }
    EXPECT_FALSE(platform::installSystemTranslations(*QCoreApplication::instance(),
                                                     QLocale(QLocale::Tongan)))
        << "a language Qt has no translation for";
    EXPECT_EQ(yesCaption(), "&Yes");
    EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty())
        << "nothing is left behind";
}
