#pragma once

#include <QStringList>

// Where the game's words come from. Behind it stand the vocabulary files of the
// interface language; the game itself knows nothing of files.
class VocabularySource
{
public:
    virtual ~VocabularySource() = default;

    // The entries to play: in capitals, each at least `minLen` long. Failures
    // have been reported; what could be read is there.
    virtual QStringList wordsForPlay(qint16 minLen) = 0;
};
