#pragma once

#include <QDialog>

class QTextBrowser;

// The help: the bundled HTML pages of the "frostel.chm" folder beside the
// program, opened at their default topic.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the help bundle at its default topic; a missing bundle shows an
    // empty window, as a missing help file would.
    void showDefaultTopic(const QString& helpFile);

private:
    QTextBrowser* browser_ = nullptr;
};
