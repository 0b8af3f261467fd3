#include "app/MainWindow.h"

#include "app/ApplicationInfo.h"
#include "app/CommandTable.h"
#include "app/ContentComp.h"
#include "app/ContentLayout.h"
#include "app/ContentView.h"
#include "app/DialogFileChoosers.h"
#include "app/MainView.h"
#include "app/Manuals.h"
#include "app/MenuView.h"
#include "app/MessageTexts.h"
#include "app/MusicLibraryLauncher.h"
#include "app/ProcessLauncher.h"
#include "app/SyncCommand.h"
#include "app/WindowStacking.h"
#include "assets/SkinImages.h"
#include "editor/BrowserPlacement.h"
#include "widgets/CustomLookAndFeel.h"
#include "widgets/WidgetFocus.h"

namespace
{
// Lets the MIDI link finish what it started while connecting (the body colour among it) before the
// edits of this session begin.
constexpr int linkSettleMilliseconds = 100;

/** The framework's window state only follows a window while it shows; a hidden one would give the
    place it had when last shown, or none at all (the effect browser, placed at start and never
    shown, would come back at the screen's corner). */
juce::String windowState (juce::ResizableWindow& window)
{
    if (window.isVisible())
        return window.getWindowStateAsString();

    return window.getBounds().toString();
}
} // namespace

MainWindow::MainWindow (DeviceSettings& currentDocument, DeviceSettings& lastSentDocument, PointerState& pointerState)
    : juce::DocumentWindow (ApplicationInfo::windowTitle(), juce::Colour (0xff16171a), juce::DocumentWindow::allButtons),
      current (currentDocument),
      lastSent (lastSentDocument),
      pointer (pointerState),
      fileChoosers (std::make_unique<DialogFileChoosers>()),
      programStarter (std::make_unique<ProcessLauncher>())
{
    resetDeviceSettings (current, false);
    resetDeviceSettings (lastSent, false);

    setResizable (true, false);
    setResizeLimits (ContentLayout::minimumWidth, ContentLayout::minimumHeight,
                     ContentLayout::maximumSize, ContentLayout::maximumSize);

    auto menu = std::make_unique<MenuView> (*this);
    auto comp = std::make_unique<ContentComp> (*this);
    comp->setSize (ContentLayout::mainWidth, ContentLayout::mainHeight - ContentLayout::menuViewHeight);
    menuView = menu.get();
    contentComp = comp.get();
    auto view = std::make_unique<ContentView> (comp.release());
    contentView = view.get();
    mainView = new MainView (*this, std::move (view), std::move (menu));

    commandManager.registerAllCommandsForTarget (mainView);
    if (auto* application = juce::JUCEApplication::getInstance())
        commandManager.registerAllCommandsForTarget (application);

    addKeyListener (commandManager.getKeyMappings());
    setContentOwned (mainView, false);

    setIcon (SkinImages::get (SkinImageId::appIcon));
    setUsingNativeTitleBar (false);
    setTitleBarHeight (ContentLayout::titleBarHeight);
    setTitleBarTextCentred (false);
    setMenuBar (mainView);
    mainView->setApplicationCommandManagerToWatch (&commandManager);

    body.createComponents (current);
    contentComp->addChild (&body);

    addKeyListener (this);

    // The panels' controls take the keyboard focus only on a real mouse move, judged against the
    // same pointer state as every other control.
    WidgetFocus::attachPointerState (*this, &pointer);

    menuView->addPanel (&menuButtons, 0);
    menuView->addPanel (&lineBrowser, 0);
    lineBrowser.setMirror (this);

    // The breadcrumb's steps and the browser's items open their levels in the panel, which in turn
    // shows its level on the breadcrumb.
    body.setBreadcrumb (&lineBrowser);
    lineBrowser.setNavigator (&body);
    effectBrowser.setNavigator (&body);

    // Every shortcut and command works from all three windows; a closed tool window hands the front
    // to the other one or to this window.
    for (auto* tool : { static_cast<ToolWindow*> (&effectBrowser), static_cast<ToolWindow*> (&samplerWindow) })
    {
        tool->setCommandTarget (mainView);
        tool->listenForKeys (*commandManager.getKeyMappings());
    }

    effectBrowser.setStacking (this, { &samplerWindow });
    samplerWindow.setStacking (this, { &effectBrowser });
    samplerWindow.setHost (&samplerLink);
    samplerWindow.setBreadcrumb (&samplerLink);
    samplerWindow.setPanel (&samplerLink);

    createMidiLink();
    applyBodyColorMode();

    // Whatever start-up did to the document is the starting point, not an edit to undo.
    juce::Thread::sleep (linkSettleMilliseconds);
    editController.getHistory().clear();
    editController.setSettingsModified (false);
}

