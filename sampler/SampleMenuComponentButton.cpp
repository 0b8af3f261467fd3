#include "sampler/SampleMenuComponentButton.h"

#include "widgets/CustomLookAndFeel.h"

namespace
{
const juce::Colour captionColour (248, 248, 248), disabledCaptionColour (107, 47, 54);
constexpr float captionHeight = 15.0f, minimumCaptionScale = 0.7f;
}

SampleMenuComponentButton::SampleMenuComponentButton (const juce::String& caption)
    : SampleImageButton (caption)
{
    setButtonText (caption);
    setFaces (SkinImageSets::panelButton);
    setSize (buttonWidth, buttonHeight);
}

SampleMenuComponentButton::~SampleMenuComponentButton() = default;

void SampleMenuComponentButton::paintButton (juce::Graphics& g, bool isOver, bool isDown)
{
    SampleImageButton::paintButton (g, isOver, isDown);
    g.setColour (isEnabled() ? captionColour : disabledCaptionColour);
    g.setFont (CustomLookAndFeel::skinFont (captionHeight));
    g.drawFittedText (getButtonText(), getLocalBounds(), juce::Justification::centred, 1, minimumCaptionScale);
}
