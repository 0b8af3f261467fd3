#include "app/DocumentCommands.h"
#include "app/SyncCommand.h"
#include "core/MidiThread.h"
#include "core/SysExFrame.h"
#include "JuceTestPrinters.h"
#include "LinkTestHost.h"
#include "SimulatedUnit.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>

using namespace TestDocuments;

namespace
{
/** The window as the document commands see it: records alerts and questions, answers questions
    as told. No slot has a prepared temporary file. */
struct RecordingWindow : DocumentCommandsHost, EditControllerHost
{
    std::vector<UserMessage> alerts;
    std::vector<std::pair<UserMessage, juce::StringArray>> questions;
    bool answerOk = true;
    bool syncOn = true;
    int refreshes = 0;

    void showAlert (UserMessage m, AlertKind) override          { alerts.push_back (m); }
    void buildTemporaryFiles() override                         {}
    juce::File temporaryFileForSlot (int) override              { return {}; }
    void refreshPanel() override                                { ++refreshes; }
    void samplesReloaded() override                             {}

    bool askQuestion (UserMessage m, const juce::StringArray& fill) override
    {
        questions.emplace_back (m, fill);
        return answerOk;
    }

    bool isSyncOn() override                                    { return syncOn; }
    void placeEffectBrowser() override                          {}
    void rebuildSamplerFiles() override                         {}
    void showVersion (const juce::String&) override             {}
};

/** Answers every chooser with the file it is given and remembers how it was asked. */
struct ScriptedChoosers : FileChoosers
{
    juce::File answer;
    juce::StringArray asked;
    juce::File initialLocation;
    juce::String patterns;

    juce::File chooseFileToOpen (const juce::String& t, const juce::File& i, const juce::String& p) override { return note ("open " + t, i, p); }
    juce::File chooseFileToSave (const juce::String& t, const juce::File& i, const juce::String& p) override { return note ("save " + t, i, p); }

    juce::File note (const juce::String& call, const juce::File& initial, const juce::String& p)
    {
        asked.add (call);
        initialLocation = initial;
        patterns = p;
        return answer;
    }
};

class DocumentCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        unit.setActiveSensingIntervalMs (20);
        link = std::make_unique<MidiThread> (linkHost, BodyColor::black, unit, MidiLinkTimings { 50, 60, 5 });
        ASSERT_TRUE (link->isConnected());
        editing.setLink (link.get());
        unit.clearRecords();
        folder.createDirectory();
    }

    void TearDown() override
    {
        editing.setLink (nullptr);
        link.reset();
        folder.deleteRecursively();
    }

    DocumentCommands commands() { return { *current, editing, samplerModified, lastFilePath, window, choosers }; }

    void markEverythingModified()                   { editing.setSettingsModified (true); samplerModified = true; }
    bool everythingStillModified() const            { return editing.isSettingsModified() && samplerModified; }
    int settingsFramesAfterAWhile()                 { pumpFor (150); return unit.countFrames (SysExCommand::settingsText); }

    SimulatedUnit unit;
    LinkTestHost linkHost;
    std::unique_ptr<MidiThread> link;
    RecordingWindow window;
    ScriptedChoosers choosers;
    std::unique_ptr<DeviceSettings> current = resetDocument();
    std::unique_ptr<DeviceSettings> lastSent = resetDocument();
    EditController editing { *current, *lastSent, window };
    bool samplerModified = false;
    juce::String lastFilePath;
    juce::Random random { 20 };
    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("tessalin-commands", {}, false) };
};
} // namespace

TEST_F (DocumentCommandsTest, LoadMakesTheDocumentTheReferenceClearsBothFlagsAndSendsNothing)
{
    const auto loaded = randomParameters (random);
    const auto file = folder.getChildFile ("set one.RSD");
    ASSERT_TRUE (DocumentFiles::saveSettingsFile (*loaded, file, window));
    window.alerts.clear();
    lastSent->sceneLock = 1;
    markEverythingModified();

    choosers.answer = file;
    ASSERT_TRUE (commands().load());

    EXPECT_EQ (choosers.asked, juce::StringArray ("open Select file to load..."));
    EXPECT_EQ (choosers.patterns, "*.RSD;*.rsd");
    EXPECT_EQ (choosers.initialLocation, juce::File::getCurrentWorkingDirectory()) << "no document yet";

    EXPECT_TRUE (sameParameters (*current, *loaded));
    EXPECT_TRUE (sameBytes (*lastSent, *current));
    EXPECT_EQ (lastFilePath, file.getFullPathName());
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_FALSE (samplerModified);
    EXPECT_EQ (window.alerts, std::vector<UserMessage> { UserMessage::loadingCompleted });
    EXPECT_EQ (editing.getHistory().getNumEntries(), 0);
    EXPECT_EQ (settingsFramesAfterAWhile(), 0) << "Sync is on, yet a loaded document is not sent";

    // The next chooser starts at that document, for Save as well as Load.
    choosers.answer = juce::File();
    EXPECT_FALSE (commands().save());
    EXPECT_EQ (choosers.initialLocation, file);
}

