#include "vocabulary/vocabularyfile.h"

#include "benchsupport.h"

#include "files/cp1252.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

// A full list's worth of lower-case entries with accents, sharp s, phrases and
// the odd comma-separated or quoted line, so every rule of the reader is paid for.
QByteArray fullVocabulary()
{
    QString text;
    for (int i = 0; i < vocabularyfile::kMaxEntries; ++i) {
        switch (i % 4) {
        case 0:
            text += QStringLiteral("straße %1\r\n").arg(i);
            break;
        case 1:
            text += QStringLiteral("  éclair numéro %1  \r\n").arg(i);
            break;
        case 2:
            text += QStringLiteral("\"the clown, laughing %1\"\r\n").arg(i);
            break;
        default:
            text += QStringLiteral("wörterbuch%1\r\n").arg(i);
        }
    }
    return cp1252::encode(text);
}

// Private folders with the English language folder, for one run.
class BenchProgramFolder
{
public:
    BenchProgramFolder() : savedOffset_(language::LanguageOffset()), savedSettings_(settings())
    {
        language::extractLanguageTable();
        language::LanguageOffset() = kEnglish;
        settings().Datei = QStringLiteral("bench.dat");
        QDir(folders_.programDir()).mkdir(language::text(166));
    }
    ~BenchProgramFolder()
    {
        settings() = savedSettings_;
        language::LanguageOffset() = savedOffset_;
    }

    bool writeVocabulary(const QByteArray& bytes) const
    {
        QFile file(vocabularyfile::resolvePath(kEnglish, settings().Datei));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    static constexpr qint16 kEnglish = 1000;
    BenchFolders folders_;
    qint16 savedOffset_;
    Settings savedSettings_;
};

void BM_ReadForPlayFullList(benchmark::State& state)
{
    const BenchProgramFolder program;
    if (!program.writeVocabulary(fullVocabulary())) {
        state.SkipWithError("cannot write the vocabulary file");
        return;
    }
    qsizetype entries = 0;
    for (auto _ : state) {
        const vocabularyfile::PlayEntries read = vocabularyfile::readForPlay(4);
        entries = read.entries.size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(entries);
}

} // namespace

BENCHMARK(BM_ReadForPlayFullList)->Unit(benchmark::kMillisecond);
