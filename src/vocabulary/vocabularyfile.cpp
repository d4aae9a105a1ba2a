#include "vocabularyfile.h"

#include "errors/errorscope.h"
#include "files/atomicfile.h"
#include "files/cp1252.h"
#include "files/programdir.h"
#include "files/regularfile.h"
#include "files/text.h"
#include "files/userfolder.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace vocabularyfile {

namespace {

constexpr int kDefaultFileMessage = 146;
constexpr int kLanguageFolderMessage = 166;

using text::isBlank;
using text::withoutTrailingBlanks;

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

qsizetype lengthWithoutBlanks(QStringView entry)
{
    return text::trimBlanks(entry).size();
}

// Hands each entry of one line (without its line end) to `visit`; false when
// `visit` asked to stop.
template <typename Visit>
bool visitLineEntries(QStringView line, Visit& visit)
{
    qsizetype pos = 0;
    for (;;) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        qsizetype comma;
        if (pos < line.size() && line[pos] == u'"') {
            const qsizetype closing = line.indexOf(u'"', pos + 1);
            if (closing < 0)
                return visit(line.mid(pos + 1));
            if (!visit(line.mid(pos + 1, closing - pos - 1)))
                return false;
            // Whatever stands between the closing quote and the comma is dropped.
            comma = line.indexOf(u',', closing + 1);
        } else {
            comma = line.indexOf(u',', pos);
            const qsizetype fieldEnd = comma < 0 ? line.size() : comma;
            if (!visit(withoutTrailingBlanks(line.mid(pos, fieldEnd - pos))))
                return false;
        }
        if (comma < 0)
            return true;
        pos = comma + 1;
    }
}

// Hands every entry of the text to `visit(QStringView) -> bool` until it returns false.
template <typename Visit>
void visitEntries(QStringView text, Visit&& visit)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype lineEnd = pos;
        while (lineEnd < text.size() && !isLineEnd(text[lineEnd]))
            ++lineEnd;
        if (!visitLineEntries(text.mid(pos, lineEnd - pos), visit))
            return;
        pos = lineEnd + 1;
        if (lineEnd + 1 < text.size() && text[lineEnd] == u'\r' && text[lineEnd + 1] == u'\n')
            ++pos;
    }
}

qsizetype expectedEntryCount(QStringView text)
{
    return std::min<qsizetype>(kMaxEntries, std::count(text.begin(), text.end(), u'\n') + 1);
}

// A letter whose capital has no Windows-1252 code (the micro sign) stays as it is.
QChar capitalOf(QChar c)
{
    if (c.unicode() < 0x80)
        return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 0x20) : c;
    const QChar upper = c.toUpper();
    return upper.unicode() < 0x100 || cp1252::canEncode(QString(upper)) ? upper : c;
}

// Capitals as the Windows-1252 locale makes them, with the sharp s, which has
// no capital there, as "SS".
QString toPlayCapitals(QStringView entry)
{
    const auto sharpS = std::count(entry.begin(), entry.end(), u'ß');
    QString capitals(entry.size() + sharpS, Qt::Uninitialized);
    QChar* out = capitals.data();
    for (const QChar c : entry) {
        if (c == u'ß') {
            *out++ = u'S';
            *out++ = u'S';
        } else {
            *out++ = capitalOf(c);
        }
    }
    return capitals;
}

RunTimeError errorFor(regularfile::Failure failure)
{
    switch (failure) {
    case regularfile::Failure::NoFolder:
        return RunTimeError(RunTimeError::PathNotFound);
    case regularfile::Failure::NoFile:
        return RunTimeError(RunTimeError::FileNotFound);
    case regularfile::Failure::DiskFull:
        return RunTimeError(RunTimeError::DiskFull);
    default:
        // Also a link where no link is followed, a FIFO or a device, and a file
        // too large to be a vocabulary: none of them is read.
        return RunTimeError(RunTimeError::PathFileAccessError);
    }
}

