#pragma once

#include "frame/languagetable.h"
#include "frame/settings.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

// A fresh program folder with an empty English vocabulary folder, the game in
// English and its vocabulary file named words.dat, which the test writes or
// leaves missing. Afterwards the language and the settings are as they were,
// so that the next test does not start from this one's.
class EnglishVocabularyTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const;
    QString pathOf(const QString& name) const { return folder() + u'/' + name; }
    QString vocabularyPath() const { return pathOf(QStringLiteral("words.dat")); }

    TestEnvironment environment;

private:
    qint16 savedOffset_ = language::LanguageOffset();
    Settings savedSettings_ = settings();
};
