#include "app/MenuButtons.h"

#include <array>

namespace
{
// Member order, and each button's x along the strip (Sync, Import, Export, Load, Save, Effect Browser, Settings).
constexpr std::array<const char*, MenuButtons::numButtons> names { "Sync", "Export", "Import", "Save", "Load",
                                                                  "Effect Browser", "Settings" };
constexpr std::array<int, MenuButtons::numButtons> xPositions { 0, 208, 104, 416, 312, 520, 624 };
} // namespace

MenuButtons::MenuButtons()
{
    setDeviceConnected (false);
    setSize (stripWidth, stripHeight);
}

void MenuButtons::setDeviceConnected (bool connected)
{
    if (connected == deviceConnected)
        return;

    deviceConnected = connected;
    repaint (buttonBounds (0));
}

juce::String MenuButtons::buttonName (int index)
{
    return juce::isPositiveAndBelow (index, numButtons) ? juce::String (names[(size_t) index]) : juce::String();
}

juce::Rectangle<int> MenuButtons::buttonBounds (int index)
{
    if (! juce::isPositiveAndBelow (index, numButtons))
        return {};

    return { xPositions[(size_t) index], 0, buttonWidth, buttonHeight };
}

void MenuButtons::paint (juce::Graphics& g)
{
    g.setFont (13.0f);

    for (int i = 0; i < numButtons; ++i)
    {
        const auto area = buttonBounds (i).toFloat().reduced (2.0f);
        const bool greyed = i == 0 && ! deviceConnected;

        g.setColour (juce::Colour (greyed ? 0xff2a2a2a : 0xff33363c));
        g.fillRoundedRectangle (area, 6.0f);
        g.setColour (juce::Colour (greyed ? 0xff505050 : 0xff8a8f99));
        g.drawRoundedRectangle (area, 6.0f, 1.0f);
        g.setColour (juce::Colour (greyed ? 0xff606060 : 0xfff8f8f8));
        g.drawFittedText (buttonName (i), area.toNearestInt().reduced (4), juce::Justification::centredBottom, 2);
    }
}
