#pragma once

class Board;
class Game;
class QWidget;

// Shows the options dialog modally. It changes the settings record in place,
// writes the settings file on OK and sets the game's RestartRequested when a
// change needs a new game.
void showOptionsDialog(Game& game, Board& board, QWidget* parent);
