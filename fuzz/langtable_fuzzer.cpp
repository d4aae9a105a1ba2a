// Message lookup in a damaged language table: the table file in the private
// temporary folder is replaced by the input, and every message must read as the
// settings-file reader reads that key, cut to the longest text, never stale.

#include "files/inifile.h"
#include "frame/languagetable.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>

#include <cstdint>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qsizetype kLongestText = 254;
constexpr qsizetype kMostKeys = 48;

const QString& tablePath()
{
    static const QString path = [] {
        fuzz::programFolder();
        language::extractLanguageTable();
        return language::TempLanguageFile();
    }();
    return path;
}

// The reader keeps the parsed table while the file's size, inode and time stamp
// stay the same. Inputs follow each other faster than the clock ticks, so each
// one gets a time stamp of its own, as a real rewrite a moment later would.
void replaceTable(QByteArrayView bytes)
{
    static long long writes = 0;
    fuzz::writeBytes(tablePath(), bytes);
    const timespec times[2] = {{0, UTIME_OMIT}, {++writes, 0}};
    fuzz::check(::utimensat(AT_FDCWD, QFile::encodeName(tablePath()).constData(), times, 0) == 0,
                "cannot set the time stamp");
}

QList<int> keysToLookUp(const QString& text)
{
    QList<int> keys = {0, 100, 146, 166, 1100, 5166, 6349, 9999, 32767};
    static const QRegularExpression numbered(QStringLiteral("^[ \\t]*(\\d{1,5})[ \\t]*="),
                                             QRegularExpression::MultilineOption);
    for (auto match = numbered.globalMatch(text); match.hasNext() && keys.size() < kMostKeys;) {
        const int key = match.next().captured(1).toInt();
        if (key <= 32767)
            keys.append(key);
    }
    return keys;
}

QString keyText(int key)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04d", key);
    return QString::fromLatin1(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    replaceTable(bytes);
    const IniDocument expected = IniDocument::parse(bytes);
    for (const int key : keysToLookUp(QString::fromLatin1(bytes))) {
        const QString message = language::GetLang(static_cast<qint16>(key));
        const QString reading = expected.value(QStringLiteral("LANG"), keyText(key))
                                    .value_or(QString())
                                    .left(kLongestText);
        fuzz::check(message == reading, "message differs from the table",
                    keyText(key) + u'|' + message + u'|' + reading);
    }
    return 0;
}
