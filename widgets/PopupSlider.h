#pragma once

#include "core/ValueLabelKind.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/CustomSliderButton.h"
#include "widgets/SliderWrapper.h"
#include "widgets/ValueLabel.h"

#include <cstdint>

/** A value of twelve steps shown as a read-out over a small button; the button (or Return) opens a
    slider under them, and moving the slider writes the value into the document and commits.

    The popup slider holds the keyboard focus for its parts. While the popup is open, Up and Down
    move the slider, Return keeps the value and every other navigation key puts back the value the
    slider had when it opened; while it is closed the navigation keys walk the effect panel.

    The slider shows a row of the step labels; the pitchMinus row runs reversed: the document holds
    11 - position, so moving the slider right lowers the value.
*/
class PopupSlider : public juce::Component,
                    private juce::Button::Listener,
                    private juce::Slider::Listener
{
public:
    static constexpr int maxPosition = 11;

    /** Builds the closed popup slider showing the bound value (a null value binds nothing). Nothing
        is written and nothing committed. */
    PopupSlider (DbStepRow row, int32_t* value);
    ~PopupSlider() override;

    /** Moves the slider to the bound value's position and shows its label, without notification:
        the document is neither written nor committed. A value outside 0..11 is shown clamped. */
    void refreshFromValue();

    bool isPopupOpen() const noexcept       { return slider.isVisible(); }

    /** Closes the popup and keeps the value: the slider hides, the button pops up (no click). */
    void hidePopup();

    DbStepRow getRow() const noexcept       { return row; }
    bool isReversed() const noexcept        { return reversed; }
    int32_t* getValuePointer() const noexcept { return value; }

    ValueLabel& getLabel() noexcept             { return label; }
    CustomSliderButton& getButton() noexcept    { return button; }
    SliderWrapper& getSlider() noexcept         { return slider; }

    //==============================================================================
    void paint (juce::Graphics& g) override;
    void resized() override;
    bool hitTest (int x, int y) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void mouseDown (const juce::MouseEvent& e) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void buttonClicked (juce::Button*) override;
    void sliderValueChanged (juce::Slider*) override;

    /** The document value of a slider position, and back (the same map both ways). */
    int storedValueOf (int position) const noexcept     { return reversed ? maxPosition - position : position; }
    int position() const                                { return (int) slider.getValue(); }

    void showLabelFor (int position);
    void openPopup();
    void cancelPopup();
    void step (int delta);

    // The skin of the slider: it must outlive the slider.
    CustomLookAndFeel sliderSkin;

    ValueLabel label;
    CustomSliderButton button;
    SliderWrapper slider;
    const bool reversed;
    const DbStepRow row;
    int32_t* const value;
    double valueAtOpen = 0.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PopupSlider)
};
