#include "widgets/SceneMenuButton.h"

#include "widgets/CustomLookAndFeel.h"

SceneMenuButton::SceneMenuButton (const juce::String& name)
    : Step2MenuButton (name)
{
}

void SceneMenuButton::paintButton (juce::Graphics& g, bool, bool)
{
    if (const auto image = getStateImage(); image.isValid())
        g.drawImageAt (image, 0, 0);

    static constexpr juce::uint32 blue[] { 0xff2f366b, 0xff2d5cf7, 0xff90abff };   // disabled, idle, active
    static constexpr juce::uint32 red[]  { 0xff2f366b, 0xff881321, 0xffff001e };
    const auto tone = (int) getCaptionTone();

    g.setColour (juce::Colour (twoLineCaption ? blue[tone] : red[tone]));
    g.setFont (CustomLookAndFeel::skinFont (13.0f));
    g.drawFittedText (getButtonText(), textRect, juce::Justification::centred, 2, 0.7f);
}
