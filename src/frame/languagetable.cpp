#include "languagetable.h"

#include "errors/errorscope.h"
#include "files/atomicfile.h"
#include "files/cachedinifile.h"
#include "files/resources.h"
#include "files/tempdir.h"
#include "files/text.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <limits>
#include <memory>

namespace language {

namespace {

constexpr int kLanguageTableId = 1000;
constexpr int kLongestText = 254;
// The table as built holds some 15 KB; a file far larger is not ours.
constexpr qint64 kLargestTable = 1024 * 1024;

QString& languageFilePath()
{
    static QString path;
    return path;
}

// A FIFO, a folder or a file this user may not read or write at the usual
// name is no place for the table; a link there is replaced.
bool canTakeTheTable(const QString& path)
{
    const QFileInfo standing(path);
    return standing.isSymLink() || !standing.exists() ||
           (standing.isFile() && standing.isReadable() && standing.isWritable());
}

// A name of this run beside the usual one; the file goes at the run's end.
QString nameOfThisRun(const QString& folder)
{
    static std::unique_ptr<QTemporaryFile> file;
    file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("~tmp-XXXXXX.lng"));
    return file->open() ? file->fileName() : QString();
}

CachedIniFile& table()
{
    static CachedIniFile file(kLargestTable);
    if (file.path() != languageFilePath())
        file.setPath(languageFilePath());
    return file;
}

} // namespace

qint16& LanguageOffset()
{
    static qint16 offset = 0;
    return offset;
}

const QString& TempLanguageFile()
{
    return languageFilePath();
}

QString GetTempDir()
{
    QString folder;
    ErrorScope::run(modules::Allgemein, "GetTempDir",
                    [&] { folder = TrimNull(platform::privateTempDir()); });
    return folder;
}

QString TrimNull(const QString& s)
{
    QString trimmed;
    ErrorScope::run(modules::Allgemein, "TrimNull", [&] { trimmed = text::upToNul(s); });
    return trimmed;
}

int WriteResourceToFile(qint16 id, const QString& type, const QString& path)
{
    ErrorScope::run(modules::ModResFiles, "WriteResourceToFile", [&](ErrorScope& scope) {
        const QByteArray bytes = scope.attempt([&] {
            const auto resource = resources::load(type, id);
            if (!resource)
                throw RunTimeError(RunTimeError::ResourceNotFound);
            return *resource;
        });
        scope.attempt([&] {
            if (atomicfile::write(path, bytes) != atomicfile::Failure::None)
                throw RunTimeError(RunTimeError::PathFileAccessError);
        });
    });
    return 0;
}

void extractLanguageTable()
{
    const QString folder = GetTempDir();
    // Without a private folder there is no safe place for the table: every text is
    // then empty, as for a table that cannot be read.
    languageFilePath() = folder.isEmpty() ? QString() : folder + QStringLiteral("~tmp.lng");
    if (!languageFilePath().isEmpty() && !canTakeTheTable(languageFilePath()))
        languageFilePath() = nameOfThisRun(folder);
    if (!languageFilePath().isEmpty())
        WriteResourceToFile(kLanguageTableId, QStringLiteral("CUSTOM"), languageFilePath());
}

QString GetLang(qint16 n)
{
    QString text;
    ErrorScope::run(modules::Allgemein, "GetLang", [&] {
        const QString key = QStringLiteral("%1").arg(n, 4, 10, QChar(u'0'));
        const auto value = table().document().value(QStringLiteral("Lang"), key);
        if (value)
            text = value->left(kLongestText);
    });
    return text;
}

QString text(int number, qint16 languageOffset)
{
    // A hand-edited language offset can push the key out of range: no such text.
    const int key = languageOffset + number;
    return key > std::numeric_limits<qint16>::max() ? QString() : GetLang(static_cast<qint16>(key));
}

QString text(int number)
{
    return text(number, LanguageOffset());
}

} // namespace language
