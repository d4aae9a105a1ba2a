#include "cachedinifile.h"

#include <QFile>

#include <algorithm>
#include <ctime>

namespace {

// Time stamps are only as fine as the file system keeps them: a clock tick on
// most, whole seconds (two on FAT) on those whose stamps carry no fraction. A
// file read less than that after its last change could change again without
// getting a new time stamp, so until then its bytes are compared instead.
constexpr long long kFineGrain = 50'000'000LL;
constexpr long long kCoarseGrain = 3'000'000'000LL;

long long nanoseconds(long long seconds, long long fraction)
{
    return seconds * 1'000'000'000LL + fraction;
}

long long now()
{
    timespec time{};
    ::clock_gettime(CLOCK_REALTIME, &time);
    return nanoseconds(time.tv_sec, time.tv_nsec);
}

} // namespace

CachedIniFile::CachedIniFile(qint64 limit, const QString& path)
    : limit_(limit), path_(path), encodedPath_(QFile::encodeName(path))
{}

void CachedIniFile::setPath(const QString& path)
{
    *this = CachedIniFile(limit_, path);
}

const IniDocument& CachedIniFile::document()
{
    refresh();
    return document_;
}

bool CachedIniFile::readable()
{
    refresh();
    return readable_;
}

void CachedIniFile::wrote(const IniDocument& document, const QByteArray& bytes,
                          const regularfile::Signature& signature)
{
    document_ = document;
    bytes_ = bytes;
    signature_ = signature;
    confirmedAt_ = now();
    loaded_ = true;
    readable_ = true;
}

// Any later change stamps both times anew, so it shows as soon as one of the
// two lies a grain before the moment the content was confirmed.
bool CachedIniFile::isSettled() const
{
    const bool coarse = signature_.modifiedNanoseconds == 0 && signature_.changedNanoseconds == 0;
    const long long earlier =
        std::min(nanoseconds(signature_.modifiedSeconds, signature_.modifiedNanoseconds),
                 nanoseconds(signature_.changedSeconds, signature_.changedNanoseconds));
    return confirmedAt_ - earlier > (coarse ? kCoarseGrain : kFineGrain);
}

void CachedIniFile::refresh()
{
    using regularfile::Failure;
    const regularfile::Signature standing = regularfile::signatureAt(encodedPath_);
    if (loaded_ && readable_ && standing == signature_ && (!standing.exists || isSettled()))
        return;

    const long long readAt = now();
    regularfile::Contents contents =
        regularfile::read(path_, limit_, regularfile::Links::DoNotFollow);
    loaded_ = true;
    confirmedAt_ = readAt;
    switch (contents.failure) {
    case Failure::None:
        break;
    case Failure::NoFolder:
    case Failure::NoFile:
    case Failure::IsLink: // the file of ours is missing: a write puts one in the link's place
        readable_ = true;
        signature_ = standing;
        bytes_.clear();
        document_ = IniDocument();
        return;
    default:
        readable_ = false;
        bytes_.clear();
        document_ = IniDocument();
        return;
    }
    readable_ = true;
    signature_ = contents.signature;
    // The document always stands for bytes_, so equal bytes need no parsing.
    if (contents.bytes != bytes_) {
        document_ = IniDocument::parse(contents.bytes);
        bytes_ = std::move(contents.bytes);
    }
}
