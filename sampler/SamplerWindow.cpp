#include "sampler/SamplerWindow.h"

#include "sampler/SampleComponent.h"
#include "sampler/SamplePanel.h"
#include "sampler/SamplerPanelHost.h"
#include "sampler/SamplerProgressWindow.h"

namespace
{
// Tile places in the content: four columns, four bank rows and the spare row.
constexpr int firstTileX = 91, tileColumnPitch = 130;
constexpr int firstTileY = 3, tileRowPitch = 94;
constexpr int numTileRows = numSamplerBanks + 1;
} // namespace

SamplerWindow::SamplerWindow()
    : ToolWindow ("Sampler Window", titleBarHeight),
      panelHost (std::make_unique<SamplerPanelHost> (*this))
{
    lookAndFeel.setTiles (&tiles);
    setLookAndFeel (&lookAndFeel);

    content.setWantsKeyboardFocus (false);
    PanelHost::attach (content, panelHost.get());
    setContentNonOwned (&content, false);
    centreWithSize (windowWidth, windowHeight);
}

SamplerWindow::~SamplerWindow()
{
    removeEditor();
    tilePanels.clear();
    PanelHost::attach (content, nullptr);
    clearContentComponent();
    setLookAndFeel (nullptr);
}

DeviceSettings* SamplerWindow::document() const
{
    return host != nullptr ? &host->getCurrentDocument() : nullptr;
}

bool SamplerWindow::noteMouseMove (juce::Point<int> screenPosition)
{
    return panelHost->getPointerState().noteMouseMove (screenPosition);
}

SamplePanel* SamplerWindow::getTile (int index) const
{
    return tilePanels[index];
}

void SamplerWindow::resized()
{
    ToolWindow::resized();

    for (auto* tile : tilePanels)
    {
        const auto row = tile->getIndex() / slotsPerBank, column = tile->getIndex() % slotsPerBank;
        tile->setTopLeftPosition (firstTileX + tileColumnPitch * column, firstTileY + tileRowPitch * row);
    }

    if (editor != nullptr)
        editor->setTopLeftPosition (SampleComponent::leftInWindow, SampleComponent::topInWindow);
}

//==============================================================================
void SamplerWindow::createTiles()
{
    for (int row = 0; row < numTileRows; ++row)
    {
        for (int column = 0; column < slotsPerBank; ++column)
        {
            auto* tile = tilePanels.add (new SamplePanel (row, column, *this));
            content.addAndMakeVisible (tile);
        }
    }

    resized();
}

void SamplerWindow::repaintTiles()
{
    for (auto* tile : tilePanels)
        tile->repaint();

    // The bank gauges are part of the window's background.
    repaint();
}

void SamplerWindow::createTemporaryFiles (bool reshow)
{
    auto* doc = document();

    // A run asked for while one runs (from inside its modal loop) would find the same document.
    if (doc != nullptr && ! runningFiles)
    {
        const juce::ScopedValueSetter<bool> running (runningFiles, true);

        // Every tile exists before the first run starts, so even a cancelled one leaves all twenty.
        if (tilePanels.isEmpty())
            createTiles();

        {
            SamplerProgressWindow progress (isShowing() ? this : nullptr, temporaryFiles, *doc, tiles, ! builtOnce,
                                            [this] (int slot)
                                            {
                                                if (auto* tile = getTile (slot))
                                                    tile->repaint();

                                                repaint();
                                            });
            progress.runThread();
        }

        temporaryFiles.settle (*doc, tiles);
    }

    if (reshow)
        setVisible (true);

    repaintTiles();

    if (doc != nullptr && ! builtOnce)
    {
        builtOnce = true;
        host->adoptCurrentAsLastSent();
    }
}

juce::File SamplerWindow::getTemporaryFile (int slotIndex) const
{
    return temporaryFiles.getTemporaryFile (slotIndex);
}

SamplerTemporaryFiles::SlotState SamplerWindow::getTemporaryFileState (int slotIndex) const
{
    return temporaryFiles.getState (slotIndex);
}

