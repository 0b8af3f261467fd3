#pragma once

#include "widgets/ToggleImageButton.h"

/** ONE-SHOT and LOOP of the slot editor: toggle switches whose chosen one is lit. Every key goes to
    the editor's key handling. */
class SampleToggleImageButton : public ToggleImageButton
{
public:
    explicit SampleToggleImageButton (const juce::String& caption);
    ~SampleToggleImageButton() override;

    bool keyPressed (const juce::KeyPress& key) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleToggleImageButton)
};
