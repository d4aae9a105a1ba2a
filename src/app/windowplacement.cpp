#include "windowplacement.h"

#include "errors/runtimeerror.h"
#include "frame/settings.h"

#include <algorithm>

namespace windowplacement {

namespace {

constexpr QLatin1String kSection = settingsfile::kWindowSection;

// Half of a difference, as the 16-bit value it is stored as: a screen too large
// for that range gives the nearest value it holds.
qint16 centred(qint64 screenExtent, qint64 windowExtent)
{
    return clampToInt16((screenExtent - windowExtent) / 2);
}

qint16 inTwips(int pixels, int twipsPerPixel)
{
    return clampToInt16(qint64{pixels} * twipsPerPixel);
}

// Only values the next start can read are stored.
QString storable(int twips)
{
    return settingsfile::numberText(clampToInt16(twips));
}

} // namespace

Placement read(const ScreenInfo& screen)
{
    using settingsfile::GetIniInt;
    Placement placement;
    placement.state = GetIniInt(kSection, QStringLiteral("Status"), Maximised);
    qint16 leftCentred = 0;
    qint16 topCentred = 0;
    if (placement.state != Maximised) {
        // The window never gets smaller than its minimum, so that is the size it is
        // centred and kept on the screen by.
        const qint16 width =
            std::max(GetIniInt(kSection, QStringLiteral("Width"), 800 * screen.twipsPerPixelX),
                     inTwips(kMinimumOuterPixels.width(), screen.twipsPerPixelX));
        const qint16 height =
            std::max(GetIniInt(kSection, QStringLiteral("Height"), 600 * screen.twipsPerPixelY),
                     inTwips(kMinimumOuterPixels.height(), screen.twipsPerPixelY));
        leftCentred = centred(screen.twips.width(), width);
        topCentred = centred(screen.twips.height(), height);
        const qint16 left = GetIniInt(kSection, QStringLiteral("Left"), leftCentred);
        const qint16 top = GetIniInt(kSection, QStringLiteral("Top"), topCentred);
        placement.twips = QRect(left, top, width, height);
    }
    if (placement.twips.left() < 0 ||
        placement.twips.left() > screen.twips.width() - placement.twips.width())
        placement.twips.moveLeft(leftCentred);
    if (placement.twips.top() < 0 ||
        placement.twips.top() > screen.twips.height() - placement.twips.height())
        placement.twips.moveTop(topCentred);
    return placement;
}

void save(qint16 state, const QRect& twips, Position position)
{
    using settingsfile::SaveIni;
    if (state == Normal) {
        if (position == Position::Known) {
            SaveIni(kSection, QStringLiteral("Left"), storable(twips.left()));
            SaveIni(kSection, QStringLiteral("Top"), storable(twips.top()));
        }
        SaveIni(kSection, QStringLiteral("Width"), storable(twips.width()));
        SaveIni(kSection, QStringLiteral("Height"), storable(twips.height()));
        SaveIni(kSection, QStringLiteral("Status"), settingsfile::numberText(Normal));
    } else if (state == Maximised) {
        SaveIni(kSection, QStringLiteral("Status"), settingsfile::numberText(Maximised));
    }
}

} // namespace windowplacement
