// Guesses: a key clicked or typed, or a hint, and how a word ends.

#include "game/game.h"

#include "app/languagetable.h"
#include "app/settings.h"
#include "app/sound.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "board/pictures.h"
#include "errors/errorscope.h"
#include "game/random.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// A vowel key also uncovers its accented forms, each with its own letter cell.
struct Accent
{
    int key;
    char16_t letter;
    int cell;
};
constexpr Accent kAccents[] = {{0, u'Á', 35},  {0, u'À', 36},  {0, u'Â', 37},  {4, u'É', 38},
                               {4, u'È', 39},  {4, u'Ê', 40},  {8, u'Í', 41},  {8, u'Ì', 42},
                               {8, u'Î', 43},  {14, u'Ó', 44}, {14, u'Ò', 45}, {14, u'Ô', 46},
                               {20, u'Ú', 47}, {20, u'Ù', 48}, {20, u'Û', 49}};

int accentCell(int key, QChar c)
{
    for (const Accent& accent : kAccents) {
        if (accent.key == key && accent.letter == c.unicode())
            return accent.cell;
    }
    return -1;
}

} // namespace

void Game::disableKeys()
{
    for (int i = 0; i <= state_.LastKeyIndex; ++i)
        board_.key(i)->setEnabled(false);
}

void Game::showPictureStep()
{
    board_.picture()->setPixmap(pictures::sequencePicture(settings().Motiv, state_.WrongGuesses));
}

void Game::imgAlpha_click(int index)
{
    // A key clicked while another guess is still being handled (during its sound
    // or pause) is guessed right after it, so every guess runs in order.
    if (guessDepth_ > 0) {
        if (!pendingGuesses_.contains(index))
            pendingGuesses_.append(index);
        return;
    }
    ++guessDepth_;
    guess(index);
    --guessDepth_;
    while (!pendingGuesses_.isEmpty() && !stopped_) {
        const int next = pendingGuesses_.takeFirst();
        if (board_.key(next)->isEnabled()) {
            ++guessDepth_;
            guess(next);
            --guessDepth_;
        }
    }
}

bool Game::revealGuess(int index)
{
    ClickableImage* key = board_.key(index);
    const QString letter = key->tag();
    bool found = false;
    for (int i = 1; i <= state_.CurrentWord.size(); ++i) {
        const QChar c = state_.CurrentWord.at(i - 1).toUpper();
        int cell = -1;
        if (QString(c) == letter)
            board_.setFieldLetter(i, key->pixmap());
        else if ((cell = accentCell(index, c)) >= 0)
            board_.setFieldLetter(i, pictures::letterCell(cell));
        else
            continue;
        found = true;
        state_.RevealedCount = toInt16(state_.RevealedCount + 1);
    }
    return found;
}

void Game::guess(int index)
{
    ErrorScope::run(modules::frmMain, "imgAlpha_click", [&](ErrorScope& scope) {
        ClickableImage* key = board_.key(index);
        if (settings().Remove != 0)
            key->hide();
        else
            board_.usedMark(index)->show();
        key->setEnabled(false);
        QCoreApplication::processEvents();

        const bool found = scope.attempt([&] { return revealGuess(index); });
        if (found) {
            QCoreApplication::processEvents();
            if (soundOn())
                PlayWAV(104);
        }
        if (state_.RevealedCount != state_.CurrentWord.size()) {
            if (!found)
                wrongGuess();
            if (state_.WrongGuesses == gamerules::kLosingWrongGuesses)
                loseWord();
            return;
        }
        scoreCompletedWord();
    });
}

void Game::wrongGuess()
{
    state_.WrongGuesses = toInt16(state_.WrongGuesses + 1);
    showPictureStep();
    QCoreApplication::processEvents();
    if (soundOn()) {
        if (state_.WrongGuesses == gamerules::kLosingWrongGuesses) {
            disableKeys();
            PlayWAV(102);
            Verzoegerung(1.5);
        } else {
            PlayWAV(103);
            Verzoegerung(0.1);
        }
    }
    aktiv();
}

void Game::loseWord()
{
    pendingGuesses_.clear();
    if (settings().Anzeige == 1)
        anzeigen();
    List1.append(state_.CurrentWord);
    Pause();
    if (!stopped_)
        Such_Wort();
}

void Game::scoreCompletedWord()
{
    pendingGuesses_.clear();
    const int player = state_.CurrentPlayer;
    state_.Scores[player] = toInt16(state_.Scores[player] + 1);
    board_.scoreMark(player * Board::kMarksPerPlayer + state_.Scores[player] - 1)->show();
    QCoreApplication::processEvents();
    if (soundOn()) {
        QCoreApplication::processEvents();
        qint16 r = zz(7, 14);
        if (r > 13)
            r = 6;
        PlayWAV(100 + r);
        Verzoegerung(0.1);
    }
    bool restarted = false;
    if (state_.Scores[player] == gamerules::kWinningScore) {
        if (!announceWinner())
            return;
        restarted = true;
    }
    if (!restarted)
        Pause();
    if (stopped_)
        return;
    Verzoegerung(0.5);
    if (!stopped_)
        Such_Wort();
}

bool Game::announceWinner()
{
    if (soundOn()) {
        PlayWAV(105);
        Verzoegerung(0.1);
    }
    const QString winner = board_.playerLabel(state_.CurrentPlayer)->text();
    services::dialogs().messageBox(&window_, winner + u'\r' + language::text(140),
                                   Dialogs::Buttons::Ok, Dialogs::Icon::Information,
                                   language::text(141));
    const auto again = services::dialogs().messageBox(
        &window_, language::text(142), Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QString());
    if (again != Dialogs::Answer::Yes) {
        emit closeRequested();
        return false;
    }
    zurueck();
    if (settings().Music != 0) {
        stopMusic();
        MakeMusic();
    }
    return true;
}

void Game::anzeigen()
{
    ErrorScope::run(modules::frmMain, "anzeigen", [&] {
        for (int a = 0; a <= state_.LastKeyIndex && !stopped_; ++a) {
            ClickableImage* key = board_.key(a);
            for (int i = 1; i <= state_.CurrentWord.size() && !stopped_; ++i) {
                if (key->isHidden() ||
                    QString(state_.CurrentWord.at(i - 1).toUpper()) != key->tag())
                    continue;
                board_.setFieldLetter(i, key->pixmap());
                Verzoegerung(0.1);
                if (soundOn())
                    PlayWAV(101);
                QCoreApplication::processEvents();
            }
        }
    });
}

void Game::Pause()
{
    ErrorScope::run(modules::frmMain, "Pause", [&] {
        QPushButton* next = board_.nextWordButton();
        next->show();
        next->setEnabled(true);
        next->setFocus();
        disableKeys();
        while (next->isEnabled() && !stopped_)
            services::clock().handleEventsFor(-1);
    });
}

bool Game::Form_KeyPress(QChar typed)
{
    bool handled = false;
    ErrorScope::run(modules::frmMain, "Form_KeyPress", [&] {
        const QString letter = QString(typed).toUpper();
        for (int i = 0; i <= state_.LastKeyIndex; ++i) {
            ClickableImage* key = board_.key(i);
            if (key->tag() == letter && !key->isHidden() && key->isEnabled()) {
                imgAlpha_click(i);
                handled = true;
                return;
            }
        }
        if (typed == u'\r' && board_.nextWordButton()->isEnabled()) {
            PicBut_click(Board::kNextWordButton);
            handled = true;
        }
    });
    return handled;
}
