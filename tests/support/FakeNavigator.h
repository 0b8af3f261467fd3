#pragma once

#include "editor/EffectNavigator.h"

#include <juce_core/juce_core.h>

/** Records what the effect panel was asked to do, one line per call ("showSection 2"). */
struct FakeNavigator : EffectNavigator
{
    juce::StringArray calls;

    void focusPanel() override                              { calls.add ("focusPanel"); }
    void resetSections() override                           { calls.add ("resetSections"); }
    void showSection (int s) override                       { calls.add ("showSection " + juce::String (s)); }
    void reopenCurrentSection() override                    { calls.add ("reopenCurrentSection"); }
    void selectSectionEffect (int s, int e) override        { calls.add ("selectSectionEffect " + juce::String (s) + " " + juce::String (e)); }
    void openSamplerSlot (int slot) override                { calls.add ("openSamplerSlot " + juce::String (slot)); }
    void focusSampleEditor() override                       { calls.add ("focusSampleEditor"); }

    /** The calls so far, joined, and forgotten. */
    juce::String take()
    {
        const auto joined = calls.joinIntoString (", ");
        calls.clear();
        return joined;
    }
};
