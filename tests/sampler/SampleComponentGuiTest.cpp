// The slot editor inside the sampler window on a real desktop (Xvfb): opened by a double-click, values
// typed and stored with OK or thrown away with CANCEL and Escape through real input, its keys, the
// preview played and stopped on the test audio device, and screenshots of the window and the editor.

#include "MessagePump.h"
#include "SamplerTestHost.h"
#include "TestAudioDeviceType.h"

#include <algorithm>

namespace
{
bool anySound (const std::vector<float>& samples, size_t from = 0, size_t to = SIZE_MAX)
{
    return std::any_of (samples.begin() + (std::ptrdiff_t) std::min (from, samples.size()),
                        samples.begin() + (std::ptrdiff_t) std::min (to, samples.size()),
                        [] (float s) { return s != 0.0f; });
}
} // namespace

struct SampleComponentGuiTest : SamplerWindowFixture
{
    SampleComponent& editor()
    {
        auto* e = window->getEditor();
        EXPECT_NE (e, nullptr);
        return *e;
    }

    /** The key names xdotool types for a number of presses of one key. */
    static juce::StringArray keys (const char* key, int times)
    {
        juce::StringArray k { "key", "--delay", "40" };

        for (int i = 0; i < times; ++i)
            k.add (key);

        return k;
    }

    TestAudioDevice* device()
    {
        return dynamic_cast<TestAudioDevice*> (window->getAudioDeviceManager().getCurrentAudioDevice());
    }
};

TEST_F (SampleComponentGuiTest, OkStoresWhatWasTypedAndCancelThrowsItAway)
{
    const auto file = source ("groove.wav", 4.0, 1, 12000);
    setSlotPath (samplerSlot (host->document, 0), file.getFullPathName());
    showWindow();
    const auto commits = undoPosition();

    xdotool (moveTo (tile (0), { 60, 30 }) + juce::StringArray { "click", "--repeat", "2", "--delay", "80", "1" });
    ASSERT_NE (window->getEditor(), nullptr) << "a double-click opens the editor";
    EXPECT_TRUE (focusSettlesOn (editor().getFileButton()));
    EXPECT_EQ (host->takeBreadcrumbCalls().back(), "BANK1-SLOT1");

    // Tab walks to START and opens it for typing.
    xdotool (keys ("Tab", 9));
    ASSERT_TRUE (editor().getStartLabel().isBeingEdited());
    xdotool ({ "key", "ctrl+a", "type", "1.5" });
    xdotool ({ "key", "Return" });
    EXPECT_EQ (editor().getStartLabel().getText(), "0:01.500");
    EXPECT_EQ (editor().getLengthLabel().getText(), "Time:000:02.500");
    EXPECT_EQ (slot (0).start, 0) << "nothing reaches the slot before OK";

    xdotool (moveToCentre (editor().getOkButton()) + juce::StringArray { "click", "1" });
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_EQ (slot (0).start, 72000);
    EXPECT_EQ (slot (0).end, 192000);
    EXPECT_EQ (slot (0).loop, 1);
    EXPECT_EQ (undoPosition(), commits + 1);
    EXPECT_EQ (host->takeBreadcrumbCalls().back(), "sampler");
    EXPECT_TRUE (tile (0).getWantsKeyboardFocus());
    EXPECT_EQ (window->getTiles().getLengthText (0), "2.50sec");

    double rate = 0;
    const auto built = wavtest::readWav (window->getTemporaryFile (0), &rate);
    EXPECT_EQ (rate, 48000.0);
    EXPECT_EQ (built.getNumSamples(), 120000) << "the file holds the stored range";

    // CANCEL: END typed, then Escape; the slot keeps what OK stored.
    xdotool (moveTo (tile (0), { 60, 30 }) + juce::StringArray { "click", "--repeat", "2", "--delay", "80", "1" });
    ASSERT_NE (window->getEditor(), nullptr);
    xdotool (keys ("Tab", 13));
    ASSERT_TRUE (editor().getEndLabel().isBeingEdited());
    xdotool ({ "key", "ctrl+a", "type", "3" });
    xdotool ({ "key", "Return" });
    EXPECT_EQ (editor().getEndLabel().getText(), "0:03.000");
    xdotool ({ "key", "Escape" });
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_EQ (slot (0).end, 192000);
    EXPECT_EQ (undoPosition(), commits + 1);

    // And by its button.
    ASSERT_TRUE (window->openSlot (0));
    editor().getDeleteButton().triggerClick();
    pump (50);
    EXPECT_FALSE (editor().getModel().hasSource());
    xdotool (moveToCentre (editor().getCancelButton()) + juce::StringArray { "click", "1" });
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_EQ (getSlotPath (slot (0)), file.getFullPathName());
}