QByteArray readWholeFile(const QString& path, regularfile::Links links)
{
    regularfile::Contents contents = regularfile::read(path, kLargestFile, links);
    if (contents.failure != regularfile::Failure::None)
        throw errorFor(contents.failure);
    return std::move(contents.bytes);
}

// The new text goes to a temporary file beside the old one and replaces it only
// when complete, so a failure at any point leaves the old file untouched. The
// language folder is never created here.
void replaceFile(const QString& path, const QByteArray& bytes)
{
    if (const auto failure = atomicfile::write(path, bytes); failure != atomicfile::Failure::None)
        throw errorFor(failure);
}

// A plain entry reads back as it was written unless it holds a comma or has
// blanks at an end; those are quoted. The format has no way to quote a double
// quote, and neither reader nor the entry box gives an entry that holds one and
// needs quotes, so such an entry is written as it is.
QString asWritten(const QString& entry)
{
    const bool needsQuotes =
        entry.contains(u',') ||
        (!entry.isEmpty() && (isBlank(entry.front()) || isBlank(entry.back())));
    if (!needsQuotes || entry.contains(u'"'))
        return entry;
    return u'"' + entry + u'"';
}

QByteArray fileText(const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries) {
        text.append(asWritten(entry));
        text.append(u"\r\n");
    }
    return cp1252::encode(text);
}

// Returns false when the list is full. Ignore would only meet the same full list
// at every later entry, so it ends the read as well.
bool appendWithinLimit(ErrorScope& scope, QStringList& entries, const QString& entry)
{
    return scope.attempt([&] {
        if (entries.size() >= kMaxEntries)
            throw RunTimeError(RunTimeError::Overflow);
        entries.append(entry);
        return true;
    });
}

// Language folder / file name; a name that could leave the folder gives the
// language's default file.
QString pathInLanguageFolder(qint16 languageOffset, const QString& datei)
{
    const QString fileName =
        isPlainFileName(datei) ? datei : language::text(kDefaultFileMessage, languageOffset);
    return language::text(kLanguageFolderMessage, languageOffset) + u'/' + fileName;
}

QString defaultFileName()
{
    return language::text(kDefaultFileMessage);
}

// The path the game reads; Datei falls back to the default when it names no file.
QString settlePlayPath()
{
    QString& datei = settings().Datei;
    const qint16 offset = language::LanguageOffset();
    if (!isPlainFileName(datei) || !QFileInfo(resolvePath(offset, datei)).isFile())
        datei = defaultFileName();
    return resolvePath(offset, datei);
}

void fillForPlay(ErrorScope& scope, qint16 minLen, PlayEntries& result)
{
    const QString path = settlePlayPath();
    const std::optional<QByteArray> bytes = scope.attempt(
        [&] { return std::optional<QByteArray>(readWholeFile(path, regularfile::Links::Follow)); });
    if (!bytes)
        return; // Ignore: nothing read, as from a file without usable entries
    if (bytes->isEmpty()) {
        result.emptyFile = true;
        return;
    }
    const QString text = cp1252::decode(*bytes);
    result.entries.reserve(expectedEntryCount(text));
    visitEntries(text, [&](QStringView entry) {
        if (lengthWithoutBlanks(entry) < minLen)
            return true;
        return appendWithinLimit(scope, result.entries, toPlayCapitals(entry));
    });
}

} // namespace

bool isPlainFileName(const QString& datei)
{
    return !datei.isEmpty() && datei != u"." && !datei.contains(u'/') && !datei.contains(u'\\') &&
           !datei.contains(u"..") && !datei.contains(QChar(u'\0'));
}

QString resolvePath(qint16 languageOffset, const QString& datei)
{
    const QString inLanguageFolder = pathInLanguageFolder(languageOffset, datei);
    const QString own = userfolder::path() + u'/' + inLanguageFolder;
    if (QFileInfo::exists(own))
        return own;
    return programdir::path() + u'/' + inLanguageFolder;
}

QString savePath(qint16 languageOffset, const QString& datei)
{
    return userfolder::path() + u'/' + pathInLanguageFolder(languageOffset, datei);
}

