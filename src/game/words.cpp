// The word list and setting up a new word on the board.

#include "game/game.h"

#include "app/languagetable.h"
#include "app/settings.h"
#include "app/sound.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "board/layoutmath.h"
#include "board/pictures.h"
#include "errors/errorscope.h"
#include "game/random.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "vocabulary/vocabularyfile.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kBuiltInWords = 50;
constexpr int kHintButton = 2;
constexpr int kStartButton = 0;

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
        const auto read = vocabularyfile::readForPlay(settings().minLen);
        List1 = read.entries;
        if (List1.isEmpty()) {
            // An empty file is treated like one without usable entries: the
            // built-in words stand in, so a draw never takes from an empty list.
            showEmptyVocabularyMessage();
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
        for (int i = 0; i <= state_.LastKeyIndex; ++i) {
            board_.key(i)->setEnabled(true);
            board_.key(i)->show();
            board_.usedMark(i)->hide();
        }
        int firstUnused = Board::kKeys;
        switch (language::LanguageOffset()) {
        case 1000:
        case 3000:
            firstUnused = 26;
            break;
        case 5000:
        case 6000:
            firstUnused = 27;
            break;
        default:
            break;
        }
        for (int i = firstUnused; i < Board::kKeys; ++i) {
            board_.key(i)->hide();
            board_.key(i)->setEnabled(false);
        }
        QCoreApplication::processEvents();
    });
}

void Game::growPicture()
{
    QLabel* picture = board_.picture();
    const int fullHeight = picture->height();
    const QPixmap step = pictures::sequencePicture(settings().Motiv, state_.WrongGuesses);
    picture->setPixmap(step);
    picture->resize(step.size());
    picture->show();
    // The picture grows into place from its top edge, 20 pixels every 0.1 s.
    for (int k = picture->height() / 8; k <= fullHeight && !stopped_; k += 20) {
        picture->resize(picture->width(), k);
        Verzoegerung(0.1);
    }
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
    const int pitch = layoutmath::R(board_.field(0)->width() * 1.1);
    for (int attempt = 0; attempt < kMostRedraws; ++attempt) {
        if (List1.isEmpty())
            List1_Ini();
        if (List1.isEmpty())
            break;
        const qint16 n = zz(1, toInt16(List1.size()));
        const QString word = List1.at(n - 1).toUpper();
        if (settings().Wiederholung == 1)
            List1.removeAt(n - 1);
        if (word.size() * pitch <= board_.availableWidth())
            return word;
    }
    return fallbackWord();
}

void Game::layOutFields()
{
    const int length = static_cast<int>(state_.CurrentWord.size());
    const int pitch = layoutmath::R(board_.field(0)->width() * 1.1);
    const int left = layoutmath::half(layoutmath::R(board_.availableWidth() - length * pitch));
    board_.createFields(length);
    for (int i = 1; i <= length && !stopped_; ++i) {
        QLabel* field = board_.field(i);
        field->move(left + (i - 1) * pitch, board_.field(0)->y());
        QCoreApplication::processEvents();
        if (soundOn()) {
            PlayWAV(104);
            Verzoegerung(0.15);
        }
        const QChar c = state_.CurrentWord.at(i - 1);
        if (c == u' ') {
            state_.RevealedCount = toInt16(state_.RevealedCount + 1);
        } else if (c == u'\'' || c == u'-') {
            board_.setFieldLetter(i, pictures::letterCell(c == u'-' ? pictures::kHyphenCell
                                                                    : pictures::kApostropheCell));
            field->show();
            state_.RevealedCount = toInt16(state_.RevealedCount + 1);
        } else {
            field->show();
        }
    }
}

void Game::Such_Wort()
{
    ErrorScope::run(modules::frmMain, "Such_Wort", [&](ErrorScope& scope) {
        board_.toolButton(kStartButton)->setEnabled(false);
        board_.toolButton(kHintButton)->setEnabled(false);
        if (soundOn())
            PlayWAV(100);
        state_.WrongGuesses = 0;
        scope.attempt([&] { growPicture(); });
        board_.toolButton(kHintButton)->setVisible(settings().Tipps != 0);
        state_.RevealedCount = 0;
        state_.HintsUsed = 0;
        state_.CurrentWord = drawWord();
        state_.FieldCount = static_cast<int>(state_.CurrentWord.size());
        scope.attempt([&] { layOutFields(); });
        ShowLetters();
        board_.toolButton(kStartButton)->setEnabled(true);
        board_.toolButton(kHintButton)->setEnabled(true);
    });
}
