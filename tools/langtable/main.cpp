// Packs the per-language message files (UTF-8, "NNN=text" lines) into the
// program's language table: Windows-1252, CR LF, one "[lang]" section with
// four-digit keys (language index and message number), each value followed by a
// TAB, and a NUL after the last line.

#include "files/cp1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kLongestText = 59;

std::optional<QMap<int, QString>> readMessages(const QString& path, QTextStream& errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << path << ": cannot be read\n";
        return std::nullopt;
    }
    static const QRegularExpression entry(QStringLiteral("^(\\d{3})=(.*)$"));
    QMap<int, QString> messages;
    bool valid = true;
    int lineNumber = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto match = entry.match(line);
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(lineNumber);
        if (!match.hasMatch()) {
            errors << where << "not a message line\n";
            valid = false;
            continue;
        }
        const int number = match.captured(1).toInt();
        const QString text = match.captured(2);
        if (number < 100 || messages.contains(number)) {
            errors << where << "message number out of range or repeated\n";
            valid = false;
        } else if (!cp1252::canEncode(text) || text.contains(u'\r') || text.size() > kLongestText) {
            errors << where << "text not in Windows-1252, holds a line break or is too long\n";
            valid = false;
        }
        messages.insert(number, text);
    }
    return valid ? std::optional(messages) : std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 9) {
        errors << "usage: langtable OUTPUT de.txt en.txt sv.txt it.txt pt.txt es.txt fr.txt\n";
        return 2;
    }

    QByteArray table = "[lang]\r\n";
    for (int language = 0; language < 7; ++language) {
        const auto messages = readMessages(arguments[2 + language], errors);
        if (!messages)
            return 1;
        for (auto it = messages->cbegin(); it != messages->cend(); ++it) {
            const QString key =
                QStringLiteral("%1").arg(language * 1000 + it.key(), 4, 10, QChar(u'0'));
            table += cp1252::encode(key + u'=' + it.value() + u'\t') + "\r\n";
        }
    }
    table += '\0';

    QSaveFile output(arguments[1]);
    if (!output.open(QIODevice::WriteOnly) || output.write(table) != table.size() ||
        !output.commit()) {
        errors << arguments[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