MainWindow::~MainWindow()
{
    // The link's thread reaches into this window; it stops first.
    editController.setLink (nullptr);
    midiLink.reset();

    closeMenus();
    setMenuBar (nullptr);
    clearContentComponent();
    editController.getHistory().clear();
}

//==============================================================================
void MainWindow::createMidiLink()
{
    // The link connects to the unit here, on the message thread, and starts its own thread; where the
    // system has no MIDI, it simply stays disconnected and the Sync button disabled.
    midiLink = std::make_unique<MidiThread> (*this, bodyColorIndex.load());
    editController.setLink (midiLink.get());
}

bool MainWindow::isLinkPortBusy() const noexcept
{
    return midiLink != nullptr && midiLink->isPortBusy();
}

bool MainWindow::linkHasOpenOutput() const noexcept
{
    return midiLink != nullptr && midiLink->isConnected();
}

BodyColor MainWindow::getLinkUnitColour() const noexcept
{
    return midiLink != nullptr ? midiLink->getUnitColour() : BodyColor::black;
}

void MainWindow::setDeviceConnected (bool connected)
{
    menuButtons.setDeviceConnected (connected);
}

//==============================================================================
void MainWindow::minimisationStateChanged (bool isNowMinimised)
{
    if (isNowMinimised)
    {
        browserWasVisible = effectBrowser.isVisible();
        samplerWasVisible = samplerWindow.isVisible();
        effectBrowser.setVisible (false);
        samplerWindow.setVisible (false);
        return;
    }

    if (browserWasVisible)
        effectBrowser.setVisible (true);

    if (samplerWasVisible)
        samplerWindow.setVisible (true);

    browserWasVisible = samplerWasVisible = false;
}

void MainWindow::resized()
{
    juce::DocumentWindow::resized();
    layOutViews();
}

void MainWindow::layOutViews()
{
    if (mainView != nullptr)
        mainView->resized();
}

void MainWindow::broughtToFront()
{
    // The tool windows stay above the main window. The framework's own restacking on Linux puts
    // windows the wrong way round, so the X server is asked directly.
    juce::Array<juce::Component*> order;
    if (effectBrowser.isVisible())
        order.add (&effectBrowser);
    if (samplerWindow.isVisible())
        order.add (&samplerWindow);

    if (order.isEmpty())
        return;

    auto* top = order.removeAndReturn (0);
    order.add (this);
    WindowStacking::raiseWithBelow (*top, order);
}

void MainWindow::closeButtonPressed()
{
    if (auto* application = juce::JUCEApplication::getInstance())
        application->systemRequestedQuit();
}

void MainWindow::maximiseButtonPressed()
{
    setFullScreen (! isFullScreen());
    setTitleBarHeight (isFullScreen() ? ContentLayout::fullScreenTitleBarHeight : ContentLayout::titleBarHeight);
    repaint (getTitleBarArea());
}

void MainWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    // An alert's button answers the alert it belongs to, whichever alert the window waits for.
    if (auto* alert = button->findParentComponentOfClass<CustomAlertWindow>())
    {
        alert->finish (button->getCommandID() == CustomAlertWindow::cancelIdentifier ? -1 : 0);
        return;
    }

    // A panel's OK reports the panel's kind; every CANCEL -1.
    const auto id = button->getCommandID();

    if (id == -1)
        closeMenus();
    else if (juce::isPositiveAndBelow (id, numPanelKinds))
        panelAnswers.ok (static_cast<PanelKind> (id));
}

bool MainWindow::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();

    if (! effectPanelHasTheKeyboard (focused))
        return false;

    if (key == juce::KeyPress::escapeKey || key == juce::KeyPress::backspaceKey)
        body.navigateBack (focused);
    else if (key == juce::KeyPress::rightKey || key == juce::KeyPress::downKey || key == juce::KeyPress::tabKey)
        body.focusNext (focused);
    else if (key == juce::KeyPress::leftKey || key == juce::KeyPress::upKey
             || key == juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0))
        body.focusPrevious (focused);
    else if (key == juce::KeyPress::returnKey)
        body.activateFocused (focused);
    else
        return false;

    return true;
}

