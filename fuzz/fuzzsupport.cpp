#include "fuzzsupport.h"

#include "files/cp1252.h"
#include "files/programdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

class AnsweringReporter final : public ErrorReporter
{
public:
    ErrorChoice OnError(const QString&, const QString&, const RunTimeError&) override
    {
        ++reports;
        return choice;
    }

    ErrorChoice choice = ErrorChoice::Cancel;
    int reports = 0;
};

AnsweringReporter& reporter()
{
    static AnsweringReporter instance;
    return instance;
}

struct Folders
{
    Folders()
    {
        // QTemporaryDir makes its folders readable by their owner only, which the
        // private temporary folder must be.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(temp.path()));
        programdir::setForTesting(program.path(), QStringLiteral("frostel"));
        errors::installReporter(&reporter());
        if (!program.isValid() || !temp.isValid())
            fail("no temporary folders");
    }

    QTemporaryDir program{QDir::tempPath() + QStringLiteral("/frostel-fuzz-XXXXXX")};
    QTemporaryDir temp{QDir::tempPath() + QStringLiteral("/frostel-fuzz-XXXXXX")};
    QString programPath = program.path();
};

} // namespace

const QString& programFolder()
{
    static Folders folders;
    return folders.programPath;
}

void answerErrorsWith(ErrorChoice choice)
{
    reporter().choice = choice;
}

int reportCount()
{
    return reporter().reports;
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "\nFUZZ CHECK FAILED: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

void writeBytes(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        fail("cannot write", path);
}

QStringView trimBlanks(QStringView text)
{
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

QString throughCodePage(const QString& text)
{
    return cp1252::decode(cp1252::encode(text));
}

} // namespace fuzz
