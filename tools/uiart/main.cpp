// Writes the board's interface pictures as PNG files into a folder, or checks a folder of them.

#include "catalogue.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--check")) {
        return uiart::checkCatalogue(arguments.at(2)) ? 0 : 1;
    }
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--icons")) {
        return uiart::writePictures(uiart::iconCatalogue(), arguments.at(2)) ? 0 : 1;
    }
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--check-icons")) {
        return uiart::checkPictures(uiart::iconCatalogue(), arguments.at(2)) ? 0 : 1;
    }
    if (arguments.size() != 2 || arguments.at(1).startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: frostel_uiart OUTPUT_FOLDER\n"
                             "       frostel_uiart --check FOLDER\n"
                             "       frostel_uiart --icons|--check-icons ICON_FOLDER\n");
        return 2;
    }
    return uiart::writeCatalogue(arguments.at(1)) ? 0 : 1;
}
