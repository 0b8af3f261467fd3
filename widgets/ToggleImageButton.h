#pragma once

#include "widgets/CustomImageButton.h"

/** A toggle switch of the effect panel (MODULATION, RESONANCE, ROLL, SLIP ROLL, DIVIDE ROLL): one
    of seven 108x34 pictures with its caption. The panel lights the current choice (lit) and can
    make it ignore the mouse (interactive off). */
class ToggleImageButton : public CustomImageButton
{
public:
    explicit ToggleImageButton (const juce::String& name);
    ~ToggleImageButton() override;

    void setInteractive (bool shouldBeInteractive);
    bool isInteractive() const noexcept     { return interactive; }
    void setLit (bool shouldBeLit);
    bool isLit() const noexcept             { return lit; }

    /** The picture for the button's state: off when disabled; on while on or pressed, focused
        while it holds the keyboard focus (both only while interactive); else idle. Each in its lit
        form while lit. */
    juce::Image getPicture() const;

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    bool hitTest (int x, int y) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void mouseMove (const juce::MouseEvent& e) override;

private:
    bool interactive = true;
    bool lit = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ToggleImageButton)
};
