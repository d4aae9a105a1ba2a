#pragma once

#include "desktop/desktop.h"
#include "desktop/dialogs.h"
#include "support/coresupport.h"

#include <QAccessible>
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

// A fresh program folder and private folders for one test, with the test
// clock, scripted message boxes and reporter, and a recording desktop; the real
// services come back afterwards.
class TestEnvironment final : public CoreEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment() override;

    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
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

// What a screen reader hears an object called.
QString accessibleName(QObject* object);

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
