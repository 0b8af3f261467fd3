#pragma once

#include "widgets/CustomImageButton.h"

/** The face of a popup slider: a small image button that opens and closes the slider's popup.

    It never takes the keyboard focus itself: its popup slider (the parent) does, and the button
    shows its over image while that holds the focus. Keys go to the parent.
*/
class CustomSliderButton : public CustomImageButton
{
public:
    CustomSliderButton();

    /** Set by the popup slider while it holds the keyboard focus. */
    void setInteractive (bool shouldBeInteractive);
    bool isInteractive() const noexcept     { return interactive; }

    /** Disabled, then down (pressed or toggled on), then over (the focus on the parent or inside
        it, or interactive), else normal. */
    juce::Image getCurrentImage() const override;

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    bool keyPressed (const juce::KeyPress& key) override;

    /** On a real move the popup slider takes the keyboard focus, unless a popup is open. */
    void mouseMove (const juce::MouseEvent& e) override;

private:
    bool interactive = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CustomSliderButton)
};
