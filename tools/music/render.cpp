#include "render.hpp"

#include <fluidsynth.h>

#include <memory>
#include <stdexcept>

namespace music {

namespace {

// The game's player sets the same gain: the soundfont is quiet at FluidSynth's default.
constexpr double kGain = 0.8;
constexpr int kBlock = 512;
constexpr double kTailSeconds = 2.0;

struct Muting
{
    fluid_synth_t* synth;
    unsigned channels;
};

// Silent channels lose only their notes; their programs and controllers still arrive, so
// every channel sounds just as it does in the full mix.
int filterNotes(void* data, fluid_midi_event_t* event)
{
    const auto* muting = static_cast<const Muting*>(data);
    const int type = fluid_midi_event_get_type(event);
    const unsigned bit = 1u << fluid_midi_event_get_channel(event);
    if (type == 0x90 && !(muting->channels & bit)) {
        return FLUID_OK;
    }
    return fluid_synth_handle_midi_event(muting->synth, event);
}

template <typename T, void (*Delete)(T*)>
struct Deleter
{
    void operator()(T* p) const { Delete(p); }
};
using Settings =
    std::unique_ptr<fluid_settings_t, Deleter<fluid_settings_t, delete_fluid_settings>>;
using Synth = std::unique_ptr<fluid_synth_t, Deleter<fluid_synth_t, delete_fluid_synth>>;
using Player = std::unique_ptr<fluid_player_t, Deleter<fluid_player_t, delete_fluid_player>>;

void quieten()
{
    for (const int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
}

void append(Rendering& out, fluid_synth_t* synth)
{
    float left[kBlock];
    float right[kBlock];
    fluid_synth_write_float(synth, kBlock, left, 0, 1, right, 0, 1);
    out.left.insert(out.left.end(), left, left + kBlock);
    out.right.insert(out.right.end(), right, right + kBlock);
}

} // namespace

Rendering render(const Bytes& file, unsigned channels, const std::string& soundFont)
{
    quieten();
    Settings settings(new_fluid_settings());
    if (!settings) {
        throw std::runtime_error("FluidSynth has no settings");
    }
    fluid_settings_setnum(settings.get(), "synth.gain", kGain);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kRenderRate);
    // The player follows the rendered samples, not the wall clock.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
    Synth synth(new_fluid_synth(settings.get()));
    if (!synth || fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) < 0) {
        throw std::runtime_error("cannot load the soundfont " + soundFont);
    }
    Muting muting{synth.get(), channels};
    Player player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), file.data(), file.size()) != FLUID_OK ||
        fluid_player_set_playback_callback(player.get(), filterNotes, &muting) != FLUID_OK ||
        fluid_player_play(player.get()) != FLUID_OK) {
        throw std::runtime_error("FluidSynth cannot play the file");
    }
    Rendering out;
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        append(out, synth.get());
    }
    for (int n = 0; n < kTailSeconds * kRenderRate / kBlock; ++n) {
        append(out, synth.get());
    }
    return out;
}

} // namespace music
