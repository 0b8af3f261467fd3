#pragma once

#include "widgets/AnimBase.h"
#include "widgets/AnimImageButtonTimer.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** A plain component with fading children, like a section button's: a group of read-outs or
    parameter controls that the panel fades with its section. Its creator chooses whose children
    fade (getFade().setOwner) and starts the fades. */
class AnimComponent : public juce::Component,
                      public AnimBase
{
public:
    AnimComponent();
    ~AnimComponent() override;

    AnimImageButtonTimer& getFade() noexcept    { return fadeTimer; }
    float getFadeAlpha() const noexcept         { return fadeTimer.getAlpha(); }

private:
    AnimImageButtonTimer fadeTimer;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AnimComponent)
};
