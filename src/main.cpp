#include "app/startup.h"
#include "platform/systemtranslations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frostel"));
    platform::installSystemTranslations(application);
    return runFrostel(application);
}
