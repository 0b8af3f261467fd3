#pragma once

#include <juce_core/juce_core.h>

/** The program's name and version as the user sees them. */
struct ApplicationInfo
{
    static constexpr const char* name = "tessalin";
    static constexpr const char* version = "2.1.0";

    static juce::String windowTitle() { return juce::String (name) + " " + version; }
};
