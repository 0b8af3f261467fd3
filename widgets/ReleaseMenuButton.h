#pragma once

#include "widgets/Step2MenuButton.h"

/** A Release effect button (VINYL BRAKE, ECHO, BACK SPIN), drawn from the toggle pictures; the panel
    marks the effect that is in use. */
class ReleaseMenuButton : public Step2MenuButton
{
public:
    explicit ReleaseMenuButton (const juce::String& name);

    void setMarked (bool shouldBeMarked);
    bool isMarked() const noexcept              { return marked; }

    PanelSection getSection() const override    { return PanelSection::release; }
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    bool marked = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ReleaseMenuButton)
};
