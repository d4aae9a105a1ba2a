#pragma once

#include "app/windowplacement.h"

#include <QMainWindow>

// The game window: it owns the board and wires the game's parts together.
class GameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GameWindow(QWidget* parent = nullptr);

    // Loads the window without showing it: placement and settings.
    void Form_Load();

    // Shows the window in the state its settings give.
    void showAsStored();

    bool firstShowDone() const { return FirstShowDone; }

signals:
    void firstActivated();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void Form_Unload();
    void applyPlacement(const windowplacement::Placement& placement);
    void readSettingsRecord();
    qint16 currentState() const;
    QRect frameInTwips() const;

    windowplacement::Placement placement_;
    QSize storedOuterSize_;
    bool FirstShowDone = false;
    bool unloaded_ = false;
};
