// What the game tells as it happens, for players who follow it by ear: each
// word dealt, hint, guess, turn, word won or lost and game won, in the order
// the players meet them.

#include "coregame.h"

#include <gtest/gtest.h>

namespace {

// Writes down what the game tells, and the questions it asks in between.
class Record
{
public:
    explicit Record(CoreGame& game)
    {
        Game* g = &game.game;
        QObject::connect(g, &Game::wordDealt, [this](int letters) { add("dealt %1", letters); });
        QObject::connect(g, &Game::hintGiven, [this](const QString& l) { add("hint %1", l); });
        QObject::connect(g, &Game::guessed, [this](const QString& letter, bool right) {
            lines.append(QStringLiteral("%1 %2").arg(letter, right ? "right" : "wrong"));
        });
        QObject::connect(g, &Game::turnPassed, [this](int player) { add("turn %1", player); });
        QObject::connect(g, &Game::wordWon, [this](int player, const QString& word) {
            lines.append(QStringLiteral("%1 won %2").arg(player).arg(word));
        });
        QObject::connect(g, &Game::wordLost, [this](const QString& word, bool shown) {
            lines.append(QStringLiteral("lost %1%2").arg(word, shown ? ", shown" : ""));
        });
        QObject::connect(g, &Game::gameWon, [this](int player) { add("game won by %1", player); });
        game.host.onAsk = [this](const QString& question) { lines.append("asks " + question); };
    }

    QStringList take() { return std::exchange(lines, {}); }

    QStringList lines;

private:
    template <typename T>
    void add(const char* format, const T& value)
    {
        lines.append(QString::fromLatin1(format).arg(value));
    }
};

} // namespace

TEST(Happenings, AWordIsToldFromItsDealToItsWinner)
{
    CoreGame game;
    Record record(game);
    game.start();
    EXPECT_EQ(record.take(), QStringList{"dealt 6"}) << "once its fields are all out";
    game.type("a");
    EXPECT_EQ(record.take(), QStringList{"A right"});
    game.type("x");
    EXPECT_EQ(record.take(), (QStringList{"X wrong", "turn 1"}));
    game.type("a");
    EXPECT_TRUE(record.take().isEmpty()) << "a used key is no guess";
    game.type("bne");
    EXPECT_EQ(record.take(), (QStringList{"B right", "N right", "E right", "1 won BANANE"}));
}

TEST(Happenings, OnlyTheLettersStillToGuessAreCounted)
{
    CoreGame sentence({"Peter geht zur Schule"});
    Record record(sentence);
    sentence.start();
    EXPECT_EQ(record.take(), QStringList{"dealt 18"}) << "blanks are no letters";

    CoreGame rock({"Rock'n'Roll"});
    Record rockRecord(rock);
    rock.start();
    EXPECT_EQ(rockRecord.take(), QStringList{"dealt 9"}) << "apostrophes show from the start";
}

TEST(Happenings, ALostWordIsToldBeforeTheTurnPassesWithOrWithoutItsSolution)
{
    for (const bool shown : {true, false}) {
        CoreGame game({"Banane"}, shown ? "Sound=-1\r\n" : "Anzeige= 0\r\n");
        game.start();
        game.type("cdfghijk");
        Record record(game);
        game.type("l");
        const QString lost = shown ? "lost BANANE, shown" : "lost BANANE";
        EXPECT_EQ(record.take(), (QStringList{"L wrong", lost, "turn 1"}));
    }
}

TEST(Happenings, AHintIsToldAndThenTheGuessItMakes)
{
    CoreGame game({"Banane"}, "Tipps= 2\r\n");
    game.start();
    Record record(game);
    game.click(toolbar::Hint);
    EXPECT_EQ(record.take(), (QStringList{"hint A", "A right"}));
}

// A key pressed during a guess's pause is told when it is guessed, after the
// turn that the first guess passed.
TEST(Happenings, GuessesWaitingForAPauseAreToldWhenTheyAreMade)
{
    CoreGame game({"Banane"}, "Sound=-1\r\n");
    game.start();
    Record record(game);
    game.game.Form_KeyPress(u'x');
    game.game.Form_KeyPress(u'a');
    game.game.Form_KeyPress(u'q');
    EXPECT_EQ(record.lines, QStringList{"X wrong"});
    game.settle();
    EXPECT_EQ(record.take(), (QStringList{"X wrong", "turn 1", "A right", "Q wrong", "turn 0"}));
}

TEST(Happenings, TheWinnerIsToldBeforeTheQuestions)
{
    CoreGame game({"Banane"}, "Wiederholung= 0\r\nAnzahl= 1\r\n");
    game.pressNext = true;
    game.start();
    for (int word = 0; word < 7; ++word)
        game.type("bane");
    Record record(game);
    game.host.answers = {true, false};
    game.type("bane");
    EXPECT_EQ(record.take(),
              (QStringList{"B right", "A right", "N right", "E right", "0 won BANANE",
                           "game won by 0", "asks winner 0", "asks once again"}));
}
