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
std::optional<QImage> bitmap(int id);

// Named pictures of the window design (letter sheet, flags, symbols, icons).
std::optional<QImage> picture(const QString& name);

} // namespace resources
