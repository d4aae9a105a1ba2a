// The settings-file reader and writer: parse, look up, set one value, write,
// parse again. The value set must read back, every other key must read as it
// did before, and no other line may change. The same change through the file
// calls must give the same file.
//
// Input: section, key and value (each ended by a backslash and one more
// character), then the file.

#include "files/cp1252.h"
#include "files/inifile.h"
#include "fuzzsupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QList>

#include <cstdint>
#include <limits>
#include <optional>

namespace {

struct EntryName
{
    QString section;
    QString key;
};

QString folded(QStringView name)
{
    return fuzz::trimBlanks(name).toString().toLower();
}

bool sameEntry(const EntryName& a, const EntryName& b)
{
    return folded(a.section) == folded(b.section) && folded(a.key) == folded(b.key);
}

// Names as the program writes them: a single line in the file's code page, no
// "=" in a key, nothing that turns a key line into a section line, and no "]"
// inside a section name. Every other byte, the five codes without a character
// among them, stays in.
QString usableName(const std::string& raw, QStringView forbidden)
{
    QString name = cp1252::decode(QByteArray::fromStdString(raw));
    name.removeIf([&](QChar c) { return forbidden.contains(c); });
    return name;
}

// The lines of a file, each with its line end: CR LF, LF or CR alone.
QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        line += bytes[i];
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.append(line);
            line.clear();
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// Every "name=" line of the text under the section header above it; a rough
// reading is enough, since each one is only compared with itself.
QList<EntryName> namesIn(const QByteArray& file)
{
    constexpr qsizetype kMostNames = 64;
    QList<EntryName> names = {{QStringLiteral("Einstellungen"), QStringLiteral("Spieler1")},
                              {QStringLiteral("Window"), QStringLiteral("Width")}};
    QString section;
    for (QByteArray bytes : linesOf(file)) {
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        const QString decoded = cp1252::decode(bytes);
        const QStringView line(decoded);
        const QStringView trimmed = fuzz::trimBlanks(line);
        if (trimmed.startsWith(u'[')) {
            section = trimmed.sliced(1).split(u']').front().toString();
        } else if (const qsizetype equals = line.indexOf(u'='); equals >= 0) {
            names.append({section, line.first(equals).toString()});
            if (names.size() == kMostNames)
                break;
        }
    }
    return names;
}

QList<std::optional<QString>> valuesOf(const IniDocument& document, const QList<EntryName>& names)
{
    QList<std::optional<QString>> values;
    for (const EntryName& name : names)
        values.append(document.value(name.section, name.key));
    return values;
}

// What a value reads as once written: one line, trimmed, one pair of enclosing
// quotes removed.
QString expectedReading(const QString& written)
{
    QString line = fuzz::throughCodePage(written);
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    QStringView value = fuzz::trimBlanks(line);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

// The leading number computed without the reader's code: exact up to a bound
// far above any 16-bit value, and at least that bound beyond it.
void checkLeadingInteger(const QString& text)
{
    constexpr qint64 bound = std::numeric_limits<qint64>::max() / 10 - 10;
    const qint64 read = profile::parseLeadingInteger(text);
    QStringView rest = fuzz::trimBlanks(text);
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = rest.sliced(1);
    qint64 magnitude = 0;
    bool huge = false;
    for (const QChar c : rest) {
        if (c < u'0' || c > u'9')
            break;
        if (magnitude >= bound) {
            huge = true;
            break;
        }
        magnitude = magnitude * 10 + (c.unicode() - u'0');
    }
    huge = huge || magnitude >= bound;
    const qint64 absolute = read < 0 ? -read : read;
    if (huge)
        fuzz::check(absolute >= bound && (read < 0) == negative, "huge leading number", text);
    else
        fuzz::check(read == (negative ? -magnitude : magnitude), "leading number", text);
}

// A write changes one line, adds one to its section, or adds the section (and
// a blank line before it) at the end; every other line stays as it was, line
// end and all, except that a last line without one gets one when a line is
// added after it.
void checkOnlyOneEntryChanged(const QByteArray& before, const QByteArray& after)
{
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const qsizetype removed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix;
    const bool lineEndAdded = removed == 1 && !old[prefix].endsWith('\n') &&
                              !old[prefix].endsWith('\r') && now[prefix].startsWith(old[prefix]);
    const bool appendedAtTheEnd = (removed == 0 || lineEndAdded) && suffix == 0 && added <= 4;
    fuzz::check(removed <= 1 && (added <= 1 || appendedAtTheEnd), "the write touched other lines");
}

void checkFileCalls(const QByteArray& file, const EntryName& name, const QString& value,
                    const QByteArray& expectedFile, const QString& expected)
{
    static const QString path = fuzz::programFolder() + QStringLiteral("/Fuzz.ini");
    fuzz::writeBytes(path, file);
    fuzz::check(profile::writeString(path, name.section, name.key, value), "writeString failed");
    QFile written(path);
    fuzz::check(written.open(QIODevice::ReadOnly) && written.readAll() == expectedFile,
                "the file calls write another file");
    fuzz::check(profile::readString(path, name.section, name.key, QStringLiteral("-")) == expected,
                "readString");
    fuzz::check(profile::readInt(path, name.section, name.key, -7) ==
                    profile::parseLeadingInteger(expected),
                "readInt");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const EntryName target{usableName(input.ConsumeRandomLengthString(40), u"\r\n]"),
                           usableName(input.ConsumeRandomLengthString(40), u"\r\n=[")};
    const QString value =
        cp1252::decode(QByteArray::fromStdString(input.ConsumeRandomLengthString(400)));
    const QByteArray raw = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    // Reading and writing again gives every byte back, line ends included.
    const QByteArray& file = raw;
    fuzz::check(IniDocument::parse(file).serialize() == file, "writing changed a byte");

    IniDocument document = IniDocument::parse(file);
    QList<EntryName> names = namesIn(file);
    names.removeIf([&](const EntryName& name) { return sameEntry(name, target); });
    const auto before = valuesOf(document, names);
    for (const auto& text : before) {
        if (text)
            checkLeadingInteger(*text);
    }

    document.setValue(target.section, target.key, value);
    const QByteArray changed = document.serialize();
    checkOnlyOneEntryChanged(file, changed);
    const IniDocument reread = IniDocument::parse(changed);
    const QString expected = expectedReading(value);
    const auto readBack = reread.value(target.section, target.key);
    fuzz::check(readBack == expected, "the value set does not read back",
                readBack.value_or(QStringLiteral("<missing>")) + u'|' + expected);
    fuzz::check(valuesOf(reread, names) == before, "another key changed");
    checkLeadingInteger(expected);
    checkFileCalls(file, target, value, changed, expected);
    return 0;
}
