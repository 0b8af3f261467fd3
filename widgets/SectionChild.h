#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class AnimImageButton;

/** What a button inside a section button (an effect button, a lock switch) does to the section as
    the mouse comes and goes: the section stays lit while the mouse is on any of its buttons. */
namespace SectionChild
{
    /** The section button a control sits on, or null. */
    AnimImageButton* sectionOf (const juce::Component& control);

    /** The mouse came onto the button: its section shows as hovered (unless it is the open one),
        and the button shows over, or down while a mouse button is held on it. */
    void enter (juce::Button& button);

    /** The mouse left the button: it shows normal (down while held); unless its section is the open
        one, the section lets go of the hover and re-evaluates its state. */
    void leave (juce::Button& button);
}
