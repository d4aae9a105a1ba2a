// Every picture, sound, the music, the help and the shipped vocabularies: present,
// numbered as the game addresses them, and of the right size and format.

#include "board/pictures.h"
#include "files/cp1252.h"
#include "files/resources.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expectPicture(const QImage& image, QSize size, const std::string& what)
{
    ASSERT_FALSE(image.isNull()) << what << " is missing";
    EXPECT_EQ(image.size(), size) << what;
}

} // namespace

TEST(Assets, PictureStoriesBackgroundsAndSymbols)
{
    for (int motif = 0; motif < 5; ++motif) {
        for (int step = 0; step < 10; ++step) {
            const int id = 101 + 10 * motif + step;
            expectPicture(pictures::bitmap(id).value_or(QImage()), QSize(160, 160),
                          "bitmap " + std::to_string(id));
        }
        expectPicture(pictures::bitmap(200 + motif).value_or(QImage()), QSize(640, 480),
                      "background " + std::to_string(200 + motif));
        const QSize symbol = motif == 4 ? QSize(26, 27) : QSize(32, 32);
        expectPicture(
            pictures::picture(QStringLiteral("symbol%1.png").arg(motif)).value_or(QImage()), symbol,
            "symbol " + std::to_string(motif));
    }
    EXPECT_FALSE(pictures::bitmap(100)) << "nothing is numbered below the first story";
    EXPECT_FALSE(pictures::bitmap(151)) << "nothing is numbered past the last story";
}

TEST(Assets, BoardPictures)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"letters.png", {250, 180}},  {"used.png", {25, 30}},
        {"field.png", {27, 32}},      {"clothesline.png", {600, 120}},
        {"tool_start.png", {32, 32}}, {"tool_end.png", {32, 32}},
        {"tool_hint.png", {32, 32}},  {"tool_options.png", {32, 32}},
        {"tool_help.png", {32, 32}}};
    for (const auto& [name, size] : pictures)
        expectPicture(pictures::picture(QString::fromLatin1(name)).value_or(QImage()), size, name);
    for (int flag = 0; flag < 7; ++flag)
        expectPicture(pictures::picture(QStringLiteral("flag%1.png").arg(flag)).value_or(QImage()),
                      QSize(32, 20), "flag " + std::to_string(flag));
    for (const char* name : {"info1.png", "info2.png", "frostel.png"})
        EXPECT_TRUE(pictures::picture(QString::fromLatin1(name))) << name;
}

TEST(Assets, EveryPictureComesAlsoDrawnAtTwiceItsSize)
{
    int singles = 0;
    int doubles = 0;
    for (const QString& folder : {QStringLiteral(":/BITMAP"), QStringLiteral(":/pictures")}) {
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            if (name.contains(QStringLiteral("@2x"))) {
                ++doubles;
                continue;
            }
            if (name == QStringLiteral("frostel.png"))
                continue; // the program picture, which the game never shows
            ++singles;
            const bool numbered = folder.endsWith(QStringLiteral("BITMAP"));
            const std::optional<QImage> single =
                numbered ? pictures::bitmap(name.toInt()) : pictures::picture(name);
            const std::optional<QImage> doubled =
                numbered ? pictures::bitmap(name.toInt(), 2) : pictures::picture(name, 2);
            ASSERT_TRUE(single) << qPrintable(name) << " is no picture";
            ASSERT_TRUE(doubled) << qPrintable(name) << " at twice the size is missing";
            EXPECT_EQ(doubled->size(), single->size() * 2) << qPrintable(name);
            // Brought down to the single size, it is the same picture.
            const QImage reduced =
                doubled->scaled(single->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(meanDifference(reduced, *single), 2.0)
                << qPrintable(name) << " shows another picture";
        }
    }
    // 50 story pictures and 5 backgrounds; letter sheet, used mark, field, line,
    // 5 toolbar icons, 2 about pictures, 7 flags and 5 score symbols.
    EXPECT_EQ(singles, 55 + 23);
    EXPECT_EQ(doubles, singles) << "a picture at twice the size without its single one";
}

