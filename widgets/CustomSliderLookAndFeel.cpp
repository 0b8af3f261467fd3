#include "widgets/CustomSliderLookAndFeel.h"

CustomSliderLookAndFeel::CustomSliderLookAndFeel (bool isWide)
    : wide (isWide)
{
}

CustomSliderLookAndFeel::~CustomSliderLookAndFeel() = default;

void CustomSliderLookAndFeel::drawLinearSlider (juce::Graphics& g, int, int, int, int, float sliderPos, float, float,
                                                juce::Slider::SliderStyle style, juce::Slider& slider)
{
    if (style != juce::Slider::LinearHorizontal)
        return;

    // The minimum thumb sits at the left of the range slider and points right, into the range.
    const bool leftHand = slider.getX() <= 39;
    const bool highlighted = slider.hasKeyboardFocus (false) && slider.isEnabled();
    drawValueThumb (g, (int) sliderPos, leftHand, highlighted);
}

int CustomSliderLookAndFeel::getSliderThumbRadius (juce::Slider&)
{
    return wide ? 2 : 9;
}
