// The sampler window on a real desktop (Xvfb): its temporary-file runs behind the progress window,
// files dropped on tiles through the window's peer as the desktop delivers them, tiles dragged with
// the real mouse and walked with real keys, the breadcrumb hand-over, and undo of a sampler edit.

#include "MessagePump.h"
#include "SamplerTestHost.h"

#include <algorithm>

using State = SamplerTemporaryFiles::SlotState;

namespace
{
/** Clicks the progress window's Cancel once it shows, after a picture of the screen for review. */
class CancelWhenShowing : private juce::Timer
{
public:
    CancelWhenShowing() { startTimer (5); }
    bool clicked = false;

private:
    void timerCallback() override
    {
        auto* alert = dynamic_cast<juce::AlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));

        // Showing for a moment first, so that the screen has it drawn.
        if (alert != nullptr && alert->isShowing() && ++ticksShowing > 60)
        {
            stopTimer();
            juce::ChildProcess screen;

            if (screen.start (juce::StringArray { "/usr/bin/import", "-window", "root",
                                                  juce::File (TESSALIN_BUILD_DIR).getChildFile ("sampler-progress-screen.png").getFullPathName() }))
                screen.waitForProcessToFinish (10000);

            alert->triggerButtonClick ("Cancel");
            clicked = true;
        }
    }

    int ticksShowing = 0;
};

/** True when the second line of a tile's face (its length) is written in the not-ready amber. */
bool saysNotReady (SamplePanel& tile)
{
    const auto line = tile.createComponentSnapshot ({ 0, 29, SamplePanel::tileWidth, 12 });

    for (int y = 0; y < line.getHeight(); ++y)
        for (int x = 0; x < line.getWidth(); ++x)
            if (line.getPixelAt (x, y) == juce::Colour (248, 200, 64))
                return true;

    return false;
}

juce::MemoryBlock contentsOf (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return data;
}
} // namespace

struct SamplerWindowGuiTest : SamplerWindowFixture {};

TEST_F (SamplerWindowGuiTest, ACancelledFirstRunStillLeavesAllTwentyTilesMirroringTheDocument)
{
    // One long source in every slot, built one at a time, so Cancel comes while the run is busy.
    const auto longSource = sources.getChildFile ("long.wav");
    ASSERT_TRUE (wavtest::writeQztWav (longSource, 2, 96000, 24, 0, 0, 16 * 96000, [] (int c, int i) { return 0.3f * (float) ((i + c) % 200) / 200.0f; }));

    for (int i = 0; i < SamplerTiles::deleteTile; ++i)
        setSlotPath (samplerSlot (host->document, i), longSource.getFullPathName());

    window->getTemporaryFiles().setMaxThreads (1);
    window->setVisible (true);
    CancelWhenShowing user;
    window->createTemporaryFiles (true);

    ASSERT_TRUE (user.clicked);
    ASSERT_EQ (window->getNumTiles(), SamplerTiles::numTiles);
    EXPECT_EQ (window->getInnerComponent().getNumChildComponents(), SamplerTiles::numTiles);
    EXPECT_TRUE (window->isVisible());
    EXPECT_EQ (host->firstRunsAdopted, 1);

    int notReady = 0;

    for (int i = 0; i < SamplerTiles::numTiles; ++i)
    {
        ASSERT_NE (window->getTile (i), nullptr);
        EXPECT_TRUE (window->getTile (i)->isVisible());
        EXPECT_EQ (std::memcmp (&window->getTiles().getWorkingCopy (i), &slot (i), sizeof (SamplerSlot)), 0) << "tile " << i;

        const bool ready = window->getTemporaryFileState (i) != State::notReady;
        EXPECT_EQ (saysNotReady (*window->getTile (i)), ! ready) << "tile " << i;

        if (! ready)
        {
            ++notReady;
            EXPECT_EQ (window->getTemporaryFile (i), juce::File()) << "a slot the run did not finish has no file";
        }
    }

    EXPECT_GT (notReady, 0) << "the run finished before Cancel: nothing was tested";
    writePng (window->createComponentSnapshot (window->getLocalBounds()), "sampler-window-cancelled.png");

    // The next run completes what the cancelled one left, and the tiles say so.
    window->getTemporaryFiles().setMaxThreads (4);
    window->createTemporaryFiles (true);

    for (int i = 0; i < SamplerTiles::deleteTile; ++i)
    {
        EXPECT_EQ (window->getTemporaryFileState (i), State::ready) << i;
        EXPECT_FALSE (saysNotReady (*window->getTile (i))) << i;
    }
}

