#include "widgets/WidgetRotaryLookAndFeel.h"

#include "widgets/WidgetRotary.h"

WidgetRotaryLookAndFeel::WidgetRotaryLookAndFeel (WidgetRotary& knobToDraw)
    : knob (knobToDraw)
{
}

WidgetRotaryLookAndFeel::~WidgetRotaryLookAndFeel() = default;

float WidgetRotaryLookAndFeel::angleFor (float sliderPos, float rotaryStartAngle, float rotaryEndAngle) const noexcept
{
    if (startAngle != useSliderAngles || endAngle != useSliderAngles)
        return startAngle + (endAngle - startAngle) * sliderPos;

    return rotaryStartAngle + (rotaryEndAngle - rotaryStartAngle) * sliderPos;
}

void WidgetRotaryLookAndFeel::drawRotarySlider (juce::Graphics& g, int, int, int width, int height, float sliderPos,
                                                float rotaryStartAngle, float rotaryEndAngle, juce::Slider&)
{
    if (g.isClipEmpty())
        return;

    const auto rotation = juce::AffineTransform::rotation (angleFor (sliderPos, rotaryStartAngle, rotaryEndAngle),
                                                           (float) width / 2.0f, (float) height / 2.0f);
    const auto& base = knob.hasKeyboardFocus (false) && knob.getBaseFocusedImage().isValid()
                           ? knob.getBaseFocusedImage()
                           : knob.getBaseImage();

    g.setOpacity (1.0f);
    g.drawImageAt (base, 0, 0);

    if (knob.getPointerImage().isValid())
        g.drawImageTransformed (knob.getPointerImage(), rotation);

    g.drawImageAt (knob.getOverlayImage(), 0, 0);

    if (knob.getTopImage().isValid())
        g.drawImageTransformed (knob.getTopImage(), rotation);
}
