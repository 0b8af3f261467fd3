#pragma once

#include "app/FileChoosers.h"
#include "app/ProgramStarter.h"

/** Launch mirocrate: starts the maker's music-library program, found where the user last started
    it from, else as the newest version installed under the applications folders, else chosen by
    the user.

    Installed versions live in folders named "mirocrate" followed by the version, such as
    "mirocrate 2.1.3", inside a "Corvane" folder of each applications folder.
*/
class MusicLibraryLauncher
{
public:
    /** /opt, then /usr/local. */
    static juce::Array<juce::File> defaultApplicationFolders();

    MusicLibraryLauncher (FileChoosers& choosers, ProgramStarter& starter,
                          juce::Array<juce::File> applicationFolders = defaultApplicationFolders());

    /** Starts the program and remembers its path in lastProgramPath; returns the file started, or
        File() when the search found nothing and the chooser was cancelled. */
    juce::File launch (juce::String& lastProgramPath);

    /** The executable of the highest version installed, File() when none is. Folders are taken in
        order and, inside each, by name, so of two equal versions the same one always wins. */
    juce::File findNewestProgram() const;

    /** The version a folder's name stands for: up to four numbers, each the digits that follow a
        space or a dot, weighted 256^3 down to 1. Counted in 64 bits, so "mirocrate 200.1.1.1" is a
        higher version than "mirocrate 199.255.255.255". */
    static juce::int64 versionOf (const juce::String& folderName);

    /** The program file inside a version folder: "Mirocrate", else "Mirocrate.exe". */
    static juce::File programIn (const juce::File& versionFolder);

private:
    FileChoosers& choosers;
    ProgramStarter& starter;
    juce::Array<juce::File> applicationFolders;

    JUCE_DECLARE_NON_COPYABLE (MusicLibraryLauncher)
};
