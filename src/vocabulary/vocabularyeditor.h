#pragma once

class Game;
class QWidget;

// Shows the vocabulary editor modally for the file named by the Datei setting of
// the current language. `fieldWidth` is the width of one letter field of the
// board, which bounds how long an entry may be.
void showVocabularyEditor(Game& game, int fieldWidth, QWidget* parent);