TEST(Assets, SoundEffectsArePlayableWaveFiles)
{
    for (int id = 100; id <= 113; ++id) {
        const QByteArray wav = resources::load(QStringLiteral("WAV"), id).value_or(QByteArray());
        ASSERT_GE(wav.size(), 44) << "sound " << id;
        EXPECT_TRUE(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ") << "sound " << id;
        const auto* bytes = reinterpret_cast<const uchar*>(wav.constData());
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 4), quint32(wav.size() - 8)) << "sound " << id;
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 20), 1) << "PCM, sound " << id;
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 22), 1) << "mono, sound " << id;
        const quint32 rate = qFromLittleEndian<quint32>(bytes + 24);
        EXPECT_TRUE(rate == 22050 || rate == 11025 || rate == 7500) << "sound " << id;
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 34), 8) << "8 bits, sound " << id;
        const qsizetype data = wav.indexOf("data");
        ASSERT_GT(data, 0) << "sound " << id;
        const double seconds = qFromLittleEndian<quint32>(bytes + data + 4) / double(rate);
        EXPECT_GE(seconds, 0.04) << "sound " << id;
        EXPECT_LE(seconds, 1.85) << "sound " << id;
    }
    EXPECT_FALSE(resources::load(QStringLiteral("WAV"), 114));
}

TEST(Assets, TheProgramFolderHoldsMusicHelpAndVocabularies)
{
    const QString folder = QStringLiteral(FROSTEL_BUILD_DIR);
    const QByteArray midi = fileBytes(folder + "/frostel.mid");
    ASSERT_GE(midi.size(), 14) << "frostel.mid beside the program";
    EXPECT_TRUE(midi.startsWith("MThd"));
    EXPECT_TRUE(QFile::exists(folder + "/frostel.chm/index.html"));
    for (const char* language : {"de", "en", "sv", "it", "pt", "es", "fr"})
        EXPECT_TRUE(QFile::exists(folder + "/frostel.chm/" + language + "/index.html")) << language;
    EXPECT_TRUE(QFile::exists(folder + "/frostel.chm/img/flag0.png"));

    const QStringList vocabularies = {"deutsch/eisbold.dat",        "english/frostel.dat",
                                      "svenska/frosvik.dat",        "italiano/gelindo.dat",
                                      "portuguesa/vocabulario.dat", "español/helarin.dat",
                                      "français/givrelin.dat"};
    for (const QString& vocabulary : vocabularies)
        EXPECT_GT(fileBytes(folder + u'/' + vocabulary).size(), 1000) << qPrintable(vocabulary);
}

TEST(Assets, ShippedVocabulariesCanBeShownAndGuessed)
{
    const QString source = QStringLiteral(FROSTEL_SOURCE_DIR "/resources/vocabulary/");
    const std::pair<QString, QString> languages[] = {
        {"deutsch/eisbold.dat", "ÄÖÜ"},        {"english/frostel.dat", ""},
        {"svenska/frosvik.dat", "ÄÖÅ"},        {"italiano/gelindo.dat", ""},
        {"portuguesa/vocabulario.dat", "ÃÕÇ"}, {"español/helarin.dat", "Ñ"},
        {"français/givrelin.dat", "Ç"}};
    constexpr int kWidestEntry = 24; // letter fields 30 pixels apart across an 800-pixel board
    for (const auto& [file, extra] : languages) {
        const QString allowed =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ '-") + extra;
        const QByteArray bytes = fileBytes(source + file);
        ASSERT_TRUE(bytes.endsWith("\r\n")) << qPrintable(file);
        const QStringList entries =
            cp1252::decode(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        EXPECT_GE(entries.size(), 300) << qPrintable(file);
        for (const QString& entry : entries) {
            EXPECT_LE(entry.size(), kWidestEntry) << qPrintable(entry);
            EXPECT_GE(entry.size(), 4) << qPrintable(entry);
            for (const QChar c : entry.toUpper())
                EXPECT_TRUE(allowed.contains(c)) << qPrintable(file) << ": " << qPrintable(entry);
        }
    }
}

// Software centres show the screenshots the metainfo names; the maker publishes
// the committed ones (tools/screenshots/take.sh) under those addresses.
TEST(Assets, EveryScreenshotOfTheMetainfoIsCommittedAtTheSizeItNames)
{
    QFile metainfo(QStringLiteral(FROSTEL_SOURCE_DIR "/resources/desktop/frostel.metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    int screenshots = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"image")
            continue;
        const QSize named(xml.attributes().value(QLatin1String("width")).toInt(),
                          xml.attributes().value(QLatin1String("height")).toInt());
        const QUrl address(xml.readElementText());
        EXPECT_EQ(address.scheme(), "https");
        const QString file = QStringLiteral(FROSTEL_SOURCE_DIR "/resources/desktop/screenshots/") +
                             address.fileName();
        QImageReader picture(file);
        EXPECT_EQ(picture.format(), "png") << file.toStdString();
        EXPECT_EQ(picture.size(), named) << file.toStdString();
        ++screenshots;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(screenshots, 3);
}
