#pragma once

#include "widgets/Step2MenuButton.h"

/** An Isolate effect button (ISOLATOR, CUT/ADD, TRANS/ROLL, GATE/DRIVE): its picture with the
    caption in amber. */
class IsolateMenuButton : public Step2MenuButton
{
public:
    explicit IsolateMenuButton (const juce::String& name);

    PanelSection getSection() const override    { return PanelSection::isolate; }
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (IsolateMenuButton)
};
