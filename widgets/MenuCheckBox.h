#pragma once

#include "widgets/CustomImageButton.h"

/** A check box of the overlay panels: the skin's 16 x 16 box, four faces while unticked (the base's
    images) and four while ticked. A click ticks or unticks it.

    While it holds the keyboard focus it shows its focused face (the over face while unticked), so
    the keyboard's place is always visible. Like the panels' buttons it takes the focus when the
    mouse really moves over it, and hands every key to its panel.
*/
class MenuCheckBox : public CustomImageButton
{
public:
    static constexpr int boxSize = 16;

    explicit MenuCheckBox (const juce::String& name);
    ~MenuCheckBox() override;

    /** The faces used while ticked: normal, keyboard-focused, pressed and disabled. */
    void setTickedImages (const juce::Image& normal, const juce::Image& focused,
                          const juce::Image& down, const juce::Image& disabled);

    /** Ticked: focused, else disabled, else pressed, else normal. Unticked: the base's over face
        while focused, else the base's face for the state. */
    juce::Image getCurrentImage() const override;

    bool keyPressed (const juce::KeyPress&) override;
    void mouseMove (const juce::MouseEvent&) override;

private:
    juce::Image tickedNormal, tickedFocused, tickedDown, tickedDisabled;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuCheckBox)
};
