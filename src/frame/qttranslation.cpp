#include "qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace qttranslation {

namespace {

constexpr qint16 kSwedish = 2000;

struct Text
{
    const char* context;
    const char* english;
    const char* swedish;
};

// Every text of Qt's own that the game can show: the buttons of its message and
// input boxes, the right-click menus of its text boxes, of the help's text and
// of its scroll bars. Key names in those menus (Ctrl, Shift) read the same in
// Swedish.
constexpr std::array<Text, 27> kSwedishTexts = {{
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
    {"QLineEdit", "&Undo", "&Ångra"},
    {"QLineEdit", "&Redo", "&Gör om"},
    {"QLineEdit", "Cu&t", "Klipp &ut"},
    {"QLineEdit", "&Copy", "&Kopiera"},
    {"QLineEdit", "&Paste", "Klistra &in"},
    {"QLineEdit", "Delete", "Ta bort"},
    {"QLineEdit", "Select All", "Markera allt"},
    {"QWidgetTextControl", "&Copy", "&Kopiera"},
    {"QWidgetTextControl", "Copy &Link Location", "Kopiera &länkadress"},
    {"QWidgetTextControl", "Select All", "Markera allt"},
    {"QScrollBar", "Scroll here", "Rulla hit"},
    {"QScrollBar", "Top", "Överst"},
    {"QScrollBar", "Bottom", "Nederst"},
    {"QScrollBar", "Page up", "Sida upp"},
    {"QScrollBar", "Page down", "Sida ned"},
    {"QScrollBar", "Scroll up", "Rulla upp"},
    {"QScrollBar", "Scroll down", "Rulla ned"},
    {"QScrollBar", "Left edge", "Vänsterkant"},
    {"QScrollBar", "Right edge", "Högerkant"},
    {"QScrollBar", "Page left", "Sida vänster"},
    {"QScrollBar", "Page right", "Sida höger"},
    {"QScrollBar", "Scroll left", "Rulla vänster"},
    {"QScrollBar", "Scroll right", "Rulla höger"},
}};

// Debian's Qt translations have no Swedish file for Qt's base module, so the
// game carries the Swedish of the texts above itself.
class SwedishTexts final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        for (const Text& text : kSwedishTexts) {
            if (qstrcmp(context, text.context) == 0 && qstrcmp(sourceText, text.english) == 0)
                return QString::fromUtf8(text.swedish);
        }
        return {};
    }
};

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> load(qint16 languageOffset, const QString& folder)
{
    const QString name = fileFor(languageOffset);
    if (name.isEmpty())
        return nullptr;
    // The full path, so that QTranslator tries no shorter name of its own.
    const QString path = QDir(folder).filePath(name);
    auto translator = std::make_unique<QTranslator>();
    if (QFileInfo(path).isFile() && translator->load(path))
        return translator;
    if (languageOffset == kSwedish)
        return std::make_unique<SwedishTexts>();
    return nullptr;
}

} // namespace

QString installedFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString fileFor(qint16 languageOffset)
{
    // The Portuguese texts are Brazilian, and so are Qt's.
    static const std::array<const char*, 7> codes = {"de", "en", "sv", "it", "pt_BR", "es", "fr"};
    if (languageOffset < 0 || languageOffset % 1000 != 0 || languageOffset / 1000 >= 7)
        return {};
    return QStringLiteral("qtbase_%1.qm").arg(QLatin1String(codes[languageOffset / 1000]));
}

void apply(qint16 languageOffset, const QString& folder)
{
    std::unique_ptr<QTranslator>& current = installed();
    if (current)
        QCoreApplication::removeTranslator(current.get());
    current = load(languageOffset, folder);
    if (current)
        QCoreApplication::installTranslator(current.get());
}

} // namespace qttranslation
