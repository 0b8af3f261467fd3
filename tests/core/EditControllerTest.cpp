#include "core/DocumentXml.h"
#include "core/EditController.h"
#include "core/MidiThread.h"
#include "JuceTestPrinters.h"
#include "LinkTestHost.h"
#include "LinkTestTimings.h"
#include "SimulatedUnit.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>

using namespace TestDocuments;

namespace
{
/** Records what the controller asks of the windows. */
struct RecordingHost : EditControllerHost
{
    bool syncOn = true;
    int placements = 0, refreshes = 0, rebuilds = 0;
    std::vector<UserMessage> alerts;
    juce::StringArray versions;

    bool isSyncOn() override                        { return syncOn; }
    void placeEffectBrowser() override              { ++placements; }
    void refreshPanel() override                    { ++refreshes; }
    void rebuildSamplerFiles() override             { ++rebuilds; }
    void showAlert (UserMessage m, AlertKind) override { alerts.push_back (m); }
    void showVersion (const juce::String& text) override { versions.add (text); }
};

class EditControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        unit.setActiveSensingIntervalMs (scaledMs (20));
        link = std::make_unique<MidiThread> (linkHost, BodyColor::black, unit, scaledTimings ({ 50, 60, 5 }));
        ASSERT_TRUE (link->isConnected());
        controller.setLink (link.get());
        controller.setFetchPolling (scaledMs (10), 100);
        unit.clearRecords();
    }

    void TearDown() override
    {
        controller.setLink (nullptr);
        link.reset();
    }

    int settingsFrames() const { return unit.countFrames (SysExCommand::settingsText); }

    /** The unit holds what we hold, sampler slots aside (it never gets any). */
    bool unitMatchesCurrent() const { return sameParameters (*unit.copyDocument(), *current); }

    bool waitForSettingsFrames (int count) const
    {
        return pumpUntil ([&] { return unit.getSettingsReceivedCount() >= count; }, scaledMs (2000));
    }

    SimulatedUnit unit;
    LinkTestHost linkHost;
    std::unique_ptr<MidiThread> link;
    RecordingHost host;
    std::unique_ptr<DeviceSettings> current = resetDocument();
    std::unique_ptr<DeviceSettings> lastSent = resetDocument();
    EditController controller { *current, *lastSent, host };
};
} // namespace

TEST_F (EditControllerTest, ACommitWithNothingChangedDoesNothing)
{
    EXPECT_FALSE (controller.commitSettingsChange());
    EXPECT_EQ (controller.getHistory().getNumEntries(), 0);
    EXPECT_FALSE (controller.isSettingsModified());
    EXPECT_EQ (host.placements, 0);
    pumpFor (scaledMs (100));
    EXPECT_EQ (settingsFrames(), 0);

    // Values nobody carries (the reserved first value of a record) are no edit either.
    current->scene[SceneEffect::echo][0] = 5;
    EXPECT_FALSE (controller.commitSettingsChange());
}

TEST_F (EditControllerTest, CommitUndoRedoMoveDocumentsFlagsAndTheUnit)
{
    current->scene[SceneEffect::crushEcho][10] = 3;
    ASSERT_TRUE (controller.commitSettingsChange());
    EXPECT_TRUE (sameBytes (*current, *lastSent));
    EXPECT_EQ (host.placements, 1);
    ASSERT_TRUE (waitForSettingsFrames (1));
    EXPECT_TRUE (unitMatchesCurrent());
    EXPECT_FALSE (controller.isSettingsModified()) << "a successful send clears the flag";
    EXPECT_TRUE (unit.getLastSettingsText().contains ("<Sub2ModTypeCb>3</Sub2ModTypeCb>"));
    EXPECT_FALSE (unit.getLastSettingsText().contains ("IsolateFx")) << "only the difference is sent";

    controller.undo();
    EXPECT_EQ (current->scene[SceneEffect::crushEcho][10], 0);
    EXPECT_TRUE (sameBytes (*current, *lastSent));
    EXPECT_EQ (host.refreshes, 1);
    EXPECT_EQ (host.placements, 1) << "undo does not move the browser";
    ASSERT_TRUE (waitForSettingsFrames (2));
    EXPECT_TRUE (unitMatchesCurrent());

    controller.setSettingsModified (false);
    controller.redo();
    EXPECT_EQ (current->scene[SceneEffect::crushEcho][10], 3);
    EXPECT_EQ (host.placements, 2);
    ASSERT_TRUE (waitForSettingsFrames (3));
    EXPECT_TRUE (unitMatchesCurrent());
    EXPECT_EQ (host.rebuilds, 0);

    // Redo while the unit is away: the flag stays set, since nothing reached the unit.
    controller.undo();
    controller.setLink (nullptr);
    controller.redo();
    EXPECT_TRUE (controller.isSettingsModified());
}

