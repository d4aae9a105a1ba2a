#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace uiart {

struct Picture
{
    QString fileName;
    std::function<QImage()> render;
};

// Every picture this tool makes, with the file name the game loads it by.
const std::vector<Picture>& catalogue();

// Renders the whole catalogue into `folder` (created if missing); lists failures on stderr.
bool writeCatalogue(const QString& folder);

// Whether `folder` holds every picture of the catalogue, readable and of the size it is made at;
// lists what is missing or wrong on stderr.
bool checkCatalogue(const QString& folder);

} // namespace uiart
