#include "catalogue.h"

#include "clothesline.h"
#include "emblem.h"
#include "flags.h"
#include "icons.h"
#include "letters.h"
#include "mascot.h"

#include <QDir>

#include <cstdio>

namespace uiart {
namespace {

std::vector<Picture> buildCatalogue()
{
    std::vector<Picture> pictures = {
        {QStringLiteral("letters.png"), letterSheet, true},
        {QStringLiteral("used.png"), usedOverlay, true},
        {QStringLiteral("field.png"), letterField, true},
        {QStringLiteral("clothesline.png"), clothesline, true},
        {QStringLiteral("tool_start.png"), startIcon, true},
        {QStringLiteral("tool_end.png"), endIcon, true},
        {QStringLiteral("tool_hint.png"), hintIcon, true},
        {QStringLiteral("tool_options.png"), optionsIcon, true},
        {QStringLiteral("tool_help.png"), helpIcon, true},
        {QStringLiteral("info1.png"), mascotPicture, true},
        {QStringLiteral("info2.png"), titleLinePicture, true},
        // Not shown by the game, so once is enough.
        {QStringLiteral("frostel.png"), [](int scale) { return programIcon(256 * scale); }},
    };
    for (int language = 0; language < kFlagCount; ++language) {
        pictures.push_back({QStringLiteral("flag%1.png").arg(language),
                            [language](int scale) { return flag(language, scale); }, true});
    }
    return pictures;
}

bool write(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// Whether `path` holds a readable picture of `expected` size; says on stderr what is wrong if not.
bool storedAtSize(const QString& path, QSize expected)
{
    const QImage stored(path);
    if (stored.isNull()) {
        std::fprintf(stderr, "missing or unreadable: %s\n", qPrintable(path));
        return false;
    }
    if (stored.size() != expected) {
        std::fprintf(stderr, "%s is %dx%d, should be %dx%d\n", qPrintable(path), stored.width(),
                     stored.height(), expected.width(), expected.height());
        return false;
    }
    return true;
}

} // namespace

QString doubleSizeName(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

const std::vector<Picture>& catalogue()
{
    static const std::vector<Picture> pictures = buildCatalogue();
    return pictures;
}

const std::vector<Picture>& iconCatalogue()
{
    static const std::vector<Picture> icons = [] {
        std::vector<Picture> sizes;
        for (const int edge : kIconEdges) {
            sizes.push_back({QStringLiteral("frostel-%1.png").arg(edge),
                             [edge](int scale) { return programIcon(edge * scale); }});
        }
        return sizes;
    }();
    return icons;
}

bool writePictures(const std::vector<Picture>& pictures, const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return false;
    }
    const QDir target(folder);
    bool allWritten = true;
    for (const Picture& picture : pictures) {
        allWritten = write(picture.render(1), target.filePath(picture.fileName)) && allWritten;
        if (picture.doubled) {
            allWritten =
                write(picture.render(2), target.filePath(doubleSizeName(picture.fileName))) &&
                allWritten;
        }
    }
    return allWritten;
}

bool checkPictures(const std::vector<Picture>& pictures, const QString& folder)
{
    const QDir source(folder);
    bool allPresent = true;
    for (const Picture& picture : pictures) {
        const QSize size = picture.render(1).size();
        allPresent = storedAtSize(source.filePath(picture.fileName), size) && allPresent;
        if (picture.doubled) {
            const QString doubled = source.filePath(doubleSizeName(picture.fileName));
            allPresent = storedAtSize(doubled, size * 2) && allPresent;
        }
    }
    return allPresent;
}

} // namespace uiart
