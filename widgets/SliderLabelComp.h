#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The text box of a skinned slider: a label that ignores the mouse wheel, so that scrolling over a
    slider's value does nothing. */
class SliderLabelComp : public juce::Label
{
public:
    SliderLabelComp() : juce::Label ({}, {}) {}

    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override {}

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SliderLabelComp)
};
