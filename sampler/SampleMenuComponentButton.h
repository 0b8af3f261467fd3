#pragma once

#include "widgets/MenuComponentButton.h"

/** The slot editor's OK and CANCEL: the menu panels' button, reporting to the sampler window, with
    every key going to the editor's key handling. */
class SampleMenuComponentButton : public MenuComponentButton
{
public:
    static constexpr int buttonWidth = width, buttonHeight = height;

    explicit SampleMenuComponentButton (const juce::String& caption);
    ~SampleMenuComponentButton() override;

    bool keyPressed (const juce::KeyPress& key) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleMenuComponentButton)
};
