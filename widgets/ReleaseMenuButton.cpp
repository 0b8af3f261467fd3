#include "widgets/ReleaseMenuButton.h"

#include "assets/SkinImages.h"

ReleaseMenuButton::ReleaseMenuButton (const juce::String& name)
    : Step2MenuButton (name)
{
}

void ReleaseMenuButton::setMarked (bool shouldBeMarked)
{
    if (marked != shouldBeMarked)
    {
        marked = shouldBeMarked;
        repaint();
    }
}

void ReleaseMenuButton::paintButton (juce::Graphics& g, bool, bool)
{
    auto picture = SkinToggleState::idle;

    if (! isEnabled())
        picture = SkinToggleState::off;
    else if (getState() == buttonDown || getToggleState())
        picture = SkinToggleState::litFocused;
    else if (isLit() || getState() == buttonOver)
        picture = SkinToggleState::litOn;
    else if (marked)
        picture = SkinToggleState::litIdle;

    g.drawImageAt (SkinImages::get (SkinImageSets::toggleButton[picture]), 0, 0);

    const auto bright = marked || isLit() || ! isIdle();
    const auto colour = ! isEnabled() ? juce::Colour (0xff2f366b)
                      : bright ? juce::Colour (0xfffdc641)
                      : juce::Colour (0xff787878);
    drawCaption (g, colour, 16.0f);
}
