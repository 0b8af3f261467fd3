#pragma once

#include "app/PanelValues.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** An Export, Import or Settings panel as the window's panel toggles see it. The panels derive from
    this; their OK and CANCEL buttons report to the window's buttonClicked. */
class OverlayPanel : public juce::Component
{
public:
    /** Sets the check boxes and selects the combo items without notifying anyone. */
    virtual void setValues (const PanelValues& values) = 0;

    /** What the user has set, for OK. */
    virtual PanelValues getValues() const = 0;

    /** Gives the keyboard focus to check box 1, as every panel does when it opens. */
    virtual void focusFirstCheckBox() = 0;
};
