#include "app/DialogFileChoosers.h"

#include <juce_gui_basics/juce_gui_basics.h>

juce::File DialogFileChoosers::chooseFileToOpen (const juce::String& title, const juce::File& initialLocation,
                                                 const juce::String& patterns)
{
    juce::FileChooser chooser (title, initialLocation, patterns);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

juce::File DialogFileChoosers::chooseFileToSave (const juce::String& title, const juce::File& initialLocation,
                                                 const juce::String& patterns)
{
    // No overwrite warning here: it would ask about the name as typed, which is not always the name
    // the file is written under.
    juce::FileChooser chooser (title, initialLocation, patterns);
    return chooser.browseForFileToSave (false) ? chooser.getResult() : juce::File();
}
