#include "benchsupport.h"

#include "platform/programdir.h"

#include <QFile>

BenchFolders::BenchFolders()
{
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    programdir::setForTesting(program_.path(), QStringLiteral("frostel"));
}

BenchFolders::~BenchFolders()
{
    programdir::setForTesting({}, {});
}
