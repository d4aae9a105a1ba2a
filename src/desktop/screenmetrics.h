#pragma once

#include <QSize>

// Window placement is stored in twips (1/1440 inch), as the settings file has
// always held it.
namespace screenmetrics {

int twipsPerPixelX();
int twipsPerPixelY();
QSize screenSizeInPixels();
QSize screenSizeInTwips();

// False where the windowing system tells programs nothing of where their
// windows stand (Wayland): positions read there are zeros, not the truth.
bool windowPositionsKnown();

// False on an X server without a window manager: nothing there maximises or
// minimises a window, whatever state Qt asked for and reports.
bool windowStatesHonoured();

} // namespace screenmetrics
