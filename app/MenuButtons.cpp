#include "app/MenuButtons.h"

#include "assets/SkinImages.h"
#include "widgets/CustomLookAndFeel.h"

#include <array>

namespace
{
// Member order, and each button's x along the strip (Sync, Import, Export, Load, Save, Effect Browser, Settings).
constexpr std::array<const char*, MenuButtons::numButtons> names { "Sync", "Export", "Import", "Save", "Load",
                                                                  "Effect Browser", "Settings" };
constexpr std::array<int, MenuButtons::numButtons> xPositions { 0, 208, 104, 416, 312, 520, 624 };

// Each button's face (normal, and pressed or switched on) in member order.
constexpr std::array<SkinImageId, MenuButtons::numButtons> normalFaces {
    SkinImageId::stripSyncNormal, SkinImageId::stripExportNormal, SkinImageId::stripImportNormal,
    SkinImageId::stripSaveNormal, SkinImageId::stripLoadNormal, SkinImageId::stripBrowserNormal,
    SkinImageId::stripSettingsNormal
};

// Where each face leaves room for its caption.
const juce::Rectangle<int> captionArea { 10, 52, 72, 16 };
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

void MenuButtons::setSyncOn (bool shouldBeOn)
{
    if (shouldBeOn == syncOn)
        return;

    syncOn = shouldBeOn;
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
    for (int i = 0; i < numButtons; ++i)
    {
        const auto area = buttonBounds (i);
        const bool offline = i == 0 && ! deviceConnected;
        const auto face = offline ? SkinImageId::stripSyncOffline
                                  : (i == 0 && syncOn ? SkinImageId::stripSyncDown : normalFaces[(size_t) i]);

        g.drawImageAt (SkinImages::get (face), area.getX(), area.getY());

        g.setFont (CustomLookAndFeel::skinFont (11.0f));
        g.setColour (juce::Colour (offline ? 0xff6a6d72 : 0xffd8dadf));
        g.drawFittedText (buttonName (i), captionArea + area.getPosition(), juce::Justification::centred, 1);
    }
}
