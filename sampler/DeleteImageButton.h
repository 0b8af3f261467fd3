#pragma once

#include "sampler/SampleImageButton.h"

/** The slot editor's DELETE button: its face with the word "DELETE" on it. */
class DeleteImageButton : public SampleImageButton
{
public:
    DeleteImageButton();
    ~DeleteImageButton() override;

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeleteImageButton)
};
