#include "screenmetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <qguiapplication_platform.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>

#include <xcb/xcb.h>

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

bool windowStatesHonoured()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t* connection = x11->connection();
    // A window manager that follows the desktop's conventions names its own
    // window on the root window; a property nobody ever named cannot be there.
    constexpr std::string_view name = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, name.size(), name.data()),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection)); roots.rem;
         xcb_screen_next(&roots)) {
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, roots.data->root, atom->atom,
                                                    XCB_ATOM_WINDOW, 0, 1),
                                   nullptr),
            &std::free);
        if (property && xcb_get_property_value_length(property.get()) > 0)
            return true;
    }
    return false;
}

} // namespace screenmetrics
