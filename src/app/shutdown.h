#pragma once

class QWidget;

// Closes every other open window, last opened first, and ends the program. The
// window that is closing itself is passed so it is not closed twice.
void Shutdown(QWidget* closing);
