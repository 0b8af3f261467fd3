#include "app/CardCommands.h"
#include "app/MessageTexts.h"
#include "core/DocumentXml.h"
#include "core/MidiThread.h"
#include "core/SysExFrame.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"
#include "JuceTestPrinters.h"
#include "LinkTestHost.h"
#include "SimulatedUnit.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>

using namespace TestDocuments;

namespace
{
struct FakeVolume : CardVolume
{
    std::optional<int64_t> free = int64_t (1) << 40;

    std::optional<int64_t> freeBytes (const juce::File&) override { return free; }
    bool flush (const juce::File&) override { return true; }
};

/** The window as the card commands see it. It notes every step it is asked for, in order, and runs
    the transfer on the calling thread, as the progress window's worker would, with a user who
    presses Cancel when told to. */
struct FakeWindow : CardCommands::Host, EditControllerHost
{
    juce::StringArray steps;
    std::vector<juce::File> mounted;
    std::map<int, juce::File> temporaryFiles;
    FakeVolume volume;
    bool userCancels = false;

    void showAlert (UserMessage m, AlertKind k) override
    {
        steps.add ((k == AlertKind::warning ? "warning: " : "information: ") + messageText (m)[UiLanguage::english]);
    }

    bool isCardDriveMounted (const juce::File& f) override
    {
        return std::find (mounted.begin(), mounted.end(), f) != mounted.end();
    }

    void prepareSamplerFiles() override     { steps.add ("prepare samples"); }
    void refreshPanel() override            { steps.add ("refresh panel"); }
    void rebuildSamplerFiles() override     { steps.add ("rebuild samples"); }

    juce::File temporaryFileForSlot (int i) override
    {
        return temporaryFiles.count (i) != 0 ? temporaryFiles[i] : juce::File();
    }

    CardTransfer::Result runCardTransfer (const CardCommands::Job& job) override
    {
        steps.add (job.title());
        CardTransfer transfer (job.cardRoot, job.options, volume, [this] { return userCancels; });
        return job.mode == MainProgressWindow::Mode::exportToCard ? transfer.exportToCard (job.document, job.preparedFiles)
                                                                  : transfer.importFromCard (job.document);
    }

    bool isSyncOn() override                            { return false; }
    void placeEffectBrowser() override                  {}
    void showVersion (const juce::String&) override     {}
};

const juce::String exporting = "Exporting...", importing = "Importing...",
                   exported = "information: Exporting completed.", imported = "information: Importing completed.";

class CardCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        link = std::make_unique<MidiThread> (linkHost, BodyColor::black, unit, MidiLinkTimings { 50, 60, 5 });
        ASSERT_TRUE (link->isConnected());
        editing.setLink (link.get());
        ASSERT_TRUE (card.createDirectory());
        window.mounted = { card };
    }

    void TearDown() override
    {
        editing.setLink (nullptr);
        link.reset();
        holder.getFile().deleteRecursively();
    }

    CardCommands commands() { return { *current, editing, samplerModified, window }; }

    std::optional<CardTransfer::Outcome> exportWith (bool effects, bool samples)
    {
        window.steps.clear();
        unit.clearRecords();
        return commands().exportToCard (card, { effects, samples });
    }

    std::optional<CardTransfer::Outcome> importWith (bool effects, bool samples)
    {
        window.steps.clear();
        return commands().importFromCard (card, { effects, samples });
    }

    void markEverythingModified()       { editing.setSettingsModified (true); samplerModified = true; }

    /** A used slot whose sample the sampler has prepared as a file with that content. */
    void prepareSlot (int index, const juce::String& content)
    {
        setSlotPath (samplerSlot (*current, index), "/music/sample" + juce::String (index) + ".wav");
        window.temporaryFiles[index] = holder.getFile().getChildFile ("prepared" + juce::String (index));
        window.temporaryFiles[index].replaceWithText (content);
    }

    juce::File onCard (int index) const { return CardTransfer::sampleFileFor (card, index / 4 + 1, index % 4 + 1); }

    SimulatedUnit unit;
    LinkTestHost linkHost;
    std::unique_ptr<MidiThread> link;
    FakeWindow window;
    juce::Random random { 107 };
    std::unique_ptr<DeviceSettings> current = randomParameters (random);
    std::unique_ptr<DeviceSettings> lastSent = resetDocument();
    EditController editing { *current, *lastSent, window };
    bool samplerModified = false;
    juce::TemporaryFile holder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File card = holder.getFile().getChildFile ("SDCARD");
};
} // namespace

