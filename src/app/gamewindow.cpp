#include "gamewindow.h"

#include "app/helpwindow.h"
#include "app/shutdown.h"
#include "app/windowhost.h"
#include "board/announcer.h"
#include "board/board.h"
#include "board/clickableimage.h"
#include "desktop/desktop.h"
#include "desktop/dialogs.h"
#include "desktop/screenmetrics.h"
#include "desktop/services.h"
#include "dialogs/info/infodialog.h"
#include "dialogs/options/optionsdialog.h"
#include "errors/errorscope.h"
#include "files/programdir.h"
#include "frame/languagetable.h"
#include "frame/maker.h"
#include "frame/qttranslation.h"
#include "frame/settings.h"
#include "game/game.h"
#include "sound/sound.h"
#include "vocabulary/languagevocabulary.h"
#include "widgets/accessibility.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(modules::frmMain);
    board_ = new Board(this);
    setCentralWidget(board_);
    vocabulary_ = std::make_unique<LanguageVocabulary>();
    host_ = std::make_unique<WindowHost>(*this, *board_);
    game_ = std::make_unique<Game>(*host_, *vocabulary_);
    createMenus();
    createShortcuts();

    Game* game = game_.get();
    connect(board_, &Board::keyClicked, game, &Game::imgAlpha_click);
    connect(board_, &Board::toolButtonClicked, game, &Game::PicBut_click);
    connect(board_, &Board::flagClicked, game, &Game::imgLang_Click);
    connect(game, &Game::changed, board_, [this] { board_->show(game_->view()); });
    connect(game, &Game::languageChanged, this, [this] {
        Sprache();
        qttranslation::apply(language::LanguageOffset());
    });
    connect(game, &Game::closeRequested, this, &GameWindow::close);
    Announcer* news = board_->announcer();
    connect(game, &Game::wordDealt, news, &Announcer::wordDealt);
    connect(game, &Game::hintGiven, news, &Announcer::hintGiven);
    connect(game, &Game::guessed, news, &Announcer::guessed);
    connect(game, &Game::turnPassed, news, &Announcer::turnPassed);
    connect(game, &Game::wordWon, news, &Announcer::wordWon);
    connect(game, &Game::wordLost, news, &Announcer::wordLost);
    connect(game, &Game::gameWon, news, &Announcer::gameWon);
    connect(game, &Game::optionsMenuRequested, this,
            [this] { popUp(mnuOption, toolbar::Options); });
    connect(game, &Game::helpMenuRequested, this, [this] { popUp(mnuHilf, toolbar::Help); });
    connect(this, &GameWindow::firstActivated, this, [] {
        if (settings().Music != 0)
            MakeMusic();
    });
    qApp->installEventFilter(this);
}

GameWindow::~GameWindow()
{
    qApp->removeEventFilter(this);
    // The game ends its paused procedures while the board it shows still stands.
    game_->stop();
}

// The two menus open only from toolbar buttons 3 and 4; a menu bar would show
// their German titles in every language.
void GameWindow::createMenus()
{
    mnuOption = new QMenu(QStringLiteral("&Optionen"), this);
    mnuOpt =
        mnuOption->addAction(QStringLiteral("Ei&nstellungen..."), this, &GameWindow::mnuOpt_Click);
    mnuOption->addSeparator();
    mnuPlaySounds = mnuOption->addAction(QStringLiteral("&Geräusche"));
    mnuPlaySounds->setCheckable(true);
    connect(mnuPlaySounds, &QAction::triggered, this, [](bool checked) { toggleSound(checked); });
    mnuPlayMusic = mnuOption->addAction(QStringLiteral("&Musik"));
    mnuPlayMusic->setCheckable(true);
    connect(mnuPlayMusic, &QAction::triggered, this, [](bool checked) { toggleMusic(checked); });

    mnuHilf = new QMenu(QStringLiteral("&Hilfe"), this);
    mnuHilfe = mnuHilf->addAction(QStringLiteral("&Hilfe"), this, &GameWindow::mnuHilfe_Click);
    mnuHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    // A shortcut works only for an action of a shown widget: the window itself.
    addAction(mnuHilfe);
    mnuHilf->addSeparator();
    mnuHomepage = mnuHilf->addAction(QStringLiteral("&Kestrelsoft's Homepage..."), this, [] {
        services::desktop().openUrl(QString::fromLatin1(maker::homePage));
    });
    mnuEMail = mnuHilf->addAction(QStringLiteral("&E-Mail an Kestrelsoft..."), this, [] {
        ErrorScope::run(modules::frmMain, "mnuEMail_Click", [] {
            services::desktop().openUrl(QStringLiteral("mailto:") +
                                        QString::fromLatin1(maker::supportMail));
        });
    });
    mnuHilf->addSeparator();
    mnuUeber = mnuHilf->addAction(QStringLiteral("&Über..."), this, &GameWindow::mnuUeber_Click);
}

