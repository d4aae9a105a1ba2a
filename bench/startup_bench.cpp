// Start-up figures: a text lookup once the table is read, a settings write into
// a settings file of about 4 KB, and loading the game window before it shows,
// with the usual settings file and with one of 10 MB.

#include "app/gamewindow.h"
#include "benchsupport.h"
#include "frame/languagetable.h"
#include "frame/settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

void GetLangLookup(benchmark::State& state)
{
    BenchFolders folders;
    language::extractLanguageTable();
    qint16 key = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(language::GetLang(static_cast<qint16>(1000 + key)));
        key = key == 349 ? 100 : static_cast<qint16>(key + 1);
    }
    state.SetLabel("target: at most 2 us per lookup");
}
BENCHMARK(GetLangLookup)->Unit(benchmark::kMicrosecond);

void SaveIniIntoA4KbFile(benchmark::State& state)
{
    BenchFolders folders;
    for (int i = 0; i < 120; ++i)
        settingsfile::SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Key%1").arg(i),
                              QStringLiteral("value of some length %1").arg(i));
    int round = 0;
    for (auto _ : state)
        settingsfile::SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Anzahl"),
                              settingsfile::numberText(++round % 4 + 1));
    // The sync to disk before the rename takes what the disk takes, on top.
    state.SetLabel("target: at most 1 ms of processor time");
}
BENCHMARK(SaveIniIntoA4KbFile)->Unit(benchmark::kMicrosecond);

void LoadGameWindow(benchmark::State& state)
{
    BenchFolders folders;
    folders.loadGame({QStringLiteral("Banane")}); // the vocabulary, settings and texts in place
    for (auto _ : state) {
        GameWindow window;
        window.Form_Load();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("target: at most 50 ms");
}
BENCHMARK(LoadGameWindow)->Unit(benchmark::kMillisecond);

// The settings the game reads, then 10 MB of a section no one reads (a settings
// file that another program filled, say).
QByteArray tenMegabyteSettings()
{
    QByteArray bytes = "[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nSound= 0\r\nMusic= 0\r\n"
                       "[Filler]\r\n";
    for (int line = 0; bytes.size() < 10'000'000; ++line)
        bytes += "Key" + QByteArray::number(line) + "=" + QByteArray(60, 'v') + "\r\n";
    return bytes;
}

void LoadGameWindowWithA10MbSettingsFile(benchmark::State& state)
{
    BenchFolders folders;
    folders.loadGame({QStringLiteral("Banane")});
    QFile file(folders.programDir() + QStringLiteral("/Frostel.ini"));
    QByteArray bytes = tenMegabyteSettings();
    for (auto _ : state) {
        // Each start finds the file changed, as a new start finds it unread, and
        // last written an hour ago.
        state.PauseTiming();
        bytes[bytes.size() - 3] = static_cast<char>('a' + state.iterations() % 26);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes);
            file.flush();
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime);
            file.close();
        }
        state.ResumeTiming();
        GameWindow window;
        window.Form_Load();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("target: at most 1 s");
}
BENCHMARK(LoadGameWindowWithA10MbSettingsFile)->Unit(benchmark::kMillisecond);

} // namespace
