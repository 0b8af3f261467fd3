#include "editor/LineBrowser.h"

LineBrowser::LineBrowser()
{
    texts[0] = "QZT-7200";
    visible[0] = true;
    setSize (barWidth, barHeight);
}

juce::String LineBrowser::getStepText (int step) const
{
    return juce::isPositiveAndBelow (step, numSteps) ? texts[(size_t) step] : juce::String();
}

bool LineBrowser::isStepVisible (int step) const
{
    return juce::isPositiveAndBelow (step, numSteps) && visible[(size_t) step];
}

void LineBrowser::paint (juce::Graphics& g)
{
    g.setFont (16.0f);

    for (int step = 0; step < numSteps; ++step)
    {
        if (! visible[(size_t) step])
            continue;

        const juce::Rectangle<int> area (step * stepSpacing, 0, stepWidth, barHeight);
        g.setColour (juce::Colour (0xff2b2e34));
        g.fillRect (area);
        g.setColour (juce::Colour (0xff8a8f99));
        g.drawRect (area);
        g.setColour (juce::Colour (0xfff8f8f8));
        g.drawFittedText (texts[(size_t) step], area.reduced (2, 0), juce::Justification::centred, 1, 0.7f);
    }
}
