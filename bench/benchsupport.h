#pragma once

#include <QTemporaryDir>

// A private temporary folder and a program folder of their own, so a benchmark
// never touches the user's files.
class BenchFolders
{
public:
    BenchFolders();
    ~BenchFolders();
    QString programDir() const { return program_.path(); }

private:
    QTemporaryDir program_;
    QTemporaryDir runtime_;
};
