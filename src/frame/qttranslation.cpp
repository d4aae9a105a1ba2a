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

// The texts of the buttons that the game's message and input boxes show.
class SwedishButtons final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        static const std::array<std::pair<const char*, const char*>, 4> texts = {
            {{"OK", "OK"}, {"Cancel", "Avbryt"}, {"&Yes", "&Ja"}, {"&No", "&Nej"}}};
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return {};
        for (const auto& [english, swedish] : texts) {
            if (qstrcmp(sourceText, english) == 0)
                return QString::fromUtf8(swedish);
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
        return std::make_unique<SwedishButtons>();
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