TEST_F (SampleComponentGuiTest, TheEditorsKeysWalkItsRingAndStepItsValues)
{
    const auto file = source ("ten.wav", 10.0, 1, 12000);
    showWindow();

    // Without a source only the file button, OK and CANCEL take the focus.
    ASSERT_TRUE (window->openSlot (1));
    xdotool ({ "key", "Tab" });
    EXPECT_TRUE (focusSettlesOn (editor().getOkButton()));
    xdotool (keys ("Tab", 2));
    EXPECT_TRUE (focusSettlesOn (editor().getFileButton()));
    xdotool ({ "key", "Right" });
    EXPECT_TRUE (focusSettlesOn (editor().getOkButton()));
    xdotool ({ "key", "Left" });
    EXPECT_FALSE (editor().getGainKnob().isEnabled());

    // A file from the chooser; the slot may not loop, so LOOP is hidden and the ring skips the mode.
    host->nextChosenFile = file;
    xdotool ({ "key", "Return" });
    ASSERT_TRUE (editor().getModel().hasSource());
    EXPECT_EQ (host->lastWavPath, file.getFullPathName());
    EXPECT_FALSE (editor().getModel().isLooping());
    EXPECT_FALSE (editor().getLoopButton().isVisible());
    EXPECT_EQ (editor().getTempoLabel().getText(), "120.00");
    EXPECT_EQ (editor().getBeatsCombo().getText(), "20.00 BEAT");

    // Right walks without opening the texts; from the tempo it goes straight to the knob.
    xdotool (keys ("Right", 5));
    EXPECT_TRUE (focusSettlesOn (editor().getTempoLabel()));
    EXPECT_FALSE (editor().getTempoLabel().isBeingEdited());
    xdotool ({ "key", "Right" });
    EXPECT_TRUE (focusSettlesOn (editor().getGainKnob()));

    // Up on the knob is ten steps, Ctrl+Down one.
    xdotool ({ "key", "Up", "key", "ctrl+Down" });
    EXPECT_EQ (editor().getModel().getGainIndex(), 137);

    // Up on the beat count takes the nearest listed count below: END follows at the held tempo.
    xdotool (keys ("Left", 2) + juce::StringArray { "key", "Up" });
    EXPECT_EQ (editor().getBeatsCombo().getText(), "16.00 BEAT");
    EXPECT_EQ (editor().getEndLabel().getText(), "0:08.000");

    // START + moves START and the slider's thumb with it.
    xdotool (moveToCentre (editor().getStartPlusButton()) + juce::StringArray { "click", "1" });
    EXPECT_EQ (editor().getStartLabel().getText(), "0:00.010");
    EXPECT_EQ (editor().getRangeSlider().getMinValue(), 10.0);
    EXPECT_TRUE (focusSettlesOn (editor().getStartPlusButton()));

    // A file dropped on the editor takes the chooser's place.
    const auto other = source ("other.wav", 3.0);
    dropFilesAt (editor(), { 240, 350 }, { other.getFullPathName() });
    EXPECT_EQ (editor().getModel().getPath(), other.getFullPathName());
    EXPECT_EQ (editor().getEndLabel().getText(), "0:03.000");
    EXPECT_TRUE (slotPathIsEmpty (slot (1)));

    // Escape is CANCEL: nothing of it reaches the slot.
    xdotool ({ "key", "Escape" });
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_TRUE (slotPathIsEmpty (slot (1)));
}

