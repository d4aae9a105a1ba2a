// The game commands: the toolbar, the language switch and the restart after the
// options dialog, and what the board shows of the game.

#include "game/game.h"

#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/gamehost.h"

Game::Game(GameHost& host, VocabularySource& vocabulary) : host_(host), vocabulary_(vocabulary) {}

Game::~Game()
{
    stop();
}

void Game::stop()
{
    stopped_ = true;
    pauses_.resumeAll();
}

void Game::PicBut_click(int index)
{
    ErrorScope::run(modules::frmMain, "PicBut_click", [&] {
        switch (index) {
        case toolbar::Start:
            if (startAvailable())
                StartGame();
            break;
        case toolbar::End:
            if (host_.askEndGame())
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
                pauses_.release();
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
        pauses_.release();
    } else {
        Such_Wort(); // goes on from the event loop after each pause
    }
}

void Game::StartGame()
{
    ErrorScope::run(modules::frmMain, "StartGame", [&] {
        if (state_.GameStarted) {
            const bool newGame = host_.askNewGame();
            if (stopped_)
                return;
            if (newGame && !zurueck())
                return;
        }
        // A word being dealt is a game under way: a language switch during the
        // first word's set-up asks, and starts the game anew in its language.
        state_.GameStarted = true;
        handOver();
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
                emit hintGiven(alphabet_.key(k).letter);
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
            const bool confirmed = host_.askLanguageSwitch(index);
            if (stopped_ || !confirmed)
                return;
            if (!zurueck())
                return;
        }
        language::LanguageOffset() = toInt16(index * 1000);
        emit languageChanged();
        settingsfile::SaveIni(settingsfile::kOptionsSection, QStringLiteral("Sprache"),
                              settingsfile::numberText(language::LanguageOffset()));
        alphabet_.setLanguageLetters(language::LanguageOffset());
        present();
        if (host_.gameShown()) {
            List1_Ini();
            if (stopped_)
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

BoardView Game::view() const
{
    const Settings& record = settings();
    BoardView view;
    for (int k = 0; k < gamerules::kKeys; ++k) {
        const Alphabet::Key& key = alphabet_.key(k);
        view.keys[k] = {key.letter, key.cell, keyShown(k), keyAvailable(k),
                        key.inPlay && state_.keyUsed[k] && record.Remove == 0};
    }
    view.word = state_.CurrentWord;
    view.wordNumber = state_.wordsDrawn;
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
