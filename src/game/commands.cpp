// The game commands: the toolbar, the language switch and the restart after the
// options dialog, and how the game shows itself on the board.

#include "game/game.h"

#include "board/board.h"
#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include <QWidget>

Game::Game(Board& board, QWidget& window, VocabularySource& vocabulary)
    : board_(board), window_(window), vocabulary_(vocabulary)
{}

void Game::PicBut_click(int index)
{
    ErrorScope::run(modules::frmMain, "PicBut_click", [&] {
        switch (index) {
        case toolbar::Start:
            if (startAvailable())
                StartGame();
            break;
        case toolbar::End:
            if (services::dialogs().messageBox(&window_, language::text(143),
                                               Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                               language::text(144)) == Dialogs::Answer::Yes)
                emit closeRequested();
            break;
        case toolbar::Hint:
            if (state_.phase != Phase::SettingUp && state_.hintOffered)
                ShowTipp();
            break;
        case toolbar::Options:
            emit optionsMenuRequested();
            break;
        case toolbar::Help:
            emit helpMenuRequested();
            break;
        case toolbar::NextWord:
            // Ends the wait for the next word.
            if (state_.phase == Phase::WaitingForNext) {
                state_.phase = Phase::NextRequested;
                present();
            }
            break;
        default:
            break;
        }
    });
}

// Start waits while a word is dealt, so that no second one starts inside it,
// and while a won game asks its questions.
bool Game::startAvailable() const
{
    return state_.phase != Phase::SettingUp && state_.phase != Phase::Won;
}

void Game::handOver()
{
    // While a finished word waits for Next word, the waiting guess sets up the
    // next word itself as soon as the wait is released.
    if (state_.phase == Phase::WaitingForNext || state_.phase == Phase::NextRequested) {
        state_.phase = Phase::NextRequested;
        present();
    } else {
        Such_Wort();
    }
}

void Game::StartGame()
{
    ErrorScope::run(modules::frmMain, "StartGame", [&] {
        if (state_.GameStarted) {
            const auto answer = services::dialogs().messageBox(
                &window_, language::text(149), Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                QStringLiteral("Start"));
            if (stopped_)
                return;
            if (answer == Dialogs::Answer::Yes && !zurueck())
                return;
        }
        handOver();
        state_.GameStarted = true;
    });
}

void Game::ShowTipp()
{
    ErrorScope::run(modules::frmMain, "ShowTipp", [&] {
        ++state_.HintsUsed;
        if (state_.HintsUsed == settings().Tipps) {
            state_.hintOffered = false;
            state_.HintsUsed = 0;
            present();
        }
        for (int k = 0; k <= state_.LastKeyIndex; ++k) {
            // A key already waiting to be guessed is no hint.
            if (keyAvailable(k) && !pendingGuesses_.contains(k) &&
                state_.CurrentWord.contains(alphabet_.key(k).letter, Qt::CaseInsensitive)) {
                imgAlpha_click(k);
                return;
            }
        }
    });
}

void Game::imgLang_Click(int index)
{
    ErrorScope::run(modules::frmMain, "imgLang_Click", [&] {
        if (state_.GameStarted) {
            const QString question = language::text(172) + QStringLiteral("\r\n\r\n") +
                                     language::GetLang(toInt16(index * 1000 + 172));
            const auto answer =
                services::dialogs().messageBox(&window_, question, Dialogs::Buttons::OkCancel,
                                               Dialogs::Icon::Question, language::text(100));
            if (stopped_ || answer != Dialogs::Answer::Ok)
                return;
            if (!zurueck())
                return;
        }
        const Ticket game = ticket();
        language::LanguageOffset() = toInt16(index * 1000);
        emit languageChanged();
        settingsfile::SaveIni(settingsfile::kOptionsSection, QStringLiteral("Sprache"),
                              settingsfile::numberText(language::LanguageOffset()));
        alphabet_.setLanguageLetters(language::LanguageOffset());
        present();
        if (window_.isVisible()) {
            List1_Ini();
            if (!game.current())
                return;
        }
        if (state_.GameStarted) {
            state_.GameStarted = false;
            StartGame();
        }
    });
}

void Game::restartIfRequested()
{
    if (!state_.RestartRequested)
        return;
    if (!zurueck())
        return;
    handOver();
    state_.GameStarted = true;
}

void Game::present()
{
    board_.show(view());
}

BoardView Game::view() const
{
    const Settings& record = settings();
    BoardView view;
    for (int k = 0; k < gamerules::kKeys; ++k) {
        const Alphabet::Key& key = alphabet_.key(k);
        view.keys[k] = {key.letter, key.cell, keyShown(k), keyAvailable(k),
                        key.inPlay && state_.keyUsed[k] && record.Remove == 0};
    }
    view.fields = state_.fieldLooks;
    view.fieldsDealt = state_.fieldsDealt;
    view.motif = record.Motiv;
    view.pictureStep = state_.WrongGuesses;
    // Until the first word of the run the picture stays out of sight.
    view.pictureShown = state_.phase != Phase::NoWord || !state_.CurrentWord.isEmpty();
    view.pictureHeight = state_.pictureHeight;
    view.startEnabled = startAvailable();
    view.hintShown = state_.hintOffered;
    view.hintEnabled = state_.phase != Phase::SettingUp;
    view.nextWordShown = state_.phase == Phase::WaitingForNext;
    view.players = record.Anzahl;
    view.onTurn = state_.CurrentPlayer;
    for (int p = 0; p < gamerules::kPlayers; ++p) {
        view.scores[p] = state_.Scores[p];
        view.names[p] = record.names[p];
    }
    return view;
}
