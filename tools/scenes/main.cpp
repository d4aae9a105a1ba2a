// Writes every picture of the five motifs as PNG files into one folder:
// 101.png to 150.png (sequence steps), 200.png to 204.png (backgrounds),
// symbol0.png to symbol4.png (score symbols).

#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <array>
#include <functional>

namespace {

using StepPainter = std::function<QImage(int)>;

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool writeSequences(const QDir& folder)
{
    const std::array<StepPainter, scenes::motifCount> painters = {
        scenes::paintAppleTree, scenes::paintFrostel, scenes::paintShip, scenes::paintBird,
        scenes::paintCar};
    bool ok = true;
    for (int motif = 0; motif < scenes::motifCount; ++motif) {
        for (int step = 0; step < scenes::stepCount; ++step) {
            const QImage picture = painters[motif](step).convertToFormat(QImage::Format_RGB32);
            const int number = 101 + 10 * motif + step;
            ok = save(picture, folder, QString::number(number) + ".png") && ok;
        }
    }
    return ok;
}

bool writeBackgroundsAndSymbols(const QDir& folder)
{
    bool ok = true;
    for (int motif = 0; motif < scenes::motifCount; ++motif) {
        const QImage background =
            scenes::paintBackground(motif).convertToFormat(QImage::Format_RGB32);
        ok = save(background, folder, QString::number(200 + motif) + ".png") && ok;
        ok = save(scenes::paintSymbol(motif), folder, QString("symbol%1.png").arg(motif)) && ok;
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
    const bool sequencesOk = writeSequences(folder);
    const bool restOk = writeBackgroundsAndSymbols(folder);
    return sequencesOk && restOk ? 0 : 1;
}
