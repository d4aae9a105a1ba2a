// The help pages speak of the game's controls in the words the game shows.

#include "frame/languagetable.h"
#include "support/testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

namespace {

const QStringList kPageFolders = {"de", "en", "sv", "it", "pt", "es", "fr"};

QString page(int languageIndex)
{
    QFile file(QStringLiteral(FROSTEL_SOURCE_DIR "/resources/help/") + kPageFolders[languageIndex] +
               QStringLiteral("/index.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString message(int languageIndex, int number)
{
    return language::GetLang(static_cast<qint16>(languageIndex * 1000 + number));
}

// A caption as a text names it: without its access key mark and closing colon.
QString named(QString caption)
{
    caption.remove(u'&');
    static const QRegularExpression colon(QStringLiteral("[\\s\\x{00a0}]*:$"));
    return caption.remove(colon).trimmed();
}

class HelpPagesTest : public ::testing::Test
{
protected:
    void SetUp() override { language::extractLanguageTable(); }
    TestEnvironment environment;
};

} // namespace

TEST_F(HelpPagesTest, ToolbarPicturesAreDescribedByTheirButtonsTooltips)
{
    const QMap<QString, int> tooltips = {
        {"start", 169}, {"end", 170}, {"hint", 168}, {"options", 101}, {"help", 134}};
    static const QRegularExpression picture(
        QStringLiteral("<img[^>]*src=\"../img/tool_(\\w+)\\.png\"[^>]*alt=\"([^\"]*)\""));
    for (int i = 0; i < language::kLanguageCount; ++i) {
        int seen = 0;
        for (const auto& match : picture.globalMatch(page(i))) {
            EXPECT_EQ(match.captured(2), message(i, tooltips.value(match.captured(1))))
                << qPrintable(kPageFolders[i]) << ": " << qPrintable(match.captured(1));
            ++seen;
        }
        EXPECT_GE(seen, 5) << qPrintable(kPageFolders[i]);
    }
}

TEST_F(HelpPagesTest, OptionsAndEditorTablesNameEveryControlByItsCaption)
{
    const QList<int> captions = {101, 102, 104, 105, 106, 107, 108, 109, 110, 111,
                                 113, 145, 153, 154, 155, 156, 157, 173, 179, 183};
    static const QRegularExpression nameCell(
        QStringLiteral("<td class=\"name\"[^>]*>([^<]*)</td>"));
    for (int i = 0; i < language::kLanguageCount; ++i) {
        QStringList known = {QStringLiteral("OK")};
        for (const int number : captions)
            known.append(named(message(i, number)));
        const QString text = page(i);
        // The keyboard's table ends with F1; the options and the editor follow.
        const qsizetype start = text.indexOf(QStringLiteral("<td class=\"name\">F1</td>"));
        ASSERT_GT(start, 0) << qPrintable(kPageFolders[i]);
        int rows = 0;
        for (const auto& match : nameCell.globalMatch(text.mid(start + 1))) {
            const QString name = QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText();
            EXPECT_TRUE(known.contains(name))
                << qPrintable(kPageFolders[i]) << ": '" << qPrintable(name) << "'";
            ++rows;
        }
        EXPECT_GE(rows, 18) << qPrintable(kPageFolders[i]);
    }
}

TEST_F(HelpPagesTest, FrenchPutsANonBreakingSpaceBeforeItsColonsAndMarks)
{
    static const QRegularExpression looseSpace(QStringLiteral(" [:?!]"));
    for (int number = 100; number < 500; ++number) {
        EXPECT_FALSE(message(6, number).contains(looseSpace)) << "message " << number;
    }
    const QString text = QTextDocumentFragment::fromHtml(page(6)).toRawText();
    const auto loose = looseSpace.match(text);
    EXPECT_FALSE(loose.hasMatch()) << qPrintable(text.mid(loose.capturedStart() - 30, 40));
}
