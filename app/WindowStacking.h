#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The stacking of the program's own top-level windows, asked of the X server itself.

    The framework's Linux windows come to the front only by asking a window manager to activate
    them, which does nothing where none runs, and its request to put one window behind another
    stacks the two the other way round. Alerts must stay above the tool windows whatever the
    desktop, so they order themselves here.
*/
struct WindowStacking
{
    /** Raises a window above every other window and puts the given windows that show directly under
        it, in the order given. Nothing is sent when the windows already stand so, and nothing
        happens for a window that is not on the desktop or without an X display. */
    static void raiseWithBelow (juce::Component& top, const juce::Array<juce::Component*>& below);
};
