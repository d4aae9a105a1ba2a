#pragma once

#include <QString>

#include <memory>
#include <vector>

// The background music: one MIDI file played once through FluidSynth on a
// General MIDI soundfont, of which FluidSynth loads only the samples of the
// instruments the tune selects. A missing soundfont or audio device leaves the
// music open but silent; nothing here ever shows a message.
class Music
{
public:
    struct Options
    {
        QString soundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
        double gain = 0.8;       // the soundfont is very quiet at the synthesizer's default of 0.2
        bool audioOutput = true; // without it the music sounds only through render()
    };

    Music();
    explicit Music(Options options);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Closes what is open and opens the MIDI file at `path`; false, with nothing
    // open, when there is no MIDI file to read there.
    bool open(const QString& path);
    // Plays what is open from its start, once through.
    void play();
    void close();

    bool isOpen() const;
    bool isPlaying() const;

    // Without an audio output: the next `frames` stereo frames of the music,
    // left and right by turns, rendered at once.
    std::vector<float> render(int frames);

private:
    struct Synthesizer;

    Options options_;
    std::unique_ptr<Synthesizer> open_;
};
