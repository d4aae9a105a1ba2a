#include "sound.h"

#include "errors/errorscope.h"
#include "files/resources.h"
#include "frame/settings.h"
#include "sound/music.h"
#include "sound/wavesound.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

WavePlayer& player()
{
    // Owned by the application, so the audio device is let go before Qt shuts down.
    static QPointer<WavePlayer> instance;
    if (!instance)
        instance = new WavePlayer(QCoreApplication::instance());
    return *instance;
}

} // namespace

Music& music()
{
    static Music instance;
    return instance;
}

void PlayWAV(qint32 id)
{
    ErrorScope::run(modules::Allgemein, "PlayWAV", [&] {
        const std::optional<QByteArray> sound = resources::load(QStringLiteral("WAV"), id);
        if (!sound)
            return;
        player().play(*sound);
    });
}

void MakeMusic()
{
    ErrorScope::run(modules::Allgemein, "MakeMusic", [&] {
        if (music().open(QStringLiteral("frostel.mid")))
            music().play();
    });
}

void stopMusic()
{
    music().close();
}

void toggleMusic(bool checkedNow)
{
    ErrorScope::run(modules::frmMain, "mnuPlayMusic_Click", [&] {
        Settings& record = settings();
        if (record.Music != 0)
            stopMusic();
        record.Music = checkedNow ? -1 : 0;
        if (record.Music != 0)
            MakeMusic();
        settingsfile::SaveIni(settingsfile::kSettingsSection, QStringLiteral("Music"),
                              settingsfile::numberText(record.Music));
    });
}

void toggleSound(bool checkedNow)
{
    Settings& record = settings();
    record.Sound = checkedNow ? -1 : 0;
    settingsfile::SaveIni(settingsfile::kSettingsSection, QStringLiteral("Sound"),
                          settingsfile::numberText(record.Sound));
}
