#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** One slider of a compound control (a thumb of the range slider, the popup slider's slider): it
    takes the keyboard focus when the mouse moves over it, hands every key to its parent, and tells
    its mouse listeners where the mouse moved, so that the parent can decide which of two
    overlapping thumbs lies on top.
*/
class SliderWrapper : public juce::Slider
{
public:
    /** Told about real mouse moves over a thumb. */
    class MouseListener
    {
    public:
        virtual ~MouseListener() = default;

        /** The mouse moved to x, in the thumb's own coordinates. */
        virtual void thumbMouseMoved (SliderWrapper& thumb, int x) = 0;
    };

    SliderWrapper();
    ~SliderWrapper() override;

    void addThumbMouseListener (MouseListener* listener)        { mouseListeners.addIfNotAlreadyThere (listener); }
    void removeThumbMouseListener (MouseListener* listener)     { mouseListeners.removeFirstMatchingValue (listener); }

    //==============================================================================
    /** Focus follows the mouse; on a real move the listeners hear the mouse x. */
    void mouseMove (const juce::MouseEvent& e) override;

    /** Remembers the thumb as the control that gets the focus back after a mouse-up. */
    void focusGained (FocusChangeType cause) override;

    /** Every key goes to the parent: the compound control decides. */
    bool keyPressed (const juce::KeyPress& key) override;

private:
    juce::Array<MouseListener*> mouseListeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SliderWrapper)
};