TEST_F (EditControllerTest, ALoadedDocumentIsTheReferenceForTheNextCommit)
{
    const auto beforeFirstCommit = *current;
    current->scene[SceneEffect::crushEcho][10] = 3;
    ASSERT_TRUE (controller.commitSettingsChange());
    ASSERT_TRUE (waitForSettingsFrames (1));

    // What loading a file does: the whole document is replaced and taken as sent, history kept.
    juce::Random random (11);
    const auto loaded = randomParameters (random);
    *current = *loaded;
    controller.adoptCurrentAsLastSent();
    EXPECT_EQ (controller.getHistory().getNumEntries(), 2);
    EXPECT_FALSE (controller.commitSettingsChange()) << "the load itself is no edit";

    current->isolate[0][1] = current->isolate[0][1] == 0 ? 1 : 0;
    ASSERT_TRUE (controller.commitSettingsChange());
    ASSERT_TRUE (waitForSettingsFrames (2));
    EXPECT_FALSE (unit.getLastSettingsText().contains ("SceneFx")) << "only the edit after the load is sent";

    controller.undo();
    EXPECT_TRUE (sameBytes (*current, *loaded));
    // The first commit's "after" gave way to the loaded state; undo goes on past the load.
    controller.undo();
    EXPECT_TRUE (sameBytes (*current, beforeFirstCommit));
}

TEST_F (EditControllerTest, ACommitAfterUndoCutsTheRedoBranch)
{
    for (int value : { 1, 2, 3 })
    {
        current->xpad[XPadEffect::xpad].values[16] = value;
        controller.commitSettingsChange();
    }
    EXPECT_EQ (controller.getHistory().getNumEntries(), 4) << "one net entry per commit";

    controller.undo();
    controller.undo();
    EXPECT_EQ (current->xpad[XPadEffect::xpad].values[16], 1);

    current->xpad[XPadEffect::pitch].values[2] = 5;
    ASSERT_TRUE (controller.commitSettingsChange());
    EXPECT_FALSE (controller.getHistory().canRedo());
    controller.redo();
    EXPECT_EQ (current->xpad[XPadEffect::pitch].values[2], 5);

    controller.undo();
    controller.undo();
    EXPECT_EQ (current->xpad[XPadEffect::xpad].values[16], 12);
    EXPECT_EQ (current->xpad[XPadEffect::pitch].values[2], 11);
    EXPECT_FALSE (controller.getHistory().canUndo());
}

TEST_F (EditControllerTest, WithSyncOffNothingIsSentButTheReferenceMoves)
{
    host.syncOn = false;
    current->release[ReleaseEffect::backSpin][1] = 2;
    controller.commitSettingsChange();
    current->release[ReleaseEffect::backSpin][2] = 7;
    controller.commitSettingsChange();
    EXPECT_TRUE (controller.isSettingsModified());

    controller.undo();
    EXPECT_TRUE (sameBytes (*current, *lastSent));
    EXPECT_TRUE (controller.isSettingsModified()) << "undo leaves the flag";
    pumpFor (scaledMs (150));
    EXPECT_EQ (settingsFrames(), 0);

    // Switched on later: the next commit sends only what differs from the undone state.
    host.syncOn = true;
    current->release[ReleaseEffect::backSpin][3] = 4;
    controller.commitSettingsChange();
    ASSERT_TRUE (waitForSettingsFrames (1));
    EXPECT_TRUE (unit.getLastSettingsText().contains ("<Area2Cb>4</Area2Cb>"));
    EXPECT_FALSE (unit.getLastSettingsText().contains ("Area0Cb"));
}