TEST_F (CardCommandsTest, AnExportSaysCompletedAndClearsTheFlagsOfWhatReachedTheCard)
{
    prepareSlot (0, "KICK");
    const auto stale = onCard (2);
    stale.getParentDirectory().createDirectory();
    stale.replaceWithText ("sample of a slot emptied since");

    markEverythingModified();
    EXPECT_EQ (exportWith (true, true), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray ("prepare samples", exporting, exported));
    EXPECT_EQ (unit.countFrames (SysExCommand::selectorQuery), 1) << "the selector is asked before effect parameters go";
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_FALSE (samplerModified);
    EXPECT_EQ (CardTransfer::documentFileFor (card).loadFileAsString(), CardTransfer::cardDocumentText (*current));
    EXPECT_EQ (onCard (0).loadFileAsString(), "KICK");
    EXPECT_FALSE (stale.exists());

    // Each half clears its own flag only, and only it asks what it needs.
    markEverythingModified();
    EXPECT_EQ (exportWith (true, false), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray (exporting, exported));
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);

    markEverythingModified();
    EXPECT_EQ (exportWith (false, true), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray ("prepare samples", exporting, exported));
    EXPECT_EQ (unit.countFrames (SysExCommand::selectorQuery), 0);
    EXPECT_TRUE (editing.isSettingsModified());
    EXPECT_FALSE (samplerModified);
}

TEST_F (CardCommandsTest, TheSelectorAtDefaultAndAFullBankWarnButTheExportGoesOn)
{
    unit.setSelectorByte (MidiThread::selectorAtDefault);

    // Bank 2: 9 s and 8 s of sample.
    for (const auto& [index, seconds] : { std::pair (4, 9), std::pair (5, 8) })
    {
        prepareSlot (index, "sample");
        auto& slot = samplerSlot (*current, index);
        slot.sampleRate = 48000;
        slot.length = seconds * 48000;
        slot.start = slot.end = 0;
    }
    ASSERT_TRUE (CardCommands::anyBankOverLimit (*current));

    EXPECT_EQ (exportWith (true, true), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray ("warning: " + messageText (UserMessage::selectorAtDefault)[UiLanguage::english],
                                                "prepare samples",
                                                "information: " + messageText (UserMessage::bankOver16Seconds)[UiLanguage::english],
                                                exporting, exported));
    EXPECT_TRUE (onCard (5).existsAsFile());

    // No samples go: nothing is cut, so nothing is said about it.
    EXPECT_EQ (exportWith (true, false), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps.size(), 3);
    EXPECT_EQ (window.steps[1], exporting);

    // The range counts, not the whole source: 9 s cut to 7 s fits.
    samplerSlot (*current, 4).end = 7 * 48000;
    EXPECT_FALSE (CardCommands::anyBankOverLimit (*current));
}

TEST_F (CardCommandsTest, AFailedExportWarnsAndKeepsTheFlagsOfWhatDidNotGo)
{
    // No room: nothing is written.
    window.volume.free = CardTransfer::clusterBytes;
    prepareSlot (0, "KICK");
    markEverythingModified();
    EXPECT_EQ (exportWith (true, true), CardTransfer::Outcome::failed);
    EXPECT_EQ (window.steps, juce::StringArray ("prepare samples", exporting, "warning: " + messageText (UserMessage::cardFull)[UiLanguage::english]));
    EXPECT_TRUE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);
    EXPECT_FALSE (CardTransfer::documentFileFor (card).exists());

    // A used slot the sampler could not prepare: the document went, the samples did not all go.
    window.volume.free = int64_t (1) << 40;
    setSlotPath (samplerSlot (*current, 7), "/music/unreadable.wav");
    EXPECT_EQ (exportWith (true, true), CardTransfer::Outcome::failed);
    EXPECT_EQ (window.steps.joinIntoString ("|"),
               "prepare samples|" + exporting + "|warning: " + messageText (UserMessage::someSamplesFailed)[UiLanguage::english]);
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);

    // A card folder that cannot be made: the progress window never opens.
    const auto blocked = holder.getFile().getChildFile ("LOCKED");
    ASSERT_TRUE (blocked.createDirectory());
    ASSERT_TRUE (CardTransfer::cardFolderFor (blocked).replaceWithText ("a file where the folder goes"));
    window.mounted.push_back (blocked);
    window.steps.clear();
    markEverythingModified();
    EXPECT_EQ (commands().exportToCard (blocked, { true, false }), std::nullopt);
    EXPECT_EQ (window.steps, juce::StringArray ("warning: " + messageText (UserMessage::cardWriteProtected)[UiLanguage::english]));
    EXPECT_TRUE (editing.isSettingsModified());
}

TEST_F (CardCommandsTest, ACancelledExportSaysNothing)
{
    prepareSlot (0, "KICK");
    markEverythingModified();
    window.userCancels = true;

    EXPECT_EQ (exportWith (true, true), CardTransfer::Outcome::cancelled);
    EXPECT_EQ (window.steps, juce::StringArray ("prepare samples", exporting));
    EXPECT_FALSE (editing.isSettingsModified()) << "the document was on the card before the cancel was seen";
    EXPECT_TRUE (samplerModified);
    EXPECT_FALSE (onCard (0).exists());
}

