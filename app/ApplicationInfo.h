#pragma once

#include <juce_core/juce_core.h>

/** The program's name and version as the user sees them, and where it keeps its files. */
struct ApplicationInfo
{
    static constexpr const char* name = "tessalin";
    static constexpr const char* version = "2.1.0";

    /** The maker's folder inside the user's application-data folder; the program's own is inside it. */
    static constexpr const char* makerFolder = "Corvane";

    static juce::String windowTitle() { return juce::String (name) + " " + version; }

    /** The user's application-data folder: $XDG_CONFIG_HOME when it names an absolute path, else the
        framework's (~/.config, unless the user's folder list says otherwise). The framework alone
        would not look at the variable. */
    static juce::File userApplicationDataFolder()
    {
        const auto configHome = juce::SystemStats::getEnvironmentVariable ("XDG_CONFIG_HOME", {});

        if (juce::File::isAbsolutePath (configHome))
            return juce::File (configHome);

        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory);
    }

    /** <application data>/Corvane/tessalin: the settings file and the single-instance lock live here. */
    static juce::File userDataFolder()
    {
        return userApplicationDataFolder().getChildFile (makerFolder).getChildFile (name);
    }
};
