#pragma once

#include "game/vocabularysource.h"

// The game's words from the vocabulary file chosen for the interface language.
class LanguageVocabulary final : public VocabularySource
{
public:
    QStringList wordsForPlay(qint16 minLen) override;
};