bool MainWindow::effectPanelHasTheKeyboard (juce::Component* focused) const
{
    // An alert waiting for its answer, an open overlay panel and the other windows (the sampler
    // window, the effect browser) read their own keys: the panel's navigation must not take them.
    if (openAlert != nullptr && ! openAlert->isFinished())
        return false;

    if (overlayPanels.isAnyOpen() || (menuView != nullptr && menuView->isPanelOpen()))
        return false;

    return focused == nullptr || focused->getTopLevelComponent() == this;
}

//==============================================================================
void MainWindow::closeMenus()
{
    overlayPanels.closeAll();
}

juce::Component* MainWindow::getOpenPanel (PanelKind kind) const noexcept
{
    return overlayPanels.get (kind);
}

int MainWindow::showAlert (const LocalisedText& text, AlertKind kind)
{
    return showAlertText (text[language], kind);
}

void MainWindow::showAlert (UserMessage message, AlertKind kind)
{
    showAlert (messageText (message), kind);
}

int MainWindow::showAlertText (const juce::String& message, AlertKind kind, int style)
{
    // Nothing was answered when the program is told to stop meanwhile: a question counts as CANCEL.
    const int unanswered = kind == AlertKind::question ? -1 : 0;

    // An alert asked for from inside another one's modal loop (a request that came in meanwhile)
    // waits for that one's answer, so two alerts are never up at once. The answered one can only
    // return from its loop after this call has, so its answer is what is waited for.
    while (openAlert != nullptr && ! openAlert->isFinished())
        if (! juce::MessageManager::getInstance()->runDispatchLoopUntil (20))
            return unanswered;

    auto alert = std::make_unique<CustomAlertWindow> (style, kind, message, this, language);

    juce::Rectangle<int> screenArea;
    if (auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (getScreenBounds()))
        screenArea = display->userArea;

    WidgetFocus::attachPointerState (*alert, &pointer);
    openAlert = alert.get();
    alert->open (CustomAlertWindow::placeOver (getScreenBounds(), isUsingNativeTitleBar(), screenArea),
                 { &samplerWindow, &effectBrowser });
    alert->runModalLoop();
    openAlert = nullptr;

    // The alert goes once its loop has returned, not inside the click that answered it.
    return alert->isFinished() ? alert->getResult() : unanswered;
}

//==============================================================================
void MainWindow::setBodyColor (BodyColor color)
{
    bodyColorIndex = bodyColorFromInt (static_cast<int> (color));

    // The link's thread calls in here; the lock does nothing on the message thread.
    const juce::MessageManagerLock lock;
    body.bodyColorChanged (bodyColorIndex.load());
}

void MainWindow::previewBodyColorMode (BodyColorMode mode)
{
    if (const auto fixedColor = fixedColorOf (mode))
        setBodyColor (*fixedColor);
    else if (linkHasOpenOutput())
        setBodyColor (getLinkUnitColour());
}

void MainWindow::applyBodyColorMode()
{
    if (const auto fixedColor = fixedColorOf (bodyColorMode.load()))
    {
        setBodyColor (*fixedColor);
        return;
    }

    bodyColorMode = BodyColorMode::followUnit;

    if (linkHasOpenOutput())
        setBodyColor (getLinkUnitColour());
}

//==============================================================================
void MainWindow::setLanguage (UiLanguage newLanguage)
{
    const auto previous = language;
    language = clampUiLanguage (newLanguage);
    CustomLookAndFeel::setUiLanguage (language);

    // The slot names are drawn in the message language's typeface.
    if (language != previous)
        body.refreshFromData();
}

void MainWindow::takeStoredSettings (const StoredSettings& s)
{
    restoreWindows = s.restoreWindows;
    effectBrowserAtStartup = s.effectBrowserAtStartup;
    lastFilePath = s.lastFilePath;
    lastWavFilePath = s.lastWavFilePath;
    lastMirocratePath = s.lastMirocratePath;
    importEffects = s.importEffects;
    importSamples = s.importSamples;
    exportEffects = s.exportEffects;
    exportSamples = s.exportSamples;
    restoreDocument = s.restoreDocument;
    bodyColorMode = bodyColorModeFromInt (static_cast<int> (s.bodyColorMode));
    setLanguage (s.language);
}

StoredSettings MainWindow::getSettingsToStore()
{
    auto s = getChoices();
    s.mainWindowState = windowState (*this);
    s.effectBrowserState = windowState (effectBrowser);
    return s;
}

