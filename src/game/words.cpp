// The word list and setting up a new word on the board.

#include "game/game.h"

#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "game/gamehost.h"
#include "game/random.h"
#include "game/vocabularysource.h"

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

void Game::List1_Ini()
{
    List1.clear();
    host_.showBusy(true);
    ErrorScope::run(modules::frmMain, "List1_Ini", [&] {
        List1 = vocabulary_.wordsForPlay(settings().minLen);
        if (List1.isEmpty()) {
            // An empty file is treated like one without usable entries: the
            // built-in words stand in, so a draw never takes from an empty list.
            host_.showBusy(false);
            host_.reportEmptyVocabulary();
            host_.showBusy(true);
            WortList();
        }
    });
    host_.showBusy(false);
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
        emit wordDealt(static_cast<int>(state_.fieldLooks.count(fieldlook::kEmpty)));
    });
}

QCoro::Task<bool> Game::growPicture(Ticket word)
{
    // The picture grows into place from its top edge, 20 pixels every 0.1 s.
    state_.pictureHeight = 0;
    present();
    for (int k = kPictureHeight / 8; k <= kPictureHeight; k += kGrowthStep) {
        state_.pictureHeight = k;
        present();
        const bool inPlay = co_await pauses_.Verzoegerung(0.1, word);
        if (!inPlay)
            co_return false;
    }
    state_.pictureHeight = -1;
    present();
    co_return true;
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

QString Game::drawWord()
{
    for (int attempt = 0; attempt < kMostRedraws; ++attempt) {
        if (List1.isEmpty())
            List1_Ini();
        if (List1.isEmpty() || stopped_)
            break;
        const qint16 n = zz(1, toInt16(List1.size()));
        const QString word = List1.value(n - 1).toUpper();
        if (settings().Wiederholung == 1)
            List1.removeAt(n - 1);
        if (host_.wordFits(static_cast<int>(word.size())))
            return word;
    }
    return fallbackWord();
}

// A blank leaves a gap between words; apostrophes, hyphens and whatever no key
// of the language can uncover are shown from the start, or the word could never
// be completed.
void Game::dealField(int position)
{
    const QChar c = state_.CurrentWord.at(position);
    int& look = state_.fieldLooks[position];
    if (c == u' ') {
        look = fieldlook::kGap;
    } else if (c == u'\'') {
        look = kApostropheCell;
    } else if (c == u'-') {
        look = kHyphenCell;
    } else {
        bool revealable = false;
        for (int k = 0; k <= state_.LastKeyIndex && !revealable; ++k)
            revealable = alphabet_.key(k).inPlay && keyReveals(k, c);
        if (!revealable)
            look = lettersheet::cellOf(c).value_or(fieldlook::kOwnGlyph);
    }
    if (look != fieldlook::kEmpty)
        state_.RevealedCount = toInt16(state_.RevealedCount + 1);
}

QCoro::Task<bool> Game::dealFields(ErrorScope& scope, Ticket word)
{
    for (int i = 0; i < state_.CurrentWord.size(); ++i) {
        if (soundOn()) {
            scope.attempt([&] { host_.playSound(104); });
            const bool inPlay = co_await pauses_.Verzoegerung(0.15, word);
            if (!inPlay)
                co_return false;
        }
        scope.attempt([&] { dealField(i); });
        state_.fieldsDealt = i + 1;
        present();
    }
    co_return true;
}

QCoro::Task<> Game::Such_Wort()
{
    return ErrorScope::runPausing(
        modules::frmMain, "Such_Wort", [this](ErrorScope& scope) -> QCoro::Task<> {
            replaceWord(Phase::SettingUp); // Start and Hint wait until the word is dealt
            const Ticket word = ticket();
            present();
            if (soundOn())
                scope.attempt([&] { host_.playSound(100); });
            state_.WrongGuesses = 0;
            const bool grown = co_await growPicture(word);
            if (!grown)
                co_return;
            state_.hintOffered = settings().Tipps != 0;
            state_.RevealedCount = 0;
            state_.HintsUsed = 0;
            const QString drawn = scope.attempt([&] { return drawWord(); });
            // The empty-vocabulary message may have stood on screen meanwhile.
            if (!word.current())
                co_return;
            state_.CurrentWord = drawn;
            ++state_.wordsDrawn;
            state_.FieldCount = static_cast<int>(drawn.size());
            state_.fieldLooks = QList<int>(drawn.size(), fieldlook::kEmpty);
            state_.fieldsDealt = 0;
            present();
            const bool dealt = co_await dealFields(scope, word);
            if (dealt)
                ShowLetters();
        });
}

void Game::replaceWord(Phase phase)
{
    ++state_.generation;
    state_.phase = phase;
    pendingGuesses_.clear();
}