QStringList fileNames(qint16 languageOffset)
{
    const QString languageFolder = language::text(kLanguageFolderMessage, languageOffset);
    QStringList names;
    for (const QString& folder : {userfolder::path(), programdir::path()}) {
        names +=
            QDir(folder + u'/' + languageFolder)
                .entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    }
    names.removeDuplicates();
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString fileInUse(qint16 languageOffset, const QString& datei)
{
    const auto isFile = [&](const QString& name) {
        return isPlainFileName(name) && QFileInfo(resolvePath(languageOffset, name)).isFile();
    };
    if (isFile(datei))
        return datei;
    const QString fallback = language::text(kDefaultFileMessage, languageOffset);
    return isFile(fallback) ? fallback : QString();
}

bool languageFolderExists(qint16 languageOffset)
{
    const QString languageFolder = language::text(kLanguageFolderMessage, languageOffset);
    return QFileInfo(userfolder::path() + u'/' + languageFolder).isDir() ||
           QFileInfo(programdir::path() + u'/' + languageFolder).isDir();
}

QStringList splitEntries(QStringView text)
{
    QStringList entries;
    visitEntries(text, [&entries](QStringView entry) {
        entries.append(entry.toString());
        return true;
    });
    return entries;
}

PlayEntries readForPlay(qint16 minLen, Caller caller)
{
    PlayEntries result;
    bool completed = false;
    ErrorScope::run(caller.module, caller.procedure, [&](ErrorScope& scope) {
        fillForPlay(scope, minLen, result);
        completed = true;
    });
    result.cancelled = !completed;
    return result;
}

EditEntries readForEditing(Caller caller)
{
    EditEntries result;
    ErrorScope::run(caller.module, caller.procedure, [&](ErrorScope& scope) {
        QString& datei = settings().Datei;
        if (!isPlainFileName(datei))
            datei = defaultFileName();
        const QString path = resolvePath(language::LanguageOffset(), datei);
        // The editor writes this file again: a link at its name is not read.
        const QByteArray bytes = scope.attempt([&] {
            regularfile::Contents contents =
                regularfile::read(path, kLargestFile, regularfile::Links::DoNotFollow);
            using regularfile::Failure;
            const Failure failure = contents.failure;
            // A folder, FIFO or device at the name is never written over anyway.
            result.unreadable = failure == Failure::IsLink || failure == Failure::TooLarge ||
                                failure == Failure::Denied || failure == Failure::Failed;
            if (failure != Failure::None)
                throw errorFor(failure);
            return std::move(contents.bytes);
        });
        const QString text = cp1252::decode(bytes);
        result.entries.reserve(expectedEntryCount(text));
        visitEntries(text, [&](QStringView entry) {
            if (lengthWithoutBlanks(entry) == 0)
                return true;
            if (result.entries.size() == kMaxEntries) {
                result.beyondLimit.append(entry.toString());
                return true;
            }
            QString spelled = entry.toString();
            spelled.replace(QChar(u'ß'), QStringLiteral("ss"));
            result.entries.append(spelled);
            return true;
        });
        if (!result.beyondLimit.isEmpty())
            scope.attempt([] { throw RunTimeError(RunTimeError::Overflow); });
    });
    return result;
}

bool write(const QStringList& entries, Caller caller)
{
    bool written = false;
    ErrorScope::run(caller.module, caller.procedure, [&](ErrorScope& scope) {
        const QString& datei = settings().Datei;
        // A name that reaches outside the language folder is refused rather than
        // redirected, so saving never overwrites a file the user did not name.
        if (!datei.isEmpty() && !isPlainFileName(datei))
            throw RunTimeError(RunTimeError::BadFileNameOrNumber);
        const QString path = savePath(language::LanguageOffset(), datei);
        const QByteArray bytes = fileText(entries);
        // The program folder comes with its language folders; the player's
        // folder gets each with the first vocabulary saved in that language.
        if (!userfolder::inProgramFolder())
            QDir().mkdir(QFileInfo(path).path());
        scope.attempt([&] {
            replaceFile(path, bytes);
            written = true;
        });
    });
    return written;
}

} // namespace vocabularyfile
