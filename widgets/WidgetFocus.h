#pragma once

#include "widgets/PointerState.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The keys the effect panel is walked with. */
enum class NavigationKey { none, back, left, right, up, down, tab, shiftTab, enter };

/** What the program's controls share about the keyboard focus and the mouse, through their host
    (PanelHost): focus follows the mouse, the last focused control gets the focus back after a
    mouse-up, and the panel's navigation keys go to the panel.
*/
namespace WidgetFocus
{
    /** Which navigation key this is; none for any other key or modifier combination (Escape and
        Backspace are both back, Return is enter). */
    NavigationKey classify (const juce::KeyPress& key) noexcept;

    /** True when the mouse really moved since any control last looked: a move event at the same
        screen position (windows send them when they appear or scroll) is no move. The position is
        remembered either way, in the host's pointer state or else in one attached to the control or
        a parent (attachPointerState). With neither every event counts as a move. */
    bool isRealMouseMove (const juce::Component& control, const juce::MouseEvent& e);

    /** Lets the controls inside a component that has no host (an overlay panel, an alert) share a
        pointer state with the rest of the program; null takes it away again. The state must outlive
        the component or be taken away first. */
    void attachPointerState (juce::Component& root, PointerState* state);

    /** Focus follows the mouse: on a real move the control takes the keyboard focus. Returns
        whether the mouse really moved. */
    bool followMouse (juce::Component& control, const juce::MouseEvent& e);

    /** The parts of a popup slider (its read-out and its face) hand the focus to the popup slider
        around them: on a real move the parent takes the keyboard focus, unless the popup of any
        popup slider is open. Returns whether the mouse really moved. */
    bool followMouseToParent (juce::Component& part, const juce::MouseEvent& e);

    /** Remembers the control as the one that gets the keyboard focus back after a mouse-up. */
    void recordFocus (juce::Component& control);

    /** After a mouse-up on a button of the panel: when a control is recorded, the effect browser is
        placed beside the main window again and the recorded control gets the focus back, if it still
        exists and shows. */
    void raiseFocusOnMouseUp (juce::Component& control);

    /** A button's state as the mouse leaves it: down while a mouse button is held on it, over while
        the mouse is over it or a child, else normal. */
    void refreshStateFromMouse (juce::Button& button);

    /** The image buttons' keys: Escape and Backspace go back, Right, Down and Tab to the next
        control, Left, Up and Shift+Tab to the previous one. True when the key went to the host;
        false for other keys and when there is no host. */
    bool routeNavigationKey (juce::Component& control, const juce::KeyPress& key);
}
