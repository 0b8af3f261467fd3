#pragma once

#include "widgets/CustomImageButton.h"

/** OK and CANCEL of the overlay panels and the alerts: the skin's 84 x 28 panel button with its
    caption centred on it.

    It takes the keyboard focus when the mouse really moves over it (not when it merely appears under
    a resting pointer) but not from a click, so a click never moves the focus away from where the
    keys were. Return clicks it; on a panel every key goes to the panel.
*/
class MenuComponentButton : public CustomImageButton
{
public:
    static constexpr int width = 84, height = 28;

    /** A button showing a caption that reports a command identifier to its listeners. */
    MenuComponentButton (const juce::String& caption, int commandIdentifier);
    ~MenuComponentButton() override;

    /** The caption's colour: light, or dark red while the button or a parent is disabled. */
    juce::Colour getCaptionColour() const;

    /** Draws a caption as this button does, for buttons made elsewhere (the framework's alert
        windows) that wear the same face. */
    static void drawCaption (juce::Graphics&, const juce::String& caption, juce::Rectangle<int> area, bool enabled);

    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    bool keyPressed (const juce::KeyPress&) override;
    void mouseMove (const juce::MouseEvent&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuComponentButton)
};
