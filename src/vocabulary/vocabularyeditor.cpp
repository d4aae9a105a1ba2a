#include "vocabularyeditor.h"
void showVocabularyEditor(Game&, int, QWidget*) {}
