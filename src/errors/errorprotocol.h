#pragma once

#include "files/systeminfo.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// The error protocol: the text that describes one reported failure, as it goes
// to the running log, the saved protocol file, the printer and the clipboard.
namespace errorprotocol {

// The texts of the report window that the protocol repeats, as they stand.
struct WindowTexts
{
    QString errorFrameCaption;
    QString progInfoFrameCaption;
    QString progInfo;
    std::array<QString, 4> rowTitles;
    std::array<QString, 4> rowValues;
};

// Eighteen lines, each ending in CR LF.
QString build(const WindowTexts& texts, const QDateTime& now,
              const platform::SystemVersion& system);

// The program's name and version: "frostel  V6.1.601".
QString programInfo(const QString& baseName);

// The lines handed to the printer: the protocol with one more line end, each
// line word-wrapped at 73 characters with continuation lines indented by 20 blanks.
QStringList printerLines(const QString& protocol);

// The folder, a separator unless the folder already ends in one, the base name
// and the extension (".EPT" for the running log, ".ERR" for the saved protocol).
QString filePath(const QString& folder, const QString& baseName, const QString& extension);
// Both in the player's folder.
QString logFilePath();
QString protocolFilePath();

// Both add one more line end after the protocol and write Windows-1252 text.
// They report whether the text reached the disk; on a failure the file stays as
// it was. Neither writes through a link: a link at the name is replaced.
bool appendToLog(const QString& path, const QString& protocol);
bool writeProtocolFile(const QString& path, const QString& protocol);

} // namespace errorprotocol