// The toolbar's commands and the flags by the keyboard, the same keys in every
// language: letters alone are guesses.
void GameWindow::createShortcuts()
{
    const std::pair<int, QKeySequence> commands[] = {
        {toolbar::Start, QKeySequence(Qt::Key_F2)},
        {toolbar::End, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {toolbar::Hint, QKeySequence(Qt::Key_F3)},
        // The access keys of the two menus' titles, "&Optionen" and "&Hilfe".
        {toolbar::Options, QKeySequence(Qt::ALT | Qt::Key_O)},
        {toolbar::Help, QKeySequence(Qt::ALT | Qt::Key_H)}};
    for (const auto& [button, keys] : commands) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, button] { game_->PicBut_click(button); });
        addAction(action);
    }
    // The flags from the top down.
    for (int k = 0; k < Board::kFlags; ++k) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + k)));
        connect(action, &QAction::triggered, this, [this, k] { game_->imgLang_Click(k); });
        addAction(action);
    }
}

void GameWindow::Form_Load()
{
    ErrorScope::run(modules::frmMain, "Form_Load", [&] {
        // Music, help and vocabulary files are named relative to the program folder.
        QDir::setCurrent(programdir::path());
        game_->state().LastKeyIndex = 28;
        board_->loadAlpha();
        applyPlacement(windowplacement::read({screenmetrics::screenSizeInTwips(),
                                              screenmetrics::twipsPerPixelX(),
                                              screenmetrics::twipsPerPixelY()}));
        settingsfile::readGameSettings(settings(), language::LanguageOffset());
        game_->imgLang_Click(language::LanguageOffset() / 1000);
        Sprache();
        settingsfile::readSwitchesAndNames(settings());
        mnuPlaySounds->setChecked(settings().Sound != 0);
        mnuPlayMusic->setChecked(settings().Music != 0);
        board_->Motiv_Wahl(settings().Motiv, settings().Bild == 1);
        game_->zurueck();
        layOut();
        // The first thing to do is to start.
        board_->toolButton(toolbar::Start)->setFocus();
    });
}

void GameWindow::Sprache()
{
    ErrorScope::run(modules::frmMain, "Sprache", [&] {
        setWindowTitle(language::text(100));
        const int tooltips[] = {169, 170, 168, 101, 134};
        for (int i = 0; i < Board::kToolButtons; ++i) {
            board_->toolButton(i)->setToolTip(language::text(tooltips[i]));
            accessibility::setName(board_->toolButton(i), language::text(tooltips[i]));
        }
        board_->nextWordButton()->setText(language::text(132));
        mnuUeber->setText(language::text(137));
        mnuOpt->setText(language::text(118));
        mnuPlaySounds->setText(language::text(103));
        mnuPlayMusic->setText(language::text(171));
        mnuHilfe->setText(language::text(134));
        mnuEMail->setText(language::text(135));
        mnuHomepage->setText(language::text(136));
        board_->applyLanguage();
        game_->state().LastKeyIndex = 28;
        settings().Datei =
            settingsfile::GetIniString(settingsfile::kSettingsSection,
                                       settingsfile::vocabularyKey(language::LanguageOffset()), {});
    });
}

void GameWindow::mnuOpt_Click()
{
    ErrorScope::run(modules::frmMain, "mnuOpt_Click", [&] {
        GameState& state = game_->state();
        state.RestartRequested = false;
        const OptionsOutcome outcome = showOptionsDialog(board_->field(0)->width(), this);
        if (outcome.wordList)
            game_->replaceWordList(*outcome.wordList);
        state.RestartRequested = outcome.restartRequested;
        board_->Motiv_Wahl(settings().Motiv, settings().Bild == 1);
        layOut();
        game_->restartIfRequested();
    });
}

void GameWindow::popUp(QMenu* menu, int button)
{
    const QToolButton* source = board_->toolButton(button);
    menu->popup(source->mapToGlobal(QPoint(0, source->height())));
}

void GameWindow::mnuHilfe_Click()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->showDefaultTopic(QStringLiteral("frostel.chm"));
}

