#include "editor/Body.h"

Body::Body()
{
    setWantsKeyboardFocus (false);
}

Body::~Body() = default;

void Body::createComponents (DeviceSettings& currentDocument)
{
    document = &currentDocument;

    background.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (background);

    setSize (panelWidth, panelHeight);
}

void Body::bodyColorChanged (BodyColor color)
{
    bodyColorIndex = bodyColorFromInt (static_cast<int> (color));
    bodyImageDirty = true;
    repaint();
}

void Body::refreshFromData()
{
    repaint();
}

void Body::navigateBack (juce::Component*) {}
void Body::focusNext (juce::Component*) {}
void Body::focusPrevious (juce::Component*) {}
void Body::activateFocused (juce::Component*) {}

void Body::paint (juce::Graphics&)
{
    // The panel draws nothing itself: its background component shows the body.
    if (bodyImageDirty)
    {
        bodyImageDirty = false;
        background.setImage (createBackground (bodyColorIndex));
    }
}

void Body::resized()
{
    background.setBounds (0, 0, backgroundWidth, backgroundHeight);
}

juce::Image Body::createBackground (BodyColor color)
{
    static const juce::Colour plates[numBodyColors] { juce::Colour (0xff1e1f22), juce::Colour (0xffe6e6e3), juce::Colour (0xffb7babf) };
    static const juce::Colour edges[numBodyColors]  { juce::Colour (0xff4a4c52), juce::Colour (0xff9a9a96), juce::Colour (0xff7d8086) };

    juce::Image image (juce::Image::ARGB, backgroundWidth, backgroundHeight, true);
    juce::Graphics g (image);
    const auto area = image.getBounds().toFloat().reduced (4.0f);
    g.setColour (plates[static_cast<size_t> (color)]);
    g.fillRoundedRectangle (area, 24.0f);
    g.setColour (edges[static_cast<size_t> (color)]);
    g.drawRoundedRectangle (area, 24.0f, 3.0f);
    return image;
}
