#include "sampler/DeleteImageButton.h"

#include "widgets/CustomLookAndFeel.h"

namespace
{
const juce::Colour captionColour (248, 248, 248), overCaptionColour (255, 200, 200), disabledCaptionColour (90, 92, 100);
}

DeleteImageButton::DeleteImageButton()
    : SampleImageButton ("DELETE")
{
    setButtonText ("DELETE");
    setFaces (SkinImageSets::sampleDeleteButton);
}

DeleteImageButton::~DeleteImageButton() = default;

void DeleteImageButton::paintButton (juce::Graphics& g, bool isOver, bool isDown)
{
    SampleImageButton::paintButton (g, isOver, isDown);

    const auto state = getImageState();
    g.setColour (state == ImageState::disabled ? disabledCaptionColour
                 : state == ImageState::normal ? captionColour : overCaptionColour);
    g.setFont (CustomLookAndFeel::skinFont (11.0f));
    g.drawFittedText (getButtonText(), getLocalBounds().translated (0, state == ImageState::down ? 1 : 0),
                      juce::Justification::centred, 1, 0.7f);
}
