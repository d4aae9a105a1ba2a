#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace uiart {

struct Picture
{
    QString fileName;
    // Draws the picture `scale` times its size.
    std::function<QImage(int scale)> render;
    // What the game shows comes also drawn at twice the size, for screens of device pixel ratio 2.
    bool doubled = false;
};

// The name of a picture file at twice the size: "letters.png" -> "letters@2x.png", as Qt names
// the pictures for device pixel ratio 2.
QString doubleSizeName(const QString& fileName);

// Every picture this tool makes, with the file name the game loads it by.
const std::vector<Picture>& catalogue();

// The program icon at every size of the icon theme, "frostel-16.png" to "frostel-256.png". The
// desktop installs them; the game itself does not load them.
const std::vector<Picture>& iconCatalogue();

// Renders the pictures into `folder` (created if missing), the doubled ones also at twice the
// size; lists failures on stderr.
bool writePictures(const std::vector<Picture>& pictures, const QString& folder);
inline bool writeCatalogue(const QString& folder)
{
    return writePictures(catalogue(), folder);
}

// Whether `folder` holds every one of the pictures, readable and of the size it is made at, and
// each doubled one also at exactly twice that size; lists what is missing or wrong on stderr.
bool checkPictures(const std::vector<Picture>& pictures, const QString& folder);
inline bool checkCatalogue(const QString& folder)
{
    return checkPictures(catalogue(), folder);
}

} // namespace uiart
