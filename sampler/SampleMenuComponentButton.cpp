#include "sampler/SampleMenuComponentButton.h"

#include "sampler/SampleComponent.h"

SampleMenuComponentButton::SampleMenuComponentButton (const juce::String& caption)
    : MenuComponentButton (caption, 0)
{
}

SampleMenuComponentButton::~SampleMenuComponentButton() = default;

bool SampleMenuComponentButton::keyPressed (const juce::KeyPress& key)
{
    return SampleComponent::forwardKey (*this, key);
}
