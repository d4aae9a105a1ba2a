#include "screenmetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

int twipsPerPixel(qreal dotsPerInch)
{
    if (dotsPerInch <= 0)
        return 15;
    return std::max(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}

} // namespace

namespace screenmetrics {

int twipsPerPixelX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

int twipsPerPixelY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QSize screenSizeInPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QSize screenSizeInTwips()
{
    const QSize pixels = screenSizeInPixels();
    return {pixels.width() * twipsPerPixelX(), pixels.height() * twipsPerPixelY()};
}

bool windowPositionsKnown()
{
    // "wayland", and "wayland-egl" and the like for its variants.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace screenmetrics
