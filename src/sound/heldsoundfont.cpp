#include "heldsoundfont.h"

#include <cstdio>
#include <cstring>

namespace soundfont {

namespace {

// FluidSynth reads a soundfont through its loader's file functions; these hand
// it the bytes of one held in memory. Loads run one at a time, on the thread
// that opens the music.
const QByteArray* heldSoundFont = nullptr; // the bytes of the load under way
constexpr char kHeldName[] = "held soundfont ";

struct HeldFile
{
    const QByteArray* bytes;
    fluid_long_long_t at = 0;
};

void* openHeld(const char* name)
{
    if (!heldSoundFont || std::strncmp(name, kHeldName, sizeof kHeldName - 1) != 0)
        return nullptr; // a file on disk, for the loader behind this one
    return new HeldFile{heldSoundFont};
}

int readHeld(void* buffer, fluid_long_long_t count, void* handle)
{
    auto* file = static_cast<HeldFile*>(handle);
    if (count < 0 || count > file->bytes->size() - file->at)
        return FLUID_FAILED;
    std::memcpy(buffer, file->bytes->constData() + file->at, static_cast<std::size_t>(count));
    file->at += count;
    return FLUID_OK;
}

int seekHeld(void* handle, fluid_long_long_t offset, int origin)
{
    auto* file = static_cast<HeldFile*>(handle);
    const fluid_long_long_t size = file->bytes->size();
    const fluid_long_long_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file->at : size;
    if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END)
        return FLUID_FAILED;
    if (offset < -base || offset > size - base)
        return FLUID_FAILED;
    file->at = base + offset;
    return FLUID_OK;
}

fluid_long_long_t tellHeld(void* handle)
{
    return static_cast<HeldFile*>(handle)->at;
}

int closeHeld(void* handle)
{
    delete static_cast<HeldFile*>(handle);
    return FLUID_OK;
}

} // namespace

void allowHeld(fluid_synth_t* synth, fluid_settings_t* settings)
{
    if (fluid_sfloader_t* loader = new_fluid_defsfloader(settings)) {
        fluid_sfloader_set_callbacks(loader, openHeld, readHeld, seekHeld, tellHeld, closeHeld);
        fluid_synth_add_sfloader(synth, loader);
    }
}

bool loadHeld(fluid_synth_t* synth, const QByteArray& soundFont)
{
    // A name of its own for each load: FluidSynth shares the sample data of
    // soundfonts loaded under the same name.
    static int loads = 0;
    const QByteArray name = kHeldName + QByteArray::number(++loads);
    heldSoundFont = &soundFont;
    const int id = fluid_synth_sfload(synth, name.constData(), 1);
    heldSoundFont = nullptr;
    return id != FLUID_FAILED;
}

} // namespace soundfont
