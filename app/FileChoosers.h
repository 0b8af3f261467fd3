#pragma once

#include <juce_core/juce_core.h>

/** The file choosers the commands ask with. Each call waits for the user and gives File() when the
    chooser was cancelled. Behind an interface so that the flows that ask for files run without any
    dialog in tests.
*/
class FileChoosers
{
public:
    virtual ~FileChoosers() = default;

    /** One existing file matching one of the patterns ("*.RSD;*.rsd", or "*" for any file). */
    virtual juce::File chooseFileToOpen (const juce::String& title, const juce::File& initialLocation,
                                         const juce::String& patterns) = 0;

    /** A file to save under, picked or typed. The chooser asks nothing about an existing file: the
        caller first settles the name the file really gets, then asks about that one. */
    virtual juce::File chooseFileToSave (const juce::String& title, const juce::File& initialLocation,
                                         const juce::String& patterns) = 0;
};