TEST_F (EditControllerTest, SlotEditsAreRecordedAndRebuildTheSamplerOnUndo)
{
    setSlotPath (samplerSlot (*current, 4), "/samples/hat.wav");
    ASSERT_TRUE (controller.commitSettingsChange());

    // Clearing a slot whose values are all 0 changes nothing the difference writer sees.
    initSamplerSlot (samplerSlot (*current, 4));
    samplerSlot (*current, 4).gainIndex = 128;
    samplerSlot (*current, 4).sampleRate = samplerSlot (*lastSent, 4).sampleRate;
    ASSERT_TRUE (controller.commitSettingsChange());
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*lastSent, 4)));

    controller.undo();
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 4)), "/samples/hat.wav");
    EXPECT_EQ (host.rebuilds, 1);

    current->isolate[IsolateEffect::gateDrive][2] = 1;
    controller.commitSettingsChange();
    controller.undo();
    EXPECT_EQ (host.rebuilds, 1) << "no slot changed";

    pumpFor (scaledMs (100));
    for (const auto& frame : unit.getReceivedFrames())
        EXPECT_FALSE (frame.payload.toString().contains ("Sampler")) << "slots never go to the unit";
}

TEST_F (EditControllerTest, SyncSendsEverythingAndWarnsOnlyOnAFreshDefaultAnswer)
{
    juce::Random random (5);
    auto edited = randomParameters (random);
    *current = *edited;

    unit.setSelectorByte (16);
    controller.syncWithDevice();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::selectorAtDefault });
    ASSERT_TRUE (waitForSettingsFrames (1));
    EXPECT_TRUE (unitMatchesCurrent());
    EXPECT_TRUE (sameBytes (*current, *lastSent));

    // The unit's selector moved to USER and it no longer answers: the old DEFAULT does not count.
    unit.setSelectorByte (-1);
    controller.syncWithDevice();
    EXPECT_EQ (host.alerts.size(), 1u);

    current->xpad[XPadEffect::osc].values[5] = 0;
    controller.commitSettingsChange();
    ASSERT_TRUE (waitForSettingsFrames (3));
    EXPECT_LT (unit.getLastSettingsText().length(), 200) << "later commits send the difference";
    EXPECT_TRUE (unitMatchesCurrent());
}

TEST_F (EditControllerTest, NothingIsSentWhileNotConnected)
{
    unit.unplug();
    ASSERT_TRUE (pumpUntil ([&] { return ! link->isConnected(); }, scaledMs (3000)));
    unit.clearRecords();

    current->isolate[IsolateEffect::isolator][7] = 2;
    EXPECT_TRUE (controller.commitSettingsChange());
    EXPECT_TRUE (controller.isSettingsModified());
    EXPECT_FALSE (controller.sendSettingsToDevice (true));
    controller.syncWithDevice();
    EXPECT_TRUE (host.alerts.empty());
    EXPECT_TRUE (unit.getReceivedFrames().empty());
}

TEST_F (EditControllerTest, UpdateSettingTakesTheUnitsValuesAndKeepsOurSlots)
{
    controller.setFetchPolling (10, 30);
    setSlotPath (samplerSlot (*current, 2), "/samples/ours.wav");
    setSlotPath (samplerSlot (*current, 18), "/samples/spare.wav");
    *lastSent = *current;
    const auto sentBefore = *lastSent;

    juce::Random random (11);
    auto unitDocument = randomParameters (random);
    unit.setDocument (*unitDocument);

    controller.updateSetting();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::updateSettingCompleted });
    EXPECT_EQ (host.refreshes, 1);
    EXPECT_TRUE (sameParameters (*current, *unitDocument));
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 2)), "/samples/ours.wav");
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*current, 18))) << "only the unit's 16 slots are carried over";
    EXPECT_TRUE (sameBytes (*lastSent, sentBefore));

    // Without its newer part: a warning first, then completed.
    host.alerts.clear();
    const auto text = createSettingsText (*unitDocument, *unitDocument, { true, false });
    unit.setSettingsDumpText (text.upToFirstOccurrenceOf ("</QZT-7200>", true, false));
    controller.updateSetting();
    EXPECT_EQ (host.alerts, (std::vector<UserMessage> { UserMessage::rsdVersionDiffers, UserMessage::updateSettingCompleted }));

    // Garbage: failed, untouched.
    host.alerts.clear();
    const auto before = *current;
    unit.setSettingsDumpText ("<?xml?>garbage");
    controller.updateSetting();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::updateSettingFailed });
    EXPECT_TRUE (sameBytes (*current, before));
    EXPECT_EQ (host.refreshes, 3) << "the panel is refreshed whatever the outcome";
}

