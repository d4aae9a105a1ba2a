#pragma once

#include "app/windowplacement.h"

#include <QMainWindow>

#include <memory>

class Board;
class Game;
class LanguageVocabulary;
class HelpWindow;
class WindowHost;
class QAction;
class QMenu;

// The game window: it owns the board and the game and wires them to the menus,
// the toolbar, the flags and the keyboard.
class GameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GameWindow(QWidget* parent = nullptr);
    ~GameWindow() override;

    // Loads the window without showing it: placement, settings, board, players.
    void Form_Load();

    // Shows the window in the state its settings give.
    void showAsStored();

    Board& board() { return *board_; }
    Game& game() { return *game_; }
    QMenu* optionsMenu() const { return mnuOption; }
    QMenu* helpMenu() const { return mnuHilf; }

    // Puts the texts of the current language on the menus and the toolbar.
    void Sprache();
    // The options command: the dialog, then the picture set and a restart if needed.
    void mnuOpt_Click();

signals:
    void firstActivated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createMenus();
    void createShortcuts();
    void Form_Activate();
    void Form_Resize();
    void fitToFrame();
    void Form_Unload();
    void applyPlacement(const windowplacement::Placement& placement);
    void popUp(QMenu* menu, int button);
    void mnuHilfe_Click();
    void mnuUeber_Click();
    void layOut();
    qint16 currentState() const;
    QRect frameInTwips() const;

    std::unique_ptr<LanguageVocabulary> vocabulary_;
    Board* board_ = nullptr;
    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<Game> game_;
    HelpWindow* help_ = nullptr;

    QMenu* mnuOption = nullptr;
    QAction* mnuOpt = nullptr;
    QAction* mnuPlaySounds = nullptr;
    QAction* mnuPlayMusic = nullptr;
    QMenu* mnuHilf = nullptr;
    QAction* mnuHilfe = nullptr;
    QAction* mnuHomepage = nullptr;
    QAction* mnuEMail = nullptr;
    QAction* mnuUeber = nullptr;

    windowplacement::Placement placement_;
    QSize storedOuterSize_; // until the frame around the window is known
    QSize frame_{-1, -1};
    bool FirstShowDone = false;
    bool unloaded_ = false;
};
