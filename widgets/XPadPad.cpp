#include "widgets/XPadPad.h"

#include "core/ParameterTables.h"
#include "widgets/CustomLookAndFeel.h"

XPadPad::XPadPad() = default;

void XPadPad::setBeatIndex (int position, int beatIndex)
{
    if (! juce::isPositiveAndBelow (position, numPositions))
        return;

    auto& stored = beatIndices[(size_t) position];
    if (stored != beatIndex)
    {
        stored = beatIndex;
        repaint();
    }
}

int XPadPad::getBeatIndex (int position) const noexcept
{
    return juce::isPositiveAndBelow (position, numPositions) ? beatIndices[(size_t) position] : -1;
}

void XPadPad::paint (juce::Graphics& g)
{
    g.drawImageAt (SkinImages::get (SkinImageId::xpadPadDisplay), 0, 0);
    g.setColour (juce::Colour (248, 248, 248));
    g.setFont (CustomLookAndFeel::skinFont (15.0f));

    for (int i = 0; i < numPositions; ++i)
        g.drawFittedText (ParameterTables::beatFractionLabel (beatIndices[(size_t) i]),
                          firstCellX + cellPitch * i, cellY, cellSize, cellSize,
                          juce::Justification::centred, 1, 0.7f);
}
