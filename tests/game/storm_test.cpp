// Commands fired in the middle of every pause of a word's life, as a player who
// clicks quickly would: whatever arrives when, exactly one word is in play
// afterwards, it started clean, and nothing of the game it replaced goes on.

#include "frame/settings.h"

#include "coregame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

// Where in a word's life a command comes in.
enum class Moment
{
    PictureGrowing,
    FieldDealt,
    AfterWrongGuess,
    AfterNinthWrongGuess,
    SolutionShown,
    WaitingForNext,
    AfterSolvedWord,
    BeforeNextWord,
    AfterWinningWord,
    WinnerMessage,
    OnceAgainQuestion
};

enum class Command
{
    StartYes,
    StartNo,
    FlagOk,
    FlagCancel,
    OptionsRestart,
    RightKey,
    WrongKey,
    Hint,
    Enter,
    EndNo,
    Close
};

// What the player does before and after the command: the word's life that
// passes the moment.
enum class Play
{
    LoseAWord,
    SolveAWord,
    WinTheGame
};

struct Case
{
    Moment moment;
    Command command;
};

std::string nameOf(const Case& c);

void PrintTo(const Case& c, std::ostream* out)
{
    *out << nameOf(c);
}

std::string nameOf(const Case& c)
{
    static const char* const moments[] = {
        "PictureGrowing",   "FieldDealt",     "AfterWrongGuess",  "AfterNinthWrongGuess",
        "SolutionShown",    "WaitingForNext", "AfterSolvedWord",  "BeforeNextWord",
        "AfterWinningWord", "WinnerMessage",  "OnceAgainQuestion"};
    static const char* const commands[] = {"StartYes",       "StartNo",  "FlagOk",   "FlagCancel",
                                           "OptionsRestart", "RightKey", "WrongKey", "Hint",
                                           "Enter",          "EndNo",    "Close"};
    return std::string(moments[static_cast<int>(c.moment)]) + "_" +
           commands[static_cast<int>(c.command)];
}

Play playFor(Moment moment)
{
    switch (moment) {
    case Moment::AfterWrongGuess:
    case Moment::AfterNinthWrongGuess:
    case Moment::SolutionShown:
        return Play::LoseAWord;
    case Moment::AfterWinningWord:
    case Moment::WinnerMessage:
    case Moment::OnceAgainQuestion:
        return Play::WinTheGame;
    default:
        return Play::SolveAWord;
    }
}

bool near(double seconds, double expected)
{
    return std::abs(seconds - expected) < 1e-6;
}

class StormTest : public ::testing::TestWithParam<Case>
{
protected:
    StormTest()
        : game({"Banane", "Kirsche", "Melone", "Zitrone", "Pflaume", "Traube"},
               "Sound=-1\r\nWiederholung= 0\r\nTipps= 3\r\nAnzahl= 2\r\n")
    {
        game.pressNext = true;
    }

    const GameState& state() { return game.state(); }

    // Whether the game is at the moment of this case's command, waiting for a
    // pause of `pause` seconds to end (or, without one, for the players).
    bool atMoment(std::optional<double> pause)
    {
        const Phase phase = state().phase;
        const bool complete = state().RevealedCount == state().CurrentWord.size();
        const double seconds = pause.value_or(-1);
        switch (GetParam().moment) {
        case Moment::PictureGrowing:
            return phase == Phase::SettingUp && state().pictureHeight > 40 && near(seconds, 0.1);
        case Moment::FieldDealt:
            return phase == Phase::SettingUp && state().fieldsDealt == 2 && near(seconds, 0.15);
        case Moment::AfterWrongGuess:
            return phase == Phase::Guessing && state().WrongGuesses == 3 && near(seconds, 0.1);
        case Moment::AfterNinthWrongGuess:
            return phase == Phase::Ending && near(seconds, 1.5);
        case Moment::SolutionShown:
            return phase == Phase::Ending && state().WrongGuesses == 9 && near(seconds, 0.1) &&
                   revealedLetters() >= 2;
        case Moment::WaitingForNext:
            return phase == Phase::WaitingForNext && !pause;
        case Moment::AfterSolvedWord:
            return phase == Phase::Ending && complete && near(seconds, 0.1);
        case Moment::BeforeNextWord:
            return near(seconds, 0.5);
        case Moment::AfterWinningWord:
            return phase == Phase::Won && near(seconds, 0.1);
        case Moment::WinnerMessage:
        case Moment::OnceAgainQuestion:
            return false; // these come with their questions
        }
        return false;
    }

