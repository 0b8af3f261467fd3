#pragma once

#include "sampler/SampleImageButton.h"

/** The slot editor's OK and CANCEL: drawn like the buttons of the menu panels and alerts, the
    caption over the panel-button face. They report to the sampler window. */
class SampleMenuComponentButton : public SampleImageButton
{
public:
    static constexpr int buttonWidth = 84, buttonHeight = 28;

    explicit SampleMenuComponentButton (const juce::String& caption);
    ~SampleMenuComponentButton() override;

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleMenuComponentButton)
};