TEST_F (SampleComponentGuiTest, ARangeBracketGrabbedWhereItIsDrawnMovesOnlyWithThePointer)
{
    const auto file = source ("ten.wav", 10.0);
    auto& record = samplerSlot (host->document, 0);
    setSlotPath (record, file.getFullPathName());
    record.start = 2 * 48000;
    record.end = 5 * 48000;
    showWindow();
    ASSERT_TRUE (window->openSlot (0));
    auto& slider = editor().getRangeSlider();

    // Where each bracket's light stroke is drawn along the slider's middle row.
    const auto strokes = [&]
    {
        const auto row = slider.createComponentSnapshot (slider.getLocalBounds());
        std::vector<int> columns;

        for (int x = 0; x < row.getWidth(); ++x)
            if (const auto c = row.getPixelAt (x, row.getHeight() / 2); c.getBrightness() > 0.5f && c.getSaturation() < 0.2f)
                columns.push_back (x);

        return columns;
    };

    const auto before = strokes();
    ASSERT_EQ (before.size(), 4u) << "two strokes of two pixels";
    // START's place is the right pixel of its stroke, END's the left one: 3 s lie between them.
    const auto pixelMs = 3000.0 / (before[2] - before[1]);

    // Pressed and let go on END's stroke: nothing moves. Dragged 40 pixels left: END follows by as much.
    const juce::Point<int> endStroke (before[2], slider.getHeight() / 2);
    xdotool (moveTo (slider, endStroke) + juce::StringArray { "click", "1" });
    EXPECT_NEAR (editor().getModel().getEndMs(), 5000.0, pixelMs);
    EXPECT_NEAR (editor().getModel().getStartMs(), 2000.0, 0.5);

    xdotool (moveTo (slider, endStroke) + juce::StringArray { "mousedown", "1" } + moveTo (slider, endStroke - juce::Point<int> (20, 0))
             + moveTo (slider, endStroke - juce::Point<int> (40, 0)) + juce::StringArray { "mouseup", "1" });
    EXPECT_NEAR (editor().getModel().getEndMs(), 5000.0 - 40.0 * pixelMs, pixelMs);
    EXPECT_EQ (editor().getEndLabel().getText(), SlotEditorModel::formatMilliseconds (editor().getModel().getEndMs()));

    // START's stroke likewise.
    const juce::Point<int> startStroke (before[1], slider.getHeight() / 2);
    xdotool (moveTo (slider, startStroke) + juce::StringArray { "click", "1" });
    EXPECT_NEAR (editor().getModel().getStartMs(), 2000.0, pixelMs);
}

TEST_F (SampleComponentGuiTest, PlayAndStopOnTheTestOutput)
{
    TestAudioDeviceType::installInto (window->getAudioDeviceManager());
    const auto file = source ("tone.wav", 2.0);
    setSlotPath (samplerSlot (host->document, 0), file.getFullPathName());
    showWindow();
    ASSERT_TRUE (window->openSlot (0));

    xdotool (moveToCentre (editor().getPlayButton()) + juce::StringArray { "click", "1" });
    ASSERT_TRUE (pumpUntil ([&] { return editor().isPreviewPlaying(); }, 3000))
        << host->alerts.size() << " alerts, " << juce::ModalComponentManager::getInstance()->getNumModalComponents()
        << " modal windows";
    ASSERT_NE (device(), nullptr);
    EXPECT_TRUE (editor().getStopButton().isVisible());
    EXPECT_FALSE (editor().getPlayButton().isVisible());
    EXPECT_TRUE (focusSettlesOn (editor().getStopButton()));
    ASSERT_TRUE (device()->waitForBlocks (device()->blocksRendered() + 20));
    EXPECT_TRUE (anySound (device()->recording (0)));

    xdotool (moveToCentre (editor().getStopButton()) + juce::StringArray { "click", "1" });
    ASSERT_TRUE (pumpUntil ([&] { return ! editor().isPreviewPlaying(); }, 3000));
    EXPECT_TRUE (editor().getPlayButton().isVisible());
    const auto stoppedAt = device()->recording (0).size();
    ASSERT_TRUE (device()->waitForBlocks (device()->blocksRendered() + 10));
    EXPECT_FALSE (anySound (device()->recording (0), stoppedAt + 512)) << "silent after stop";

    // OK stores while it plays: the preview stops and the editor goes, the output closes with it.
    editor().getPlayButton().triggerClick();
    pump (50);
    EXPECT_TRUE (editor().isPreviewPlaying());
    editor().getOkButton().triggerClick();
    pump (100);
    EXPECT_EQ (window->getEditor(), nullptr);
    EXPECT_EQ (window->getAudioDeviceManager().getCurrentAudioDevice(), nullptr);
    EXPECT_TRUE (host->alerts.empty());
}