TEST_F (SamplerWindowGuiTest, UndoAndRedoOfASamplerEditRebuildTheTilesFile)
{
    const auto quiet = source ("quiet.wav", 1.0, 0, 0, 0.1f);
    const auto loud = source ("loud.wav", 1.0, 0, 0, 0.9f);
    showWindow();
    const auto start = undoPosition();

    dropFilesOn (0, { quiet.getFullPathName() });
    ASSERT_EQ (getSlotPath (slot (0)), quiet.getFullPathName());
    const auto quietFile = window->getTemporaryFile (0);
    const auto quietData = contentsOf (quietFile);
    ASSERT_TRUE (quietFile.existsAsFile());

    dropFilesOn (0, { loud.getFullPathName() });
    const auto loudFile = window->getTemporaryFile (0);
    ASSERT_TRUE (loudFile.existsAsFile());
    EXPECT_FALSE (quietFile.exists()) << "a replaced file goes";
    EXPECT_EQ (undoPosition(), start + 2);

    // An editor open on the slot opens again on what undo restored.
    ASSERT_TRUE (window->openSlot (0));
    ASSERT_EQ (window->getEditor()->getModel().getPath(), loud.getFullPathName());
    host->editor.undo();
    EXPECT_EQ (getSlotPath (slot (0)), quiet.getFullPathName());
    EXPECT_EQ (window->getTiles().getFileNameText (0), "quiet.wav");
    ASSERT_NE (window->getEditor(), nullptr);
    EXPECT_EQ (window->getEditor()->getSlotIndex(), 0);
    EXPECT_EQ (window->getEditor()->getModel().getPath(), quiet.getFullPathName());
    window->removeEditor();
    const auto rebuilt = window->getTemporaryFile (0);
    ASSERT_TRUE (rebuilt.existsAsFile());
    EXPECT_FALSE (loudFile.exists());
    EXPECT_TRUE (contentsOf (rebuilt) == quietData) << "the file is the quiet source's again";

    host->editor.redo();
    EXPECT_EQ (window->getTiles().getFileNameText (0), "loud.wav");
    EXPECT_FALSE (contentsOf (window->getTemporaryFile (0)) == quietData);
    EXPECT_FALSE (rebuilt.exists());
}

