// Players and scores: passing the turn and preparing a fresh game.

#include "game/game.h"

#include "app/settings.h"
#include "board/board.h"
#include "errors/errorscope.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

namespace {

const QColor kWaitingBackground(0, 0, 255);
const QColor kWaitingText(192, 192, 192);
const QColor kOnTurnBackground(255, 0, 0);
const QColor kOnTurnText(255, 255, 255);

} // namespace

void Game::setPlayerColours(int player, bool onTurn)
{
    QLabel* label = board_.playerLabel(player);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, onTurn ? kOnTurnBackground : kWaitingBackground);
    palette.setColor(QPalette::WindowText, onTurn ? kOnTurnText : kWaitingText);
    label->setPalette(palette);
}

void Game::aktiv()
{
    ErrorScope::run(modules::frmMain, "aktiv", [&] {
        setPlayerColours(state_.CurrentPlayer, false);
        if (state_.CurrentPlayer != settings().Anzahl - 1)
            state_.CurrentPlayer = toInt16(state_.CurrentPlayer + 1);
        else
            state_.CurrentPlayer = 0;
        setPlayerColours(state_.CurrentPlayer, true);
        QCoreApplication::processEvents();
    });
}

QString Game::fitName(const QString& name, const QFont& font, int width)
{
    QFont measuring = font;
    measuring.setPointSize(12);
    const QFontMetrics metrics(measuring);
    QString caption = name;
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    // Each pass drops one more character and keeps a single full stop; names
    // shorter than ten characters stay whole however wide they are.
    for (qsizetype counter = caption.size(); counter >= 10; --counter) {
        if (metrics.horizontalAdvance(caption) > width)
            caption = caption.left(caption.size() - 2) + u'.';
    }
    return caption;
}

void Game::zurueck()
{
    ErrorScope::run(modules::frmMain, "zurueck", [&] {
        for (int p = 0; p < Board::kPlayers; ++p) {
            state_.Scores[p] = 0;
            for (int j = 0; j < Board::kMarksPerPlayer; ++j)
                board_.scoreMark(p * Board::kMarksPerPlayer + j)->hide();
        }
        const int players = settings().Anzahl;
        for (int p = players; p < Board::kPlayers; ++p)
            board_.playerLabel(p)->hide();
        for (int p = 0; p < players; ++p) {
            QLabel* label = board_.playerLabel(p);
            label->setText(fitName(settings().names[p], label->font(), label->width()));
            setPlayerColours(p, false);
            label->show();
        }
        List1_Ini();
        state_.CurrentPlayer = static_cast<qint16>(players - 1);
        aktiv();
    });
}
