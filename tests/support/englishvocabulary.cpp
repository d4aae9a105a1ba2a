#include "englishvocabulary.h"

#include <QDir>

namespace {

constexpr qint16 kEnglish = 1000; // folder "english", default file "frostel.dat"

} // namespace

void EnglishVocabularyTest::SetUp()
{
    language::extractLanguageTable();
    language::LanguageOffset() = kEnglish;
    settings().Datei = QStringLiteral("words.dat");
    QDir(environment.programDir()).mkdir(QStringLiteral("english"));
}

void EnglishVocabularyTest::TearDown()
{
    language::LanguageOffset() = savedOffset_;
    settings() = savedSettings_;
}

QString EnglishVocabularyTest::folder() const
{
    return environment.programDir() + QStringLiteral("/english");
}
