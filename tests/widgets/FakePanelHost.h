#pragma once

#include "QuietEditHost.h"
#include "core/DeviceSettings.h"
#include "core/EditController.h"
#include "widgets/PanelHost.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

/** A stand-in for the effect panel: a plain component that the controls under test sit in. It
    records what the controls ask of it and answers from fields the test sets.

    Commits go to a real EditController over two documents, so that a test sees what the program
    would keep: a commit with no change makes no undo entry.
*/
class FakePanelHost : public juce::Component,
                      public PanelHost
{
public:
    enum class Call { back, next, previous, beatAbove, beatBelow, activate };

    struct Navigation
    {
        Call call;
        juce::Component* component;
        bool operator== (const Navigation& other) const { return call == other.call && component == other.component; }
    };

    FakePanelHost()
    {
        setWantsKeyboardFocus (false);
        initDeviceSettings (document);
        initDeviceSettings (lastSent);
    }

    //==============================================================================
    std::vector<Navigation> navigation;
    AnimImageButton* openSectionButton = nullptr;
    std::optional<PanelSection> openSection;        // the section the open button belongs to
    int sectionUpdates = 0;
    std::vector<AnimImageButton*> stateChanges;
    bool keyboardMode = false;
    std::array<int, numPanelSections> currentEffect {};
    bool breadcrumbEffectPinned = false;
    bool sliderPopupOpen = false;
    std::vector<juce::Component*> closedOtherPopupsFor, raisedPopups;
    int commits = 0, browserPlacements = 0;
    PointerState pointer;

    std::unique_ptr<DeviceSettings[]> documents { new DeviceSettings[2] };
    DeviceSettings& document = documents.get()[0];
    DeviceSettings& lastSent = documents.get()[1];

    /** Navigation calls since the last look, then forgotten. */
    std::vector<Navigation> takeNavigation()    { return std::exchange (navigation, {}); }

    //==============================================================================
    void navigateBack (juce::Component* c) override     { navigation.push_back ({ Call::back, c }); }
    void focusNext (juce::Component* c) override        { navigation.push_back ({ Call::next, c }); }
    void focusPrevious (juce::Component* c) override    { navigation.push_back ({ Call::previous, c }); }
    void focusBeatAbove (juce::Component* c) override   { navigation.push_back ({ Call::beatAbove, c }); }
    void focusBeatBelow (juce::Component* c) override   { navigation.push_back ({ Call::beatBelow, c }); }
    void activateFocused (juce::Component* c) override  { navigation.push_back ({ Call::activate, c }); }

    AnimImageButton* getOpenSectionButton() override    { return openSectionButton; }
    bool isOtherSectionOpen (PanelSection s) override   { return openSection.has_value() && *openSection != s; }
    void updateSectionButtons() override                { ++sectionUpdates; }
    void sectionButtonStateChanged (AnimImageButton& b) override { stateChanges.push_back (&b); }
    bool isKeyboardMode() override                      { return keyboardMode; }
    void setKeyboardMode (bool on) override             { keyboardMode = on; }
    int getCurrentEffect (PanelSection s) override      { return currentEffect[static_cast<size_t> (s)]; }
    void setCurrentEffect (PanelSection s, int e) override { currentEffect[static_cast<size_t> (s)] = e; }
    bool isBreadcrumbEffectPinned() override            { return breadcrumbEffectPinned; }

    bool isAnySliderPopupOpen() override                { return sliderPopupOpen; }
    void closeOtherSliderPopups (juce::Component& s) override { closedOtherPopupsFor.push_back (&s); }
    void raisePopupSlider (juce::Component& s) override { raisedPopups.push_back (&s); }

    bool commitSettingsChange() override
    {
        ++commits;
        return editor.commitSettingsChange();
    }

    void placeEffectBrowser() override                  { ++browserPlacements; }
    PointerState& getPointerState() override            { return pointer; }

private:
    /** The editing side of the window: nothing to send, show or rebuild here. */
    QuietEditHost editHost;

public:
    EditController editor { document, lastSent, editHost };
};
