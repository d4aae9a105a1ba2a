#include "languagevocabulary.h"

#include "vocabulary/vocabularyfile.h"

QStringList LanguageVocabulary::wordsForPlay(qint16 minLen)
{
    return vocabularyfile::readForPlay(minLen).entries;
}
