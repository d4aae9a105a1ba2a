#include "frame/qttranslation.h"

#include "frame/languagetable.h"
#include "game/game.h"
#include "support/gamefixture.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The buttons of the game's message and input boxes, as Qt labels them now.
QStringList buttonTexts()
{
    QStringList texts;
    for (const char* button : {"&Yes", "&No", "OK", "Cancel"})
        texts.append(QCoreApplication::translate("QPlatformTheme", button));
    return texts;
}

class QtTranslationTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        qttranslation::apply(language::English * 1000);
    }
};

} // namespace

TEST_F(QtTranslationTest, EachLanguageGetsQtsButtonsInItsOwnWords)
{
    const QList<QStringList> expected = {
        {"&Ja", "&Nein", "OK", "Abbrechen"}, {"&Yes", "&No", "OK", "Cancel"},
        {"&Ja", "&Nej", "OK", "Avbryt"},     {"&Sì", "&No", "OK", "Annulla"},
        {"&Sim", "&Não", "OK", "Cancelar"},  {"&Sí", "&No", "Aceptar", "Cancelar"},
        {"&Oui", "&Non", "OK", "Annuler"}};
    for (qint16 index = 0; index < language::kLanguageCount; ++index) {
        qttranslation::apply(static_cast<qint16>(index * 1000));
        EXPECT_EQ(buttonTexts(), expected[index]) << "language " << index;
    }
    EXPECT_EQ(qttranslation::fileFor(4000), "qtbase_pt_BR.qm") << "the Brazilian texts";
    EXPECT_EQ(qttranslation::fileFor(6000), "qtbase_fr.qm");
}

TEST_F(QtTranslationTest, TheGamesLanguageCountsAndAMissingFileLeavesEnglish)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    qttranslation::apply(0);
    EXPECT_EQ(buttonTexts().first(), "&Ja") << "not the system's French";

    const QTemporaryDir empty;
    qttranslation::apply(0, empty.path());
    EXPECT_EQ(buttonTexts(), (QStringList{"&Yes", "&No", "OK", "Cancel"}));
    qttranslation::apply(3000, empty.path());
    EXPECT_EQ(buttonTexts().first(), "&Yes");

    qttranslation::apply(6000);
    qttranslation::apply(9000); // a hand-edited language the game does not have
    EXPECT_EQ(buttonTexts().first(), "&Yes");
    EXPECT_TRUE(qttranslation::fileFor(9000).isEmpty());
    EXPECT_TRUE(qttranslation::fileFor(-1000).isEmpty());
}

TEST_F(QtTranslationTest, TheLanguageSwitchTakesQtsButtonsAlong)
{
    GameFixture fixture;
    EXPECT_EQ(buttonTexts().first(), "&Ja") << "set when the window loads";
    fixture.switchLanguage(6);
    EXPECT_EQ(buttonTexts().first(), "&Oui");
    fixture.switchLanguage(2);
    EXPECT_EQ(buttonTexts(), (QStringList{"&Ja", "&Nej", "OK", "Avbryt"}));
    language::LanguageOffset() = 0;
}
