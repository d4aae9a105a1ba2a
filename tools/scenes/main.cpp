// Writes every picture of the five motifs as PNG files into one folder:
// 101.png to 150.png (sequence steps), 200.png to 204.png (backgrounds),
// symbol0.png to symbol4.png (score symbols); each also drawn at twice the size
// for screens of device pixel ratio 2, as 101@2x.png and so on.

#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <array>
#include <functional>

namespace {

using StepPainter = std::function<QImage(int, int)>;

constexpr std::array<int, 2> kScales = {1, 2};

// "101.png" at scale 1, "101@2x.png" at scale 2.
QString fileName(const QString& stem, int scale)
{
    return scale == 1 ? stem + ".png" : QStringLiteral("%1@%2x.png").arg(stem).arg(scale);
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool writeSequences(const QDir& folder, int scale)
{
    const std::array<StepPainter, scenes::motifCount> painters = {
        scenes::paintAppleTree, scenes::paintFrostel, scenes::paintShip, scenes::paintBird,
        scenes::paintCar};
    bool ok = true;
    for (int motif = 0; motif < scenes::motifCount; ++motif) {
        for (int step = 0; step < scenes::stepCount; ++step) {
            const QImage picture =
                painters[motif](step, scale).convertToFormat(QImage::Format_RGB32);
            const int number = 101 + 10 * motif + step;
            ok = save(picture, folder, fileName(QString::number(number), scale)) && ok;
        }
    }
    return ok;
}

bool writeBackgroundsAndSymbols(const QDir& folder, int scale)
{
    bool ok = true;
    for (int motif = 0; motif < scenes::motifCount; ++motif) {
        const QImage background =
            scenes::paintBackground(motif, scale).convertToFormat(QImage::Format_RGB32);
        ok = save(background, folder, fileName(QString::number(200 + motif), scale)) && ok;
        ok = save(scenes::paintSymbol(motif, scale), folder,
                  fileName(QStringLiteral("symbol%1").arg(motif), scale)) &&
             ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: frostel_scenes OUTPUT_FOLDER\n";
        return 2;
    }
    QDir folder(arguments.at(1));
    if (!folder.mkpath(".")) {
        QTextStream(stderr) << "cannot create " << arguments.at(1) << '\n';
        return 1;
    }
    bool ok = true;
    for (const int scale : kScales) {
        ok = writeSequences(folder, scale) && ok;
        ok = writeBackgroundsAndSymbols(folder, scale) && ok;
    }
    return ok ? 0 : 1;
}
