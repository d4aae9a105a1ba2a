#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// An initialisation file held as its lines, each with its own line end, so that
// a write changes the bytes of one entry and keeps every other line, comment,
// blank line and line end exactly as it was. CR LF, LF and a lone CR all end a
// line. Section and key names match without regard to case; the first match wins.
class IniDocument
{
public:
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    // The value with surrounding blanks and tabs removed (and one pair of
    // enclosing quotes), or nothing when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Replaces the key's line in place, appends a missing key to its section and
    // a missing section to the end. New lines end as the file's first line does
    // (CR LF in a file that has none).
    void setValue(const QString& section, const QString& key, const QString& value);

    enum class LineEnd : quint8
    {
        None, // the last line of a file that does not end in a line end
        CrLf,
        Lf,
        Cr
    };

private:
    struct Line
    {
        QString text; // without its line end, so never holding a CR or an LF
        LineEnd end = LineEnd::CrLf;
    };

    struct Location
    {
        qsizetype sectionHeader = -1; // line of the section's header
        qsizetype lastEntry = -1;     // last non-blank line inside the section
        QHash<QString, qsizetype> keys;
    };

    void rebuildIndex();
    void insertLine(qsizetype at, const QString& text);
    LineEnd newLineEnd() const;
    static QString cleanValue(QStringView raw);

    QList<Line> lines_;
    QHash<QString, Location> sections_;
};

// The three profile calls. Every call sees the file as it stands (another program
// may change it between two calls), but the file is read again only when it has
// changed. A link at the name reads as no file and is replaced by the next write;
// a file that cannot be read (no access, not a regular file, larger than
// kLargestFile) reads as empty, and a write leaves it as it is. Every write is
// atomic: a crash or a full disk leaves the previous file whole.
namespace profile {

// Far above any real settings file, which holds a few kilobytes.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

QString readString(const QString& path, const QString& section, const QString& key,
                   const QString& fallback);

// The leading whole number of the value ("-1", " 4", "12abc" gives 12); a value that
// does not start with a number reads as 0; a missing key gives the fallback.
qint64 readInt(const QString& path, const QString& section, const QString& key, qint64 fallback);

// False when the file was not written.
bool writeString(const QString& path, const QString& section, const QString& key,
                 const QString& value);

qint64 parseLeadingInteger(QStringView text);

} // namespace profile
