#include "sampler/SamplerPanelHost.h"

#include "sampler/SampleComponent.h"
#include "sampler/SamplerWindow.h"

void SamplerPanelHost::navigateBack (juce::Component*)
{
    window.goBack();
}

void SamplerPanelHost::focusNext (juce::Component* focused)
{
    if (auto* editor = window.getEditor())
        editor->moveFocus (focused, true, false);
    else
        window.selectNextSlot();
}

void SamplerPanelHost::focusPrevious (juce::Component* focused)
{
    if (auto* editor = window.getEditor())
        editor->moveFocus (focused, false, false);
    else
        window.selectPreviousSlot();
}

void SamplerPanelHost::activateFocused (juce::Component* focused)
{
    if (auto* editor = window.getEditor())
        editor->activate (focused);
    else
        window.openCurrentSlot();
}

void SamplerPanelHost::placeEffectBrowser()
{
    if (auto* host = window.getHost())
        host->placeEffectBrowser();
}

PointerState& SamplerPanelHost::getPointerState()
{
    if (auto* host = window.getHost())
        return host->getPointerState();

    return ownPointerState;
}