TEST_F (SamplerWindowGuiTest, FilesDroppedOnTilesFollowTheDropRules)
{
    const auto looped = source ("looped.wav", 2.0, 1, 12000);
    const auto text = sources.getChildFile ("notes.txt");
    text.replaceWithText ("not a sample");
    const auto alaw = wavtest::riffWave().fmt (6, 1, 8000, 8).chunk ("data", 0).closeRiff();
    const auto broken = sources.getChildFile ("alaw.wav");
    broken.replaceWithData (alaw.data.data(), alaw.data.size());
    showWindow();
    auto commits = undoPosition();

    // A slot that may loop keeps the file's loop; the next one in the bank takes it one-shot.
    dropFilesOn (0, { looped.getFullPathName() });
    dropFilesOn (1, { looped.getFullPathName() });
    EXPECT_EQ (slot (0).loop, 1);
    EXPECT_EQ (slot (1).loop, 0);
    EXPECT_EQ (slot (1).tempo, 12000);
    EXPECT_EQ (slot (1).fixState, 2);
    EXPECT_EQ (window->getTiles().getPlayModeText (0), "LOOP");
    EXPECT_EQ (window->getTiles().getPlayModeText (1), "ONE-SHOT");
    EXPECT_EQ (window->getTemporaryFileState (1), State::ready);
    EXPECT_EQ (undoPosition(), commits + 2);
    EXPECT_EQ (host->samplerModified, 2);
    EXPECT_EQ (host->panelRefreshes, 2);
    commits = undoPosition();

    // Not a WAV file by its name: the tile takes no interest and nothing happens.
    EXPECT_FALSE (tile (2).isInterestedInFileDrag ({ text.getFullPathName() }));
    dropFilesOn (2, { text.getFullPathName() });
    EXPECT_TRUE (slotPathIsEmpty (slot (2)));

    // A WAV file that fails the check: the warning, and the slot as it was.
    dropFilesOn (2, { broken.getFullPathName() });
    EXPECT_EQ (host->takeAlerts(), std::vector<UserMessage> { UserMessage::unsupportedWav });
    EXPECT_TRUE (slotPathIsEmpty (slot (2)));

    // The DELETE tile takes no file.
    dropFilesOn (SamplerTiles::deleteTile, { looped.getFullPathName() });
    EXPECT_TRUE (slotPathIsEmpty (slot (SamplerTiles::deleteTile)));
    EXPECT_EQ (undoPosition(), commits) << "no slot changed";

    // A bank over 16 seconds: its empty tile takes no file, and no tile takes anything while the
    // editor is open.
    const auto longOne = source ("long.wav", 9.0);
    dropFilesOn (4, { longOne.getFullPathName() });
    dropFilesOn (5, { longOne.getFullPathName() });
    ASSERT_TRUE (window->getTiles().isBankFull (1));
    EXPECT_TRUE (window->getTiles().isUnavailable (6));
    dropFilesOn (6, { looped.getFullPathName() });
    EXPECT_TRUE (slotPathIsEmpty (slot (6)));
    EXPECT_TRUE (window->getTiles().isOverLimitTile (5));
    EXPECT_EQ (window->getTiles().getOverLimitText (5), "OVER 2.00sec");

    ASSERT_TRUE (window->openSlot (0));
    EXPECT_FALSE (tile (3).isInterestedInFileDrag ({ looped.getFullPathName() }));
    dropFilesOn (3, { looped.getFullPathName() });
    EXPECT_TRUE (slotPathIsEmpty (slot (3)));
}

