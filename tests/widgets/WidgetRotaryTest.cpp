#include "WidgetTestSupport.h"

#include "JuceTestPrinters.h"
#include "widgets/WidgetRotary.h"

#include <gtest/gtest.h>

using namespace widgettest;

namespace
{
const auto pi = juce::MathConstants<float>::pi;
const juce::Colour baseColour (0xff303030), pointerColour (0xff00ff00), overlayColour (0xff0000ff), topColour (0xffff0000);

/** A clear 40x40 layer with a 4x4 dot r pixels above the middle. */
juce::Image dotAbove (int r, juce::Colour colour)
{
    auto image = plain (40, 40, juce::Colours::transparentBlack);
    image.clear ({ 18, 18 - r, 4, 4 }, colour);
    return image;
}

/** The knob's colour r pixels from its middle in the direction of an angle. */
juce::Colour at (WidgetRotary& knob, float angle, float r)
{
    juce::Image out (juce::Image::ARGB, 40, 40, true);
    juce::Graphics g (out);
    knob.paintEntireComponent (g, false);
    return out.getPixelAt (juce::roundToInt (20.0f + r * std::sin (angle)), juce::roundToInt (20.0f - r * std::cos (angle)));
}
} // namespace

TEST (WidgetRotary, TurningLayersPointAtTheStartAndEndAnglesAndMissingLayersAreLeftOut)
{
    WidgetRotary knob ("SAMPLE GAIN");
    knob.setBounds (0, 0, 40, 40);
    knob.setRange (0.0, 255.0, 1.0);
    knob.setRotaryParameters (1.25f * pi, 2.75f * pi, true);
    auto overlay = plain (40, 40, juce::Colours::transparentBlack);
    overlay.clear ({ 0, 0, 4, 4 }, overlayColour);
    knob.setImages (plain (40, 40, baseColour), {}, dotAbove (14, pointerColour), overlay, dotAbove (6, topColour));
    EXPECT_EQ (&knob.getLookAndFeel(), &knob.getKnobLookAndFeel());

    for (auto [value, angle] : { std::pair { 0.0, 1.25f * pi }, { 255.0, 2.75f * pi }, { 127.5, 0.0f } })
    {
        knob.setValue (value, juce::dontSendNotification);
        EXPECT_EQ (at (knob, angle, 14.0f), pointerColour) << value;
        EXPECT_EQ (at (knob, angle, 6.0f), topColour) << value;
        EXPECT_EQ (at (knob, angle + pi, 14.0f), baseColour) << value;
        EXPECT_EQ (at (knob, 1.75f * pi, 25.5f), overlayColour) << "the overlay does not turn";
    }

    // The look-and-feel's own angles take over from the slider's.
    knob.getKnobLookAndFeel().setAngles (0.0f, pi);
    knob.setValue (255.0, juce::dontSendNotification);
    EXPECT_EQ (at (knob, pi, 14.0f), pointerColour);
    knob.getKnobLookAndFeel().setAngles (WidgetRotaryLookAndFeel::useSliderAngles, WidgetRotaryLookAndFeel::useSliderAngles);

    // Without a pointer the base, overlay and top still draw; without a base the knob is clear.
    knob.setImages (plain (40, 40, baseColour), {}, {}, overlay, dotAbove (6, topColour));
    EXPECT_EQ (at (knob, 2.75f * pi, 14.0f), baseColour);
    EXPECT_EQ (at (knob, 2.75f * pi, 6.0f), topColour);
    knob.setImages ({}, {}, dotAbove (14, pointerColour), {}, {});
    EXPECT_EQ (at (knob, 2.75f * pi, 14.0f), pointerColour);
    EXPECT_EQ (at (knob, 0.0f, 14.0f).getAlpha(), 0);
}
