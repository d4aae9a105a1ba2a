#include "startup.h"

#include "app/gamewindow.h"
#include "desktop/terminationsignal.h"
#include "dialogs/errorreport/errorreportwindow.h"
#include "dialogs/info/infodialog.h"
#include "errors/errorprotocol.h"
#include "files/atomicfile.h"
#include "files/instancelock.h"
#include "frame/clock.h"
#include "frame/interfacelanguage.h"
#include "frame/languagetable.h"
#include "frame/maker.h"
#include "frame/settings.h"
#include "game/game.h"
#include "vocabulary/vocabularyfile.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <memory>

namespace {

constexpr int kLongestSplashWait = 200; // milliseconds

// Runs an action once, from the event loop, as soon as a window has been drawn
// on screen or its longest wait is over, whichever comes first.
class WhenDrawn final : public QObject
{
public:
    WhenDrawn(QWidget& window, std::function<void()> action)
        : QObject(&window), action_(std::move(action))
    {
        window.installEventFilter(this);
        services::clock().singleShot(kLongestSplashWait, this, [this] { run(); });
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Once the paint that puts the window on screen is done.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (!action_)
            return;
        const std::function<void()> action = std::move(action_);
        action_ = nullptr;
        deleteLater();
        action();
    }

    std::function<void()> action_;
};

// The start after the language table is in place: the splash, the game window
// loaded behind it once the splash is on screen, and shown when the splash's
// time is up. Everything runs from the event loop; nothing waits in a loop of
// its own.
class StartUp final : public QObject
{
public:
    StartUp()
    {
        InfoDialog::SplashPending = true;
        splash_ = std::make_unique<InfoDialog>();
        // The splash closes itself while the game window is still hidden; that
        // is no reason to end the program.
        splash_->setAttribute(Qt::WA_QuitOnClose, false);
        connect(splash_.get(), &QDialog::finished, this, &StartUp::showWhenReady);
        connect(&termination_, &TerminationSignal::received, this, &StartUp::end);
        whenDrawn(*splash_, [this] { load(); });
        splash_->show();
    }

private:
    void load()
    {
        window_ = std::make_unique<GameWindow>();
        window_->Form_Load();
        loaded_ = true;
        showWhenReady();
    }

    void showWhenReady()
    {
        if (!loaded_ || !InfoDialog::SplashDone || shown_)
            return;
        shown_ = true;
        splash_.release()->deleteLater(); // it may be the one telling us

        if (!window_->game().stopped()) // closed (by a log-out, say) before it was shown
            window_->showAsStored();
    }

    // A log-out or Ctrl+C closes the game window the normal way, so that its
    // settings are kept; before it exists there is nothing to keep.
    void end()
    {
        if (window_)
            window_->close();
        else
            QCoreApplication::quit();
    }

    TerminationSignal termination_;
    std::unique_ptr<InfoDialog> splash_;
    std::unique_ptr<GameWindow> window_;
    bool loaded_ = false;
    bool shown_ = false;
};

} // namespace

void chooseStartupLanguage(const QStringList& userLanguages)
{
    const QString section = settingsfile::kOptionsSection;
    const QString key = QStringLiteral("Sprache");
    qint16& offset = language::LanguageOffset();
    if (settingsfile::GetIniString(section, key, QString()).isEmpty()) {
        offset = static_cast<qint16>(interfacelanguage::preferredIndex(userLanguages) * 1000);
        return;
    }
    // The splash speaks the language the board will.
    offset = knownLanguage(settingsfile::GetIniInt(section, key, 0));
}

void removeLeftoverTemporaryFiles()
{
    QStringList folders = {QFileInfo(settingsfile::path()).absolutePath(),
                           QFileInfo(errorprotocol::protocolFilePath()).absolutePath(),
                           language::GetTempDir()};
    for (int index = 0; index < language::kLanguageCount; ++index) {
        const auto offset = static_cast<qint16>(index * 1000);
        folders.append(QFileInfo(vocabularyfile::resolvePath(offset, {})).absolutePath());
    }
    folders.removeDuplicates();
    for (const QString& folder : folders)
        atomicfile::removeLeftovers(folder);
}

void whenDrawn(QWidget& window, std::function<void()> action)
{
    new WhenDrawn(window, std::move(action));
}

int runFrostel(QApplication& application)
{
    InstanceLock instance(language::GetTempDir());
    if (!instance.acquire())
        return 0;

    WindowErrorReporter reporter(
        {QString::fromLatin1(maker::supportMail), QString::fromLatin1(maker::homePage)});
    errors::installReporter(&reporter);

    chooseStartupLanguage(QLocale::system().uiLanguages());
    language::extractLanguageTable();
    removeLeftoverTemporaryFiles();

    const int exitCode = [&] {
        StartUp start;
        return application.exec();
    }();
    errors::installReporter(nullptr);
    return exitCode;
}
