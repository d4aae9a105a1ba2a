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
        {QStringLiteral("letters.png"), letterSheet},
        {QStringLiteral("used.png"), usedOverlay},
        {QStringLiteral("field.png"), letterField},
        {QStringLiteral("clothesline.png"), clothesline},
        {QStringLiteral("tool_start.png"), startIcon},
        {QStringLiteral("tool_end.png"), endIcon},
        {QStringLiteral("tool_hint.png"), hintIcon},
        {QStringLiteral("tool_options.png"), optionsIcon},
        {QStringLiteral("tool_help.png"), helpIcon},
        {QStringLiteral("info1.png"), mascotPicture},
        {QStringLiteral("info2.png"), titleLinePicture},
        {QStringLiteral("frostel.png"), [] { return programIcon(256); }},
    };
    for (int language = 0; language < kFlagCount; ++language) {
        pictures.push_back(
            {QStringLiteral("flag%1.png").arg(language), [language] { return flag(language); }});
    }
    return pictures;
}

} // namespace

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
            sizes.push_back(
                {QStringLiteral("frostel-%1.png").arg(edge), [edge] { return programIcon(edge); }});
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
    bool allWritten = true;
    for (const Picture& picture : pictures) {
        const QString path = QDir(folder).filePath(picture.fileName);
        if (!picture.render().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            allWritten = false;
        }
    }
    return allWritten;
}

bool checkPictures(const std::vector<Picture>& pictures, const QString& folder)
{
    bool allPresent = true;
    for (const Picture& picture : pictures) {
        const QString path = QDir(folder).filePath(picture.fileName);
        const QImage stored(path);
        const QSize expected = picture.render().size();
        if (stored.isNull()) {
            std::fprintf(stderr, "missing or unreadable: %s\n", qPrintable(path));
            allPresent = false;
        } else if (stored.size() != expected) {
            std::fprintf(stderr, "%s is %dx%d, should be %dx%d\n", qPrintable(path), stored.width(),
                         stored.height(), expected.width(), expected.height());
            allPresent = false;
        }
    }
    return allPresent;
}

} // namespace uiart
