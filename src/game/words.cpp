// The word list and setting up a new word on the board.

#include "game/game.h"

#include "board/board.h"
#include "desktop/dialogs.h"
#include "desktop/services.h"
#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/random.h"
#include "game/vocabularysource.h"
#include "sound/sound.h"

#include <QApplication>

namespace {

constexpr int kBuiltInWords = 50;
constexpr int kApostropheCell = 50;
constexpr int kHyphenCell = 51;
constexpr int kGrowthStep = 20; // pixels every 0.1 s
constexpr int kPictureHeight = 160;

// A list whose entries never fit the board is not drawn from forever.
constexpr int kMostRedraws = 200;

} // namespace

bool Game::soundOn() const
{
    return settings().Sound != 0;
}

void Game::showEmptyVocabularyMessage()
{
    // While the game window loads it is not shown yet, and a box over it would
    // stand where that hidden window happens to be; without it the box stands in
    // the middle of the screen, over the splash.
    services::dialogs().messageBox(
        window_.isVisible() ? &window_ : nullptr,
        language::text(177) + QStringLiteral("\r\n") + language::text(178), Dialogs::Buttons::Ok,
        Dialogs::Icon::None, QStringLiteral("Frostel"));
}

void Game::List1_Ini()
{
    List1.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ErrorScope::run(modules::frmMain, "List1_Ini", [&] {
        List1 = vocabulary_.wordsForPlay(settings().minLen);
        if (List1.isEmpty()) {
            // An empty file is treated like one without usable entries: the
            // built-in words stand in, so a draw never takes from an empty list.
            QApplication::restoreOverrideCursor();
            showEmptyVocabularyMessage();
            QApplication::setOverrideCursor(Qt::WaitCursor);
            WortList();
        }
    });
    QApplication::restoreOverrideCursor();
}

void Game::WortList()
{
    ErrorScope::run(modules::frmMain, "WortList", [&] {
        for (int i = 0; i < kBuiltInWords; ++i) {
            const QString word = language::text(300 + i);
            if (word.size() >= settings().minLen)
                List1.append(word);
        }
    });
}

void Game::ShowLetters()
{
    ErrorScope::run(modules::frmMain, "ShowLetters", [&] {
        state_.keyUsed.fill(false);
        state_.phase = Phase::Guessing;
        present();
        handleEvents(ticket());
    });
}

void Game::growPicture(const Ticket& ticket)
{
    // The picture grows into place from its top edge, 20 pixels every 0.1 s.
    state_.pictureHeight = 0;
    present();
    for (int k = kPictureHeight / 8; k <= kPictureHeight; k += kGrowthStep) {
        state_.pictureHeight = k;
        present();
        if (!Verzoegerung(0.1, ticket))
            return;
    }
    state_.pictureHeight = -1;
    present();
}

QString Game::fallbackWord() const
{
    // The shortest entry of the list or of the built-in words: the best chance to fit.
    QStringList candidates = List1;
    for (int i = 0; i < kBuiltInWords; ++i)
        candidates.append(language::text(300 + i));
    QString shortest;
    for (const QString& entry : candidates) {
        if (!entry.isEmpty() && (shortest.isEmpty() || entry.size() < shortest.size()))
            shortest = entry;
    }
    return shortest.toUpper();
}

QString Game::drawWord(const Ticket& ticket)
{
    const int pitch = board_.fieldPitch();
    for (int attempt = 0; attempt < kMostRedraws; ++attempt) {
        if (List1.isEmpty()) {
            List1_Ini();
            if (!ticket.current())
                return {};
        }
        if (List1.isEmpty())
            break;
        const qint16 n = zz(1, toInt16(List1.size()));
        const QString word = List1.value(n - 1).toUpper();
        if (settings().Wiederholung == 1)
            List1.removeAt(n - 1);
        if (word.size() * pitch <= board_.availableWidth())
            return word;
    }
    return fallbackWord();
}

void Game::dealFields(const Ticket& ticket)
{
    const QString& word = state_.CurrentWord;
    for (int i = 1; i <= word.size(); ++i) {
        if (!handleEvents(ticket))
            return;
        if (soundOn()) {
            PlayWAV(104);
            if (!Verzoegerung(0.15, ticket))
                return;
        }
        const QChar c = word.at(i - 1);
        int& look = state_.fieldLooks[i - 1];
        if (c == u' ')
            look = fieldlook::kGap;
        else if (c == u'\'')
            look = kApostropheCell;
        else if (c == u'-')
            look = kHyphenCell;
        if (look != fieldlook::kEmpty)
            state_.RevealedCount = toInt16(state_.RevealedCount + 1);
        state_.fieldsDealt = i;
        present();
    }
}

void Game::Such_Wort()
{
    ErrorScope::run(modules::frmMain, "Such_Wort", [&](ErrorScope& scope) {
        replaceWord(Phase::SettingUp); // Start and Hint wait until the word is dealt
        const Ticket word = ticket();
        present();
        if (soundOn())
            PlayWAV(100);
        state_.WrongGuesses = 0;
        scope.attempt([&] { growPicture(word); });
        if (!word.current())
            return;
        state_.hintOffered = settings().Tipps != 0;
        state_.RevealedCount = 0;
        state_.HintsUsed = 0;
        const QString drawn = scope.attempt([&] { return drawWord(word); });
        if (!word.current())
            return;
        state_.CurrentWord = drawn;
        state_.FieldCount = static_cast<int>(drawn.size());
        state_.fieldLooks = QList<int>(drawn.size(), fieldlook::kEmpty);
        state_.fieldsDealt = 0;
        board_.dealFields(state_.FieldCount);
        present();
        scope.attempt([&] { dealFields(word); });
        if (!word.current())
            return;
        ShowLetters();
    });
}

void Game::replaceWord(Phase phase)
{
    ++state_.generation;
    state_.phase = phase;
    pendingGuesses_.clear();
}