StoredSettings MainWindow::getChoices() const
{
    StoredSettings s;
    s.restoreWindows = restoreWindows;
    s.effectBrowserAtStartup = effectBrowserAtStartup;
    s.lastFilePath = lastFilePath;
    s.lastWavFilePath = lastWavFilePath;
    s.lastMirocratePath = lastMirocratePath;
    s.importEffects = importEffects;
    s.importSamples = importSamples;
    s.exportEffects = exportEffects;
    s.exportSamples = exportSamples;
    s.restoreDocument = restoreDocument;
    s.language = language;
    s.bodyColor = bodyColorIndex.load();
    s.bodyColorMode = bodyColorMode.load();
    return s;
}

//==============================================================================
bool MainWindow::performCommand (juce::CommandID commandID)
{
    switch (commandID)
    {
        case CommandTable::effectBrowser:
            toggleEffectBrowser();
            return true;

        case CommandTable::undo:            undo();                         return true;
        case CommandTable::redo:            redo();                         return true;
        case CommandTable::updateSetting:   updateSetting();                return true;
        case CommandTable::version:         showVersion();                  return true;

        case CommandTable::load:                documentCommands().load();                  return true;
        case CommandTable::save:                documentCommands().save();                  return true;
        case CommandTable::loadDefaultSettings: documentCommands().loadDefaultSettings();   return true;
        case CommandTable::sync:                SyncCommand::toggle (menuButtons, editController); return true;

        case CommandTable::settings:        overlayPanels.toggle (PanelKind::settingsPanel);    return true;
        case CommandTable::importData:      overlayPanels.toggle (PanelKind::importPanel);      return true;
        case CommandTable::exportData:      overlayPanels.toggle (PanelKind::exportPanel);      return true;

        case CommandTable::launchMirocrate:
            MusicLibraryLauncher (*fileChoosers, *programStarter).launch (lastMirocratePath);
            return true;

        default:
            break;
    }

    const int manualLanguage = commandID - CommandTable::firstManual;
    if (juce::isPositiveAndBelow (manualLanguage, numUiLanguages))
    {
        Manuals::open (clampUiLanguage (manualLanguage), Manuals::programFolder(), *programStarter);
        return true;
    }

    return false;
}

void MainWindow::toggleEffectBrowser()
{
    effectBrowser.setVisible (! effectBrowser.isVisible());
}

//==============================================================================
DocumentCommands MainWindow::documentCommands()
{
    return { current, editController, samplerModified, lastFilePath, *this, *fileChoosers };
}

void MainWindow::setFileChoosers (std::unique_ptr<FileChoosers> choosers)
{
    if (choosers != nullptr)
        fileChoosers = std::move (choosers);
}

void MainWindow::setProgramStarter (std::unique_ptr<ProgramStarter> starter)
{
    if (starter != nullptr)
        programStarter = std::move (starter);
}

bool MainWindow::askQuestion (UserMessage message, const juce::StringArray& fill)
{
    // Load Default Settings asks with the style whose OK reports 3.
    const int style = message == UserMessage::confirmLoadDefaults ? CustomAlertWindow::loadDefaultsStyle
                                                                   : CustomAlertWindow::messageStyle;
    const auto text = fillPlaceholders (messageText (message)[language], fill);
    return showAlertText (text, AlertKind::question, style) == 0;
}

std::unique_ptr<OverlayPanel> MainWindow::createPanel (PanelKind kind)
{
    if (kind == PanelKind::settingsPanel)
    {
        panelAnswers.settingsOpening (getBodyColor());
        return std::make_unique<MenuComponent> (this, kind, std::vector<CardDrive>(), this);
    }

    // The drives present now: one pulled since the last time is no longer offered.
    return std::make_unique<MenuComponent> (this, kind, cardDriveLister != nullptr ? cardDriveLister()
                                                                                   : std::vector<CardDrive>());
}

PanelValues MainWindow::getPanelValues (PanelKind kind)
{
    auto values = PanelValues::forPanel (kind, getChoices());

    if (kind != PanelKind::settingsPanel)
        values.cardDrive = cardDrive;

    return values;
}

void MainWindow::takePanelValues (PanelKind kind, const PanelValues& values)
{
    // Only the choices of that panel change; the rest go back as they were.
    auto choices = getChoices();
    values.storeInto (kind, choices);
    takeStoredSettings (choices);

    if (kind != PanelKind::settingsPanel)
        cardDrive = values.cardDrive;
}

void MainWindow::showPanel (juce::Component& panel)
{
    menuView->addPanel (&panel, 1);
}

void MainWindow::hidePanel (juce::Component& panel)
{
    if (&panel == overlayPanels.get (PanelKind::settingsPanel))
        panelAnswers.panelClosing (PanelKind::settingsPanel);

    menuView->removePanel (&panel);
}

