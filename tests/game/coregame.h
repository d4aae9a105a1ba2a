#pragma once

#include "game/game.h"
#include "game/gamehost.h"
#include "game/vocabularysource.h"

#include "support/coresupport.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Answers the game's questions from a script and records what the game asks.
class ScriptedHost final : public GameHost
{
public:
    bool askNewGame() override { return answer(QStringLiteral("new game")); }
    bool askEndGame() override { return answer(QStringLiteral("end game")); }
    bool askLanguageSwitch(int index) override
    {
        return answer(QStringLiteral("language %1").arg(index));
    }
    void announceWinner(int player) override { answer(QStringLiteral("winner %1").arg(player)); }
    bool askOnceAgain() override { return answer(QStringLiteral("once again")); }
    void reportEmptyVocabulary() override { answer(QStringLiteral("empty vocabulary")); }

    void playSound(int id) override;
    void restartMusic() override { ++musicRestarts; }
    void showBusy(bool busy) override { busyNow = busy; }

    bool gameShown() const override { return shown; }
    bool wordFits(int length) const override { return length <= room; }

    std::deque<bool> answers; // when empty: yes
    QStringList questions;    // in the order asked
    // Called while a question is up, before it is answered.
    std::function<void(const QString& question)> onAsk;
    QList<int> sounds;
    // Called as a sound starts: what a failing sound output would throw.
    std::function<void(int id)> onSound;
    int musicRestarts = 0;
    bool busyNow = false;
    bool shown = true;
    int room = 30; // characters across the board

private:
    bool answer(const QString& question);
};

// A vocabulary of the test's entries, played as the vocabulary files are: in
// capitals, only entries of the minimum length.
class ListVocabulary final : public VocabularySource
{
public:
    QStringList wordsForPlay(qint16 minLen) override;

    QStringList entries;
    int loads = 0;
};

// A game on the test clock, loaded as the game window loads it: German, two
// players, sound and music off unless the test's settings say otherwise.
class CoreGame
{
public:
    explicit CoreGame(const QStringList& words = {QStringLiteral("Banane")},
                      const QByteArray& extraSettings = {});

    const GameState& state() const { return game.state(); }

    // What the event loop does between the players' actions, on the test clock:
    // pauses pass, and Next word is pressed when it shows and `pressNext` is set.
    // `onIdle` sees every moment the game waits, with the length of the pause
    // it waits for (none: it waits for the players).
    void settle();
    void start() { click(toolbar::Start); }
    void click(int button);
    // Types the letters, one key press each, the game settling after each.
    void type(const QString& letters);
    int keyOf(const QString& letter) const;

    CoreEnvironment environment;
    ScriptedHost host;
    ListVocabulary vocabulary;
    Game game;
    bool pressNext = false;
    std::function<void(std::optional<double> pause)> onIdle;
};
