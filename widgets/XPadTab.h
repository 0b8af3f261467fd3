#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A caption tab of the X-PAD section ("KICK", "SNARE", "CLAP", "HI-HAT", "SLOT1".."SLOT4"). */
class XPadTab : public juce::Component
{
public:
    explicit XPadTab (const juce::String& text);

    void setText (const juce::String& newText);
    const juce::String& getText() const noexcept    { return text; }

    void paint (juce::Graphics& g) override;

private:
    juce::String text;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (XPadTab)
};
