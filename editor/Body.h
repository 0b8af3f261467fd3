#pragma once

#include "core/BodyColor.h"
#include "core/DeviceSettings.h"
#include "editor/BodyHost.h"
#include "editor/EffectNavigator.h"
#include "editor/IsolateSection.h"
#include "editor/PanelBuilder.h"
#include "editor/PanelControls.h"
#include "editor/PanelKeyboard.h"
#include "editor/ReleaseSection.h"
#include "editor/SceneSection.h"
#include "editor/XPadSection.h"
#include "widgets/CustomPopupMenu.h"
#include "widgets/CustomPopupMenuLeft.h"
#include "widgets/CustomPopupMenuRight.h"
#include "widgets/PanelHost.h"
#include "widgets/WideButtonComboLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <vector>

class LineBrowser;
class SceneMenuButton;

/** The main effect panel: the unit's body with its four effect sections, ISOLATE FX, SCENE FX,
    RELEASE FX and X-PAD FX. Each section is a fading section button whose overview shows the current
    effect's values as read-outs; its edit view holds the combo boxes, switches, sliders and pads
    bound to the same document values.

    Every control is bound through one table (PanelControls over ControlBindings); an edit stores one
    value and commits through the host; refreshFromData() re-reads the whole panel from the document
    without ever writing it. The panel is the host its controls find (PanelHost).

    The user walks it in four levels: 1 the four sections, 2 one section with its effect keys live,
    3 one effect with its controls live, 4 one sampler slot (in the sampler window). The breadcrumb bar
    shows the level and passes it to the effect browser; both call back through EffectNavigator.
*/
class Body : public juce::Component,
             public juce::Button::Listener,
             public juce::ComboBox::Listener,
             public juce::KeyListener,
             public PanelHost,
             public EffectNavigator
{
public:
    static constexpr int panelWidth = 1024, panelHeight = 738;
    static constexpr int backgroundWidth = 910, backgroundHeight = 470;

    /** The part of the panel that the content centres: the body's width, and the height down to the
        sections' lower edge. */
    static constexpr int centredWidth = backgroundWidth, centredHeight = 585;

    explicit Body (BodyHost& host);
    ~Body() override;

    /** Builds the panel's whole tree over the application's current document (called once, right
        after construction), and gives the panel its size. */
    void createComponents (DeviceSettings& currentDocument);

    /** The body colour changed: the next paint loads the background of that colour. */
    void bodyColorChanged (BodyColor color);
    BodyColor getBodyColorIndex() const noexcept        { return bodyColorIndex; }

    /** Makes every control agree with the document after it changed behind the panel: each section
        bound for its current effect (for a lock position, the effect last edited), and the values
        shown without a binding re-read. Writes nothing and commits nothing; the open section and the
        current effects stay. */
    void refreshFromData();

    /** The sampler window changed a slot's file: the slot names are read again while they show. */
    void refreshSamplerPanelIfShown();

    //==============================================================================
    // Section views: what a section's overview shows for one of its effects.
    void selectIsolateEffect (int effect);
    SceneMenuButton* selectSceneEffect (int effect);
    void showSceneEffectControls (int effect);
    void selectReleaseEffect (int effect);
    void selectXPadEffect (int effect);

    //==============================================================================
    // Edit views: an effect opened for editing (level 3), remembered as the section's edited effect.
    /** The effect a section opens for editing (its last edited one when the effect given is not
        one of its own), recorded as the section's edited and current effect. */
    int takeEditedEffect (PanelSection section, int effect);
    void chooseIsolateEffect (int effect);
    void chooseSceneEffect (int effect);
    void chooseReleaseEffect (int effect);
    void chooseXPadEffect (int effect);

    // A section opened at level 2 (its effect keys live), and the marks that make it the chosen one.
    void openIsolateSection();
    void openSceneSection();
    void openReleaseSection();
    void openXPadSection();
    void markIsolateSectionButton();
    void markSceneSectionButton();
    void markReleaseSectionButton();
    void markXPadSectionButton();

    //==============================================================================
    // Moving between the levels.

    /** The breadcrumb bar that shows the level (null: none; the panel then keeps no level). */
    void setBreadcrumb (LineBrowser* bar) noexcept      { breadcrumb = bar; }
    LineBrowser* getBreadcrumb() const noexcept         { return breadcrumb; }

    /** The level the breadcrumb shows, which the effect browser mirrors (1 without a breadcrumb). */
    int getLevel() const;

    /** Level 2 of a section (-1: the current section); the panel is reset first. */
    void showSection (int section) override;

    /** Level 2 of a section again: reset, then the section opens on its current effect. */
    void reopenSection (int section);

    /** Keyboard entry of a section at level 1: it comes up selected, its current effect shown. */
    void enterSection (int section);

    /** Level 3: an effect opened from outside its section (-1: the effect last requested, or the
        section's edited effect when that is none of this section's). The focus target takes the
        keyboard once the section has faded in; null for the effect's own first control. */
    void selectSectionEffect (int section, int effect, juce::Component* focusTarget);
    void selectSectionEffect (int section, int effect) override  { selectSectionEffect (section, effect, nullptr); }

    /** Level 4: SAMPLER opened, then a slot's editor in the sampler window. */
    void openSamplerSlot (int slot) override;

    /** The lock of the Isolate or Scene section switched, as a click on it does: both Isolate locks
        agree, one commit, the effect browser re-placed. */
    void toggleLock (PanelSection section);

    int getCurrentSection() const noexcept              { return currentSection; }
    int getRequestedEffect() const noexcept             { return requestedEffect; }
    int getEditedEffect (PanelSection section) const noexcept;

    /** True while a section's edit view is in use (Scene, Release, X-PAD: its parameter panel;
        Isolate: its editor overlay is open). */
    bool isEditViewInUse (PanelSection section) const;

    // EffectNavigator
    void focusPanel() override;
    void resetSections() override;
    void reopenCurrentSection() override                { reopenSection (currentSection); }
    void focusSampleEditor() override                   { host.focusSampleEditor(); }

    //==============================================================================
    DeviceSettings* getDocument() const noexcept        { return document; }
    const juce::Image& getBackgroundImage() const       { return background.getImage(); }
    PanelControls& getControls() noexcept               { return controls; }
    IsolateSection& getIsolate() noexcept               { return isolate; }
    SceneSection& getScene() noexcept                   { return scene; }
    ReleaseSection& getRelease() noexcept               { return release; }
    XPadSection& getXPad() noexcept                     { return xpad; }
    AnimImageButton* getSectionButton (PanelSection section) const noexcept;
    /** The four section buttons in section order (null before the panel is built). */
    std::array<AnimImageButton*, numPanelSections> getSectionButtons() const noexcept;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void mouseMove (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;

    void buttonClicked (juce::Button*) override;
    void buttonStateChanged (juce::Button*) override;
    void comboBoxChanged (juce::ComboBox*) override;
    bool keyPressed (const juce::KeyPress& key, juce::Component* originatingComponent) override;
    using juce::Component::keyPressed;

    //==============================================================================
    // PanelHost
    void navigateBack (juce::Component* focused) override;
    void focusNext (juce::Component* focused) override;
    void focusPrevious (juce::Component* focused) override;
    void focusBeatAbove (juce::Component* beatButton) override;
    void focusBeatBelow (juce::Component* beatButton) override;
    void activateFocused (juce::Component* focused) override;

    AnimImageButton* getOpenSectionButton() override;
    bool isOtherSectionOpen (PanelSection section) override;
    void updateSectionButtons() override;
    void sectionButtonStateChanged (AnimImageButton& sectionButton) override;

    bool isKeyboardMode() override                      { return keyboardMode; }
    void setKeyboardMode (bool on) override             { keyboardMode = on; }
    int getCurrentEffect (PanelSection section) override;
    void setCurrentEffect (PanelSection section, int effect) override;
    bool isBreadcrumbEffectPinned() override;

    bool isAnySliderPopupOpen() override;
    void closeOtherSliderPopups (juce::Component& popupSlider) override;
    void raisePopupSlider (juce::Component& popupSlider) override;

    bool commitSettingsChange() override                { return host.commitSettingsChange(); }
    void placeEffectBrowser() override                  { host.placeEffectBrowser(); }
    PointerState& getPointerState() override            { return host.getPointerState(); }

private:
    void createSectionButtons (PanelBuilder& build);
    void showSectionView (PanelSection section, int effect);
    void markSection (PanelSection section);
    void openSection (PanelSection section);
    void chooseEffect (PanelSection section, int effect);
    void effectKeyClicked (PanelSection section, int effect, bool onOverlay);
    void closeClicked (PanelSection section);
    void sectionClicked (AnimImageButton& sectionButton);
    void restoreLastFocus();
    void closePitchPopups();
    void hoverSection (AnimImageButton& sectionButton);
    void hoverEffectKey (juce::Button& key, PanelSection section);
    bool isStepCurrent (int step) const;
    void showLinePathSection (PanelSection section, bool placeBrowser);
    void showLinePathEffect (PanelSection section, int effect);
    int resolveRequestedEffect (PanelSection section, int effect) const;
    void selectXPadSectionEffect (int effect, juce::Component* focusTarget);
    void lockClicked (juce::Button& lock);
    void rollClicked (int choice);
    std::optional<PanelSection> sectionOf (const AnimImageButton& button) const noexcept;
    std::optional<PanelSection> effectKeySection (const juce::Button& button) const noexcept;

    // The keyboard walk works on the navigation state below.
    friend class PanelKeyboard;

    // Navigation state (the walk through the panel uses it; the refresh reads the current effects).
    bool keyboardMode = false;
    int currentSection = -1;
    int requestedEffect = -1;
    std::array<int, numPanelSections> editedEffect {};
    std::array<int, numPanelSections> currentEffect {};
    int currentDropTarget = 0;
    int lastBeat = 0;
    bool bodyImageDirty = true;
    BodyColor bodyColorIndex = BodyColor::black;

    BodyHost& host;
    LineBrowser* breadcrumb = nullptr;

    // The combo boxes' popup skins: they outlive every child that uses them (declared first).
    CustomPopupMenu customPopupMenu;
    CustomPopupMenuLeft customPopupMenuLeft;
    CustomPopupMenuRight customPopupMenuRight;
    WideButtonComboLookAndFeel wideButtonComboLookAndFeel;

    juce::ImageComponent background;
    juce::OwnedArray<juce::Component> children;
    std::vector<PanelPlacement> placements;

    IsolateSection isolate;
    SceneSection scene;
    ReleaseSection release;
    XPadSection xpad;
    PanelControls controls;
    PanelKeyboard keyboard { *this };

    DeviceSettings* document = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Body)
};
