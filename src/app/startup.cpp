#include "startup.h"

#include "app/gamewindow.h"
#include "desktop/terminationsignal.h"
#include "dialogs/errorreport/errorreportwindow.h"
#include "dialogs/info/infodialog.h"
#include "errors/errorprotocol.h"
#include "files/atomicfile.h"
#include "files/instancelock.h"
#include "frame/interfacelanguage.h"
#include "frame/languagetable.h"
#include "frame/maker.h"
#include "frame/settings.h"
#include "frame/wait.h"
#include "game/game.h"
#include "vocabulary/vocabularyfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QWindow>

namespace {

constexpr double kLongestSplashWait = 0.2; // seconds

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

void showAndDraw(QWidget& window)
{
    window.show();
    // Nothing closes the program before its game window exists.
    const bool closing = false;
    const Ticket ticket(closing);
    handleEvents(ticket); // what the display has answered already
    // A display that never shows the window costs the longest wait, no more.
    waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }, ticket,
              kLongestSplashWait);
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

    InfoDialog::SplashPending = true;
    auto* splash = new InfoDialog;
    showAndDraw(*splash);

    GameWindow window;
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &window, &GameWindow::close);
    window.Form_Load();
    waitUntil([] { return InfoDialog::SplashDone; }, window.game().closingTicket());
    delete splash;
    if (window.game().stopped())
        return 0; // closed (by a log-out, say) before it was shown
    window.showAsStored();
    const int exitCode = application.exec();
    errors::installReporter(nullptr);
    return exitCode;
}
