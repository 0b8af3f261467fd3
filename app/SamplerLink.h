#pragma once

#include "editor/LineBrowser.h"
#include "sampler/SamplerWindow.h"

class MainWindow;

/** The main window as the sampler window sees it: the document with its commits and flags, the alerts,
    the WAV file chooser, the window stacking, the breadcrumb bar and the effect panel. */
class SamplerLink : public SamplerWindow::Host,
                    public SamplerWindow::Breadcrumb,
                    public SamplerWindow::Panel
{
public:
    explicit SamplerLink (MainWindow& owner) : window (owner) {}

    // SamplerWindow::Host
    DeviceSettings& getCurrentDocument() override;
    void adoptCurrentAsLastSent() override;
    bool commitSettingsChange() override;
    void setSamplerModified() override;
    void showAlert (UserMessage message, AlertKind kind) override;
    juce::File chooseWavFile (const juce::File& initialLocation) override;
    juce::String getLastWavFilePath() override;
    void setLastWavFilePath (const juce::String& path) override;
    PointerState& getPointerState() override;
    void keepToolWindowsInOrder() override;
    void placeEffectBrowser() override;

    // SamplerWindow::Breadcrumb
    bool showsSampler() override;
    void save() override;
    void restore() override;
    void showSampler() override;
    void showSlot (const juce::String& slotName) override;

    // SamplerWindow::Panel
    void refreshSamplerView() override;
    void returnToXPadEffect() override;

private:
    MainWindow& window;
    LineBrowser::Path savedSteps;

    JUCE_DECLARE_NON_COPYABLE (SamplerLink)
};
