#include "startup.h"

#include "app/gamewindow.h"
#include "app/languagetable.h"
#include "app/settings.h"
#include "errors/errorreportwindow.h"
#include "platform/instancelock.h"
#include "platform/systeminfo.h"
#include "platform/terminationsignal.h"

#include <QApplication>

void chooseStartupLanguage()
{
    const QString section = QStringLiteral("Optionen");
    const QString key = QStringLiteral("Sprache");
    if (!settingsfile::GetIniString(section, key, QString()).isEmpty())
        language::LanguageOffset() = settingsfile::GetIniInt(section, key, 0);
    else
        language::LanguageOffset() = platform::userLanguageId().startsWith(u"0407") ? 0 : 1000;
}

int runFrostel(QApplication& application)
{
    InstanceLock instance(language::GetTempDir());
    if (!instance.acquire())
        return 0;

    WindowErrorReporter reporter;
    errors::installReporter(&reporter);

    chooseStartupLanguage();
    language::extractLanguageTable();

    GameWindow window;
    window.Form_Load();
    window.showAsStored();
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &window, &GameWindow::close);
    const int exitCode = application.exec();
    errors::installReporter(nullptr);
    return exitCode;
}
