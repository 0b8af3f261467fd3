#include "widgets/AnimImageButtonTimer.h"

#include "widgets/AnimImageButton.h"
#include "widgets/PanelHost.h"

AnimImageButtonTimer::AnimImageButtonTimer()
{
    startTimer (ImageTimer::intervalMs);
}

AnimImageButtonTimer::~AnimImageButtonTimer()
{
    stop();
}

void AnimImageButtonTimer::stop()
{
    fade.stopTimer();
    stopTimer();
}

void AnimImageButtonTimer::applyNow()
{
    dirty = true;
    timerCallback();
}

void AnimImageButtonTimer::applyToChildren (juce::Component& fadingOwner)
{
    const auto alpha = fade.getAlpha();

    for (auto* child : fadingOwner.getChildren())
    {
        // isEnabled() is false also when the owner (or one above it) is disabled.
        if (! child->isEnabled())
            continue;

        child->setAlpha (alpha);

        if (child->isVisible())
        {
            if (hideNow)
                child->setVisible (false);
        }
        else if (alpha > 0.0f)
        {
            child->setVisible (true);
        }
    }
}

void AnimImageButtonTimer::timerCallback()
{
    auto* fadingOwner = owner.getComponent();
    if (! dirty || fadingOwner == nullptr)
        return;

    juce::Component::SafePointer<juce::Component> watch (fadingOwner);
    applyToChildren (*fadingOwner);

    auto* section = dynamic_cast<AnimImageButton*> (fadingOwner);

    if (section != nullptr)
        if (auto* target = section->takeFocusAfterFade(); target != nullptr && target->isShowing())
            target->grabKeyboardFocus();

    if (watch == nullptr)
        return;

    if (auto* cache = fadingOwner->getCachedComponentImage())
        cache->invalidateAll();

    if (fadingOwner->isVisible())
        fadingOwner->repaint();

    if (section != nullptr && fade.getAlpha() <= 0.0f && section->isExpanded())
    {
        section->setExpanded (false);

        if (auto* host = PanelHost::find (section))
            host->updateSectionButtons();

        if (watch == nullptr)
            return;
    }

    if (hideNow)
        fadingOwner->setVisible (false);

    dirty = false;
    hideNow = false;
}
