// The vocabulary readers over a damaged file: the game's list and the editor's
// list must both be the file's entries (as the entry splitter finds them),
// filtered and spelled as each promises, and only a list past the limit is an
// error. What the editor saves reads back the same.
//
// Input: the file, then one control byte: bits 0-3 the shortest entry, bit 4
// Ignore instead of Cancel for reported errors, bit 5 Spanish instead of
// German, bit 6 a file name that must fall back to the default. (A list past
// the limit needs a file of more than 32767 entries; the unit tests read one,
// here it would slow every other input down.)

#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"
#include "fuzzsupport.h"
#include "vocabulary/vocabularyfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kDefaultFileMessage = 146;
constexpr int kLanguageFolderMessage = 166;

struct Language
{
    qint16 offset;
    QString file; // the default vocabulary file, where the input goes
};

// The table goes in place once; both languages get their folder.
Language languageFor(bool spanish)
{
    static const QList<Language> languages = [] {
        const QString& program = fuzz::programFolder();
        language::extractLanguageTable();
        QList<Language> all;
        for (const qint16 offset : {0, 5000}) {
            const QString folder = language::GetLang(offset + kLanguageFolderMessage);
            const QString file = language::GetLang(offset + kDefaultFileMessage);
            fuzz::check(!folder.isEmpty() && !file.isEmpty(), "the table lacks a language");
            QDir(program).mkpath(folder);
            all.append({offset, program + u'/' + folder + u'/' + file});
        }
        return all;
    }();
    return languages[spanish ? 1 : 0];
}

qsizetype trimmedLength(const QString& entry)
{
    return fuzz::trimBlanks(entry).size();
}

// The entries as the file format describes them, found another way than the
// reader finds them: lines at any kind of line end, then fields by pattern.
QStringList referenceEntries(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    // A quoted field up to its closing quote (the rest up to the comma dropped),
    // an unclosed one to the end of the line, or a plain one without its blanks.
    static const QRegularExpression field(
        QStringLiteral("[ \t]*(?:\"([^\"]*)\"[^,]*|\"([^\"]*)$|([^,]*?)[ \t]*)(,|$)"));
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast(); // a line end closes the last line; it opens no new one
    QStringList entries;
    for (const QString& line : lines) {
        for (qsizetype pos = 0;;) {
            const QRegularExpressionMatch match =
                field.match(line, pos, QRegularExpression::NormalMatch,
                            QRegularExpression::AnchorAtOffsetMatchOption);
            fuzz::check(match.hasMatch(), "the reference pattern failed", line);
            entries.append(match.captured(1) + match.captured(2) + match.captured(3));
            if (match.captured(4).isEmpty())
                break;
            pos = match.capturedEnd();
        }
    }
    return entries;
}

// Returns how many entries the game takes before the limit.
qsizetype checkPlayList(const QStringList& entries, int minLen, const QStringList& played)
{
    QStringList kept;
    for (const QString& entry : entries) {
        if (trimmedLength(entry) >= minLen)
            kept.append(entry);
    }
    fuzz::check(played.size() == std::min(kept.size(), vocabularyfile::kMaxEntries),
                "the game's list has another length");
    for (qsizetype i = 0; i < played.size(); ++i) {
        const QString& source = kept[i];
        fuzz::check(played[i].size() == source.size() + source.count(u'ß'),
                    "a played entry has another length", source + u'|' + played[i]);
        const bool ascii =
            std::all_of(source.begin(), source.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii)
            fuzz::check(played[i] == source.toUpper(), "not in capitals", played[i]);
        fuzz::check(cp1252::canEncode(played[i]) || !cp1252::canEncode(source),
                    "a capital the file cannot hold", played[i]);
    }
    return kept.size();
}

// Returns how many entries the editor takes before the limit.
qsizetype checkEditList(const QStringList& entries, const QStringList& edited)
{
    QStringList expected;
    for (const QString& entry : entries) {
        if (trimmedLength(entry) > 0)
            expected.append(QString(entry).replace(QChar(u'ß'), QStringLiteral("ss")));
    }
    fuzz::check(edited == expected.first(std::min(expected.size(), vocabularyfile::kMaxEntries)),
                "the editor's list differs");
    return expected.size();
}

// The editor saves what it read, the entries past the list's limit included, and
// the saved file reads back the same: commas, quotes, blanks at the ends and the
// five codes without a character come through.
void checkSaving(const vocabularyfile::EditEntries& edited)
{
    fuzz::check(vocabularyfile::write(edited.entries + edited.beyondLimit),
                "the editor's list was not saved");
    const vocabularyfile::EditEntries reread = vocabularyfile::readForEditing();
    fuzz::check(reread.entries == edited.entries && reread.beyondLimit == edited.beyondLimit,
                "a saved list reads otherwise", edited.entries.join(u'|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto control = input.ConsumeIntegral<uint8_t>();
    const QByteArray bytes = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());
    const int minLen = control & 0x0F;
    const ErrorChoice answer = control & 0x10 ? ErrorChoice::Ignore : ErrorChoice::Cancel;
    fuzz::answerErrorsWith(answer);
    const Language current = languageFor(control & 0x20);

    const QString text = cp1252::decode(bytes);
    const QStringList entries = vocabularyfile::splitEntries(text);
    fuzz::check(entries == referenceEntries(text), "the entries are split otherwise");

    fuzz::writeBytes(current.file, bytes);
    language::LanguageOffset() = current.offset;
    const QString fallbackName = control & 0x40 ? QStringLiteral("../x.dat") : QString();
    const int reportsBefore = fuzz::reportCount();

    settings().Datei = fallbackName;
    const vocabularyfile::PlayEntries played = vocabularyfile::readForPlay(minLen);
    fuzz::check(played.emptyFile == bytes.isEmpty(), "empty file");
    const bool playOverflows =
        checkPlayList(entries, minLen, played.entries) > vocabularyfile::kMaxEntries;
    fuzz::check(played.cancelled == (playOverflows && answer == ErrorChoice::Cancel),
                "cancelled without a reason");

    settings().Datei = fallbackName;
    const vocabularyfile::EditEntries edited = vocabularyfile::readForEditing();
    const bool editOverflows = checkEditList(entries, edited.entries) > vocabularyfile::kMaxEntries;
    // Only a list past the limit is an error, once for each reader.
    fuzz::check(fuzz::reportCount() - reportsBefore == int(playOverflows) + int(editOverflows),
                "an error was reported, or none");
    checkSaving(edited);
    return 0;
}
