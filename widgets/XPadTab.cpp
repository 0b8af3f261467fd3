#include "widgets/XPadTab.h"

#include "widgets/CustomLookAndFeel.h"

XPadTab::XPadTab (const juce::String& initialText)
    : text (initialText)
{
}

void XPadTab::setText (const juce::String& newText)
{
    if (text != newText)
    {
        text = newText;
        repaint();
    }
}

void XPadTab::paint (juce::Graphics& g)
{
    g.drawImageAt (SkinImages::get (SkinImageId::xpadTab), 0, 0);
    g.setColour (juce::Colour (248, 248, 248));
    g.setFont (CustomLookAndFeel::skinFont (15.0f));
    g.drawFittedText (text, getLocalBounds(), juce::Justification::centred, 1, 0.7f);
}