    int revealedLetters()
    {
        int letters = 0;
        for (const int look : state().fieldLooks)
            letters += look >= 0 && look < 50 ? 1 : 0;
        return letters;
    }

    // Gives the next question that comes up `answer`, if one comes.
    void answering(bool answer, const std::function<void()>& action)
    {
        auto& answers = game.host.answers;
        const std::size_t before = answers.size();
        answers.push_front(answer);
        action();
        if (answers.size() == before + 1)
            answers.pop_front();
    }

    QChar letterIn(bool inWord)
    {
        for (int k = 0; k < gamerules::kKeys; ++k) {
            if (!game.game.keyAvailable(k))
                continue;
            const QString letter = game.game.alphabet().key(k).letter;
            if (state().CurrentWord.contains(letter) == inWord)
                return letter.front();
        }
        return u'Q';
    }

    void fire(Command command)
    {
        Game& rules = game.game;
        switch (command) {
        case Command::StartYes:
            answering(true, [&] { rules.PicBut_click(toolbar::Start); });
            break;
        case Command::StartNo:
            answering(false, [&] { rules.PicBut_click(toolbar::Start); });
            break;
        case Command::FlagOk:
            answering(true, [&] { rules.imgLang_Click(0); });
            break;
        case Command::FlagCancel:
            answering(false, [&] { rules.imgLang_Click(0); });
            break;
        case Command::OptionsRestart:
            // Another repetition setting asks for a new game.
            settings().Wiederholung = settings().Wiederholung == 0 ? 1 : 0;
            rules.state().RestartRequested = true;
            rules.restartIfRequested();
            break;
        case Command::RightKey:
            rules.Form_KeyPress(letterIn(true));
            break;
        case Command::WrongKey:
            rules.Form_KeyPress(letterIn(false));
            break;
        case Command::Hint:
            rules.PicBut_click(toolbar::Hint);
            break;
        case Command::Enter:
            rules.Form_KeyPress(u'\r');
            break;
        case Command::EndNo:
            answering(false, [&] { rules.PicBut_click(toolbar::End); });
            break;
        case Command::Close:
            closedAt = state();
            rules.stop();
            break;
        }
    }

    void fireOnce()
    {
        if (fired)
            return;
        fired = true;
        const Command command = GetParam().command;
        // Start waits while a word is dealt and while a won game asks its
        // questions; the won game then goes on to its new one.
        const Phase phase = state().phase;
        const bool startWaits = phase == Phase::SettingUp || phase == Phase::Won;
        switch (command) {
        case Command::StartYes:
        case Command::StartNo:
            newWord = true;
            newGame = startWaits ? phase == Phase::Won : command == Command::StartYes;
            break;
        case Command::FlagOk:
        case Command::OptionsRestart:
            newWord = newGame = true;
            break;
        default:
            break;
        }
        playerBefore = state().CurrentPlayer;
        scoresBefore = state().Scores;
        fire(command);
    }

    void armTheCommand()
    {
        game.onIdle = [this](std::optional<double> pause) {
            if (!fired && atMoment(pause))
                fireOnce();
        };
        game.host.onAsk = [this](const QString& question) {
            const Moment moment = GetParam().moment;
            if ((moment == Moment::WinnerMessage && question.startsWith("winner")) ||
                (moment == Moment::OnceAgainQuestion && question == "once again"))
                fireOnce();
        };
    }

    // Plays until the command has come; then the player does nothing more, so
    // that what the game does afterwards is the command's doing alone.
    void play()
    {
        game.start();
        const Play play = playFor(GetParam().moment);
        if (play == Play::WinTheGame)
            game.game.state().Scores[state().CurrentPlayer] = 7;
        for (int i = 0; i < 12 && !fired && !game.game.stopped(); ++i)
            game.type(QString(letterIn(play != Play::LoseAWord)));
    }

    void expectWhatTheCommandPromised()
    {
        if (!newWord)
            return;
        const QString& word = state().CurrentWord;
        const auto separators = word.count(u' ') + word.count(u'\'') + word.count(u'-');
        EXPECT_EQ(state().RevealedCount, separators) << "a new word, nothing guessed yet";
        EXPECT_EQ(state().WrongGuesses, 0);
        for (int k = 0; k < gamerules::kKeys; ++k)
            EXPECT_FALSE(state().keyUsed[k]) << "key " << k;
        if (newGame) {
            EXPECT_EQ(state().CurrentPlayer, 0) << "a new game starts with the first player";
            EXPECT_EQ(state().Scores, (std::array<qint16, 4>{})) << "with no points";
        } else {
            EXPECT_EQ(state().CurrentPlayer, playerBefore) << "the player on turn stays";
            EXPECT_EQ(state().Scores, scoresBefore) << "and so do the points";
        }
    }

