#pragma once

#include "app/gamewindow.h"
#include "support/testsupport.h"

#include <memory>

class Board;
class Game;

// A game window loaded in a fresh program folder, with sound and music off
// unless a test turns them on, and a German vocabulary of the test's choosing.
class GameFixture
{
public:
    explicit GameFixture(const QStringList& vocabulary = {QStringLiteral("Banane")},
                         const QByteArray& extraSettings = {});
    ~GameFixture();

    GameWindow& window() { return *window_; }
    Board& board();
    Game& game();

    // What the event loop does between the players' actions, on the test clock:
    // events are handled and pauses pass until the game waits for the players.
    void settle();
    // Presses Next word (by Enter) whenever it shows, as a player would.
    void pressNextWhenShown() { pressNext_ = true; }
    // Start, and the word it sets up.
    void start();
    // A flag clicked, and what follows.
    void switchLanguage(int index);
    // Types the letters on the keyboard, one key press each, the game settling
    // after each.
    void type(const QString& letters);
    // Whether letter field `index` shows `letter` on its ground.
    bool fieldShows(int index, const QPixmap& letter);
    // Whether letter field `index` still has the empty look of the template.
    bool fieldIsEmpty(int index);
    int visibleMarks(int player);

    TestEnvironment environment;

private:
    std::unique_ptr<GameWindow> window_;
    bool pressNext_ = false;
};