TEST_F (SampleComponentGuiTest, WithoutAnOutputPlaySaysSoAndStaysPlay)
{
    TestAudioDeviceType::installInto (window->getAudioDeviceManager(), {}, false);
    setSlotPath (samplerSlot (host->document, 0), source ("tone.wav", 2.0).getFullPathName());
    showWindow();
    ASSERT_TRUE (window->openSlot (0));

    xdotool (moveToCentre (editor().getPlayButton()) + juce::StringArray { "click", "1" });
    EXPECT_EQ (host->takeAlerts(), std::vector<UserMessage> { UserMessage::noAudioOutput });
    EXPECT_TRUE (editor().getPlayButton().isVisible());
    EXPECT_FALSE (editor().isPreviewPlaying());
}

TEST_F (SampleComponentGuiTest, ScreenshotsOfTheWindowWithSlotsAndOfTheEditor)
{
    const auto files = std::vector<juce::File> {
        source ("Kick_Loop_128.wav", 2.0, 1, 12800), source ("Snare Roll.wav", 1.25), source ("Vox_Hey.wav", 0.6),
        source ("Amen Break 170bpm.wav", 5.6, 1, 17000), source ("Riser_FX.wav", 3.2), source ("Pad_Cmin.wav", 7.5, 1, 9000),
        source ("Scratch_01.wav", 0.85), source ("Long Ambience.wav", 6.0), source ("Long Drone.wav", 6.5) };

    const std::pair<int, int> placed[] { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 4, 3 }, { 5, 4 }, { 8, 5 }, { 9, 6 },
                                         { 12, 7 }, { 13, 8 }, { 14, 7 }, { 16, 6 } };

    for (auto [slotIndex, fileIndex] : placed)
    {
        auto& record = samplerSlot (host->document, slotIndex);
        setSlotPath (record, files[(size_t) fileIndex].getFullPathName());
        record.tempo = fileIndex == 0 ? 12800 : fileIndex == 3 ? 17000 : fileIndex == 5 ? 9000 : 0;
        record.loop = record.tempo != 0 ? 1 : 0;
        record.fixState = record.tempo != 0 ? 2 : 0;
        record.loopPresent = record.tempoPresent = 1;
    }

    samplerSlot (host->document, 4).gainIndex = 150;
    showWindow();
    window->setCurrentSlot (5);
    pump (100);

    ASSERT_TRUE (window->getTiles().isBankFull (3));
    writePng (window->createComponentSnapshot (window->getLocalBounds()), "sampler-window.png");

    ASSERT_TRUE (window->openSlot (4));
    xdotool ({ "key", "--delay", "40", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Escape" });
    ASSERT_TRUE (editor().getStartLabel().hasKeyboardFocus (true));
    pump (100);
    writePng (window->createComponentSnapshot (window->getLocalBounds()), "sampler-slot-editor.png");
    writePng (editor().createComponentSnapshot (editor().getLocalBounds()), "sampler-slot-editor-alone.png");

    // The beat count's list, on the screen.
    auto& beats = editor().getBeatsCombo();
    xdotool (moveTo (beats, { beats.getWidth() - 9, beats.getHeight() / 2 }) + juce::StringArray { "click", "1" });
    pump (200);
    juce::ChildProcess screen;

    if (screen.start (juce::StringArray { "/usr/bin/import", "-window", "root",
                                          juce::File (TESSALIN_BUILD_DIR).getChildFile ("sampler-beat-list-screen.png").getFullPathName() }))
        screen.waitForProcessToFinish (10000);

    xdotool ({ "key", "Escape" });
    ASSERT_NE (window->getEditor(), nullptr) << "Escape closed the list, not the editor";

    // An empty slot: only the file button, OK and CANCEL can do anything.
    window->removeEditor();
    ASSERT_TRUE (window->openSlot (3));
    pump (100);
    writePng (editor().createComponentSnapshot (editor().getLocalBounds()), "sampler-slot-editor-empty.png");
}
