#include "helpwindow.h"

#include "frame/languagetable.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace {

// The bundle's folder of each language, in language order.
constexpr std::array<const char*, language::kLanguageCount> kPageFolders = {"de", "en", "sv", "it",
                                                                            "pt", "es", "fr"};

QString defaultTopic(const QDir& bundle)
{
    const int index = language::LanguageOffset() / 1000;
    if (index >= 0 && index < language::kLanguageCount) {
        const QString page =
            QStringLiteral("%1/index.html").arg(QLatin1String(kPageFolders[index]));
        if (bundle.exists(page))
            return bundle.absoluteFilePath(page);
    }
    // The bundle's own first page, from which every language can be chosen.
    return bundle.absoluteFilePath(QStringLiteral("index.html"));
}

// The pages name each picture at its own size; on a screen of a device pixel
// ratio above 1 the one drawn at twice the size beside it ("flag0@2x.png")
// takes its place, as the board's pictures do.
class HelpBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = source().resolved(name);
        if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1 && url.isLocalFile()) {
            const QFileInfo file(url.toLocalFile());
            QImage larger(file.path() + u'/' + file.completeBaseName() + QStringLiteral("@2x.") +
                          file.suffix());
            if (!larger.isNull()) {
                larger.setDevicePixelRatio(2);
                return larger;
            }
        }
        return QTextBrowser::loadResource(type, name);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    browser_ = new HelpBrowser(this);
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);
    layout->addWidget(browser_);
    auto* close = new QPushButton(QStringLiteral("&OK"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void HelpWindow::showDefaultTopic(const QString& helpFile)
{
    const QString topic = defaultTopic(QDir(helpFile));
    if (QFileInfo::exists(topic)) {
        browser_->setSource(QUrl::fromLocalFile(topic));
        browser_->reload(); // the bundle may have changed since the window last showed it
    } else {
        browser_->clear();
    }
    showTitle();
    show();
    raise();
    activateWindow();
}

// Each page carries its title in its own language; without a page the title
// comes from the language table.
void HelpWindow::showTitle()
{
    const QString page = browser_->documentTitle();
    setWindowTitle(
        page.isEmpty() ? language::text(100) + QStringLiteral(" – ") + language::text(134) : page);
}
