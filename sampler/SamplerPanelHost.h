#pragma once

#include "widgets/PanelHost.h"

class SamplerWindow;

/** The host the program's controls find inside the sampler window (PanelHost::attach on its content):
    they share the program's pointer state with the main window's controls, and the keys they hand to
    a host walk the slot editor's focus ring, or the tiles while no editor is open. The sampler window
    has no sections or popup sliders, and its controls commit nothing themselves: only the editor's OK
    stores a slot. */
class SamplerPanelHost : public PanelHost
{
public:
    explicit SamplerPanelHost (SamplerWindow& owner) : window (owner) {}

    void navigateBack (juce::Component* focused) override;
    void focusNext (juce::Component* focused) override;
    void focusPrevious (juce::Component* focused) override;
    void focusBeatAbove (juce::Component*) override                 {}
    void focusBeatBelow (juce::Component*) override                 {}
    void activateFocused (juce::Component* focused) override;

    AnimImageButton* getOpenSectionButton() override                { return nullptr; }
    bool isOtherSectionOpen (PanelSection) override                 { return false; }
    void updateSectionButtons() override                            {}
    void sectionButtonStateChanged (AnimImageButton&) override      {}
    bool isKeyboardMode() override                                  { return false; }
    void setKeyboardMode (bool) override                            {}
    int getCurrentEffect (PanelSection) override                    { return 0; }
    void setCurrentEffect (PanelSection, int) override              {}
    bool isBreadcrumbEffectPinned() override                        { return false; }

    bool isAnySliderPopupOpen() override                            { return false; }
    void closeOtherSliderPopups (juce::Component&) override         {}
    void raisePopupSlider (juce::Component&) override               {}

    bool commitSettingsChange() override                            { return false; }
    void placeEffectBrowser() override;
    PointerState& getPointerState() override;

private:
    SamplerWindow& window;
    PointerState ownPointerState;       // while the window has no host

    JUCE_DECLARE_NON_COPYABLE (SamplerPanelHost)
};
