#include "helpwindow.h"

#include "frame/languagetable.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
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
