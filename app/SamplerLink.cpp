#include "app/SamplerLink.h"

#include "app/MainWindow.h"
#include "app/WindowStacking.h"
#include "editor/bindings/PanelNames.h"

namespace
{
constexpr int sectionStep = 1, effectStep = 2;
}

//==============================================================================
DeviceSettings& SamplerLink::getCurrentDocument()
{
    return window.getCurrentDocument();
}

void SamplerLink::adoptCurrentAsLastSent()
{
    // Only the slots the first preparation settled: an imported or fetched parameter the unit has
    // not been sent yet must still go with the next commit.
    window.getEditController().adoptSamplerSlotsAsLastSent();
}

bool SamplerLink::commitSettingsChange()
{
    return window.commitSettingsChange();
}

void SamplerLink::setSamplerModified()
{
    window.setSamplerModified (true);
}

void SamplerLink::showAlert (UserMessage message, AlertKind kind)
{
    window.showAlert (message, kind);
}

juce::File SamplerLink::chooseWavFile (const juce::File& initialLocation)
{
    return window.getFileChoosers().chooseFileToOpen ("Select wav file", initialLocation, "*.wav");
}

juce::String SamplerLink::getLastWavFilePath()
{
    return window.getLastWavFilePath();
}

void SamplerLink::setLastWavFilePath (const juce::String& path)
{
    window.setLastWavFilePath (path);
}

PointerState& SamplerLink::getPointerState()
{
    return window.getPointerState();
}

void SamplerLink::keepToolWindowsInOrder()
{
    auto& sampler = window.getSamplerWindow();
    auto& browser = window.getEffectBrowser();

    if (browser.isVisible())
        WindowStacking::raiseWithBelow (browser, { &sampler, &window });
    else
        WindowStacking::raiseWithBelow (sampler, { &window });
}

void SamplerLink::placeEffectBrowser()
{
    window.placeEffectBrowser();
}

//==============================================================================
bool SamplerLink::showsSampler()
{
    const auto& bar = window.getLineBrowser();
    return bar.isStepVisible (sectionStep) && bar.getStepText (sectionStep) == "X-PAD FX"
        && bar.isStepVisible (effectStep) && bar.getStepText (effectStep) == "SAMPLER";
}

void SamplerLink::save()
{
    savedSteps = window.getLineBrowser().saveSteps();
}

void SamplerLink::restore()
{
    // The panel's own path comes back, and the effect browser follows it again.
    auto& bar = window.getLineBrowser();
    bar.restoreSteps (savedSteps);
    bar.mirrorSteps();
}

void SamplerLink::showSampler()
{
    auto& bar = window.getLineBrowser();
    bar.showLinePathSection (PanelNames::sectionName (3), false);
    bar.showLinePathEffect (PanelNames::samplerEffectName);
}

void SamplerLink::showSlot (const juce::String& slotName)
{
    window.getLineBrowser().showLinePathSlot (slotName);
}

//==============================================================================
void SamplerLink::refreshSamplerView()
{
    // The panel re-reads its controls, the sampler's slot names among them.
    window.getBody().refreshFromData();
}

void SamplerLink::returnToXPadEffect()
{
    auto& body = window.getBody();
    body.reopenSection (3);
    body.focusPanel();
}
