#pragma once

#include <QRect>
#include <QSize>

// The game window's state, size and position as the settings file keeps them,
// in twips. Reading applies the defaults and the check that keeps the window on
// the screen; saving follows the window state.
namespace windowplacement {

// The smallest outer size of a normal window, in pixels.
inline constexpr QSize kMinimumOuterPixels(800, 600);

enum State : qint16
{
    Normal = 0,
    Minimised = 1,
    Maximised = 2
};

struct Placement
{
    qint16 state = Maximised;
    QRect twips; // outer left, top, width, height; empty when maximised
};

struct ScreenInfo
{
    QSize twips; // the screen's size in twips
    int twipsPerPixelX;
    int twipsPerPixelY;
};

Placement read(const ScreenInfo& screen);

// Whether the window's position on the screen can be known. Wayland keeps
// window positions to the compositor, so a program there sees only zeros.
enum class Position
{
    Known,
    Unknown
};

// Normal: Left, Top, Width, Height and Status 0; maximised: Status 2 only;
// minimised: nothing, so the placement of an earlier run stays. An unknown
// position leaves the stored Left and Top as they are.
void save(qint16 state, const QRect& twips, Position position = Position::Known);

} // namespace windowplacement
