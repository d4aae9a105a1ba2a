// Commands fired in the middle of every wait of a word's life, as a player who
// clicks quickly would: whatever arrives when, exactly one word is in play
// afterwards, it started clean, and the board shows the game as it stands.

#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "dialogs/options/optionsdialog.h"
#include "frame/settings.h"
#include "game/game.h"

#include "support/gamefixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

namespace {

using Answer = Dialogs::Answer;

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
        : fixture({"Banane", "Kirsche", "Melone", "Zitrone", "Pflaume", "Traube"},
                  "Sound=-1\r\nWiederholung= 0\r\nTipps= 3\r\nAnzahl= 2\r\n")
    {
        fixture.pressNextWhenShown();
    }

    Game& game() { return fixture.game(); }
    const GameState& state() { return fixture.game().state(); }

    // Whether the game is at the moment of this case's command.
    bool atMoment(double seconds)
    {
        const Phase phase = state().phase;
        const bool complete = state().RevealedCount == state().CurrentWord.size();
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
            return phase == Phase::WaitingForNext && seconds < 0;
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
    void answering(Answer answer, const std::function<void()>& action)
    {
        auto& answers = fixture.environment.dialogs.answers;
        const std::size_t before = answers.size();
        answers.push_front(answer);
        action();
        if (answers.size() == before + 1)
            answers.pop_front();
    }

    QString letterIn(bool inWord)
    {
        for (int k = 0; k < Board::kKeys; ++k) {
            if (!game().keyAvailable(k))
                continue;
            if (state().CurrentWord.contains(game().alphabet().key(k).letter) == inWord)
                return game().alphabet().key(k).letter;
        }
        return QStringLiteral("Q");
    }

    void restartThroughTheOptions()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // Another repetition setting asks for a new game.
            QRadioButton* other = dialog->repeatButton(settings().Wiederholung == 0 ? 1 : 0);
            QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
            dialog->okButton()->click();
        });
        fixture.window().optionsMenu()->actions().first()->trigger();
    }

    void fire(Command command)
    {
        Board& board = fixture.board();
        switch (command) {
        case Command::StartYes:
            answering(Answer::Yes, [&] { QTest::mouseClick(board.toolButton(0), Qt::LeftButton); });
            break;
        case Command::StartNo:
            answering(Answer::No, [&] { QTest::mouseClick(board.toolButton(0), Qt::LeftButton); });
            break;
        case Command::FlagOk:
            answering(Answer::Ok, [&] { QTest::mouseClick(board.flag(0), Qt::LeftButton); });
            break;
        case Command::FlagCancel:
            answering(Answer::Cancel, [&] { QTest::mouseClick(board.flag(0), Qt::LeftButton); });
            break;
        case Command::OptionsRestart:
            restartThroughTheOptions();
            break;
        case Command::RightKey:
            fixture.type(letterIn(true));
            break;
        case Command::WrongKey:
            fixture.type(letterIn(false));
            break;
        case Command::Hint:
            QTest::mouseClick(board.toolButton(2), Qt::LeftButton);
            break;
        case Command::Enter:
            QTest::keyClick(&fixture.window(), Qt::Key_Return);
            break;
        case Command::EndNo:
            answering(Answer::No, [&] { QTest::mouseClick(board.toolButton(1), Qt::LeftButton); });
            break;
        case Command::Close:
            fixture.window().close();
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
        fixture.environment.clock.onWait = [this](double seconds) {
            if (!fired && atMoment(seconds))
                fireOnce();
        };
        fixture.environment.dialogs.onAsk = [this](const ScriptedDialogs::Question& question) {
            const Moment moment = GetParam().moment;
            if ((moment == Moment::WinnerMessage && question.text.endsWith("hat gewonnen!")) ||
                (moment == Moment::OnceAgainQuestion && question.text == "Noch 'ne Runde?"))
                fireOnce();
        };
    }

    // Plays until the command has come; then the player does nothing more, so
    // that what the game does afterwards is the command's doing alone.
    void play()
    {
        QTest::mouseClick(fixture.board().toolButton(0), Qt::LeftButton);
        const Play play = playFor(GetParam().moment);
        if (play == Play::WinTheGame)
            game().state().Scores[state().CurrentPlayer] = 7;
        for (int i = 0; i < 12 && !fired && fixture.window().isVisible(); ++i)
            fixture.type(letterIn(play != Play::LoseAWord));
    }

    void expectWhatTheCommandPromised()
    {
        if (!newWord)
            return;
        const QString& word = state().CurrentWord;
        const auto separators = word.count(u' ') + word.count(u'\'') + word.count(u'-');
        EXPECT_EQ(state().RevealedCount, separators) << "a new word, nothing guessed yet";
        EXPECT_EQ(state().WrongGuesses, 0);
        for (int k = 0; k < Board::kKeys; ++k)
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
            for (int k = 0; k < Board::kKeys; ++k) {
                if (state().keyUsed[k] && game().alphabet().key(k).letter == QString(c))
                    guessed = game().alphabet().key(k).inPlay;
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
        for (int k = 0; k < Board::kKeys; ++k) {
            if (state().keyUsed[k] && !word.contains(game().alphabet().key(k).letter))
                ++misses;
        }
        EXPECT_EQ(state().WrongGuesses, misses) << "every wrong guess belongs to this word";
    }

    void expectTheInvariants()
    {
        const Settings& record = settings();
        EXPECT_GE(state().CurrentPlayer, 0);
        EXPECT_LT(state().CurrentPlayer, record.Anzahl);
        EXPECT_LE(record.Anzahl, 4);
        for (int p = 0; p < 4; ++p) {
            EXPECT_GE(state().Scores[p], 0);
            EXPECT_LE(state().Scores[p], 8);
            EXPECT_EQ(fixture.visibleMarks(p), state().Scores[p]) << "player " << p;
        }
        EXPECT_GE(state().WrongGuesses, 0);
        EXPECT_LE(state().WrongGuesses, 9);
        EXPECT_LE(state().RevealedCount, state().CurrentWord.size());
    }

    void expectTheBoardToShowTheGame()
    {
        Board& board = fixture.board();
        const BoardView view = game().view();
        for (int k = 0; k < Board::kKeys; ++k) {
            const ClickableImage* key = board.key(k);
            EXPECT_EQ(key->isVisibleTo(&board), view.keys[k].visible) << "key " << k;
            EXPECT_EQ(key->isEnabled(), view.keys[k].enabled) << "key " << k;
            EXPECT_EQ(board.usedMark(k)->isVisibleTo(&board), view.keys[k].marked) << "key " << k;
            EXPECT_EQ(key->tag(), view.keys[k].letter);
        }
        for (int i = 1; i <= state().CurrentWord.size(); ++i) {
            const int look = view.fields[i - 1];
            EXPECT_EQ(board.field(i)->isVisibleTo(&board), look != BoardView::kGap) << i;
            if (look >= 0) {
                EXPECT_TRUE(fixture.fieldShows(i, pictures::letterCell(look, 1))) << "field " << i;
            } else if (look == BoardView::kEmpty) {
                EXPECT_TRUE(fixture.fieldIsEmpty(i)) << "field " << i;
            }
        }
        for (int i = static_cast<int>(state().CurrentWord.size()) + 1; board.field(i); ++i)
            EXPECT_FALSE(board.field(i)->isVisibleTo(&board)) << "a field of an old word";
        EXPECT_EQ(board.picture()->pixmap().toImage(),
                  pictures::sequencePicture(settings().Motiv, state().WrongGuesses, 1).toImage());
        EXPECT_EQ(board.picture()->height(), 160);
        EXPECT_EQ(board.nextWordButton()->isVisibleTo(&board), view.nextWordShown);
        EXPECT_EQ(board.toolButton(0)->isEnabled(), view.startEnabled);
        EXPECT_EQ(board.toolButton(2)->isVisibleTo(&board), view.hintShown);
        for (int p = 0; p < settings().Anzahl; ++p) {
            const QColor expected =
                p == state().CurrentPlayer ? QColor(255, 0, 0) : QColor(0, 0, 255);
            EXPECT_EQ(board.playerLabel(p)->palette().color(QPalette::Window), expected) << p;
        }
    }

    GameFixture fixture;
    bool fired = false;
    bool newWord = false; // the command asks for a new word
    bool newGame = false; // and for a new game
    qint16 playerBefore = 0;
    std::array<qint16, 4> scoresBefore{};
};

TEST_P(StormTest, OneCleanWordIsInPlayWhateverComesWhen)
{
    armTheCommand();
    play();
    EXPECT_TRUE(fired) << "the game never reached the moment";
    fixture.environment.clock.onWait = nullptr;
    fixture.environment.dialogs.onAsk = nullptr;
    if (GetParam().command == Command::Close) {
        EXPECT_FALSE(fixture.window().isVisible());
        EXPECT_TRUE(readFile(fixture.environment.settingsPath()).contains("[Window]"));
        EXPECT_TRUE(game().stopped());
        return;
    }
    ASSERT_TRUE(fixture.window().isVisible());
    EXPECT_EQ(state().phase, Phase::Guessing) << "a word is in play and takes guesses";
    expectWhatTheCommandPromised();
    expectAWordThatStartedClean();
    expectTheInvariants();
    expectTheBoardToShowTheGame();

    // And the word plays to its end like any other.
    const quint32 generation = state().generation;
    for (int i = 0; i < 12 && state().generation == generation; ++i)
        fixture.type(letterIn(true));
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

INSTANTIATE_TEST_SUITE_P(EveryWaitEveryCommand, StormTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return nameOf(info.param);
                         });

} // namespace