void MainWindow::setCardDriveLister (CardDriveLister lister)
{
    cardDriveLister = std::move (lister);
    cardDriveCheck = [lister = cardDriveLister] (const juce::File& mountPoint)
    {
        return lister != nullptr && CardDrives::isListed (lister(), mountPoint);
    };
}

void MainWindow::setCardVolume (std::unique_ptr<CardVolume> volume)
{
    if (volume != nullptr)
        cardVolume = std::move (volume);
}

CardCommands MainWindow::cardCommands()
{
    return { current, editController, samplerModified, *this };
}

void MainWindow::exportToCard()
{
    cardCommands().exportToCard (cardDrive, { exportEffects, exportSamples });
}

void MainWindow::importFromCard()
{
    cardCommands().importFromCard (cardDrive, { importEffects, importSamples });
}

bool MainWindow::isCardDriveMounted (const juce::File& mountPoint)
{
    return cardDriveCheck (mountPoint);
}

void MainWindow::prepareSamplerFiles()
{
    samplerWindow.createTemporaryFiles (false);
}

CardTransfer::Result MainWindow::runCardTransfer (const CardCommands::Job& job)
{
    MainProgressWindow progress (this, job.mode, job.title(), job.cardRoot, job.options, job.document,
                                 job.preparedFiles, *cardVolume);

    // The worker always ends on its own (a cancel waits for the file being written), so its result
    // is whole whether or not the user pressed Cancel.
    progress.runThread();
    return progress.takeResult();
}

//==============================================================================
void MainWindow::buildTemporaryFiles()
{
    samplerWindow.createTemporaryFiles (samplerWindow.isVisible());
}

juce::File MainWindow::temporaryFileForSlot (int slotIndex)
{
    return samplerWindow.getTemporaryFile (slotIndex);
}

void MainWindow::refreshPanel()
{
    body.refreshFromData();
}

void MainWindow::samplesReloaded()
{
    if (samplerWindow.isVisible())
        samplerWindow.createTemporaryFiles (true);
}

//==============================================================================
bool MainWindow::isSyncOn()
{
    return menuButtons.isSyncOn();
}

void MainWindow::syncSwitchedOn()
{
    syncWithDevice();
}

void MainWindow::setSyncOn (bool shouldBeOn)
{
    if (shouldBeOn == menuButtons.isSyncOn())
        return;

    menuButtons.setSyncOn (shouldBeOn);

    if (shouldBeOn)
        syncWithDevice();
}

void MainWindow::placeEffectBrowser()
{
    // A hidden section step names no section, whatever text it kept.
    const auto sectionStep = lineBrowser.isStepVisible (LineBrowser::sectionStep) ? lineBrowser.getStepText (LineBrowser::sectionStep)
                                                                                  : juce::String();
    placeBesideMainWindow (effectBrowser, *this, sectionStep, samplerWindow.isDrivingBreadcrumb());
}

//==============================================================================
void MainWindow::focusMainWindow()
{
    if (isShowing())
        grabKeyboardFocus();
}

void MainWindow::showSamplerWindow()
{
    samplerWindow.createTemporaryFiles (true);
}

void MainWindow::focusSamplerSlot()
{
    samplerWindow.focusCurrentSlot();

    if (effectBrowser.isVisible())
        effectBrowser.toFront (false);
}

void MainWindow::removeSampleEditor()
{
    samplerWindow.removeEditor();
}

void MainWindow::openSampleEditor (int slot)
{
    if (samplerWindow.openSlot (slot))
    {
        samplerWindow.setSlotsWantFocus (false);
        samplerWindow.focusEditor();
    }
}

void MainWindow::focusSampleEditor()
{
    samplerWindow.focusEditor();
}

void MainWindow::mirrorLevel (int level, const juce::String& name)
{
    // While the sampler window puts its own path on the breadcrumb as it comes to the front, the
    // browser keeps mirroring the panel.
    if (! samplerWindow.isDrivingBreadcrumb())
        effectBrowser.selectItem (level, name);
}

void MainWindow::placeBrowserBesideMainWindow()
{
    placeEffectBrowser();
}

void MainWindow::rebuildSamplerFiles()
{
    samplerWindow.refreshAfterUndoRedo();
}

void MainWindow::showVersion (const juce::String& unitVersionText)
{
    showAlertText (versionMessage (language, ApplicationInfo::version, unitVersionText), AlertKind::information);
}
