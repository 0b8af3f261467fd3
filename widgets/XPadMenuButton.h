#pragma once

#include "widgets/Step2MenuButton.h"

/** An X-PAD effect button (ROLL, OSC, SAMPLER, PITCH, X-PAD); the panel marks the effect that is in
    use, whose caption then turns dark on its lit key. */
class XPadMenuButton : public Step2MenuButton
{
public:
    explicit XPadMenuButton (const juce::String& name);

    void setMarked (bool shouldBeMarked);
    bool isMarked() const noexcept              { return marked; }

    PanelSection getSection() const override    { return PanelSection::xpad; }
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    bool marked = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (XPadMenuButton)
};
