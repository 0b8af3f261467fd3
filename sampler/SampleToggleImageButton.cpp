#include "sampler/SampleToggleImageButton.h"

#include "sampler/SampleComponent.h"

SampleToggleImageButton::SampleToggleImageButton (const juce::String& caption)
    : ToggleImageButton (caption)
{
    setButtonText (caption);
    setWantsKeyboardFocus (true);
}

SampleToggleImageButton::~SampleToggleImageButton() = default;

bool SampleToggleImageButton::keyPressed (const juce::KeyPress& key)
{
    return SampleComponent::forwardKey (*this, key);
}
