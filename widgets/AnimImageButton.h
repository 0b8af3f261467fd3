#pragma once

#include "widgets/AnimBase.h"
#include "widgets/AnimImageButtonTimer.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

/** One of the effect panel's big section buttons (and its two overlays): the section's artwork,
    whose child controls fade in while the mouse rests on the section or the keyboard enters it,
    and fade out when it is left, a tenth of opacity every 33 ms.

    The panel sets the flags: open (the chosen section, showing its effects), expanded (its controls
    are shown), hover (the mouse is over one of its effect buttons), selected (entered by key),
    dimmed (another section is open: fading out also hides it). Only one section button is expanded
    at a time: a hovered one waits until the expanded one has faded out, then the panel re-runs
    every state change and it takes its turn.

    It is also the drag-and-drop container of the beat buttons it holds.
*/
class AnimImageButton : public juce::Button,
                        public AnimBase,
                        public juce::DragAndDropContainer
{
public:
    explicit AnimImageButton (const juce::String& name);
    ~AnimImageButton() override;

    /** The display images with their opacities and overlay colours, and the alpha a hit needs
        (0..1; 0 means every point hits). The button becomes the owner of its own fade. Only the
        down image is drawn; the others serve the hit test. */
    void setImages (const juce::Image& normal, float normalOpacity, juce::Colour normalOverlay,
                    const juce::Image& over, float overOpacity, juce::Colour overOverlay,
                    const juce::Image& down, float downOpacity, juce::Colour downOverlay,
                    float hitTestAlphaThreshold);

    /** The hit masks at rest, under the mouse, and down (toggled on, selected, open or pressed). */
    void setHitTestImages (const juce::Image& normal, const juce::Image& over, const juce::Image& down);

    juce::uint8 getHitTestAlphaThreshold() const noexcept  { return alphaThreshold; }

    //==============================================================================
    void setOpen (bool shouldBeOpen) noexcept           { open = shouldBeOpen; }
    bool isOpen() const noexcept                        { return open; }
    void setExpanded (bool shouldBeExpanded) noexcept   { expanded = shouldBeExpanded; }
    bool isExpanded() const noexcept                    { return expanded; }
    void setHover (bool shouldBeHovered) noexcept       { hover = shouldBeHovered; }
    bool isHover() const noexcept                       { return hover; }
    void setSelected (bool shouldBeSelected) noexcept   { selected = shouldBeSelected; }
    bool isSelected() const noexcept                    { return selected; }
    void setDimmed (bool shouldBeDimmed) noexcept       { dimmed = shouldBeDimmed; }
    bool isDimmed() const noexcept                      { return dimmed; }

    /** A control that takes the keyboard focus after the next fade step (null for none). */
    void setFocusAfterFade (juce::Component* target)    { focusAfterFade = target; }
    juce::Component* getFocusAfterFade() const noexcept { return focusAfterFade.getComponent(); }

    /** The control waiting for the focus, which waits no longer. */
    juce::Component* takeFocusAfterFade();

    /** Sets the button state and runs the state change exactly once (also when the state stays). */
    void setStateAndReevaluate (ButtonState newState);

    AnimImageButtonTimer& getFade() noexcept            { return fadeTimer; }
    float getFadeAlpha() const noexcept                 { return fadeTimer.getAlpha(); }

    //==============================================================================
    /** The artwork (the down image) centred, at the fade's opacity (x 0.3 when disabled). */
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** No hit in keyboard mode; otherwise the alpha of the image for the current state, where the
        artwork was last drawn, must pass the threshold. */
    bool hitTest (int x, int y) override;

    /** Fades out when nothing holds the section (not pressed, on, open, selected or hovered, and
        the mouse gone or the section dimmed); otherwise expands and fades in when no other section
        is expanded. */
    void buttonStateChanged() override;

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    struct Face
    {
        juce::Image image;
        float opacity = 1.0f;
        juce::Colour overlay;
    };

    /** Where the artwork was last drawn: its offsets, and the button's size then. */
    struct HitFrame
    {
        int x = 0, y = 0, width = 0, height = 0;
    };

    enum FaceIndex { normalFace, overFace, downFace };

    HitFrame frameFromBounds() const;
    juce::Image imageForHitTest() const;

    AnimImageButtonTimer fadeTimer;
    bool dimmed = false;
    juce::uint8 alphaThreshold = 0;
    std::optional<HitFrame> hitFrame;
    juce::Image hitTestImages[3];
    Face faces[3];
    bool open = false, expanded = false, hover = false, selected = false;
    juce::Component::SafePointer<juce::Component> focusAfterFade;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AnimImageButton)
};
