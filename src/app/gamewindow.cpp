#include "gamewindow.h"

#include "app/languagetable.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "errors/errorscope.h"
#include "platform/programdir.h"
#include "platform/screenmetrics.h"

#include <QCloseEvent>
#include <QDir>
#include <QTimer>

namespace {

const QString kModule = QStringLiteral("frmMain");

} // namespace

GameWindow::GameWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(kModule);
    setCentralWidget(new QWidget(this));
    centralWidget()->setObjectName(QStringLiteral("board"));
}

void GameWindow::Form_Load()
{
    ErrorScope scope(kModule, QStringLiteral("Form_Load"));
    scope.run([&] {
        // Music, help and vocabulary files are named relative to the program folder.
        QDir::setCurrent(programdir::path());
        applyPlacement(windowplacement::read({screenmetrics::screenSizeInTwips(),
                                              screenmetrics::twipsPerPixelX(),
                                              screenmetrics::twipsPerPixelY()}));
        readSettingsRecord();
        setWindowTitle(language::text(100));
    });
}

void GameWindow::readSettingsRecord()
{
    using settingsfile::GetIniInt;
    const QString section = QStringLiteral("Einstellungen");
    Settings& record = settings();
    record.Anzahl = GetIniInt(section, QStringLiteral("Anzahl"), 4);
    record.Tipps = GetIniInt(section, QStringLiteral("Tipps"), 3);
    record.minLen = GetIniInt(section, QStringLiteral("minLen"), 4);
    record.Motiv = GetIniInt(section, QStringLiteral("Motiv"), 1);
    record.Bild = GetIniInt(section, QStringLiteral("Bild"), 1);
    record.Wiederholung = GetIniInt(section, QStringLiteral("Wiederholung"), 1);
    language::LanguageOffset() =
        GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Sprache"), 0);
    record.Sound = GetIniInt(section, QStringLiteral("Sound"), -1);
    record.Music = GetIniInt(section, QStringLiteral("Music"), -1);
    record.Anzeige = GetIniInt(section, QStringLiteral("Anzeige"), 1);
    record.Remove = GetIniInt(section, QStringLiteral("Remove"), 1);
    for (int n = 1; n <= 4; ++n)
        record.names[n - 1] = settingsfile::readPlayerName(n);
}

void GameWindow::applyPlacement(const windowplacement::Placement& placement)
{
    placement_ = placement;
    if (placement.state == windowplacement::Maximised)
        return;
    const int perPixelX = screenmetrics::twipsPerPixelX();
    const int perPixelY = screenmetrics::twipsPerPixelY();
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
    if (storedOuterSize_.isEmpty())
        return;
    // The stored size is the outer size; the frame is known only once the window shows.
    const QSize outer = storedOuterSize_;
    storedOuterSize_ = QSize();
    QTimer::singleShot(0, this, [this, outer] {
        if (currentState() == windowplacement::Normal)
            resize(outer - (frameGeometry().size() - size()));
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
    if (isMinimized())
        return windowplacement::Minimised;
    if (isMaximized())
        return windowplacement::Maximised;
    return windowplacement::Normal;
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
    ErrorScope scope(kModule, QStringLiteral("Form_Unload"));
    scope.run([&] { windowplacement::save(currentState(), frameInTwips()); });
    Shutdown(this);
}
