#include "coregame.h"

#include "frame/languagetable.h"
#include "frame/settings.h"

#include <QCoreApplication>

#include <stdexcept>

namespace {

// More steps than any test's game takes: a game that never comes to rest fails.
constexpr int kMostSteps = 100000;

} // namespace

void ScriptedHost::playSound(int id)
{
    sounds.append(id);
    if (onSound)
        onSound(id);
}

bool ScriptedHost::answer(const QString& question)
{
    questions.append(question);
    if (onAsk)
        onAsk(question);
    if (answers.empty())
        return true;
    const bool given = answers.front();
    answers.pop_front();
    return given;
}

QStringList ListVocabulary::wordsForPlay(qint16 minLen)
{
    ++loads;
    QStringList words;
    for (const QString& entry : entries) {
        if (entry.trimmed().size() >= minLen)
            words.append(entry.toUpper());
    }
    return words;
}

CoreGame::CoreGame(const QStringList& words, const QByteArray& extraSettings)
    : game(host, vocabulary)
{
    vocabulary.entries = words;
    writeFile(environment.settingsPath(),
              // The first of two equal keys counts, so the test's own settings come first.
              "[Einstellungen]\r\n" + extraSettings +
                  "Sound= 0\r\nMusic= 0\r\nAnzahl= 2\r\n[Optionen]\r\nSprache= 0\r\n");
    language::extractLanguageTable();
    settingsfile::readGameSettings(settings(), language::LanguageOffset());
    host.shown = false;
    game.imgLang_Click(language::LanguageOffset() / 1000);
    settingsfile::readSwitchesAndNames(settings());
    game.zurueck();
    host.shown = true;
}

void CoreGame::settle()
{
    for (int step = 0; step < kMostSteps; ++step) {
        if (onIdle)
            onIdle(environment.clock.nextPause());
        QCoreApplication::processEvents();
        // A closed game's window takes no keys.
        if (pressNext && state().phase == Phase::WaitingForNext && !game.stopped())
            game.Form_KeyPress(u'\r');
        else if (!environment.clock.fireNext())
            return;
    }
    throw std::runtime_error("the game never comes to rest");
}

void CoreGame::click(int button)
{
    game.PicBut_click(button);
    settle();
}

void CoreGame::type(const QString& letters)
{
    for (const QChar letter : letters) {
        game.Form_KeyPress(letter);
        settle();
    }
}

int CoreGame::keyOf(const QString& letter) const
{
    for (int k = 0; k < gamerules::kKeys; ++k) {
        if (game.alphabet().key(k).letter == letter)
            return k;
    }
    return -1;
}
