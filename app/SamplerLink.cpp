#include "app/SamplerLink.h"

#include "app/MainWindow.h"
#include "app/WindowStacking.h"

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
// The breadcrumb bar on this branch shows its steps' texts but cannot be set from outside yet; its
// step operations (showLinePathSection, showLinePathEffect, showLinePathSlot) and the saving and
// restoring of its steps come with the bar's own work, and go in here.
bool SamplerLink::showsSampler()
{
    const auto& bar = window.getLineBrowser();
    return bar.isStepVisible (sectionStep) && bar.getStepText (sectionStep) == "X-PAD FX"
        && bar.isStepVisible (effectStep) && bar.getStepText (effectStep) == "SAMPLER";
}

void SamplerLink::save() {}
void SamplerLink::restore() {}
void SamplerLink::showSampler() {}
void SamplerLink::showSlot (const juce::String&) {}

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
