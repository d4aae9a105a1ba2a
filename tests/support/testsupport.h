#pragma once

#include "desktop/desktop.h"
#include "desktop/dialogs.h"
#include "errors/errorreporter.h"
#include "frame/clock.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

// A clock whose time moves only when the game waits: pauses cost no real time.
class VirtualClock final : public Clock
{
public:
    float secondsSinceMidnight() const override;
    void handleEventsFor(double seconds) override;
    void singleShot(int milliseconds, QObject* context, std::function<void()> action) override;

    void setTime(double secondsSinceMidnight);
    void advance(double seconds); // fires the timers that fall due
    double totalWaited() const { return waited_; }

    // Called at the start of every wait with its length (negative: a wait for
    // events), while the waiting code is suspended: what a player does then.
    std::function<void(double seconds)> onWait;

private:
    struct Timer
    {
        double due;
        QPointer<QObject> context;
        std::function<void()> action;
    };

    double now_ = 12 * 3600.0;
    int idleWaits_ = 0; // waits in a row that found nothing to do
    double waited_ = 0;
    double elapsed_ = 0;
    QList<Timer> timers_;
};

// Answers message and input boxes from a script and records every question.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Question
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
        QPointer<QWidget> parent;
    };

    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;

    std::deque<Answer> answers; // when empty: Ok, Yes
    std::deque<QString> inputs; // when empty: the empty text
    QList<Question> questions;  // message boxes and input boxes, in order
    // Called while a message box is up, before it is answered.
    std::function<void(const Question& question)> onAsk;
};

class RecordingDesktop final : public Desktop
{
public:
    void openUrl(const QString& address) override { opened.append(address); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void printLines(const QStringList& lines) override { printed.append(lines); }
    void beep() override { ++beeps; }

    QStringList opened;
    QString clipboard;
    QList<QStringList> printed;
    int beeps = 0;
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

// Installs the test services and a fresh program folder and private temporary
// folder for one test; restores the real services afterwards.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString programDir() const { return programDir_.path(); }
    // The player's folder when the program folder cannot be written: "frostel"
    // in the test's own XDG_DATA_HOME.
    QString playerDir() const { return dataHome_.path() + QStringLiteral("/frostel"); }
    QString tempDir() const { return tempDir_.path() + QLatin1Char('/'); }
    QString settingsPath() const;

    VirtualClock clock;
    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
    ScriptedReporter reporter;

private:
    QTemporaryDir programDir_;
    QTemporaryDir tempDir_;
    QTemporaryDir dataHome_;
    QByteArray previousRuntimeDir_;
    QByteArray previousDataHome_;
};

// Makes the test's program folder stand for one installed for everyone: the
// program then treats it as read-only even when the tests run as root, and the
// folder's permissions shut out everyone else. Undone on destruction.
class InstalledProgramFolder
{
public:
    explicit InstalledProgramFolder(const TestEnvironment& environment);
    ~InstalledProgramFolder();
    InstalledProgramFolder(const InstalledProgramFolder&) = delete;
    InstalledProgramFolder& operator=(const InstalledProgramFolder&) = delete;

    // Every entry below the folder with its size and modification time: equal
    // lists before and after show that nothing was written there.
    QStringList contents() const;

private:
    QString folder_;
};

// How far apart two pictures of one size are: the mean difference over all
// channels of all pixels, 0 to 255.
double meanDifference(const QImage& first, const QImage& second);

// The names of the controls the Tab key visits, from `first` once round the
// window back to it. The window must be active.
std::vector<std::string> tabStopsFrom(QWidget* first);

// Numbers as binary file formats store them: 16 and 32 bits, least significant
// byte first, or 32 bits, most significant first.
QByteArray le16(quint16 value);
QByteArray le32(quint32 value);
QByteArray be32(quint32 value);

// Writes bytes to a file, creating or replacing it.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Every write past `bytes` into any file fails with EFBIG, as on a full disk; the
// signal that would end the process is ignored, so the write call sees the error.
// The limit holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

// Runs `body` in a child process without root's rights, so that file permissions
// hold for it: run as root, the child becomes the unprivileged user, to whom
// handOver() gives the files it must reach; otherwise it keeps the user's own
// rights. True when the body returned true.
bool runUnprivileged(const std::function<bool()>& body);
void handOver(const QString& path);
// Hands over a folder and everything below it.
void handOverAll(const QString& folder);
