#include "optionsdialog.h"
void showOptionsDialog(Game&, Board&, QWidget*) {}
