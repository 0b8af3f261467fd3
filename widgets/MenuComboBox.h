#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A combo box of the overlay panels. Return opens its list, Up and Down change the selection as
    the framework's combo box does; Left, Right, Tab and Shift+Tab close an open list, or else move
    the panel's focus. Other keys are not its own. It takes the keyboard focus when the mouse really
    moves over it; the framework's combo box repaints when the focus comes and goes, and the skin
    draws the focus.
*/
class MenuComboBox : public juce::ComboBox
{
public:
    explicit MenuComboBox (const juce::String& name);
    ~MenuComboBox() override;

    bool keyPressed (const juce::KeyPress&) override;
    void mouseMove (const juce::MouseEvent&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MenuComboBox)
};
