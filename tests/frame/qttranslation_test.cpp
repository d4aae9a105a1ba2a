#include "frame/qttranslation.h"

#include "frame/languagetable.h"
#include "game/game.h"
#include "support/gamefixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>

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

using QtText = std::pair<QByteArray, QByteArray>; // context, English text

// Notes every text Qt asks a translation for, and translates none.
class RecordingTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        if (context && sourceText && *sourceText)
            asked.insert({context, sourceText});
        return {};
    }

    mutable QSet<QtText> asked;
};

// Qt's texts in the windows the game shows: the buttons of its message and input
// boxes and the right-click menus of a text box, a password box and the help's
// text at a link.
QSet<QtText> qtTextsTheGameShows()
{
    RecordingTranslator recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok |
                               QMessageBox::Cancel);
        QInputDialog input;
        input.setLabelText(QStringLiteral("a prompt of the game's own"));
        input.setInputMode(QInputDialog::TextInput);
        input.show();
        QLineEdit entry;
        entry.setText(QStringLiteral("Ann"));
        entry.selectAll();
        delete entry.createStandardContextMenu();
        QLineEdit password;
        password.setEchoMode(QLineEdit::Password);
        delete password.createStandardContextMenu();
        QTextBrowser help;
        help.setHtml(QStringLiteral("<a href=\"https://example.org/\">link</a>"));
        help.resize(300, 100);
        help.selectAll();
        delete help.createStandardContextMenu(help.cursorRect(help.textCursor()).topLeft());
        delete help.createStandardContextMenu(QPoint(4, 4));
    }
    QCoreApplication::removeTranslator(&recorder);
    // Not a text: how Qt learns the direction of the language's script.
    recorder.asked.remove({"QGuiApplication", "QT_LAYOUT_DIRECTION"});
    // Qt builds the scroll bars' menu only while it shows it.
    for (const char* text :
         {"Scroll here", "Top", "Bottom", "Page up", "Page down", "Scroll up", "Scroll down",
          "Left edge", "Right edge", "Page left", "Page right", "Scroll left", "Scroll right"})
        recorder.asked.insert({"QScrollBar", text});
    return recorder.asked;
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

// Qt's translation file of each language holds every Qt text the game shows;
// for Swedish the game's own texts do, and they are Swedish: key names (Ctrl,
// Shift) and "OK" aside, none reads as in English.
TEST_F(QtTranslationTest, EveryQtTextTheGameShowsReadsInEachLanguage)
{
    const QSet<QtText> texts = qtTextsTheGameShows();
    ASSERT_TRUE(texts.contains(QtText("QLineEdit", "&Paste")));
    ASSERT_TRUE(texts.contains(QtText("QWidgetTextControl", "Copy &Link Location")));
    ASSERT_TRUE(texts.contains(QtText("QPlatformTheme", "Cancel")));
    for (qint16 index = 0; index < language::kLanguageCount; ++index) {
        if (index == language::English)
            continue;
        const auto offset = static_cast<qint16>(index * 1000);
        qttranslation::apply(offset);
        QTranslator qtsOwn;
        const bool installed = qtsOwn.load(
            QDir(qttranslation::installedFolder()).filePath(qttranslation::fileFor(offset)));
        EXPECT_EQ(installed, index != language::Swedish) << "language " << index;
        for (const auto& [context, english] : texts) {
            const QString shown = QCoreApplication::translate(context, english);
            const std::string what = context.toStdString() + " " + english.toStdString();
            if (installed) {
                EXPECT_FALSE(qtsOwn.translate(context, english).isEmpty())
                    << "language " << index << ": " << what;
                EXPECT_EQ(shown, qtsOwn.translate(context, english)) << what;
            } else if (context != "QShortcut" && english != "OK") {
                EXPECT_NE(shown, QString::fromUtf8(english))
                    << "language " << index << ": " << what;
            }
        }
    }
    qttranslation::apply(2000);
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), "&Ångra");
    EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), "Rulla hit");
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
