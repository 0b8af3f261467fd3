#pragma once

#include "widgets/CustomSliderLookAndFeel.h"
#include "widgets/SliderWrapper.h"

#include <cstdint>

class ComboLabel;

/** The two thumbs of a range slider. */
enum class RangeThumb { minimum, maximum };

/** What the wide range slider stores for a thumb position: the minimum stores its position, the
    maximum (position + 4) mod 8, so that its eight steps run on from the minimum's; the map is its
    own inverse. Positions outside 0..7 give 0. */
int thumbValueMap (RangeThumb thumb, int position) noexcept;

/** Two document values that form a range, edited with two thumbs on one track.

    The narrow kind gives each thumb three steps on a track of its own (the thumbs move
    independently; the bar between them follows both). The wide kind shares one track of eight
    steps between two overlapping thumbs, keeps the minimum at or below the maximum, and puts the
    thumb nearer the mouse on top.

    Moving a thumb writes both values (and the read-outs, when attached) and commits. Setting the
    values from the document moves the thumbs silently.
*/
class CustomSlider : public juce::Component,
                     private juce::Slider::Listener,
                     private SliderWrapper::MouseListener
{
public:
    /** wide: eight shared steps (0..7) rather than three a thumb (0..2). The read-outs may be null. */
    CustomSlider (bool wide, ComboLabel* minLabel, ComboLabel* maxLabel);
    ~CustomSlider() override;

    /** Binds the two values and moves the thumbs to them without notification: nothing is written
        and nothing committed, also when the document's minimum lies above its maximum. Null
        pointers leave that value unbound. */
    void setValuePointers (int32_t* minValue, int32_t* maxValue);

    bool isWide() const noexcept                    { return wide; }
    SliderWrapper& getMinThumb() noexcept           { return minThumb; }
    SliderWrapper& getMaxThumb() noexcept           { return maxThumb; }

    //==============================================================================
    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The thumbs hand every key here: Escape and Backspace go back; Right and Tab go from the
        minimum thumb to the maximum thumb and then out, Left and Shift+Tab the other way; Up and
        Down step the focused thumb. */
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void sliderValueChanged (juce::Slider* slider) override;
    void thumbMouseMoved (SliderWrapper& thumb, int x) override;

    int storedValue (RangeThumb thumb) const noexcept;
    void storeValue (RangeThumb thumb, int value);
    int position (const SliderWrapper& thumb) const     { return (int) thumb.getValue(); }
    int topPosition() const noexcept                    { return wide ? 7 : 2; }
    SliderWrapper* focusedThumb() noexcept;
    void stepFocusedThumb (int delta);

    const bool wide;

    // The look-and-feel outlives the thumbs that draw with it.
    CustomSliderLookAndFeel thumbSkin;
    SliderWrapper minThumb, maxThumb;
    ComboLabel* const minLabel;
    ComboLabel* const maxLabel;
    int32_t* minValue = nullptr;
    int32_t* maxValue = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomSlider)
};