TEST_F (DocumentCommandsTest, AFailedOrCancelledLoadLeavesDocumentsFlagsAndPathAsTheyWere)
{
    const auto before = randomParameters (random);
    *current = *before;
    lastSent->isolateLock = 1;
    const auto lastSentBefore = std::make_unique<DeviceSettings> (*lastSent);
    lastFilePath = "/nowhere/earlier.RSD";
    markEverythingModified();

    const auto checkNothingChanged = [&]
    {
        EXPECT_TRUE (sameBytes (*current, *before) && sameBytes (*lastSent, *lastSentBefore));
        EXPECT_EQ (lastFilePath, "/nowhere/earlier.RSD");
        EXPECT_TRUE (everythingStillModified());
        EXPECT_EQ (window.refreshes, 0);
    };

    // A chooser that was cancelled: nothing at all happens.
    EXPECT_FALSE (commands().load());
    EXPECT_TRUE (window.alerts.empty());
    EXPECT_EQ (choosers.initialLocation, juce::File::getCurrentWorkingDirectory()) << "the last document is gone";
    checkNothingChanged();

    const auto corrupt = folder.getChildFile ("corrupt.RSD");
    ASSERT_TRUE (corrupt.replaceWithText ("<?xml version=\"1.0\"?>\n<QZT-7200 version=\"1.0\"><IsolateFx><Lock>1"));
    choosers.answer = corrupt;
    EXPECT_FALSE (commands().load());
    EXPECT_EQ (window.alerts, std::vector<UserMessage> { UserMessage::rsdCorrupt });
    checkNothingChanged();
}

TEST_F (DocumentCommandsTest, SaveWritesUnderTheRsdNameAndNeverReplacesAnotherFileUnasked)
{
    *current = *randomParameters (random);
    markEverythingModified();

    // A name typed with another extension is saved with RSD; nothing is written under the typed name.
    choosers.answer = folder.getChildFile ("live set.txt");
    ASSERT_TRUE (commands().save());
    const auto saved = folder.getChildFile ("live set.RSD");
    EXPECT_EQ (choosers.asked, juce::StringArray ("save Select file to save..."));
    EXPECT_EQ (choosers.patterns, "*.RSD;*.rsd");
    EXPECT_TRUE (saved.existsAsFile());
    EXPECT_FALSE (folder.getChildFile ("live set.txt").exists());
    EXPECT_TRUE (folder.getChildFile ("live set").isDirectory()) << "the sample folder is named after the document";
    EXPECT_TRUE (window.questions.empty());
    EXPECT_EQ (lastFilePath, saved.getFullPathName());
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_FALSE (samplerModified);
    EXPECT_EQ (window.alerts, std::vector<UserMessage> { UserMessage::savingCompleted });

    // Any letter case of the extension is already right.
    choosers.answer = folder.getChildFile ("lower.rsd");
    ASSERT_TRUE (commands().save());
    EXPECT_EQ (lastFilePath, folder.getChildFile ("lower.rsd").getFullPathName());
    EXPECT_TRUE (folder.getChildFile ("lower.rsd").existsAsFile());
    EXPECT_FALSE (folder.getChildFile ("lower.RSD").exists());

    // "other.txt" would be written as "other.RSD", another document of the user's: asked first.
    const auto other = folder.getChildFile ("other.RSD");
    ASSERT_TRUE (other.replaceWithText ("the user's other document"));
    markEverythingModified();
    window.questions.clear();
    window.answerOk = false;
    choosers.answer = folder.getChildFile ("other.txt");
    EXPECT_FALSE (commands().save());
    ASSERT_EQ (window.questions.size(), 1u);
    EXPECT_EQ (window.questions[0].first, UserMessage::confirmReplaceFile);
    EXPECT_EQ (window.questions[0].second, juce::StringArray ("other.RSD"));
    EXPECT_EQ (other.loadFileAsString(), "the user's other document");
    EXPECT_EQ (lastFilePath, folder.getChildFile ("lower.rsd").getFullPathName());
    EXPECT_TRUE (everythingStillModified());

    window.answerOk = true;
    ASSERT_TRUE (commands().save());
    EXPECT_TRUE (other.loadFileAsString().startsWith ("<?xml"));
    EXPECT_EQ (lastFilePath, other.getFullPathName());
    EXPECT_FALSE (editing.isSettingsModified());

    // Picking an existing document itself asks the same, once.
    window.questions.clear();
    choosers.answer = saved;
    ASSERT_TRUE (commands().save());
    EXPECT_EQ (window.questions.size(), 1u);

    // A folder that cannot be written to: the failure is shown and nothing else changes.
    markEverythingModified();
    window.alerts.clear();
    choosers.answer = folder.getChildFile ("missing folder").getChildFile ("set.RSD");
    EXPECT_FALSE (commands().save());
    EXPECT_EQ (window.alerts, std::vector<UserMessage> { UserMessage::savingFailed });
    EXPECT_EQ (lastFilePath, saved.getFullPathName());
    EXPECT_TRUE (everythingStillModified());
}

