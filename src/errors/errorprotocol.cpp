#include "errorprotocol.h"

#include "files/atomicfile.h"
#include "files/cp1252.h"
#include "files/programdir.h"
#include "files/userfolder.h"

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QString rule = QString(70, u'-');
const QString ten = QString(10, u' ');
const QString tab = QStringLiteral("\t");

constexpr int printerWidth = 73;
constexpr int continuationIndent = 20;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString dateAndTime(const QDateTime& now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    return twoDigits(date.month()) + u'-' + twoDigits(date.day()) + u'-' +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) + QStringLiteral(" / ") +
           twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' +
           twoDigits(time.second());
}

// A line with one blank appended, cut into words that each end in their blank;
// only blanks split, so a tab stays inside its word.
void wrapLine(const QString& line, QStringList& out)
{
    const QString text = line + u' ';
    QString gathered;
    int count = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype blank = text.indexOf(u' ', start);
        const QString word = text.mid(start, blank - start + 1);
        start = blank + 1;
        count += static_cast<int>(word.size());
        if (count > printerWidth) {
            if (!gathered.isEmpty())
                out.append(gathered);
            gathered = QString(continuationIndent, u' ');
            count = static_cast<int>(word.size());
        }
        gathered += word;
    }
    if (!gathered.isEmpty())
        out.append(gathered);
}

} // namespace

namespace errorprotocol {

QString build(const WindowTexts& texts, const QDateTime& now, const platform::SystemVersion& system)
{
    QStringList lines;
    lines << rule
          << QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L")
          << rule << texts.progInfoFrameCaption.toUpper() << ten + texts.progInfo << rule
          << texts.errorFrameCaption.toUpper();
    for (std::size_t row = 0; row < texts.rowTitles.size(); ++row)
        lines << ten + texts.rowTitles[row] + tab + texts.rowValues[row];
    lines << ten + QStringLiteral("Datum/Uhrzeit (Date/Time):") + tab + dateAndTime(now) << rule
          << QStringLiteral("SYSTEMINFO:")
          << ten + QStringLiteral("Plattform/Environment:") + tab + system.platform
          << ten + QStringLiteral("Version:") + tab + system.version
          << ten + QStringLiteral("Build:") + tab + system.build << rule;
    return lines.join(lineEnd) + lineEnd;
}

QString programInfo(const QString& baseName)
{
    return baseName + QStringLiteral("  V%1.%2.%3")
                          .arg(FROSTEL_VERSION_MAJOR)
                          .arg(FROSTEL_VERSION_MINOR)
                          .arg(FROSTEL_VERSION_REVISION);
}

QStringList printerLines(const QString& protocol)
{
    const QString text = protocol + lineEnd;
    QStringList out;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(lineEnd, start);
        if (end < 0)
            end = text.size();
        wrapLine(text.mid(start, end - start), out);
        start = end + lineEnd.size();
    }
    return out;
}

QString filePath(const QString& folder, const QString& baseName, const QString& extension)
{
    const QString separated = folder.endsWith(u'/') ? folder : folder + u'/';
    return separated + baseName + extension;
}

QString logFilePath()
{
    return filePath(userfolder::path(), programdir::baseName(), QStringLiteral(".EPT"));
}

QString protocolFilePath()
{
    return filePath(userfolder::path(), programdir::baseName(), QStringLiteral(".ERR"));
}

bool appendToLog(const QString& path, const QString& protocol)
{
    return atomicfile::append(path, cp1252::encode(protocol + lineEnd)) ==
           atomicfile::Failure::None;
}

bool writeProtocolFile(const QString& path, const QString& protocol)
{
    return atomicfile::write(path, cp1252::encode(protocol + lineEnd)) == atomicfile::Failure::None;
}

} // namespace errorprotocol