    // The positions of the word that the used keys (and the set-up) account for.
    void expectAWordThatStartedClean()
    {
        const QString& word = state().CurrentWord;
        ASSERT_FALSE(word.isEmpty());
        ASSERT_EQ(state().fieldLooks.size(), word.size());
        ASSERT_EQ(state().FieldCount, word.size());
        int accounted = 0;
        for (int i = 0; i < word.size(); ++i) {
            const QChar c = word.at(i);
            const int look = state().fieldLooks[i];
            bool guessed = false;
            for (int k = 0; k < gamerules::kKeys; ++k) {
                if (state().keyUsed[k] && game.game.alphabet().key(k).letter == QString(c))
                    guessed = game.game.alphabet().key(k).inPlay;
            }
            if (c == u' ' || c == u'\'' || c == u'-' || guessed) {
                ++accounted;
                EXPECT_NE(look, fieldlook::kEmpty)
                    << "position " << i << " of " << qPrintable(word);
            } else {
                EXPECT_EQ(look, fieldlook::kEmpty)
                    << "position " << i << " of " << qPrintable(word) << " shows an old letter";
            }
        }
        EXPECT_EQ(state().RevealedCount, accounted);
        int misses = 0;
        for (int k = 0; k < gamerules::kKeys; ++k) {
            if (state().keyUsed[k] && !word.contains(game.game.alphabet().key(k).letter))
                ++misses;
        }
        EXPECT_EQ(state().WrongGuesses, misses) << "every wrong guess belongs to this word";
    }

    void expectTheInvariants()
    {
        const Settings& record = settings();
        EXPECT_GE(state().CurrentPlayer, 0);
        EXPECT_LT(state().CurrentPlayer, record.Anzahl);
        for (int p = 0; p < 4; ++p) {
            EXPECT_GE(state().Scores[p], 0);
            EXPECT_LE(state().Scores[p], 8);
        }
        EXPECT_GE(state().WrongGuesses, 0);
        EXPECT_LE(state().WrongGuesses, 9);
        EXPECT_LE(state().RevealedCount, state().CurrentWord.size());
    }

    CoreGame game;
    bool fired = false;
    bool newWord = false; // the command asks for a new word
    bool newGame = false; // and for a new game
    qint16 playerBefore = 0;
    std::array<qint16, 4> scoresBefore{};
    std::optional<GameState> closedAt;
};

TEST_P(StormTest, OneCleanWordIsInPlayWhateverComesWhen)
{
    armTheCommand();
    play();
    EXPECT_TRUE(fired) << "the game never reached the moment";
    game.settle();
    game.onIdle = nullptr;
    game.host.onAsk = nullptr;
    if (GetParam().command == Command::Close) {
        // The close came in the middle of a pause; what paused then has ended
        // without touching anything.
        EXPECT_TRUE(game.game.stopped());
        ASSERT_TRUE(closedAt);
        EXPECT_EQ(state().generation, closedAt->generation);
        EXPECT_EQ(state().fieldLooks, closedAt->fieldLooks);
        EXPECT_EQ(state().phase, closedAt->phase);
        EXPECT_EQ(state().CurrentPlayer, closedAt->CurrentPlayer);
        EXPECT_EQ(state().Scores, closedAt->Scores);
        EXPECT_FALSE(game.environment.clock.nextPause()) << "nothing waits any more";
        return;
    }
    EXPECT_EQ(state().phase, Phase::Guessing) << "a word is in play and takes guesses";
    expectWhatTheCommandPromised();
    expectAWordThatStartedClean();
    expectTheInvariants();

    // And the word plays to its end like any other.
    const quint32 generation = state().generation;
    for (int i = 0; i < 12 && state().generation == generation; ++i)
        game.type(QString(letterIn(true)));
    EXPECT_NE(state().generation, generation) << "solved, and the next word is in play";
    expectAWordThatStartedClean();
    expectTheInvariants();
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (int m = 0; m <= static_cast<int>(Moment::OnceAgainQuestion); ++m) {
        for (int c = 0; c <= static_cast<int>(Command::Close); ++c)
            cases.push_back({static_cast<Moment>(m), static_cast<Command>(c)});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryPauseEveryCommand, StormTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return nameOf(info.param);
                         });

} // namespace
