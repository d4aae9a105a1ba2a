#include "inifile.h"

#include "atomicfile.h"
#include "cachedinifile.h"
#include "cp1252.h"
#include "text.h"

#include <array>
#include <limits>

namespace {

using text::trimBlanks;

std::optional<QString> sectionNameOf(QStringView line)
{
    const QStringView trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    const QStringView name = close < 0 ? trimmed.sliced(1) : trimmed.sliced(1, close - 1);
    return trimBlanks(name).toString().toLower();
}

QString foldKey(QStringView name)
{
    return trimBlanks(name).toString().toLower();
}

QStringView endOf(IniDocument::LineEnd end)
{
    // In the order of LineEnd.
    constexpr std::array<QStringView, 4> kEnds = {u"", u"\r\n", u"\n", u"\r"};
    return kEnds[static_cast<std::size_t>(end)];
}

CachedIniFile& fileAt(const QString& path)
{
    static CachedIniFile file(profile::kLargestFile);
    if (file.path() != path)
        file.setPath(path);
    return file;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes)
{
    IniDocument document;
    const QString text = cp1252::decode(bytes);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView rest = QStringView(text).sliced(end);
        const LineEnd lineEnd = rest.startsWith(u"\r\n") ? LineEnd::CrLf
                                : rest.startsWith(u'\n') ? LineEnd::Lf
                                : rest.startsWith(u'\r') ? LineEnd::Cr
                                                         : LineEnd::None;
        document.lines_.append({text.mid(start, end - start), lineEnd});
        start = end + endOf(lineEnd).size();
    }
    document.rebuildIndex();
    return document;
}

QByteArray IniDocument::serialize() const
{
    QString text;
    for (const Line& line : lines_) {
        text += line.text;
        text += endOf(line.end);
    }
    return cp1252::encode(text);
}

IniDocument::LineEnd IniDocument::newLineEnd() const
{
    for (const Line& line : lines_) {
        if (line.end != LineEnd::None)
            return line.end;
    }
    return LineEnd::CrLf;
}

// The line before a new one gets a line end if it was the last and had none.
void IniDocument::insertLine(qsizetype at, const QString& text)
{
    const LineEnd end = newLineEnd();
    if (at > 0 && lines_[at - 1].end == LineEnd::None)
        lines_[at - 1].end = end;
    lines_.insert(at, {text, end});
}

void IniDocument::rebuildIndex()
{
    sections_.clear();
    Location* current = nullptr;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_[i].text;
        if (const auto name = sectionNameOf(line)) {
            // A repeated section is ignored: lookups and writes go to the first one.
            current = sections_.contains(*name) ? nullptr : &sections_[*name];
            if (current)
                current->sectionHeader = current->lastEntry = i;
            continue;
        }
        if (!current || trimBlanks(line).isEmpty())
            continue;
        current->lastEntry = i;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = foldKey(QStringView(line).first(equals));
        if (!current->keys.contains(key))
            current->keys.insert(key, i);
    }
}

QString IniDocument::cleanValue(QStringView raw)
{
    QStringView value = trimBlanks(raw);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const auto found = sections_.constFind(foldKey(section));
    if (found == sections_.cend())
        return std::nullopt;
    const auto line = found->keys.constFind(foldKey(key));
    if (line == found->keys.cend())
        return std::nullopt;
    const QString& text = lines_[*line].text;
    return cleanValue(QStringView(text).sliced(text.indexOf(u'=') + 1));
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    // A line break inside a value would split the line and corrupt the file.
    QString safeValue = value;
    safeValue.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = trimBlanks(key).toString() + u'=' + safeValue;

    const auto found = sections_.constFind(foldKey(section));
    if (found == sections_.cend()) {
        if (!lines_.isEmpty() && !trimBlanks(lines_.last().text).isEmpty())
            insertLine(lines_.size(), QString());
        insertLine(lines_.size(), u'[' + trimBlanks(section).toString() + u']');
        insertLine(lines_.size(), line);
    } else if (const auto existing = found->keys.constFind(foldKey(key));
               existing != found->keys.cend()) {
        lines_[*existing].text = line;
    } else {
        insertLine(found->lastEntry + 1, line);
    }
    rebuildIndex();
}

namespace profile {

qint64 parseLeadingInteger(QStringView text)
{
    text = trimBlanks(text);
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 10;
    qint64 number = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        if (number < limit)
            number = number * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -number : number;
}

QString readString(const QString& path, const QString& section, const QString& key,
                   const QString& fallback)
{
    return fileAt(path).document().value(section, key).value_or(trimBlanks(fallback).toString());
}

qint64 readInt(const QString& path, const QString& section, const QString& key, qint64 fallback)
{
    const auto text = fileAt(path).document().value(section, key);
    return text ? parseLeadingInteger(*text) : fallback;
}

bool writeString(const QString& path, const QString& section, const QString& key,
                 const QString& value)
{
    CachedIniFile& file = fileAt(path);
    // Written over, a file that could not be read would lose all it holds.
    if (!file.readable())
        return false;
    IniDocument document = file.document();
    document.setValue(section, key, value);
    const QByteArray bytes = document.serialize();
    regularfile::Signature written;
    if (atomicfile::write(path, bytes, &written) != atomicfile::Failure::None)
        return false;
    file.wrote(document, bytes, written);
    return true;
}

} // namespace profile
