#include "mcisequencer.h"

#include "files/regularfile.h"
#include "sound/heldsoundfont.h"
#include "sound/soundfont.h"

#include <QFile>

#include <fluidsynth.h>

#include <malloc.h>
#include <string>

namespace {

constexpr double kGain = 0.8; // the soundfont is very quiet at the synthesizer's default
constexpr qint64 kLargestMidiFile = 16 * 1024 * 1024;

QStringList splitWords(const QString& command)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

void quietenFluidSynth()
{
    // Its own messages would go to the terminal; a missing sound server is not news.
    for (const int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

fluid_audio_driver_t* startAudio(fluid_settings_t* settings, fluid_synth_t* synth)
{
    fluid_settings_setstr(settings, "audio.driver", "pulseaudio");
    if (fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, synth))
        return driver;
    // This build names no default driver; ALSA is then the one every Linux system has.
    char* builtIn = nullptr;
    fluid_settings_getstr_default(settings, "audio.driver", &builtIn);
    const std::string fallback = builtIn && *builtIn ? builtIn : "alsa";
    if (fallback == "pulseaudio")
        return nullptr;
    fluid_settings_setstr(settings, "audio.driver", fallback.c_str());
    return new_fluid_audio_driver(settings, synth);
}

// Of a General MIDI soundfont only what the tune plays: all of it would take
// some twelve megabytes more. A tune or soundfont that cannot be cut is loaded
// whole.
bool loadSoundFont(fluid_synth_t* synth, const QString& soundFont, const QByteArray& tune)
{
    if (const auto selection = soundfont::selectionOf(tune)) {
        const auto font = soundfont::trimmed(soundFont, *selection);
        if (font && soundfont::loadHeld(synth, *font))
            return true;
    }
    return fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1) != FLUID_FAILED;
}

} // namespace

// One open MIDI file with its own synthesizer. Any part may be missing; the
// device is then silent.
struct MciSequencer::Device
{
    Device(const QByteArray& tune, const MciSequencer::Options& options)
    {
        settings = new_fluid_settings();
        if (!settings)
            return;
        fluid_settings_setnum(settings, "synth.gain", kGain);
        synth = new_fluid_synth(settings);
        if (!synth)
            return;
        soundfont::allowHeld(synth, settings);
        if (options.soundFont.isEmpty() || !loadSoundFont(synth, options.soundFont, tune))
            return;
        player = new_fluid_player(synth);
        if (!player || fluid_player_add_mem(player, tune.constData(),
                                            static_cast<std::size_t>(tune.size())) != FLUID_OK)
            return;
        if (options.audioOutput)
            driver = startAudio(settings, synth);
    }

    ~Device()
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

    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    void play()
    {
        if (player)
            fluid_player_play(player);
    }

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;
};

MciSequencer::MciSequencer() : MciSequencer(Options{}) {}

MciSequencer::MciSequencer(Options options) : options_(std::move(options)) {}

MciSequencer::~MciSequencer() = default;

int MciSequencer::sendCommand(const QString& command)
{
    const QStringList words = splitWords(command);
    if (words.isEmpty())
        return MciMissingCommandString;
    const QString verb = words.first().toLower();
    if (verb == u"open")
        return open(words);
    if (verb != u"play" && verb != u"close")
        return MciUnrecognizedCommand;
    if (words.size() < 2)
        return MciMissingParameter;
    return verb == u"play" ? play(words[1]) : close(words[1]);
}

bool MciSequencer::isOpen(const QString& alias) const
{
    return devices_.contains(alias.toLower());
}

int MciSequencer::open(const QStringList& words)
{
    static const QString kDeviceType = QStringLiteral("sequencer!");
    if (words.size() < 2 || !words[1].startsWith(kDeviceType, Qt::CaseInsensitive))
        return MciInvalidDeviceName;
    const QString file = words[1].mid(kDeviceType.size());
    QString alias = file; // without an alias the file name names the device
    for (qsizetype i = 2; i < words.size(); ++i) {
        if (words[i].compare(u"alias", Qt::CaseInsensitive) != 0)
            continue;
        if (i + 1 >= words.size())
            return MciMissingParameter;
        alias = words[i + 1];
        break;
    }
    if (file.isEmpty() || alias.isEmpty())
        return MciMissingParameter;
    if (isOpen(alias))
        return MciDuplicateAlias;
    // Read once: what is checked is what plays.
    const regularfile::Contents tune =
        regularfile::read(file, kLargestMidiFile, regularfile::Links::Follow);
    switch (tune.failure) {
    case regularfile::Failure::None:
        break;
    case regularfile::Failure::NoFolder:
    case regularfile::Failure::NoFile:
    case regularfile::Failure::NotRegular:
        return MciFileNotFound;
    default:
        return MciInvalidFile;
    }
    if (!tune.bytes.startsWith("MThd"))
        return MciInvalidFile;
    static const bool quiet = (quietenFluidSynth(), true);
    Q_UNUSED(quiet);

    devices_.emplace(alias.toLower(), std::make_unique<Device>(tune.bytes, options_));
    // Loading freed a good deal on its way (the soundfont's tables, the parsed
    // tune); the heap gives it back to the system instead of keeping it.
    malloc_trim(0);
    return MciNoError;
}

int MciSequencer::play(const QString& alias)
{
    const auto device = devices_.find(alias.toLower());
    if (device == devices_.end())
        return MciInvalidDeviceName;
    device->second->play();
    return MciNoError;
}

int MciSequencer::close(const QString& alias)
{
    if (devices_.erase(alias.toLower()) == 0)
        return MciInvalidDeviceName;
    malloc_trim(0); // the synthesizer's megabytes go back to the system, not to the heap
    return MciNoError;
}

namespace mci {

namespace {

MciSequencer& sequencer()
{
    static MciSequencer instance;
    return instance;
}

} // namespace

int sendCommand(const QString& command)
{
    return sequencer().sendCommand(command);
}

bool isOpen(const QString& alias)
{
    return sequencer().isOpen(alias);
}

} // namespace mci
