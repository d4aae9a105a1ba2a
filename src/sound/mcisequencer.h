#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

// Error numbers of the command strings, with the values callers of the Windows
// multimedia command interface know. The game never looks at them.
enum MciError : int
{
    MciNoError = 0,
    MciUnrecognizedCommand = 261,
    MciInvalidDeviceName = 263,
    MciMissingCommandString = 267,
    MciMissingParameter = 273,
    MciFileNotFound = 275,
    MciDuplicateAlias = 289,
    MciInvalidFile = 304,
};

// A small interpreter for the three command strings the game sends for its music:
//
//     open sequencer!FILE alias NAME    load a MIDI file
//     play NAME                         start it
//     close NAME                        stop it and free everything
//
// Command words, the device type and aliases match without regard to case; a name
// with blanks can be put in double quotes. The MIDI file plays through FluidSynth
// with a General MIDI soundfont, of which only the instruments the file selects
// are loaded. A missing soundfont or audio device leaves the device open but
// silent; nothing here ever shows a message.
class MciSequencer
{
public:
    struct Options
    {
        QString soundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
        bool audioOutput = true; // tests open devices that never reach a sound card
    };

    MciSequencer();
    explicit MciSequencer(Options options);
    ~MciSequencer();
    MciSequencer(const MciSequencer&) = delete;
    MciSequencer& operator=(const MciSequencer&) = delete;

    int sendCommand(const QString& command);
    bool isOpen(const QString& alias) const;

private:
    struct Device;

    int open(const QStringList& words);
    int play(const QString& alias);
    int close(const QString& alias);

    Options options_;
    std::map<QString, std::unique_ptr<Device>> devices_; // by lower-case alias
};

namespace mci {

// The program's one sequencer; its synthesizer is made on the first "open".
int sendCommand(const QString& command);
bool isOpen(const QString& alias);

} // namespace mci
