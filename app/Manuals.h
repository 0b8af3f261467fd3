#pragma once

#include "app/LocalisedText.h"
#include "app/ProgramStarter.h"

/** The Help menu's manuals: one PDF per language, looked for beside the program file and then in
    the shared-data folder of an installed program (<program folder>/../share/tessalin). */
namespace Manuals
{
    /** "Manual/English/Manual_tessalin_en.pdf" and so on; a language outside the twelve reads English. */
    juce::String relativePath (UiLanguage language);

    /** The manual of a language, File() when it is in neither place. */
    juce::File find (UiLanguage language, const juce::File& programFolder);

    /** Opens the manual of a language as a document; a missing manual does nothing. True when it
        was handed to the desktop. */
    bool open (UiLanguage language, const juce::File& programFolder, ProgramStarter& starter);

    /** The folder that holds the running program. */
    juce::File programFolder();
}
