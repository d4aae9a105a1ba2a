#include "sound/mcisequencer.h"

#include "support/testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// A format-0 MIDI file with one short note.
QByteArray tinyMidiFile()
{
    const QByteArray track("\x00\x90\x3C\x40"  // note on, middle C
                           "\x60\x80\x3C\x00"  // a beat later, note off
                           "\x00\xFF\x2F\x00", // end of track
                           12);
    return QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + QByteArray("MTrk\0\0\0", 7) +
           static_cast<char>(track.size()) + track;
}

} // namespace

TEST(MciSequencer, OpenPlayAndCloseWithWordsInAnyCase)
{
    TestEnvironment environment;
    const QString song = environment.programDir() + "/song.mid";
    writeFile(song, tinyMidiFile());
    MciSequencer sequencer({.audioOutput = false});

    EXPECT_EQ(sequencer.sendCommand("OPEN Sequencer!" + song + " ALIAS Midi"), MciNoError);
    EXPECT_TRUE(sequencer.isOpen("midi"));
    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + song + " alias MIDI"), MciDuplicateAlias);
    EXPECT_EQ(sequencer.sendCommand("Play midi"), MciNoError);
    EXPECT_EQ(sequencer.sendCommand("close MIDI"), MciNoError);
    EXPECT_FALSE(sequencer.isOpen("midi"));
    EXPECT_EQ(sequencer.sendCommand("play midi"), MciInvalidDeviceName) << "closed means freed";
    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + song + " alias midi"), MciNoError)
        << "the alias is free again";
}

TEST(MciSequencer, FileNamesResolveInTheCurrentFolderAndMayBeQuoted)
{
    TestEnvironment environment;
    writeFile(environment.programDir() + "/my song.mid", tinyMidiFile());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(environment.programDir());
    MciSequencer sequencer({.audioOutput = false});
    EXPECT_EQ(sequencer.sendCommand("open sequencer!\"my song.mid\" alias a"), MciNoError);
    EXPECT_EQ(sequencer.sendCommand("open \"sequencer!my song.mid\" alias b"), MciNoError);
    EXPECT_EQ(sequencer.sendCommand("open sequencer!my song.mid alias c"), MciFileNotFound);
    QDir::setCurrent(previous);
}

TEST(MciSequencer, AFileThatCannotBePlayedLeavesNothingOpen)
{
    TestEnvironment environment;
    const QString text = environment.programDir() + "/notes.mid";
    writeFile(text, "these are not notes");
    MciSequencer sequencer({.audioOutput = false});

    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + environment.programDir() +
                                    "/missing.mid alias midi"),
              MciFileNotFound);
    EXPECT_FALSE(sequencer.isOpen("midi"));
    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + text + " alias midi"), MciInvalidFile);
    EXPECT_FALSE(sequencer.isOpen("midi"));
    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + environment.programDir() + " alias midi"),
              MciFileNotFound)
        << "a folder is not a file";
}

TEST(MciSequencer, AMissingSoundFontGivesASilentDevice)
{
    TestEnvironment environment;
    const QString song = environment.programDir() + "/song.mid";
    writeFile(song, tinyMidiFile());
    MciSequencer sequencer(
        {.soundFont = environment.programDir() + "/none.sf2", .audioOutput = false});
    EXPECT_EQ(sequencer.sendCommand("open sequencer!" + song + " alias midi"), MciNoError);
    EXPECT_EQ(sequencer.sendCommand("play midi"), MciNoError);
    EXPECT_EQ(sequencer.sendCommand("close midi"), MciNoError);
}

TEST(MciSequencer, UnknownOrIncompleteCommandsChangeNothing)
{
    MciSequencer sequencer({.audioOutput = false});
    EXPECT_EQ(sequencer.sendCommand("play midi"), MciInvalidDeviceName);
    EXPECT_EQ(sequencer.sendCommand("close midi"), MciInvalidDeviceName);
    EXPECT_EQ(sequencer.sendCommand("   "), MciMissingCommandString);
    EXPECT_EQ(sequencer.sendCommand("stop midi"), MciUnrecognizedCommand);
    EXPECT_EQ(sequencer.sendCommand("play"), MciMissingParameter);
    EXPECT_EQ(sequencer.sendCommand("open"), MciInvalidDeviceName);
    EXPECT_EQ(sequencer.sendCommand("open cdaudio!x.mid alias midi"), MciInvalidDeviceName);
    EXPECT_EQ(sequencer.sendCommand("open sequencer!x.mid alias"), MciMissingParameter);
    EXPECT_EQ(sequencer.sendCommand("open sequencer! alias midi"), MciMissingParameter);
    EXPECT_FALSE(sequencer.isOpen("midi"));
}
