#include "helpwindow.h"

#include <QDir>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Frostel"));
    resize(720, 640);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    auto* close = new QPushButton(QStringLiteral("&OK"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void HelpWindow::showDefaultTopic(const QString& helpFile)
{
    // The help file names a folder of pages; index.html is its default topic.
    const QString topic = QDir(helpFile).absoluteFilePath(QStringLiteral("index.html"));
    browser_->setSource(QUrl::fromLocalFile(topic));
    browser_->reload(); // the bundle may have appeared since the window last showed it
    show();
    raise();
    activateWindow();
}
