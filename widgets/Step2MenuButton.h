#pragma once

#include "widgets/CustomImageButton.h"
#include "widgets/PanelHost.h"

/** An effect button on a section button of the effect panel (the Isolate, Scene, Release and X-PAD
    families derive from it).

    The panel lights the current choice (lit) and makes a button ignore the mouse while its section
    does not offer it (interactive off: the mouse passes through to what lies behind). Hovering a
    button whose section may take it makes its effect the section's current one; while the mouse
    is on the button, its section button stays lit.
*/
class Step2MenuButton : public CustomImageButton
{
public:
    explicit Step2MenuButton (const juce::String& name);
    ~Step2MenuButton() override;

    void setInteractive (bool shouldBeInteractive) noexcept     { interactive = shouldBeInteractive; }
    bool isInteractive() const noexcept                         { return interactive; }
    void setLit (bool shouldBeLit);
    bool isLit() const noexcept                                 { return lit; }

    /** Neither lit nor pressed, and no one told: how a section puts its keys back when its choice
        changes or it is built again. */
    void switchOff();

    /** The section whose effects these buttons choose. */
    virtual PanelSection getSection() const = 0;

    /** The button's place among its section button's effect buttons of the same kind (0 for the
        first), or -1 when it has no parent. */
    int getEffectIndex() const;

    /** No hit unless interactive; with masks on, the alpha test where a missing picture misses.
        The answer is also the hover flag of the section button it sits on. */
    bool hitTest (int x, int y) override;

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

protected:
    /** The caption's colour: for a disabled button (itself or a parent), an idle one, or an active
        one (hovered, pressed, on, lit or holding the keyboard focus). */
    enum class CaptionTone { disabled, idle, active };
    CaptionTone getCaptionTone() const;

    /** Neither hovered nor pressed nor switched on. */
    bool isIdle() const;

    /** The current image, but the over image while the button is lit or holds the focus (when it
        is enabled and neither pressed nor on). */
    juce::Image getStateImage() const;

    /** The caption in "Verdana", one line, centred over the whole button. */
    void drawCaption (juce::Graphics& g, juce::Colour colour, float fontHeight);

private:
    bool interactive = true;
    bool lit = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Step2MenuButton)
};
