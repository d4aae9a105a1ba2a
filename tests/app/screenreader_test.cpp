// The board as a screen reader reads it and as the keyboard reaches it: every
// control named in the current language, the word as text, the picture's step,
// the turn and the points, what play announces, and Tab in the order of the
// screen with the focus in sight.

#include "board/announcer.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "board/focusmarker.h"
#include "board/worddisplay.h"
#include "frame/languagetable.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The objects of the board as a screen reader lists them.
QList<QAccessibleInterface*> listed(Board& board)
{
    QList<QAccessibleInterface*> children;
    QAccessibleInterface* panel = accessible(&board);
    for (int i = 0; i < panel->childCount(); ++i)
        children.append(panel->child(i));
    return children;
}

QStringList listedNames(Board& board)
{
    QStringList names;
    for (QAccessibleInterface* child : listed(board))
        names.append(child->text(QAccessible::Name));
    return names;
}

QString wordText(Board& board)
{
    return accessible(board.word())->textInterface()->text(0, -1);
}

void activate(GameFixture& fixture)
{
    fixture.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fixture.window()));
}

// What the board gives a screen reader to speak while the test runs: the
// notification each time it shows, with its name then, and each move of the
// focus. (Qt hands them on as accessible events only when a screen reader
// listens; the smoke test listens to those.)
class Listener : public QObject
{
public:
    explicit Listener(Board& board) : announcer_(board.announcer())
    {
        announcer_->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* focused) {
            if (focused)
                heard.append("focus " + accessibleName(focused));
        });
    }

    QStringList take() { return std::exchange(heard, {}); }

    QStringList heard;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == announcer_ && event->type() == QEvent::Show)
            heard.append(accessibleName(announcer_));
        return false;
    }

private:
    Announcer* announcer_;
};

} // namespace

