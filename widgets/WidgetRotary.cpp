#include "widgets/WidgetRotary.h"

#include "widgets/WidgetFocus.h"

WidgetRotary::WidgetRotary (const juce::String& name)
    : juce::Slider (name), knobLookAndFeel (*this)
{
    setLookAndFeel (&knobLookAndFeel);
    setSliderStyle (juce::Slider::RotaryVerticalDrag);
    setWantsKeyboardFocus (true);
    setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
}

WidgetRotary::~WidgetRotary()
{
    setLookAndFeel (nullptr);
}

void WidgetRotary::setImages (const juce::Image& base, const juce::Image& baseFocused, const juce::Image& pointer,
                              const juce::Image& overlay, const juce::Image& top)
{
    baseImage = base;
    baseFocusedImage = baseFocused;
    pointerImage = pointer;
    overlayImage = overlay;
    topImage = top;
    repaint();
}

bool WidgetRotary::keyPressed (const juce::KeyPress&)
{
    return false;
}

void WidgetRotary::mouseMove (const juce::MouseEvent& e)
{
    juce::Slider::mouseMove (e);
    WidgetFocus::followMouse (*this, e);
}

// The base has a focused form.
void WidgetRotary::focusGained (FocusChangeType cause)
{
    juce::Slider::focusGained (cause);
    repaint();
}

void WidgetRotary::focusLost (FocusChangeType cause)
{
    juce::Slider::focusLost (cause);
    repaint();
}
