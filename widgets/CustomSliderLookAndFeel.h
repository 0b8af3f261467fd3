#pragma once

#include "widgets/CustomLookAndFeel.h"

/** The range slider's thumbs: each thumb is a slider of its own that draws only its 6x18 pointer;
    the range slider paints the track and the bar between the thumbs.

    The thumbs are laid out so that a value step is 29 pixels on the narrow slider (three steps a
    thumb) and 21 pixels on the wide one (eight shared steps): the range slider's bar and its
    choice of the upper thumb are computed with those steps.
*/
class CustomSliderLookAndFeel : public CustomLookAndFeel
{
public:
    /** Pixels per value step of the two kinds of range slider. */
    static constexpr int narrowStep = 29, wideStep = 21;

    explicit CustomSliderLookAndFeel (bool wide);
    ~CustomSliderLookAndFeel() override;

    /** Only a horizontal thumb is drawn: the right-hand pointer for a thumb whose left edge lies
        right of x 39 in its parent, else the left-hand one; highlighted while the thumb has the
        keyboard focus and is enabled. No track and no background. */
    void drawLinearSlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos, float minSliderPos,
                           float maxSliderPos, juce::Slider::SliderStyle, juce::Slider&) override;

    /** How far the first and last positions lie inside the thumb's bounds: 9 pixels on the 76-wide
        narrow thumbs (2 x 29 = 76 - 18) and 2 on the 151-wide wide thumbs (7 x 21 = 151 - 4). */
    int getSliderThumbRadius (juce::Slider&) override;

private:
    const bool wide;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomSliderLookAndFeel)
};
