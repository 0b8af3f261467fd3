#include "widgets/IsolateMenuButton.h"

IsolateMenuButton::IsolateMenuButton (const juce::String& name)
    : Step2MenuButton (name)
{
}

void IsolateMenuButton::paintButton (juce::Graphics& g, bool, bool)
{
    if (const auto image = getStateImage(); image.isValid())
        g.drawImageAt (image, 0, 0);

    static constexpr juce::uint32 colours[] { 0xff2f366b, 0xff6d4801, 0xffc68302 };   // disabled, idle, active
    drawCaption (g, juce::Colour (colours[(int) getCaptionTone()]), 16.0f);
}
