#pragma once

#include "core/DeviceSettings.h"
#include "core/UserMessage.h"
#include "sampler/SamplerLookAndFeel.h"
#include "sampler/files/SamplerTemporaryFiles.h"
#include "sampler/files/SamplerTiles.h"
#include "widgets/PointerState.h"
#include "widgets/ToolWindow.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

class SampleComponent;
class SamplePanel;
class SamplerPanelHost;

/** The sampler window: a tool window in which the user arranges the unit's 4 banks of 4 sample slots,
    plus a fifth row of three spare slots and the DELETE tile.

    Every tile mirrors one slot record of the current document through its working copy (SamplerTiles);
    every change is written into the document, the slots' temporary sample files are brought in line in
    a modal progress window, and the change is committed. A slot of banks 1..4 opens in the slot editor
    (SampleComponent) by double-click or Return; only the editor's OK stores what it holds.

    The window reaches the rest of the program only through the three interfaces below, which the main
    window implements and injects; without them it still shows and edits its tiles.
*/
class SamplerWindow : public ToolWindow,
                      public juce::DragAndDropContainer,
                      public juce::Button::Listener
{
public:
    static constexpr int windowWidth = 630, windowHeight = 550;
    static constexpr int titleBarHeight = 40;

    /** What the window needs of the main window: the document, its commits and flags, alerts, files
        chosen by the user, and the stacking of the program's windows. */
    class Host
    {
    public:
        virtual ~Host() = default;

        virtual DeviceSettings& getCurrentDocument() = 0;
        /** The first temporary-file run settles the loaded slots: that is no edit to send or undo. */
        virtual void adoptCurrentAsLastSent() = 0;
        virtual bool commitSettingsChange() = 0;
        virtual void setSamplerModified() = 0;

        virtual void showAlert (UserMessage message, AlertKind kind) = 0;
        /** The slot editor's file button: one existing "*.wav" file, or File() when cancelled. */
        virtual juce::File chooseWavFile (const juce::File& initialLocation) = 0;
        virtual juce::String getLastWavFilePath() = 0;
        virtual void setLastWavFilePath (const juce::String& path) = 0;

        /** The last mouse position and the remembered last-focused control, shared by every control. */
        virtual PointerState& getPointerState() = 0;
        /** Keeps the effect browser (when visible, without taking the focus) above this window and the
            main window right behind this one. */
        virtual void keepToolWindowsInOrder() = 0;
        virtual void placeEffectBrowser() = 0;
    };

    /** The breadcrumb bar of the main window, which this window drives while it is in front. */
    class Breadcrumb
    {
    public:
        virtual ~Breadcrumb() = default;

        /** True when the bar already shows "X-PAD FX" at level 2 and "SAMPLER" at level 3. */
        virtual bool showsSampler() = 0;
        /** Keeps the four steps (texts, visibility, states) to put back with restore(). */
        virtual void save() = 0;
        virtual void restore() = 0;
        /** "X-PAD FX" at level 2 and "SAMPLER" at level 3 ending the path. */
        virtual void showSampler() = 0;
        /** The slot's name ("BANK2-SLOT3") at level 4. */
        virtual void showSlot (const juce::String& slotName) = 0;
    };

    /** The main effect panel. */
    class Panel
    {
    public:
        virtual ~Panel() = default;

        /** A slot's file changed: the panel's SAMPLER view reads the slot names again if it shows. */
        virtual void refreshSamplerView() = 0;
        /** The window closed without a saved breadcrumb: the panel returns to the X-PAD section with
            its current effect shown and focused. */
        virtual void returnToXPadEffect() = 0;
    };

    SamplerWindow();
    ~SamplerWindow() override;

    void setHost (Host* newHost) noexcept                   { host = newHost; }
    void setBreadcrumb (Breadcrumb* newBreadcrumb) noexcept { breadcrumb = newBreadcrumb; }
    void setPanel (Panel* newPanel) noexcept                { panel = newPanel; }
    Host* getHost() const noexcept                          { return host; }

    juce::Component& getInnerComponent() noexcept override  { return content; }

    //==============================================================================
    /** Brings every tile and temporary file in line with the document's slot records behind a modal
        progress window; with reshow the window is shown afterwards. The first run creates the 20 tiles
        (before it starts, so a cancelled first run still leaves all of them) and then adopts the
        settled document as the last-sent one. */
    void createTemporaryFiles (bool reshow);

    /** The prepared temporary file of a slot, or File() while the slot has none (empty, or its build
        failed or was cancelled). */
    juce::File getTemporaryFile (int slotIndex) const;
    SamplerTemporaryFiles::SlotState getTemporaryFileState (int slotIndex) const;

    /** The slots' temporary files (how many are built at once may be set on them). */
    SamplerTemporaryFiles& getTemporaryFiles() noexcept     { return temporaryFiles; }

    /** Undo or redo changed the slot records: the files follow, and an open editor opens again on the
        restored slot. */
    void refreshAfterUndoRedo();

    //==============================================================================
    /** The current tile takes the keyboard focus (the panel chose SAMPLER). */
    void focusCurrentSlot();
    /** Tiles take the keyboard focus or not; when they do, the current tile gets it. */
    void setSlotsWantFocus (bool shouldWantFocus);

    int getCurrentSlot() const noexcept                     { return currentSlot; }
    /** Makes a tile the current one (0..18, the DELETE tile never is) and focuses it. */
    void setCurrentSlot (int index);

    void selectNextSlot();
    void selectPreviousSlot();
    void selectSlotAbove();
    void selectSlotBelow();
    /** Escape: closes an open editor, or else the window. */
    void goBack();
    /** Return: the current tile's editor opens and its first control takes the focus. */
    void openCurrentSlot();

    /** Opens a slot's editor from outside (the panel's level 4): an open editor closes first. True when
        the editor opened. */
    bool openSlot (int slotIndex);

    /** Removes and deletes an open editor without storing anything. */
    void removeEditor();
    /** The open editor's first control takes the focus (the breadcrumb's slot step). */
    void focusEditor();

    //==============================================================================
    /** The open slot editor, or null. */
    SampleComponent* getEditor() const noexcept             { return editor.get(); }
    SamplePanel* getTile (int index) const;
    int getNumTiles() const noexcept                        { return tilePanels.size(); }
    const SamplerTiles& getTiles() const noexcept           { return tiles; }

    /** True while the window itself drives the breadcrumb (the effect browser then mirrors nothing). */
    bool isDrivingBreadcrumb() const noexcept               { return drivingBreadcrumb; }
    bool hasSavedBreadcrumb() const noexcept                { return breadcrumbSaved; }

    /** True when the mouse really moved since a control last looked (the program's pointer state). */
    bool noteMouseMove (juce::Point<int> screenPosition);

    /** The one audio output the slot editors' preview plays through. */
    juce::AudioDeviceManager& getAudioDeviceManager() noexcept { return audioDevices; }

    //==============================================================================
    // What the tiles report.

    /** The Delete key on a tile. */
    void clearSlot (int index);
    /** A tile dropped on another; copy when Ctrl was held. */
    void dropTile (int source, int target, bool copy);
    /** Files dropped on a tile. */
    void dropFiles (int index, const juce::StringArray& files);
    /** Double-click or Return on a tile. True when its editor opened. */
    bool openSampleEditor (int index);

    //==============================================================================
    void buttonClicked (juce::Button* button) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void broughtToFront() override;
    void closeButtonPressed() override;
    void activeWindowStatusChanged() override;
    void focusGained (FocusChangeType cause) override;
    void resized() override;
    juce::BorderSize<int> getBorderThickness() override     { return {}; }

private:
    void createTiles();
    void repaintTiles();
    void afterSlotEdit();
    void storeEditor();
    void closeEditor();
    DeviceSettings* document() const;

    SamplerLookAndFeel lookAndFeel;
    juce::Component content;
    std::unique_ptr<SamplerPanelHost> panelHost;
    std::unique_ptr<SampleComponent> editor;
    juce::OwnedArray<SamplePanel> tilePanels;
    SamplerTiles tiles;
    SamplerTemporaryFiles temporaryFiles;
    juce::AudioDeviceManager audioDevices;

    Host* host = nullptr;
    Breadcrumb* breadcrumb = nullptr;
    Panel* panel = nullptr;

    int currentSlot = 0;
    bool builtOnce = false;
    bool runningFiles = false;
    bool breadcrumbSaved = false;
    bool drivingBreadcrumb = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SamplerWindow)
};
