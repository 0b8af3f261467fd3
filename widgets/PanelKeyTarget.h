#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** An overlay panel as its own controls see it: its check boxes and buttons hand it every key, its
    combo boxes the keys that move between controls. The panel is found among the control's parents,
    so a control outside any panel (an alert's button) keeps its keys to itself. */
class PanelKeyTarget
{
public:
    virtual ~PanelKeyTarget() = default;

    /** A key pressed while one of the panel's controls held the keyboard focus; true when used. */
    virtual bool panelKeyPressed (const juce::KeyPress& key) = 0;

    /** The panel a control sits on, or null. */
    static PanelKeyTarget* of (juce::Component& control)
    {
        return control.findParentComponentOfClass<PanelKeyTarget>();
    }
};
