#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// The program's own resources, addressed like the executable resources they stand
// in for: a type ("CUSTOM", "WAV", "BITMAP") and a number.
namespace resources {

QString pathOf(const QString& type, int id);
std::optional<QByteArray> load(const QString& type, int id);

// The pictures: numbered ones (":/BITMAP/101") and named ones of the window design
// (letter sheet, flags, symbols, icons: ":/pictures/letters.png"). Every picture the
// game shows is there also drawn at twice its size, for screens of device pixel
// ratio 2, under Qt's name for it: scale 2 reads ":/BITMAP/101@2x" and
// ":/pictures/letters@2x.png".
std::optional<QImage> bitmap(int id, int scale = 1);
std::optional<QImage> picture(const QString& name, int scale = 1);

} // namespace resources