TEST_F (DocumentCommandsTest, LoadDefaultSettingsAsksThenResetsKeepingTheSlotsAndSendsOnlyWithTheNextCommit)
{
    *current = *randomParameters (random);
    auto& slot = samplerSlot (*current, 5);
    setSlotPath (slot, "/samples/kick.wav");
    slot.start = 480;
    slot.end = 96000;
    *lastSent = *current;
    lastSent->sceneLock = 1 - current->sceneLock;
    editing.setSettingsModified (true);
    unit.setDocument (*lastSent);
    const auto before = std::make_unique<DeviceSettings> (*current);
    const auto lastSentBefore = std::make_unique<DeviceSettings> (*lastSent);

    window.answerOk = false;
    EXPECT_FALSE (commands().loadDefaultSettings());
    ASSERT_EQ (window.questions.size(), 1u);
    EXPECT_EQ (window.questions[0].first, UserMessage::confirmLoadDefaults);
    EXPECT_TRUE (sameBytes (*current, *before));
    EXPECT_TRUE (sameBytes (*lastSent, *lastSentBefore));
    EXPECT_EQ (window.refreshes, 0);

    window.answerOk = true;
    ASSERT_TRUE (commands().loadDefaultSettings());
    EXPECT_TRUE (sameBytes (*lastSent, *before));
    EXPECT_TRUE (sameParameters (*current, *resetDocument()));
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 5)), "/samples/kick.wav");
    EXPECT_EQ (samplerSlot (*current, 5).start, 480);
    EXPECT_EQ (samplerSlot (*current, 5).end, 96000);
    EXPECT_EQ (window.refreshes, 1);
    EXPECT_TRUE (editing.isSettingsModified()) << "the flag is left as it was";
    EXPECT_EQ (editing.getHistory().getNumEntries(), 0);
    EXPECT_EQ (settingsFramesAfterAWhile(), 0);

    // The next commit sends the whole way from the document the unit was last given to the defaults.
    unit.setDocument (*before);
    ASSERT_TRUE (editing.commitSettingsChange());
    ASSERT_TRUE (pumpUntil ([&] { return unit.getSettingsReceivedCount() >= 1; }, 2000));
    EXPECT_TRUE (sameParameters (*unit.copyDocument(), *resetDocument()));

    // A flag left clear stays clear too.
    editing.setSettingsModified (false);
    ASSERT_TRUE (commands().loadDefaultSettings());
    EXPECT_FALSE (editing.isSettingsModified());
}

TEST_F (DocumentCommandsTest, SyncSwitchesOnWithAWholeSendOffWithNothingAndNotAtAllWhileDisabled)
{
    struct : MenuButtons::Host
    {
        void closeMenus() override {}
        bool performCommand (juce::CommandID) override  { return false; }
        void syncSwitchedOn() override {}
    } window;

    MenuButtons strip (window);
    *current = *randomParameters (random);

    // No unit connected: the switch is disabled and the command leaves it alone.
    ASSERT_FALSE (strip.isDeviceConnected());
    EXPECT_FALSE (SyncCommand::toggle (strip, editing));
    EXPECT_FALSE (strip.isSyncOn());
    EXPECT_EQ (settingsFramesAfterAWhile(), 0);

    strip.setDeviceConnected (true);
    ASSERT_TRUE (SyncCommand::toggle (strip, editing));
    EXPECT_TRUE (strip.isSyncOn());
    ASSERT_TRUE (pumpUntil ([&] { return unit.getSettingsReceivedCount() >= 1; }, 2000));
    EXPECT_TRUE (sameParameters (*unit.copyDocument(), *current));
    EXPECT_TRUE (sameBytes (*lastSent, *current));
    EXPECT_EQ (unit.countFrames (SysExCommand::selectorQuery), 1);

    ASSERT_TRUE (SyncCommand::toggle (strip, editing));
    EXPECT_FALSE (strip.isSyncOn());
    EXPECT_EQ (settingsFramesAfterAWhile(), 1) << "switching off sends nothing";

    // Switched on, then the unit goes: the key cannot switch it off either.
    ASSERT_TRUE (SyncCommand::toggle (strip, editing));
    strip.setDeviceConnected (false);
    EXPECT_FALSE (SyncCommand::toggle (strip, editing));
    EXPECT_TRUE (strip.isSyncOn());
}
