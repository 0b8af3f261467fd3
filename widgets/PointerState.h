#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** What the program's controls remember about the pointer: the control that gets the keyboard focus
    back after a mouse-up, and the last mouse position seen, so that a move event without a real move
    (windows send them when they appear or scroll) does not steal the focus or end keyboard mode. */
class PointerState
{
public:
    /** True, and remembered, when the position differs from the last one seen. */
    bool noteMouseMove (juce::Point<int> screenPosition) noexcept
    {
        if (screenPosition == lastMousePosition)
            return false;

        lastMousePosition = screenPosition;
        return true;
    }

    juce::Point<int> getLastMousePosition() const noexcept          { return lastMousePosition; }

    void setLastFocusedControl (juce::Component* control) noexcept  { lastFocusedControl = control; }
    juce::Component* getLastFocusedControl() const noexcept          { return lastFocusedControl.getComponent(); }

private:
    juce::Component::SafePointer<juce::Component> lastFocusedControl;
    juce::Point<int> lastMousePosition;
};
