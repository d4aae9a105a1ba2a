#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's own resources, addressed like the executable resources they stand
// in for: a type ("CUSTOM", "WAV", "BITMAP") and a number.
namespace resources {

QString pathOf(const QString& type, int id);
std::optional<QByteArray> load(const QString& type, int id);

} // namespace resources