void GameWindow::mnuUeber_Click()
{
    InfoDialog about(this);
    about.exec();
}

void GameWindow::layOut()
{
    board_->positionieren(static_cast<int>(game_->state().CurrentWord.size()), settings().Anzahl);
    board_->show(game_->view());
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees every key press before its controls do.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return game_->Form_KeyPress(u'\r');
    if (key->text().size() == 1 && key->text().front().isLetter())
        return game_->Form_KeyPress(key->text().front());
    return false;
}

void GameWindow::applyPlacement(const windowplacement::Placement& placement)
{
    placement_ = placement;
    if (placement.state == windowplacement::Maximised)
        return;
    const int perPixelX = screenmetrics::twipsPerPixelX();
    const int perPixelY = screenmetrics::twipsPerPixelY();
    // The stored size is the outer size. Until the window has its frame it
    // stands for the inner size too, which is right where there is no frame.
    storedOuterSize_ =
        QSize(placement.twips.width() / perPixelX, placement.twips.height() / perPixelY);
    move(placement.twips.left() / perPixelX, placement.twips.top() / perPixelY);
    resize(storedOuterSize_);
}

void GameWindow::showAsStored()
{
    switch (placement_.state) {
    case windowplacement::Maximised:
        showMaximized();
        break;
    case windowplacement::Minimised:
        showMinimized();
        break;
    default:
        show();
        break;
    }
}

void GameWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fitToFrame();
    Form_Resize();
}

void GameWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitToFrame();
}

void GameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitToFrame();
    Form_Resize();
}

// A window manager frames the window some time after it is shown, and changes
// the frame with the window's state. The minimum size and the stored outer
// size are kept in terms of the frame as it is.
void GameWindow::fitToFrame()
{
    if (!isVisible())
        return;
    const QSize frame = frameGeometry().size() - size();
    if (frame != frame_) {
        frame_ = frame;
        // The window manager then stops a drag at the minimum, so the window never
        // has to snap back under the pointer.
        setMinimumSize(windowplacement::kMinimumOuterPixels - frame);
    }
    if (storedOuterSize_.isEmpty() || frame.isNull() || currentState() != windowplacement::Normal)
        return;
    const QSize inner = storedOuterSize_ - frame;
    storedOuterSize_ = QSize();
    resize(inner);
}

void GameWindow::Form_Resize()
{
    ErrorScope::run(modules::frmMain, "Form_Resize", [&] {
        if (isMinimized() || !isVisible())
            return;
        if (currentState() == windowplacement::Normal) {
            // The smallest window is 800 x 600 outside, so the board inside ends a
            // little smaller by the frame.
            const QSize frame = frameGeometry().size() - size();
            const QSize minimum = windowplacement::kMinimumOuterPixels;
            if (board_->height() < minimum.height())
                resize(width(), minimum.height() - frame.height());
            if (board_->width() < minimum.width())
                resize(minimum.width() - frame.width(), height());
        }
        layOut();
    });
}

void GameWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void GameWindow::Form_Activate()
{
    if (FirstShowDone)
        return;
    FirstShowDone = true;
    emit firstActivated();
}

qint16 GameWindow::currentState() const
{
    // Without a window manager the window stays as it is, whatever Qt asked for.
    if (!(isMinimized() || isMaximized()) || !screenmetrics::windowStatesHonoured())
        return windowplacement::Normal;
    return isMinimized() ? windowplacement::Minimised : windowplacement::Maximised;
}

QRect GameWindow::frameInTwips() const
{
    const QRect frame = frameGeometry();
    const int perPixelX = screenmetrics::twipsPerPixelX();
    const int perPixelY = screenmetrics::twipsPerPixelY();
    return {frame.x() * perPixelX, frame.y() * perPixelY, frame.width() * perPixelX,
            frame.height() * perPixelY};
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void GameWindow::Form_Unload()
{
    unloaded_ = true;
    game_->stop(); // no paused procedure goes on once the window closes
    ErrorScope::run(modules::frmMain, "Form_Unload", [&] {
        // Closed before it was ever shown (a log-out during the splash), the
        // window has no placement of its own: the stored one stays.
        if (isVisible())
            windowplacement::save(currentState(), frameInTwips(),
                                  screenmetrics::windowPositionsKnown()
                                      ? windowplacement::Position::Known
                                      : windowplacement::Position::Unknown);
        if (settings().Music != 0)
            stopMusic();
    });
    Shutdown(this);
}
