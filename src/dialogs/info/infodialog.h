#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box, which also serves as the splash while the game window loads:
// in splash mode it shows no OK button and closes itself after 2.5 seconds.
class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    // Set just before the splash is shown; the dialog clears it when it loads.
    static bool SplashPending;
    // Set by the splash's timer; the start procedure waits for it.
    static bool SplashDone;

    explicit InfoDialog(QWidget* parent = nullptr);

    // "Frostel  6.01.0601": the program title, two blanks and the version.
    static QString titleLine(const QString& programTitle);

private:
    void Form_Load();
    void Timer1_Timer();

    QLabel* Label0 = nullptr;
    QPushButton* cmdOK = nullptr;
};
