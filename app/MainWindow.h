#pragma once

#include "app/CardCommands.h"
#include "app/CardDrives.h"
#include "app/CustomAlertWindow.h"
#include "app/DocumentCommands.h"
#include "app/FileChoosers.h"
#include "app/LocalisedText.h"
#include "app/MenuButtons.h"
#include "app/MenuComponent.h"
#include "app/OverlayPanels.h"
#include "app/PanelAnswers.h"
#include "widgets/PointerState.h"
#include "app/ProgramStarter.h"
#include "app/SamplerLink.h"
#include "app/SettingsStore.h"
#include "core/BodyColor.h"
#include "core/DeviceSettings.h"
#include "core/EditController.h"
#include "core/MidiLinkHost.h"
#include "core/MidiThread.h"
#include "core/SettingsHistory.h"
#include "core/transfer/DocumentFiles.h"
#include "core/UserMessage.h"
#include "editor/Body.h"
#include "editor/EffectBrowser.h"
#include "editor/LineBrowser.h"
#include "sampler/SamplerWindow.h"

#include <atomic>
#include <juce_gui_basics/juce_gui_basics.h>

class ContentComp;
class ContentView;
class MainView;
class MenuView;

/** The program's one document window.

    It owns every long-lived window and control (menu strip, breadcrumb bar, effect browser window,
    sampler window, main effect panel) and the command manager, and holds the user's choices while the
    program runs. Its content is the main view: the top strip (menu strip, breadcrumb bar, overlay
    panels) over a viewport that scrolls the effect panel.
*/
class MainWindow : public juce::DocumentWindow,
                   public juce::Button::Listener,
                   public juce::KeyListener,
                   public DocumentCommandsHost,
                   public EditControllerHost,
                   public MidiLinkHost,
                   public OverlayPanels::Host,
                   public PanelAnswers::Host,
                   public MenuButtons::Host,
                   public MenuComponent::ColourPreview,
                   public BodyHost,
                   public CardCommands::Host,
                   private LineBrowser::Mirror
{
public:
    using PanelKind = ::PanelKind;

    /** Builds every window and control and resets both documents to the factory defaults. The window
        is on the desktop but hidden; the application sizes, places and shows it. */
    MainWindow (DeviceSettings& currentDocument, DeviceSettings& lastSentDocument, PointerState& pointerState);
    ~MainWindow() override;

    //==============================================================================
    void minimisationStateChanged (bool isNowMinimised) override;
    void resized() override;
    void broughtToFront() override;
    void closeButtonPressed() override;
    void maximiseButtonPressed() override;
    void buttonClicked (juce::Button* button) override;
    /** The effect panel's navigation keys (Escape, Backspace, the arrows, Tab, Shift+Tab, Return), for
        the panel only while it has the keyboard: not while an alert waits for its answer, an overlay
        panel is open, or another window holds the keyboard focus. */
    bool keyPressed (const juce::KeyPress& key, juce::Component* originatingComponent) override;
    using juce::DocumentWindow::keyPressed;

    //==============================================================================
    /** Lays out the content for the window's current size. */
    void layOutViews();

    /** Closes every open overlay panel. */
    void closeMenus() override;
    juce::Component* getOpenPanel (PanelKind kind) const noexcept;

    /** Shows a text in the current language in a modal alert and waits for the user: 0 for OK,
        -1 for CANCEL (questions only). */
    int showAlert (const LocalisedText& text, AlertKind kind);
    void showAlert (UserMessage message, AlertKind kind) override;

    /** Shows a text that is already in the current language (a filled-in message) the same way. An
        alert asked for while another is open waits until that one is answered: alerts come one at
        a time. Load Default Settings asks with CustomAlertWindow::loadDefaultsStyle. */
    int showAlertText (const juce::String& message, AlertKind kind, int style = CustomAlertWindow::messageStyle);

    /** The alert waiting for an answer, or null. */
    CustomAlertWindow* getOpenAlert() const noexcept { return openAlert; }

    //==============================================================================
    /** The body colour of the whole program. May be called from the MIDI link's thread. */
    void setBodyColor (BodyColor color) override;
    BodyColor getBodyColor() const noexcept         { return bodyColorIndex.load(); }

    /** Follow the unit, or one fixed colour; applyBodyColorMode() puts it into effect. */
    void setBodyColorMode (BodyColorMode mode) noexcept { bodyColorMode = mode; }
    BodyColorMode getBodyColorMode() const noexcept { return bodyColorMode.load(); }

    /** Applies the body-colour mode: a fixed colour, or the unit's own when the mode follows the unit
        and the unit is reachable. May be called from the MIDI link's thread. */
    void applyBodyColorMode() override;

    /** What the Settings panel shows while its colour combo changes: a fixed colour, or the unit's
        own when the unit is reachable. The mode itself is only stored with OK. */
    void previewBodyColorMode (BodyColorMode mode) override;

    /** The MIDI link's connection indicator: the menu strip's Sync button. */
    void setDeviceConnected (bool connected);

    //==============================================================================
    /** Takes the stored choices (flags, paths, language, body-colour mode) that the window keeps while
        the program runs; the mode is applied by applyBodyColorMode(). */
    void takeStoredSettings (const StoredSettings& settings);

    /** Everything the settings file keeps besides the document, as it stands now. */
    StoredSettings getSettingsToStore();

    UiLanguage getLanguage() const noexcept         { return language; }
    /** The language of messages and of the skin's language-dependent fonts. */
    void setLanguage (UiLanguage newLanguage);
    void setLastWavFilePath (const juce::String& path) { lastWavFilePath = path; }
    const juce::String& getLastWavFilePath() const noexcept     { return lastWavFilePath; }

    bool isDocumentModified() const noexcept        { return editController.isSettingsModified(); }
    void setDocumentModified (bool modified) noexcept { editController.setSettingsModified (modified); }
    bool isSamplerModified() const noexcept         { return samplerModified; }
    void setSamplerModified (bool modified) noexcept  { samplerModified = modified; }

    /** Quitting asks first while either the document or the sampler data is unsaved. */
    bool hasUnsavedChanges() const noexcept         { return isDocumentModified() || samplerModified; }

    //==============================================================================
    // Editing and the unit: see EditController.
    bool commitSettingsChange() override            { return editController.commitSettingsChange(); }
    void undo()                                     { editController.undo(); }
    void redo()                                     { editController.redo(); }
    bool sendSettingsToDevice (bool forced)         { return editController.sendSettingsToDevice (forced); }
    void syncWithDevice()                           { editController.syncWithDevice(); }
    void updateSetting()                            { editController.updateSetting(); }
    void showVersion()                              { editController.showVersion(); }
    EditController& getEditController() noexcept    { return editController; }
    MidiThread* getMidiLink() const noexcept        { return midiLink.get(); }

    /** The Sync switch of the menu strip: on sends every committed edit to the unit. */
    void setSyncOn (bool shouldBeOn);

    //==============================================================================
    /** The MIDI link found the unit's port held by another program when it was created. */
    bool isLinkPortBusy() const noexcept;

    /** The MIDI link has an open output to the unit. */
    bool linkHasOpenOutput() const noexcept;

    /** The body colour the unit reported (black when it did not say). */
    BodyColor getLinkUnitColour() const noexcept;

    //==============================================================================
    /** Runs one of the program's commands; false for a command without a handler. */
    bool performCommand (juce::CommandID commandID) override;

    void toggleEffectBrowser();

    //==============================================================================
    // The menu commands' flows run on these; tests put in their own to run without dialogs and
    // without starting anything.
    void setFileChoosers (std::unique_ptr<FileChoosers> choosers);
    void setProgramStarter (std::unique_ptr<ProgramStarter> starter);

    FileChoosers& getFileChoosers() noexcept                    { return *fileChoosers; }
    const juce::String& getLastFilePath() const noexcept        { return lastFilePath; }
    const juce::String& getLastMirocratePath() const noexcept   { return lastMirocratePath; }

    /** The Export, Import and Settings panels. */
    OverlayPanels& getOverlayPanels() noexcept      { return overlayPanels; }

    /** Where the Export and Import panels get the drives they offer (tests give drives of their own);
        a drive counts as mounted while the lister still lists it. */
    void setCardDriveLister (CardDriveLister lister);

    /** The volume the card transfer asks for free space and flushes (tests put in their own). */
    void setCardVolume (std::unique_ptr<CardVolume> volume);

    /** The card drive chosen last in the Export or Import panel (its mount point), File() for none. */
    const juce::File& getCardDrive() const noexcept     { return cardDrive; }

    /** The Export and Import panels' OK: copies to or from the card in the chosen drive. */
    void exportToCard() override;
    void importFromCard() override;

    // CardCommands::Host
    bool isCardDriveMounted (const juce::File& mountPoint) override;
    void prepareSamplerFiles() override;
    CardTransfer::Result runCardTransfer (const CardCommands::Job& job) override;

    // PanelAnswers::Host
    void takePanelValues (PanelKind kind, const PanelValues& values) override;

    // MenuButtons::Host
    void syncSwitchedOn() override;

    // DocumentCommandsHost
    bool askQuestion (UserMessage message, const juce::StringArray& fill) override;

    // OverlayPanels::Host
    std::unique_ptr<OverlayPanel> createPanel (PanelKind kind) override;
    PanelValues getPanelValues (PanelKind kind) override;
    void showPanel (juce::Component& panel) override;
    void hidePanel (juce::Component& panel) override;

    //==============================================================================
    juce::ApplicationCommandManager& getCommandManager() noexcept   { return commandManager; }
    MenuButtons& getMenuButtons() noexcept          { return menuButtons; }
    LineBrowser& getLineBrowser() noexcept          { return lineBrowser; }
    EffectBrowser& getEffectBrowser() noexcept      { return effectBrowser; }
    SamplerWindow& getSamplerWindow() noexcept      { return samplerWindow; }
    Body& getBody() noexcept                        { return body; }
    DeviceSettings& getCurrentDocument() noexcept   { return current; }
    PointerState& getPointerState() noexcept override { return pointer; }
    SettingsHistory& getUndoHistory() noexcept      { return editController.getHistory(); }
    MainView* getMainView() const noexcept          { return mainView; }
    MenuView* getMenuView() const noexcept          { return menuView; }
    ContentView* getContentView() const noexcept    { return contentView; }
    ContentComp* getContentComp() const noexcept    { return contentComp; }

    //==============================================================================
    // DocumentFileHost
    void buildTemporaryFiles() override;
    juce::File temporaryFileForSlot (int slotIndex) override;
    void refreshPanel() override;
    void samplesReloaded() override;

    // BodyHost
    void focusMainWindow() override;
    void showSamplerWindow() override;
    void focusSamplerSlot() override;
    void removeSampleEditor() override;
    void openSampleEditor (int slot) override;
    void focusSampleEditor() override;

    // EditControllerHost
    bool isSyncOn() override;
    void placeEffectBrowser() override;
    void rebuildSamplerFiles() override;
    void showVersion (const juce::String& unitVersionText) override;

private:
    // LineBrowser::Mirror
    void mirrorLevel (int level, const juce::String& name) override;
    void placeBrowserBesideMainWindow() override;

    void createMidiLink();
    /** The choices that the panels and the settings file share, without the windows' places. */
    StoredSettings getChoices() const;
    DocumentCommands documentCommands();
    CardCommands cardCommands();
    bool effectPanelHasTheKeyboard (juce::Component* focused) const;

    DeviceSettings& current;
    DeviceSettings& lastSent;
    PointerState& pointer;

    juce::ApplicationCommandManager commandManager;
    bool importEffects = true, importSamples = false, exportEffects = true, exportSamples = false;
    bool effectBrowserAtStartup = false;
    bool restoreDocument = true;
    bool restoreWindows = true;
    UiLanguage language = UiLanguage::english;
    std::atomic<BodyColorMode> bodyColorMode { BodyColorMode::followUnit };   // read by the MIDI link's thread
    std::atomic<BodyColor> bodyColorIndex { BodyColor::black };               // read by the MIDI link's thread

    MenuView* menuView = nullptr;           // owned by mainView
    ContentComp* contentComp = nullptr;     // owned by contentView
    ContentView* contentView = nullptr;     // owned by mainView
    MainView* mainView = nullptr;           // owned by the window as its content

    juce::String lastFilePath, lastWavFilePath, lastMirocratePath;

    MenuButtons menuButtons { *this };
    LineBrowser lineBrowser;
    EffectBrowser effectBrowser;
    SamplerLink samplerLink { *this };      // before the sampler window, which uses it until it goes
    SamplerWindow samplerWindow;
    Body body { *this };

    EditController editController { current, lastSent, *this };
    std::unique_ptr<MidiThread> midiLink;
    OverlayPanels overlayPanels { *this };
    PanelAnswers panelAnswers { overlayPanels, *this };
    CardDriveLister cardDriveLister { CardDrives::listSystemDrives };
    std::function<bool (const juce::File&)> cardDriveCheck { [] (const juce::File& f) { return isRemovableDriveMounted (f); } };
    std::unique_ptr<CardVolume> cardVolume { std::make_unique<SystemCardVolume>() };
    juce::File cardDrive;           // the Export and Import panels' drive, by its mount point
    std::unique_ptr<FileChoosers> fileChoosers;
    std::unique_ptr<ProgramStarter> programStarter;
    CustomAlertWindow* openAlert = nullptr;     // owned by the showAlertText call that waits for it

    bool browserWasVisible = false, samplerWasVisible = false;
    bool samplerModified = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
