#include "desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QUrl>

void SystemDesktop::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void SystemDesktop::setClipboardText(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(text);
    }
}

void SystemDesktop::printLines(const QStringList& lines)
{
    QPrinter printer;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QFontMetrics metrics(painter.font());
    const int pageBottom = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y > pageBottom) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
    painter.end();
}

void SystemDesktop::beep()
{
    QApplication::beep();
}
