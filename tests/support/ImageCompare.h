#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdlib>

/** The largest step between two colours in any channel, alpha included: renderers and the screen
    may round one blend a few steps apart, so pixel checks allow a small distance. */
inline int channelDistance (juce::Colour a, juce::Colour b)
{
    return juce::jmax (std::abs (a.getRed() - b.getRed()), std::abs (a.getGreen() - b.getGreen()),
                       std::abs (a.getBlue() - b.getBlue()), std::abs (a.getAlpha() - b.getAlpha()));
}
