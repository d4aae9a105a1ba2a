#include "languagetable.h"

#include "errors/errorscope.h"
#include "files/atomicfile.h"
#include "files/cachedinifile.h"
#include "files/resources.h"
#include "files/tempdir.h"
#include "files/text.h"

#include <limits>

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
