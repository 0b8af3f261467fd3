#pragma once

#include "widgets/CustomImageButton.h"

/** A beat button of the X-PAD position overlay: a 46x46 key labelled with one beat-fraction text.
    Pressing it starts dragging that text (the drag's description) towards a position target; Up
    and Down walk the two rows of beat buttons and Return stores its beat in the current target. */
class DraggableButton : public CustomImageButton
{
public:
    static constexpr int dragImageSize = 46;

    /** The container runs the drags (the overlay's section button); may be null for no dragging. */
    explicit DraggableButton (juce::DragAndDropContainer* container);
    ~DraggableButton() override;

    /** The picture that follows the mouse during a drag: the beat key with the button's text, made
        afresh on every mouse-down (null before the first). */
    const juce::Image& getDragImage() const noexcept    { return dragImage; }

    /** Makes the drag image from the current text. */
    void buildDragImage();

    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void focusGained (FocusChangeType cause) override;
    void mouseDown (const juce::MouseEvent& e) override;

private:
    juce::Image dragImage;
    juce::DragAndDropContainer* dragContainer;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DraggableButton)
};
