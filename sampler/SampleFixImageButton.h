#pragma once

#include "sampler/SampleImageButton.h"

/** A fix button of the slot editor, beside the beat count (fix 1) or the tempo (fix 2): selected while
    the editor holds that value as the range moves. Four faces: normal, over, down and selected. */
class SampleFixImageButton : public SampleImageButton
{
public:
    explicit SampleFixImageButton (const juce::String& name);
    ~SampleFixImageButton() override;

    /** Pressed shows the down face; selected (the toggle state) the selected face; otherwise as any
        image button, dimmed while disabled. */
    juce::Image getCurrentImage() const override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SampleFixImageButton)
};
