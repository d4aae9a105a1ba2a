#pragma once

#include <QString>
#include <QStringList>

// What the game hands to the desktop: addresses to open (mail, home page), plain
// text for the clipboard, lines for the default printer and the system beep.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openUrl(const QString& address) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual void printLines(const QStringList& lines) = 0;
    virtual void beep() = 0;
};

class SystemDesktop final : public Desktop
{
public:
    void openUrl(const QString& address) override;
    void setClipboardText(const QString& text) override;
    void printLines(const QStringList& lines) override;
    void beep() override;
};
