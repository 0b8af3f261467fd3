#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The close key of a section's parameter view: a 52x48 image button in three states, hit only
    where its picture is drawn. After a mouse-up the last focused control gets the focus back. */
class CloseButton : public juce::ImageButton
{
public:
    CloseButton();
    ~CloseButton() override;

    void mouseUp (const juce::MouseEvent& e) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CloseButton)
};
