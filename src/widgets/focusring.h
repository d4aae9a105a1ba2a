#pragma once

class QWidget;

// Keeps the keyboard focus visible in `window` at all times: the style marks the
// focused control from the window's first moment rather than only after the
// first Tab, and scroll bars and lists, on which the style marks no focus, get a
// ring around them in the colour of the selection.
void keepFocusVisible(QWidget* window);
