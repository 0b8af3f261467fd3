#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The read-out of a popup slider. Hovering it hands the keyboard focus to the popup slider, unless
    a popup is open. */
class ValueLabel : public juce::Label
{
public:
    ValueLabel();
    ~ValueLabel() override;

    void mouseMove (const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ValueLabel)
};