TEST_F (EditControllerTest, UpdateSettingWithoutAnAnswerFailsAndALateDumpChangesNothing)
{
    controller.setFetchPolling (scaledMs (10), 20);
    unit.setReplyDelayMs (scaledMs (400));
    juce::Random random (3);
    unit.setDocument (*randomParameters (random));
    const auto before = *current;

    controller.updateSetting();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::updateSettingFailed });

    // The dump is only queued when the request gives up; wait until the link has actually got it.
    const auto delivered = unit.getDeliveredCount();
    ASSERT_TRUE (pumpUntil ([&] { return unit.getDeliveredCount() > delivered; }, scaledMs (2000)));
    pumpFor (scaledMs (100));
    EXPECT_TRUE (sameBytes (*current, before));

    // Nor is it taken as the answer to the next request, which the unit leaves unanswered.
    unit.setAnswersSettingsRequest (false);
    host.alerts.clear();
    controller.updateSetting();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::updateSettingFailed });
    EXPECT_TRUE (sameBytes (*current, before));

    controller.setLink (nullptr);
    host.alerts.clear();
    controller.updateSetting();
    EXPECT_EQ (host.alerts, std::vector<UserMessage> { UserMessage::updateSettingFailed });
}

TEST_F (EditControllerTest, VersionIsShownWithTwoDecimalsOrUnknown)
{
    unit.setVersionBytes (2, 0, 5);
    controller.showVersion();
    unit.clearVersionBytes();
    controller.showVersion();
    controller.setLink (nullptr);
    controller.showVersion();
    EXPECT_EQ (host.versions, juce::StringArray ({ "2.05", "unknown", "unknown" }));

    EXPECT_EQ (EditController::unitVersionText (102), "1.02");
    EXPECT_EQ (EditController::unitVersionText (0), "0.00");
    EXPECT_EQ (EditController::unitVersionText (1234), "12.34");
}

TEST_F (EditControllerTest, TheSamplersFirstPreparationAdoptsOnlyTheSlots)
{
    // An imported parameter the unit has not been sent, and slots the sampler has just settled.
    auto& feedback = current->release[ReleaseEffect::echo][4];
    feedback = feedback == 0 ? 1 : 0;
    const int imported = feedback;
    setSlotPath (samplerSlot (*current, 2), "/samples/kick.wav");
    samplerSlot (*current, 2).end = 4800;
    const auto parametersBefore = *lastSent;

    controller.adoptSamplerSlotsAsLastSent();

    EXPECT_EQ (getSlotPath (samplerSlot (*lastSent, 2)), "/samples/kick.wav");
    EXPECT_EQ (samplerSlot (*lastSent, 2).end, 4800);
    EXPECT_FALSE (samplerSlotsDiffer (*current, *lastSent));
    EXPECT_TRUE (sameParameters (*lastSent, parametersBefore)) << "no parameter is taken as sent";
    EXPECT_EQ (controller.getHistory().getNumEntries(), 0) << "settling the slots is no edit";

    // The next edit carries the pending parameter to the unit along with itself.
    current->isolate[IsolateEffect::cutAdd][3] = current->isolate[IsolateEffect::cutAdd][3] == 0 ? 1 : 0;
    ASSERT_TRUE (controller.commitSettingsChange());
    ASSERT_TRUE (waitForSettingsFrames (1));
    EXPECT_TRUE (unitMatchesCurrent());
    EXPECT_EQ (unit.copyDocument()->release[ReleaseEffect::echo][4], imported);
}