TEST_F (CardCommandsTest, APulledCardWarnsBeforeAnythingIsWritten)
{
    markEverythingModified();
    const auto before = std::make_unique<DeviceSettings> (*current);
    const auto noCard = "warning: " + messageText (UserMessage::noCardLoaded)[UiLanguage::english];
    const auto noData = "warning: " + messageText (UserMessage::noExportedData)[UiLanguage::english];

    // Its mount point is an empty folder now: the card folder must not be made there.
    window.mounted.clear();
    EXPECT_EQ (exportWith (true, true), std::nullopt);
    EXPECT_EQ (window.steps, juce::StringArray ("prepare samples", noCard));
    EXPECT_FALSE (CardTransfer::cardFolderFor (card).exists());

    ASSERT_TRUE (CardTransfer::cardFolderFor (card).createDirectory());
    EXPECT_EQ (importWith (true, true), std::nullopt);
    EXPECT_EQ (window.steps, juce::StringArray (noData));

    // No drive chosen at all.
    window.mounted = { card };
    window.steps.clear();
    EXPECT_EQ (commands().exportToCard ({}, { true, false }), std::nullopt);
    EXPECT_EQ (commands().importFromCard ({}, { true, false }), std::nullopt);
    EXPECT_EQ (window.steps, juce::StringArray (noCard, noData));

    EXPECT_TRUE (sameBytes (*current, *before));
    EXPECT_TRUE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);
}

TEST_F (CardCommandsTest, AnImportAppliesTheCardRefreshesAndRebuildsTheSampler)
{
    const auto onTheCard = randomParameters (random);
    CardTransfer::documentFileFor (card).getParentDirectory().createDirectory();
    CardTransfer::documentFileFor (card).replaceWithText (CardTransfer::cardDocumentText (*onTheCard), false, false, nullptr);
    onCard (3).getParentDirectory().createDirectory();
    {
        std::vector<int> samples (480, 1 << 20);
        const int* channels[] = { samples.data(), samples.data() };
        WavAudioFormatWriterQzt (2, 16, 0, 12000, 48000.0, onCard (3).createOutputStream()).write (channels, 480);
    }
    setSlotPath (samplerSlot (*current, 0), "/music/current.wav");
    ASSERT_FALSE (sameParameters (*current, *onTheCard));

    // Effect parameters alone: the slots and the sampler-modified flag stay.
    markEverythingModified();
    EXPECT_EQ (importWith (true, false), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray (importing, "refresh panel", "rebuild samples", imported));
    EXPECT_TRUE (sameParameters (*current, *onTheCard));
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 0)), "/music/current.wav");
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);

    // Samples too: the slots follow the card's sample folder.
    markEverythingModified();
    EXPECT_EQ (importWith (true, true), CardTransfer::Outcome::completed);
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*current, 0)));
    EXPECT_EQ (getSlotPath (samplerSlot (*current, 3)), onCard (3).getFullPathName());
    EXPECT_EQ (samplerSlot (*current, 3).tempo, 12000);
    EXPECT_FALSE (editing.isSettingsModified());
    EXPECT_FALSE (samplerModified);

    // A card document of another version: applied, and said so before "completed".
    const auto firstPartOnly = createSettingsText (*onTheCard, *onTheCard, {}).upToFirstOccurrenceOf ("</QZT-7200>", true, false);
    CardTransfer::documentFileFor (card).replaceWithText (firstPartOnly, false, false, nullptr);
    EXPECT_EQ (importWith (true, false), CardTransfer::Outcome::completed);
    EXPECT_EQ (window.steps, juce::StringArray (importing, "refresh panel", "rebuild samples",
                                                "information: " + messageText (UserMessage::rsdVersionDiffers)[UiLanguage::english],
                                                imported));
}

TEST_F (CardCommandsTest, AFailedOrCancelledImportLeavesEverythingAsItWas)
{
    const auto good = CardTransfer::cardDocumentText (*resetDocument());
    CardTransfer::documentFileFor (card).getParentDirectory().createDirectory();
    CardTransfer::documentFileFor (card).replaceWithText (good.replace ("<IsolateFx>", "<IsolateFx"), false, false, nullptr);
    setSlotPath (samplerSlot (*current, 0), "/music/current.wav");
    const auto before = std::make_unique<DeviceSettings> (*current);
    markEverythingModified();

    EXPECT_EQ (importWith (true, true), CardTransfer::Outcome::failed);
    EXPECT_EQ (window.steps, juce::StringArray (importing, "warning: " + messageText (UserMessage::rsdCorrupt)[UiLanguage::english]));

    // A good card, but the user stops the import.
    CardTransfer::documentFileFor (card).replaceWithText (good, false, false, nullptr);
    window.userCancels = true;
    EXPECT_EQ (importWith (true, true), CardTransfer::Outcome::cancelled);
    EXPECT_EQ (window.steps, juce::StringArray (importing));

    EXPECT_TRUE (sameBytes (*current, *before));
    EXPECT_TRUE (editing.isSettingsModified());
    EXPECT_TRUE (samplerModified);
}