TEST_F (SamplerWindowGuiTest, TilesDraggedWithTheMouseSwapCopyAndDelete)
{
    const auto a = source ("a.wav", 1.0), b = source ("b.wav", 2.0);
    setSlotPath (samplerSlot (host->document, 3), a.getFullPathName());
    setSlotPath (samplerSlot (host->document, 7), b.getFullPathName());
    samplerSlot (host->document, 3).gainIndex = 90;
    showWindow();
    auto dragged = [&] (int from, int to, bool ctrl)
    {
        juce::StringArray drag;
        drag.addArray (moveTo (tile (from), { 60, 30 }));
        drag.addArray ({ "mousedown", "1" });

        for (int step = 1; step <= 6; ++step)
        {
            const auto start = tile (from).getScreenPosition() + juce::Point<int> (60, 30);
            const auto end = tile (to).getScreenPosition() + juce::Point<int> (60, 30);
            const auto p = start + (end - start) * step / 6;
            drag.addArray ({ "mousemove", juce::String (p.x), juce::String (p.y), "sleep", "0.05" });
        }

        if (ctrl)
            drag.addArray ({ "keydown", "ctrl" });

        // A picture of the screen over the DELETE tile, for review.
        if (to == SamplerTiles::deleteTile)
        {
            xdotool (std::exchange (drag, {}));
            juce::ChildProcess screen;

            if (screen.start (juce::StringArray { "/usr/bin/import", "-window", "root",
                                                  juce::File (TESSALIN_BUILD_DIR).getChildFile ("sampler-drag-screen.png").getFullPathName() }))
                screen.waitForProcessToFinish (10000);
        }

        drag.addArray ({ "mouseup", "1" });

        if (ctrl)
            drag.addArray ({ "keyup", "ctrl" });

        xdotool (drag);
    };

    const auto commits = undoPosition();
    dragged (3, 7, false);
    EXPECT_EQ (getSlotPath (slot (3)), b.getFullPathName()) << "swapped";
    EXPECT_EQ (getSlotPath (slot (7)), a.getFullPathName());
    EXPECT_EQ (slot (7).gainIndex, 90);
    EXPECT_EQ (undoPosition(), commits + 1);

    dragged (7, 2, true);
    EXPECT_EQ (getSlotPath (slot (2)), a.getFullPathName()) << "copied";
    EXPECT_EQ (getSlotPath (slot (7)), a.getFullPathName());
    EXPECT_EQ (window->getTemporaryFileState (2), State::ready);

    dragged (7, SamplerTiles::deleteTile, false);
    EXPECT_TRUE (slotPathIsEmpty (slot (7))) << "emptied on the DELETE tile";
    EXPECT_EQ (slot (7).gainIndex, 128);
    EXPECT_EQ (window->getTemporaryFileState (7), State::empty);
    EXPECT_EQ (undoPosition(), commits + 3);

    // The Delete key empties the tile under the pointer, which is the current one.
    xdotool (moveTo (tile (2), { 50, 30 }) + moveTo (tile (2), { 60, 30 }) + juce::StringArray { "key", "Delete" });
    EXPECT_EQ (window->getCurrentSlot(), 2);
    EXPECT_TRUE (slotPathIsEmpty (slot (2)));
    EXPECT_EQ (undoPosition(), commits + 4);
}

TEST_F (SamplerWindowGuiTest, KeysWalkTheTilesAndSkipAFullBanksEmptyTiles)
{
    showWindow();
    ASSERT_TRUE (focusSettlesOn (tile (0)));

    const auto press = [&] (const char* key, int expected)
    {
        xdotool ({ "key", key });
        EXPECT_TRUE (pumpUntil ([&] { return window->getCurrentSlot() == expected; }, 3000))
            << key << " left slot " << window->getCurrentSlot();
        EXPECT_TRUE (focusSettlesOn (tile (expected))) << key;
    };

    press ("Left", 18);
    press ("Right", 0);
    press ("Right", 1);
    press ("Up", 16);
    press ("Down", 1);
    press ("Up", 16);
    press ("Tab", 17);
    press ("Tab", 18);
    press ("Down", 3);
    press ("shift+Tab", 2);

    window->setCurrentSlot (14);
    press ("Down", 18);

    // Bank 2 over 16 seconds: its two empty tiles are stepped over.
    const auto longOne = source ("long.wav", 9.0);
    dropFilesOn (4, { longOne.getFullPathName() });
    dropFilesOn (6, { longOne.getFullPathName() });
    window->setCurrentSlot (3);
    press ("Right", 4);
    press ("Right", 6);
    press ("Right", 8);
    press ("Up", 4);
}

