#include "music.h"

#include "files/regularfile.h"

#include <QFile>

#include <fluidsynth.h>

#include <malloc.h>

namespace {

constexpr qint64 kLargestMidiFile = 16 * 1024 * 1024;
// The game's tune sounds at most 109 voices at once; the synthesizer's default
// of 256 would hold some 1.4 MB more ready for voices that never sound.
constexpr int kVoices = 128;

constexpr int kPercussionChannel = 9;
// A soundfont keeps 46 zero samples after each sample. Debian 12's FluidSynth
// reads into them when it loads samples on demand, but then holds only the
// sample itself, and the drum kit's short samples end in a click of whatever
// lies beyond. Ending each drum sample that much earlier keeps the kit in its
// own samples: the tune then sounds exactly as from the whole soundfont.
constexpr float kDrumSampleEndOffset = -46;

void quietenFluidSynth()
{
    // Its own messages would go to the terminal; a missing sound server is not news.
    for (const int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

fluid_audio_driver_t* startAudio(fluid_settings_t* settings, fluid_synth_t* synth)
{
    // The sound server first; ALSA is what every Linux system has without one.
    for (const char* driver : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(settings, "audio.driver", driver);
        if (fluid_audio_driver_t* started = new_fluid_audio_driver(settings, synth))
            return started;
    }
    return nullptr;
}

} // namespace

// One open MIDI file with its own synthesizer. Any part may be missing; the
// music is then silent.
struct Music::Synthesizer
{
    Synthesizer(const QByteArray& tune, const Music::Options& options)
    {
        settings = new_fluid_settings();
        if (!settings)
            return;
        fluid_settings_setnum(settings, "synth.gain", options.gain);
        fluid_settings_setint(settings, "synth.polyphony", kVoices);
        // The samples of the instruments the tune selects, not all 128 and the drums.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        synth = new_fluid_synth(settings);
        if (!synth || options.soundFont.isEmpty() ||
            fluid_synth_sfload(synth, QFile::encodeName(options.soundFont).constData(), 1) ==
                FLUID_FAILED)
            return;
        fluid_synth_set_gen(synth, kPercussionChannel, GEN_ENDADDROFS, kDrumSampleEndOffset);
        player = new_fluid_player(synth);
        if (!player || fluid_player_add_mem(player, tune.constData(),
                                            static_cast<std::size_t>(tune.size())) != FLUID_OK)
            return;
        if (options.audioOutput)
            driver = startAudio(settings, synth);
    }

    ~Synthesizer()
    {
        // The driver renders on its own thread; it goes first.
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
        }
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
};

Music::Music() : Music(Options{}) {}

Music::Music(Options options) : options_(std::move(options)) {}

Music::~Music() = default;

bool Music::open(const QString& path)
{
    close();
    // Read once and without waiting on a FIFO: what is checked is what plays.
    const regularfile::Contents tune =
        regularfile::read(path, kLargestMidiFile, regularfile::Links::Follow);
    if (tune.failure != regularfile::Failure::None || !tune.bytes.startsWith("MThd"))
        return false;
    quietenFluidSynth();
    open_ = std::make_unique<Synthesizer>(tune.bytes, options_);
    // Loading freed a good deal on its way (the soundfont's tables, the parsed
    // tune); the heap gives it back to the system instead of keeping it.
    malloc_trim(0);
    return true;
}

void Music::play()
{
    if (open_ && open_->player)
        fluid_player_play(open_->player);
}

void Music::close()
{
    if (!open_)
        return;
    open_.reset();
    malloc_trim(0); // the synthesizer's megabytes go back to the system, not to the heap
}

bool Music::isOpen() const
{
    return open_ != nullptr;
}

bool Music::isPlaying() const
{
    return open_ && open_->player && fluid_player_get_status(open_->player) == FLUID_PLAYER_PLAYING;
}

std::vector<float> Music::render(int frames)
{
    std::vector<float> stereo(2 * static_cast<std::size_t>(frames));
    if (open_ && open_->synth && !open_->driver)
        fluid_synth_write_float(open_->synth, frames, stereo.data(), 0, 2, stereo.data(), 1, 2);
    return stereo;
}
