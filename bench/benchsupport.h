#pragma once

#include "frame/clock.h"

#include <QTemporaryDir>

#include <memory>

class GameWindow;

// A private temporary folder and a program folder of their own, so a benchmark
// never touches the user's files.
class BenchFolders
{
public:
    BenchFolders();
    ~BenchFolders();
    QString programDir() const { return program_.path(); }

    // A German vocabulary, the settings (sound and music off) and the language
    // table, then the game window loaded and shown on the offscreen screen.
    std::unique_ptr<GameWindow> loadGame(const QStringList& vocabulary);

private:
    QTemporaryDir program_;
    QTemporaryDir runtime_;
};

// A clock whose pauses pass at once: the game's own work is measured, not its
// waiting.
class InstantClock final : public Clock
{
public:
    float secondsSinceMidnight() const override { return static_cast<float>(now_); }
    void singleShot(int milliseconds, QObject* context, std::function<void()> action) override;

private:
    double now_ = 43200.0;
};

// The resident memory of this process in megabytes.
double residentMegabytes();

// Processor seconds this process has used.
double processorSeconds();
