#pragma once

#include "widgets/WidgetRotaryLookAndFeel.h"

/** The program's image knob: a rotary slider drawn from up to five layers, of which the pointer and
    the top turn with the value about the centre of the knob. Any layer may be left out.

    The knob owns its look-and-feel and drops it before the look-and-feel goes. Keys are left to
    the owner: none turns the knob by itself (the framework's slider would take the arrows).
*/
class WidgetRotary : public juce::Slider
{
public:
    explicit WidgetRotary (const juce::String& name);
    ~WidgetRotary() override;

    /** The layers, bottom up: base (with its form while the knob has the keyboard focus), pointer
        (turns), overlay (fixed), top (turns). Null images are left out. */
    void setImages (const juce::Image& base, const juce::Image& baseFocused, const juce::Image& pointer,
                    const juce::Image& overlay, const juce::Image& top);

    const juce::Image& getBaseImage() const noexcept            { return baseImage; }
    const juce::Image& getBaseFocusedImage() const noexcept     { return baseFocusedImage; }
    const juce::Image& getPointerImage() const noexcept         { return pointerImage; }
    const juce::Image& getOverlayImage() const noexcept         { return overlayImage; }
    const juce::Image& getTopImage() const noexcept             { return topImage; }

    WidgetRotaryLookAndFeel& getKnobLookAndFeel() noexcept      { return knobLookAndFeel; }

    /** Every key goes on to the knob's key listeners and its parents. */
    bool keyPressed (const juce::KeyPress& key) override;

    /** Focus follows the mouse. */
    void mouseMove (const juce::MouseEvent& e) override;

    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;

private:
    juce::Image baseImage, baseFocusedImage, pointerImage, overlayImage, topImage;
    WidgetRotaryLookAndFeel knobLookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WidgetRotary)
};
