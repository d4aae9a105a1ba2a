#include "wavesound.h"

#include <QCoreApplication>

#include <SDL.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <memory>

namespace {

// A sample buffer of about 20 ms: SDL's default of 4096 frames would start
// every effect a good fifth of a second after the moment it belongs to.
Uint16 framesPerBuffer(int frequency)
{
    return static_cast<Uint16>(
        std::clamp(std::bit_ceil(static_cast<unsigned>(frequency) / 50), 128U, 4096U));
}

} // namespace

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer()
{
    closeDevice();
    if (audioStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool WavePlayer::play(const QByteArray& waveFile)
{
    stop();
    // Only a whole file plays: a cut-off sound would end in a click.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source =
        waveFile.size() > INT_MAX
            ? nullptr
            : SDL_RWFromConstMem(waveFile.constData(), static_cast<int>(waveFile.size()));
    if (!source || !SDL_LoadWAV_RW(source, 1, &spec, &samples, &length))
        return false;
    // Queueing copies the samples.
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> decoded(samples, &SDL_FreeWAV);
    if (!startAudio() || !openDevice({spec.freq, spec.format, spec.channels}))
        return false;
    if (SDL_QueueAudio(device_, samples, length) != 0) {
        closeDevice();
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void WavePlayer::stop()
{
    if (device_)
        SDL_ClearQueuedAudio(device_);
}

bool WavePlayer::isPlaying() const
{
    return device_ && SDL_GetQueuedAudioSize(device_) > 0;
}

bool WavePlayer::startAudio()
{
    if (audioStarted_)
        return true;
    // The game turns the termination signals into a normal close itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (!name.isEmpty())
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, name.constData());
    audioStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audioStarted_;
}

bool WavePlayer::openDevice(const Format& format)
{
    // A device that went away (its sound server restarted) is opened anew.
    if (device_ && format == deviceFormat_ &&
        SDL_GetAudioDeviceStatus(device_) != SDL_AUDIO_STOPPED)
        return true;
    closeDevice();
    // With no device at all, SDL would still try the default one at every sound,
    // and ALSA would complain of the missing card on the standard error each time.
    if (SDL_GetNumAudioDevices(0) == 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = format.frequency;
    wanted.format = static_cast<SDL_AudioFormat>(format.encoding);
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = framesPerBuffer(format.frequency);
    // No changes allowed: SDL converts to whatever the device takes. Opened paused.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    deviceFormat_ = format;
    return device_ != 0;
}

void WavePlayer::closeDevice()
{
    if (device_)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
}