TEST(ScreenReader, EveryControlOfTheBoardIsNamedAndEveryKeyIsAButton)
{
    GameFixture fixture({"Banane"}, "Remove= 0\r\n");
    fixture.start();
    Board& board = fixture.board();
    EXPECT_EQ(accessible(&board)->role(), QAccessible::Pane);
    EXPECT_EQ(accessibleName(&board), "Spielfeld");
    for (QAccessibleInterface* child : listed(board))
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty())
            << child->object()->objectName().toStdString();

    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ";
    for (int k = 0; k < Board::kKeys; ++k) {
        QAccessibleInterface* key = accessible(board.key(k));
        EXPECT_EQ(key->role(), QAccessible::Button) << k;
        EXPECT_EQ(key->text(QAccessible::Name), letters.at(k)) << k;
        EXPECT_FALSE(key->state().disabled) << k;
    }
    fixture.type("x");
    QAccessibleInterface* x = accessible(board.key(23));
    EXPECT_TRUE(x->state().disabled) << "a used key is unavailable";
    EXPECT_TRUE(listed(board).contains(x)) << "and stays while used keys stay";
    // Pressed as a screen reader presses it, a key guesses.
    accessible(board.key(0))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    fixture.settle();
    EXPECT_TRUE(fixture.game().state().keyUsed[0]);

    const QStringList names = listedNames(board);
    for (const char* name : {"Spiel starten", "Spiel beenden", "Buchstaben anzeigen",
                             "Einstellungen", "Hilfe", "Deutsch", "Englisch", "Französisch"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_EQ(accessible(board.flag(6))->text(QAccessible::Description), "Français")
        << "each language's own name for itself";
    EXPECT_FALSE(names.contains("nächstes Wort")) << "Next word is out of the way until it shows";
}

TEST(ScreenReader, ALanguageSwitchRenamesTheBoardAndTakesAwayTheKeysTheLanguageLacks)
{
    GameFixture fixture;
    fixture.switchLanguage(6);
    Board& board = fixture.board();
    EXPECT_EQ(accessibleName(&board), "Plateau de jeu");
    QStringList names = listedNames(board);
    for (const char* name : {"Commencer la partie", "Allemand", "Français",
                             "Name 1, points\u00a0: 0, c'est son tour", "Ç"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_TRUE(listed(board).contains(accessible(board.key(26))));
    EXPECT_FALSE(listed(board).contains(accessible(board.key(27))));
    EXPECT_FALSE(listed(board).contains(accessible(board.key(28))));

    fixture.switchLanguage(1);
    names = listedNames(board);
    EXPECT_TRUE(names.contains("Name 1, points: 0, current player"));
    EXPECT_TRUE(names.contains("German"));
    for (int k = 26; k <= 28; ++k)
        EXPECT_FALSE(listed(board).contains(accessible(board.key(k)))) << k;
    language::LanguageOffset() = 0;
}

TEST(ScreenReader, TheWordReadsItsLettersWithPlaceholdersForTheRest)
{
    GameFixture fixture({"Kai's T-Bau"});
    Board& board = fixture.board();
    EXPECT_FALSE(listed(board).contains(accessible(board.word()))) << "no word before Start";
    fixture.start();
    QAccessibleInterface* word = accessible(board.word());
    EXPECT_EQ(word->text(QAccessible::Name), "Gesuchtes Wort");
    EXPECT_TRUE(word->state().readOnly);
    EXPECT_EQ(wordText(board), "leer, leer, leer, Apostroph, leer, Leerzeichen, leer, Bindestrich, "
                               "leer, leer, leer");
    fixture.type("auk");
    EXPECT_EQ(wordText(board),
              "K, A, leer, Apostroph, leer, Leerzeichen, leer, Bindestrich, leer, A, U");
    const QRect fields = board.field(1)->geometry() | board.field(11)->geometry();
    EXPECT_EQ(board.word()->geometry(), fields) << "where the word stands";
}

TEST(ScreenReader, ThePictureCountsTheWrongGuessesAndThePlayersTellTurnAndPoints)
{
    GameFixture fixture({"Banane"});
    fixture.start();
    Board& board = fixture.board();
    EXPECT_EQ(accessibleName(board.picture()), "Bildgeschichte");
    fixture.type("x");
    EXPECT_EQ(accessible(board.picture())->text(QAccessible::Description), "Fehlversuche: 1 von 9");
    EXPECT_EQ(accessibleName(board.playerLabel(0)), "Name 1, Punkte: 0");
    EXPECT_EQ(accessibleName(board.playerLabel(1)), "Name 2, Punkte: 0, ist am Zug");
    fixture.type("bane");
    EXPECT_EQ(accessibleName(board.playerLabel(1)), "Name 2, Punkte: 1, ist am Zug");
    const QStringList names = listedNames(board);
    EXPECT_TRUE(names.contains("Punktestand von Name 2: 1"));
    EXPECT_FALSE(names.contains("Punktestand von Name 2: 2")) << "marks not won stay out";
    EXPECT_TRUE(names.contains("nächstes Wort"));
}

// A notification shown anew is what a screen reader speaks whatever has the
// focus; one moment's news comes in one piece, after the moment's focus.
TEST(ScreenReader, PlayIsAnnouncedAsItHappens)
{
    GameFixture fixture;
    activate(fixture);
    fixture.board().playerLabel(0)->setFocus();
    Listener listener(fixture.board());
    fixture.start();
    EXPECT_EQ(listener.take(), QStringList{"Neues Wort, Buchstaben: 6"});
    fixture.type("x");
    EXPECT_EQ(listener.take(),
              QStringList{"Der Buchstabe X kommt nicht vor. Du bist dran, Name 2"});
    fixture.type("ban");
    listener.take();
    fixture.type("e");
    EXPECT_EQ(listener.take(),
              (QStringList{"focus nächstes Wort",
                           "Der Buchstabe E kommt vor. Name 2 hat das Wort gefunden: BANANE"}));
}

TEST(ScreenReader, ALostWordIsAnnouncedWithItsSolutionWhenTheBoardShowsIt)
{
    for (const bool shown : {true, false}) {
        GameFixture fixture({"Banane"},
                            shown ? "Anzahl= 1\r\nAnzeige= 1\r\n" : "Anzahl= 1\r\nAnzeige= 0\r\n");
        activate(fixture);
        fixture.start();
        fixture.type("cdfghijk");
        Listener listener(fixture.board());
        fixture.type("l");
        const QString lost =
            shown ? "Das Wort ist verloren. Es lautete: BANANE" : "Das Wort ist verloren";
        // Before or after Next word takes the focus, as the solution takes its time or none.
        const QStringList heard = listener.take();
        EXPECT_TRUE(heard.contains("Der Buchstabe L kommt nicht vor. " + lost))
            << heard.join(" | ").toStdString();
    }
}

TEST(Keyboard, TabFollowsTheScreenAndTheRingShowsTheFocus)
{
    GameFixture fixture;
    activate(fixture);
    Board& board = fixture.board();
    EXPECT_EQ(QApplication::focusWidget(), board.toolButton(toolbar::Start)) << "Start comes first";
    QTest::keyClick(&fixture.window(), Qt::Key_F2);
    fixture.settle();
    std::vector<std::string> expected = {"Spieler0", "Spieler1", "B_Folge", "word"};
    for (int k = 0; k < Board::kKeys; ++k)
        expected.push_back("imgAlpha" + std::to_string(k));
    for (int i = 0; i < Board::kToolButtons; ++i)
        expected.push_back("PicBut" + std::to_string(i));
    for (int k = 0; k < Board::kFlags; ++k)
        expected.push_back("imgLang" + std::to_string(k));
    EXPECT_EQ(tabStopsFrom(board.playerLabel(0)), expected);

    ClickableImage* b = board.key(1);
    b->setFocus();
    const FocusMarker* ring = board.focusMarker();
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(b->geometry().adjusted(-3, -3, 3, 3)));
    QTest::keyClick(b, Qt::Key_Space);
    fixture.settle();
    EXPECT_TRUE(fixture.game().state().keyUsed[1]) << "Space on a key guesses it";
    EXPECT_EQ(ring->marked(), QApplication::focusWidget()) << "the ring goes with the focus";
    EXPECT_NE(ring->marked(), b);
}

TEST(Keyboard, EveryCommandOfTheToolbarAndEveryFlagHasAKey)
{
    GameFixture fixture({"Banane"}, "Tipps= 2\r\n");
    activate(fixture);
    GameWindow& window = fixture.window();
    QTest::keyClick(&window, Qt::Key_7, Qt::ControlModifier);
    fixture.settle();
    EXPECT_EQ(language::LanguageOffset(), 6000) << "the seventh flag: French";
    QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
    fixture.settle();
    EXPECT_EQ(language::LanguageOffset(), 0);

    QTest::keyClick(&window, Qt::Key_F2);
    fixture.settle();
    EXPECT_EQ(fixture.game().state().phase, Phase::Guessing) << "F2 starts";
    QTest::keyClick(&window, Qt::Key_F3);
    fixture.settle();
    EXPECT_EQ(fixture.game().state().RevealedCount, 2) << "F3 gives a hint: A";

    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(window.optionsMenu()->isVisible());
    window.optionsMenu()->close();
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(window.helpMenu()->isVisible());
    window.helpMenu()->close();

    fixture.environment.dialogs.answers = {Dialogs::Answer::No};
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(fixture.environment.dialogs.questions.last().text, "Wirklich schon aufhören?");
    EXPECT_TRUE(window.isVisible());
}

TEST(Keyboard, NextWordPressedByTheKeyboardHandsTheFocusToThePicture)
{
    GameFixture fixture({"Ei"}, "minLen= 2\r\n");
    activate(fixture);
    fixture.start();
    fixture.type("ei");
    Board& board = fixture.board();
    ASSERT_EQ(QApplication::focusWidget(), board.nextWordButton());
    QTest::keyClick(board.nextWordButton(), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), board.picture()) << "not on to a toolbar button";
    fixture.settle();
    EXPECT_EQ(QApplication::focusWidget(), board.picture());
}
