#include "widgets/XPadMenuButton.h"

XPadMenuButton::XPadMenuButton (const juce::String& name)
    : Step2MenuButton (name)
{
}

void XPadMenuButton::setMarked (bool shouldBeMarked)
{
    if (marked != shouldBeMarked)
    {
        marked = shouldBeMarked;
        repaint();
    }
}

void XPadMenuButton::paintButton (juce::Graphics& g, bool, bool)
{
    if (const auto image = getStateImage(); image.isValid())
        g.drawImageAt (image, 0, 0);

    static constexpr juce::uint32 markedColours[] { 0xff303868, 0xff08080c, 0xff101000 };   // disabled, idle, active
    static constexpr juce::uint32 plainColours[]  { 0xff303868, 0xffc0c0c0, 0xffd0d000 };
    const auto tone = (int) getCaptionTone();
    drawCaption (g, juce::Colour (marked ? markedColours[tone] : plainColours[tone]), 15.0f);
}
