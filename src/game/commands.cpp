// The toolbar commands: Start, End, Hint, the two menus and Next word.

#include "game/game.h"

#include "app/languagetable.h"
#include "app/settings.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "errors/errorscope.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QPushButton>
#include <QToolButton>

namespace {

enum ToolButton
{
    StartButton = 0,
    EndButton = 1,
    HintButton = 2,
    OptionsButton = 3,
    HelpButton = 4
};

} // namespace

Game::Game(Board& board, QWidget& window) : board_(board), window_(window) {}

void Game::PicBut_click(int index)
{
    ErrorScope::run(modules::frmMain, "PicBut_click", [&] {
        switch (index) {
        case StartButton:
            StartGame();
            break;
        case EndButton:
            if (services::dialogs().messageBox(&window_, language::text(143),
                                               Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                                               language::text(144)) == Dialogs::Answer::Yes)
                emit closeRequested();
            break;
        case HintButton:
            ShowTipp();
            break;
        case OptionsButton:
            emit optionsMenuRequested();
            break;
        case HelpButton:
            emit helpMenuRequested();
            break;
        case Board::kNextWordButton:
            // Ends the wait for the next word.
            board_.nextWordButton()->setEnabled(false);
            board_.nextWordButton()->hide();
            break;
        default:
            break;
        }
    });
}

void Game::handOver()
{
    // While a finished word waits for Next word, the waiting guess sets up the
    // next word itself as soon as the button is released.
    QPushButton* next = board_.nextWordButton();
    if (next->isEnabled()) {
        next->setEnabled(false);
        next->hide();
    } else {
        Such_Wort();
    }
}

void Game::StartGame()
{
    ErrorScope::run(modules::frmMain, "StartGame", [&] {
        if (state_.GameStarted &&
            services::dialogs().messageBox(&window_, language::text(149), Dialogs::Buttons::YesNo,
                                           Dialogs::Icon::Question,
                                           QStringLiteral("Start")) == Dialogs::Answer::Yes)
            zurueck();
        handOver();
        state_.GameStarted = true;
    });
}

void Game::ShowTipp()
{
    ErrorScope::run(modules::frmMain, "ShowTipp", [&] {
        ++state_.HintsUsed;
        if (state_.HintsUsed == settings().Tipps) {
            board_.toolButton(HintButton)->hide();
            state_.HintsUsed = 0;
        }
        for (int k = 0; k <= state_.LastKeyIndex; ++k) {
            ClickableImage* key = board_.key(k);
            if (key->isEnabled() && state_.CurrentWord.contains(key->tag(), Qt::CaseInsensitive)) {
                imgAlpha_click(k);
                return;
            }
        }
    });
}