void SamplerWindow::refreshAfterUndoRedo()
{
    const auto editedSlot = editor != nullptr ? editor->getSlotIndex() : -1;

    createTemporaryFiles (isVisible());

    if (panel != nullptr)
        panel->refreshSamplerView();

    // The editor holds values of the slot as it was: it opens again on the restored one.
    if (editedSlot >= 0)
    {
        removeEditor();
        openSampleEditor (editedSlot);
    }
}

//==============================================================================
void SamplerWindow::focusCurrentSlot()
{
    if (editor == nullptr)
    {
        setSlotsWantFocus (true);
        return;
    }

    if (auto* tile = getTile (currentSlot))
    {
        tile->grabKeyboardFocus();
        tile->repaint();
    }
}

void SamplerWindow::setSlotsWantFocus (bool shouldWantFocus)
{
    for (auto* tile : tilePanels)
        tile->setWantsKeyboardFocus (shouldWantFocus);

    if (auto* tile = getTile (currentSlot); tile != nullptr && shouldWantFocus)
    {
        tile->grabKeyboardFocus();
        tile->repaint();
    }
}

void SamplerWindow::setCurrentSlot (int index)
{
    index = juce::jlimit (0, SamplerTiles::numSelectable - 1, index);
    const auto previous = currentSlot;
    currentSlot = index;

    if (auto* tile = getTile (index))
    {
        if (tile->getWantsKeyboardFocus())
            tile->grabKeyboardFocus();

        tile->repaint();
    }

    if (auto* old = getTile (previous))
        old->repaint();

    content.repaint();
}

void SamplerWindow::selectNextSlot()        { setCurrentSlot (tiles.nextSlot (currentSlot)); }
void SamplerWindow::selectPreviousSlot()    { setCurrentSlot (tiles.previousSlot (currentSlot)); }
void SamplerWindow::selectSlotAbove()       { setCurrentSlot (tiles.slotAbove (currentSlot)); }
void SamplerWindow::selectSlotBelow()       { setCurrentSlot (tiles.slotBelow (currentSlot)); }

void SamplerWindow::goBack()
{
    if (editor != nullptr)
        closeEditor();
    else
        closeButtonPressed();
}

void SamplerWindow::openCurrentSlot()
{
    openSampleEditor (currentSlot);
}

bool SamplerWindow::openSampleEditor (int index)
{
    if (editor != nullptr || ! tiles.canOpenEditor (index))
        return false;

    auto model = tiles.createEditorModel (index);

    if (model == nullptr)
        return false;

    if (breadcrumb != nullptr)
        breadcrumb->showSlot (SamplerTiles::slotName (index));

    editor = std::make_unique<SampleComponent> (*this, std::move (model));
    editor->setTopLeftPosition (SampleComponent::leftInWindow, SampleComponent::topInWindow);
    content.addAndMakeVisible (editor.get());

    setSlotsWantFocus (false);
    editor->focusFirstControl();
    repaintTiles();
    return true;
}

bool SamplerWindow::openSlot (int slotIndex)
{
    removeEditor();
    return openSampleEditor (slotIndex);
}

void SamplerWindow::removeEditor()
{
    if (editor == nullptr)
        return;

    content.removeChildComponent (editor.get());
    editor.reset();
    repaintTiles();
}

void SamplerWindow::closeEditor()
{
    if (breadcrumb != nullptr)
        breadcrumb->showSampler();

    removeEditor();
    setSlotsWantFocus (true);
}

void SamplerWindow::focusEditor()
{
    if (editor != nullptr)
        editor->focusFirstControl();
}

//==============================================================================
void SamplerWindow::afterSlotEdit()
{
    if (host != nullptr)
        host->setSamplerModified();

    if (panel != nullptr)
        panel->refreshSamplerView();

    createTemporaryFiles (true);

    if (host != nullptr)
        host->commitSettingsChange();
}

void SamplerWindow::clearSlot (int index)
{
    auto* doc = document();

    if (editor != nullptr || doc == nullptr || index < 0 || index >= SamplerTiles::deleteTile)
        return;

    tiles.clearSlot (index, *doc);
    afterSlotEdit();
}

void SamplerWindow::dropTile (int source, int target, bool copy)
{
    auto* doc = document();

    if (editor != nullptr || doc == nullptr)
        return;

    if (tiles.dropTile (source, target, copy, *doc))
        afterSlotEdit();
    else
        repaintTiles();
}

