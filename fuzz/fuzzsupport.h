#pragma once

#include "errors/errorreporter.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// What every harness shares: a throw-away program folder and private temporary
// folder, error reports answered without a window, and checks that crash loudly
// so that libFuzzer keeps the input.
namespace fuzz {

// Creates the folders on the first call and points the program at them.
const QString& programFolder();

// The answer to every reported error from now on (never Retry or End: the same
// input would fail again for ever, or leave the process).
void answerErrorsWith(ErrorChoice choice);
int reportCount();

[[noreturn]] void fail(const char* what, const QString& detail = {});

inline void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds)
        fail(what, detail);
}

void writeBytes(const QString& path, QByteArrayView bytes);

// Blanks and tabs at both ends removed, as the settings file does.
QStringView trimBlanks(QStringView text);

// The text as it comes back from a Windows-1252 file.
QString throughCodePage(const QString& text);

} // namespace fuzz
