#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WidgetRotary;

/** The image knob's drawing: the knob's base, a pointer that turns with the value, a fixed overlay
    and a top that turns, in that order. It draws nothing else, and is no skin of the program's.
*/
class WidgetRotaryLookAndFeel : public juce::LookAndFeel_V2
{
public:
    /** The angle both own angles hold while the knob's own rotary parameters are used. */
    static constexpr float useSliderAngles = -1.0f;

    explicit WidgetRotaryLookAndFeel (WidgetRotary& knob);
    ~WidgetRotaryLookAndFeel() override;

    /** Turns the pointer between these angles (radians, clockwise from 12 o'clock) rather than the
        knob's rotary parameters; both useSliderAngles goes back to those. */
    void setAngles (float start, float end) noexcept    { startAngle = start; endAngle = end; }

    /** The angle the turning layers are drawn at for a slider position 0..1. */
    float angleFor (float sliderPos, float rotaryStartAngle, float rotaryEndAngle) const noexcept;

    void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                           float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;

private:
    float startAngle = useSliderAngles, endAngle = useSliderAngles;
    WidgetRotary& knob;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WidgetRotaryLookAndFeel)
};
