#pragma once

// What tests of the layers of Qt Core alone share: the test clock, a scripted
// error reporter, a fresh program folder and private folders per test, and
// file helpers. No widget here: the game's rules are tested against it alone.

#include "errors/errorreporter.h"
#include "frame/clock.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <optional>

// A clock whose time moves only when a test lets it: pauses cost no real time.
class VirtualClock final : public Clock
{
public:
    float secondsSinceMidnight() const override;
    void singleShot(int milliseconds, QObject* context, std::function<void()> action) override;

    void setTime(double secondsSinceMidnight);
    // Lets `seconds` pass, firing the timers that fall due on the way, in order.
    void advance(double seconds);
    // Lets the time pass to the next timer and fires it; false when none is set.
    bool fireNext();
    // How long the pause is that the next timer ends (as it was set), if one is set.
    std::optional<double> nextPause() const;
    double totalWaited() const { return waited_; }

private:
    struct Timer
    {
        double due;
        double length;
        QPointer<QObject> context;
        std::function<void()> action;
    };
    qsizetype next() const; // the timer due first, -1 when none
    void fire(qsizetype index);

    double now_ = 12 * 3600.0;
    double waited_ = 0;
    double elapsed_ = 0;
    QList<Timer> timers_;
};

class ScriptedReporter final : public ErrorReporter
{
public:
    struct Report
    {
        QString module;
        QString procedure;
        int number;
    };

    ErrorChoice OnError(const QString& module, const QString& procedure,
                        const RunTimeError& error) override;

    std::deque<ErrorChoice> choices; // when empty: Cancel
    QList<Report> reports;
};

// A fresh program folder, private temporary folder and player's folder for one
// test, the test clock and the scripted reporter; all undone afterwards.
class CoreEnvironment
{
public:
    CoreEnvironment();
    virtual ~CoreEnvironment();
    CoreEnvironment(const CoreEnvironment&) = delete;
    CoreEnvironment& operator=(const CoreEnvironment&) = delete;

    QString programDir() const { return programDir_.path(); }
    // The player's folder when the program folder cannot be written: "frostel"
    // in the test's own XDG_DATA_HOME.
    QString playerDir() const { return dataHome_.path() + QStringLiteral("/frostel"); }
    QString tempDir() const { return tempDir_.path() + QLatin1Char('/'); }
    QString settingsPath() const;

    VirtualClock clock;
    ScriptedReporter reporter;

private:
    QTemporaryDir programDir_;
    QTemporaryDir tempDir_;
    QTemporaryDir dataHome_;
    QByteArray previousRuntimeDir_;
    QByteArray previousDataHome_;
};

// Numbers as binary file formats store them: 16 and 32 bits, least significant
// byte first, or 32 bits, most significant first.
QByteArray le16(quint16 value);
QByteArray le32(quint32 value);
QByteArray be32(quint32 value);

// Writes bytes to a file, creating or replacing it.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