TEST_F (SamplerWindowGuiTest, TheWindowSavesTheBreadcrumbShowsItsPathAndPutsItBack)
{
    source ("a.wav", 1.0);
    setSlotPath (samplerSlot (host->document, 5), sources.getChildFile ("a.wav").getFullPathName());
    showWindow();

    // Coming to the front the first time, the window keeps the panel's path and shows its own.
    auto calls = host->takeBreadcrumbCalls();
    ASSERT_GE (calls.size(), 2u);
    EXPECT_EQ (calls[0], "save");
    EXPECT_EQ (std::count (calls.begin(), calls.end(), juce::String ("save")), 1);
    EXPECT_EQ (calls.back(), "sampler");
    EXPECT_FALSE (window->isDrivingBreadcrumb());

    // Already showing the sampler's path: nothing more is saved.
    window->broughtToFront();
    EXPECT_EQ (host->takeBreadcrumbCalls(), std::vector<juce::String> { "sampler" });

    ASSERT_TRUE (window->openSlot (5));
    EXPECT_EQ (host->takeBreadcrumbCalls(), std::vector<juce::String> { "BANK2-SLOT2" });
    window->broughtToFront();
    EXPECT_EQ (host->takeBreadcrumbCalls(), (std::vector<juce::String> { "sampler", "BANK2-SLOT2" }));

    window->goBack();
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_EQ (host->takeBreadcrumbCalls(), std::vector<juce::String> { "sampler" });

    window->goBack();
    EXPECT_FALSE (window->isVisible());
    EXPECT_EQ (host->takeBreadcrumbCalls(), std::vector<juce::String> { "restore" });
    EXPECT_EQ (host->returnsToXPad, 0);

    // Closed without a saved path, the panel goes back to its X-PAD effect instead.
    host->showsSamplerPath = true;
    showWindow();
    calls = host->takeBreadcrumbCalls();
    EXPECT_EQ (std::count (calls.begin(), calls.end(), juce::String ("save")), 0);
    window->closeButtonPressed();
    EXPECT_EQ (host->returnsToXPad, 1);
}

TEST_F (SamplerWindowGuiTest, TilesShowTheCurrentTheFullAndThePressedInTheirFaces)
{
    const auto longOne = source ("long.wav", 9.0);
    setSlotPath (samplerSlot (host->document, 4), longOne.getFullPathName());
    setSlotPath (samplerSlot (host->document, 5), longOne.getFullPathName());
    showWindow();
    window->setCurrentSlot (1);

    // A spot of the face without text.
    const auto face = [&] (int index) { return tile (index).createComponentSnapshot ({ 120, 60, 1, 1 }).getPixelAt (0, 0); };
    EXPECT_EQ (face (1), juce::Colour (48, 54, 72)) << "current";
    EXPECT_EQ (face (2), juce::Colour (32, 32, 40));
    EXPECT_LT (face (6).getBrightness(), face (2).getBrightness()) << "the full bank's empty tile is dimmed";

    // Pressing a tile darkens it until the button comes up; the DELETE tile cannot be pressed.
    xdotool (moveTo (tile (2), { 60, 30 }) + juce::StringArray { "mousedown", "1" });
    EXPECT_TRUE (tile (2).isPressed());
    EXPECT_LT (face (2).getBrightness(), juce::Colour (32, 32, 40).getBrightness());
    xdotool ({ "mouseup", "1" });
    EXPECT_FALSE (tile (2).isPressed());
    EXPECT_EQ (face (2), juce::Colour (48, 54, 72)) << "the pointer made it current";
    xdotool (moveTo (tile (SamplerTiles::deleteTile), { 60, 30 }) + juce::StringArray { "mousedown", "1", "mouseup", "1" });
    EXPECT_FALSE (tile (SamplerTiles::deleteTile).isPressed());
    EXPECT_EQ (window->getCurrentSlot(), 2) << "the DELETE tile is never current";

    // The dragged picture lets the tile under it show through, its face as plain as the tile's.
    const auto dragged = tile (2).createDragImage().getPixelAt (100, 46);
    EXPECT_GT (dragged.getAlpha(), 127);
    EXPECT_LT (dragged.getAlpha(), 255);
    EXPECT_NEAR (dragged.getRed(), 32, 3);
    EXPECT_NEAR (dragged.getGreen(), 32, 3);
    EXPECT_NEAR (dragged.getBlue(), 40, 3) << "no tint under the text";

    // With an editor open the current tile shows plain.
    ASSERT_TRUE (window->openSlot (0));
    EXPECT_EQ (face (2), juce::Colour (32, 32, 40));
}
