#pragma once

#include "core/ValueLabelKind.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The lit arc around an Isolate knob: an image cut by up to two arc masks. The plain mask runs
    from the knob's start to one value (the upper end of a range), the reverse mask from another
    value to the knob's end (the lower end); with both set only the part between the two shows.

    Angles are the framework's (radians, clockwise from 12 o'clock); the knob turns from 1.25 pi
    to 2.75 pi about (49, 53), the centre of its 97x88 picture.
*/
class CustomMaskedImageComponent : public juce::ImageComponent
{
public:
    CustomMaskedImageComponent();
    ~CustomMaskedImageComponent() override;

    /** Cuts the mask for value v of a value-label kind: the reverse mask when reverseArc is set
        (bandCut counts its labels from the other end), else the plain mask. The value is clamped
        to the kind's labels; a kind with fewer than two labels shows no arc at all. Repaints. */
    void setValue (ValueLabelKind kind, int v, bool reverseArc);

    const juce::Path& getPlainArcMask() const noexcept      { return plainArcMask; }
    const juce::Path& getReverseArcMask() const noexcept    { return reverseArcMask; }

    /** True when the last value given could not place an arc (a kind with fewer than two labels). */
    bool isArcHidden() const noexcept                       { return plainHidden || reverseHidden; }

    /** The image clipped to the masks that are set. */
    void paint (juce::Graphics& g) override;

    void mouseUp (const juce::MouseEvent& e) override;

private:
    static juce::Path arcMask (float fromRadians, float toRadians);

    juce::Path plainArcMask, reverseArcMask;
    bool plainHidden = false, reverseHidden = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomMaskedImageComponent)
};
