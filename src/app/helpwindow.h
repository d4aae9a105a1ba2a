#pragma once

#include <QDialog>

class QTextBrowser;

// The help: the bundled HTML pages of the "frostel.chm" folder beside the
// program, one page per language.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the help bundle at its default topic, the page of the current
    // language; a missing bundle shows an empty window, as a missing help file
    // would.
    void showDefaultTopic(const QString& helpFile);

    QTextBrowser* browser() const { return browser_; }

private:
    void showTitle();

    QTextBrowser* browser_ = nullptr;
};