void SamplerWindow::dropFiles (int index, const juce::StringArray& files)
{
    auto* doc = document();

    if (editor != nullptr || doc == nullptr || files.isEmpty())
        return;

    // Paths from the desktop are absolute; anything else names no file we could read.
    const auto path = files[0];
    const auto file = juce::File::isAbsolutePath (path) ? juce::File (path) : juce::File();
    const auto drop = tiles.dropFile (index, file, *doc);

    if (drop.refused)
    {
        repaintTiles();
        return;
    }

    if (const auto alert = drop.acceptance.alert(); alert.has_value() && host != nullptr)
        host->showAlert (*alert, AlertKind::warning);

    if (drop.changedSlot())
    {
        host->setSamplerModified();

        if (panel != nullptr)
            panel->refreshSamplerView();
    }

    if (drop.needsRun())
    {
        createTemporaryFiles (true);
        host->commitSettingsChange();
    }
    else
    {
        repaintTiles();
    }
}

void SamplerWindow::storeEditor()
{
    auto* doc = document();

    if (editor == nullptr || doc == nullptr)
        return;

    editor->stopPreview();

    if (tiles.storeEditor (editor->getModel(), *doc) == SlotEditorModel::StoreResult::clearedUnsupported)
        host->showAlert (UserMessage::unsupportedWav, AlertKind::warning);

    createTemporaryFiles (true);
    host->commitSettingsChange();
    host->setSamplerModified();

    if (panel != nullptr)
        panel->refreshSamplerView();
}

void SamplerWindow::buttonClicked (juce::Button* button)
{
    if (editor == nullptr || button == nullptr)
        return;

    if (button == &editor->getOkButton())
        storeEditor();
    else if (button != &editor->getCancelButton())
        return;

    closeEditor();
}

bool SamplerWindow::keyPressed (const juce::KeyPress& key)
{
    // Keys that reach the window itself (no control holds the keyboard) go where they would have.
    if (editor != nullptr)
        return editor->handleKey (key, nullptr);

    if (auto* tile = getTile (currentSlot))
        return tile->keyPressed (key);

    return false;
}

//==============================================================================
void SamplerWindow::broughtToFront()
{
    // A restacking that the window system reports only after the window was closed must not put
    // the sampler's path back on the breadcrumb (nor save the panel's path over the one put back).
    if (drivingBreadcrumb || ! isVisible())
        return;

    const juce::ScopedValueSetter<bool> driving (drivingBreadcrumb, true);

    if (breadcrumb != nullptr)
    {
        if (! breadcrumb->showsSampler())
        {
            breadcrumb->save();
            breadcrumbSaved = true;
        }

        breadcrumb->showSampler();

        if (editor != nullptr)
            breadcrumb->showSlot (SamplerTiles::slotName (editor->getSlotIndex()));
    }

    if (editor != nullptr)
    {
        setSlotsWantFocus (false);

        if (! editor->hasKeyboardFocus (true))
            editor->focusFirstControl();
    }
    else
    {
        setSlotsWantFocus (true);
    }

    if (host != nullptr)
        host->keepToolWindowsInOrder();
}

void SamplerWindow::closeButtonPressed()
{
    ToolWindow::closeButtonPressed();
    removeEditor();

    if (breadcrumbSaved)
    {
        breadcrumbSaved = false;

        if (breadcrumb != nullptr)
            breadcrumb->restore();
    }
    else if (panel != nullptr)
    {
        panel->returnToXPadEffect();
    }
}

void SamplerWindow::focusGained (FocusChangeType)
{
    // The window itself never keeps the keyboard (it lands here when the system activates the window
    // before a control could take the focus): the editor or the current tile takes it.
    if (editor != nullptr)
    {
        editor->focusFirstControl();
    }
    else if (auto* tile = getTile (currentSlot); tile != nullptr && tile->getWantsKeyboardFocus())
    {
        tile->grabKeyboardFocus();
        tile->repaint();
    }
}

void SamplerWindow::activeWindowStatusChanged()
{
    ToolWindow::activeWindowStatusChanged();

    if (isVisible() && isActiveWindow() && host != nullptr && ! drivingBreadcrumb)
        host->keepToolWindowsInOrder();
}
