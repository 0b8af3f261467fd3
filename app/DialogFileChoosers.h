#pragma once

#include "app/FileChoosers.h"

/** The program's file choosers: the framework's dialogs (the desktop's own where it has one), run
    modally on the message thread. */
class DialogFileChoosers : public FileChoosers
{
public:
    juce::File chooseFileToOpen (const juce::String& title, const juce::File& initialLocation,
                                 const juce::String& patterns) override;
    juce::File chooseFileToSave (const juce::String& title, const juce::File& initialLocation,
                                 const juce::String& patterns) override;
};
