#pragma once

#include "widgets/ImageTimer.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** Puts a fading widget's opacity on the children of its owner, every 33 ms after each step of
    its ImageTimer: the enabled children take the opacity, show while it is above 0 and hide when
    the fade-out asked for it. Runs for the widget's whole life.

    After a step it also hands the keyboard focus to the owner's focusAfterFade (an AnimImageButton's),
    and when a section button has faded out completely it is no longer expanded and the panel
    re-evaluates its section buttons.
*/
class AnimImageButtonTimer : public juce::Timer
{
public:
    AnimImageButtonTimer();
    ~AnimImageButtonTimer() override;

    /** The component whose children fade; null fades nothing. */
    void setOwner (juce::Component* newOwner)   { owner = newOwner; }
    juce::Component* getOwner() const noexcept  { return owner.getComponent(); }

    ImageTimer& getFade() noexcept              { return fade; }
    float getAlpha() const noexcept             { return fade.getAlpha(); }

    /** Puts the current opacity on the children now, without waiting for a step. */
    void applyNow();

    /** Stops both timers (before the owner lets go of its images). */
    void stop();

    void timerCallback() override;

private:
    friend class ImageTimer;

    void applyToChildren (juce::Component& fadingOwner);

    ImageTimer fade { *this };
    bool dirty = false;
    bool hideNow = false;
    juce::Component::SafePointer<juce::Component> owner;

    JUCE_DECLARE_NON_COPYABLE (AnimImageButtonTimer)
};
