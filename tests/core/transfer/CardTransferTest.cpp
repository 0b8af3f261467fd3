#include "core/DocumentFiles.h"
#include "core/DocumentXml.h"
#include "core/transfer/CardTransfer.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"
#include "JuceTestPrinters.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>
#include <csignal>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
struct FakeVolume : CardVolume
{
    std::optional<int64_t> free = int64_t (1) << 40;
    int flushes = 0;

    std::optional<int64_t> freeBytes (const juce::File&) override { return free; }
    bool flush (const juce::File&) override { ++flushes; return true; }
};

/** Every file below folder with its content, so a test can tell exactly what a transfer changed. */
std::map<juce::String, juce::MemoryBlock> contentsOf (const juce::File& folder)
{
    std::map<juce::String, juce::MemoryBlock> contents;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true, "*", juce::File::findFiles, juce::File::FollowSymlinks::no))
    {
        juce::MemoryBlock data;
        entry.getFile().loadFileAsData (data);
        contents[entry.getFile().getRelativePathFrom (folder)] = data;
    }
    return contents;
}

juce::MemoryBlock contentOf (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return data;
}

struct CardTransferTest : ::testing::Test
{
    juce::TemporaryFile holder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File card, prepared;
    FakeVolume volume;
    juce::Random random { 21 };
    std::unique_ptr<DeviceSettings> document = TestDocuments::randomParameters (random);
    std::vector<juce::File> preparedFiles = std::vector<juce::File> (numUnitSlots);
    std::vector<double> progress;
    std::function<bool()> shouldCancel;

    void SetUp() override
    {
        card = holder.getFile().getChildFile ("card");
        prepared = holder.getFile().getChildFile ("prepared");
        ASSERT_TRUE (card.createDirectory() && prepared.createDirectory());
    }

    void TearDown() override { holder.getFile().deleteRecursively(); }

    CardTransfer transfer (CardTransfer::Options options = {})
    {
        return CardTransfer (card, options, volume, [this] { return shouldCancel != nullptr && shouldCancel(); },
                             [this] (double p) { progress.push_back (p); });
    }

    juce::File writeFile (const juce::File& file, const juce::String& text)
    {
        file.getParentDirectory().createDirectory();
        file.replaceWithText (text, false, false, nullptr);
        return file;
    }

    juce::File writeFile (const juce::File& file, size_t numBytes)
    {
        juce::MemoryBlock data (numBytes);
        random.fillBitsRandomly (data.getData(), numBytes);
        file.getParentDirectory().createDirectory();
        file.replaceWithData (data.getData(), numBytes);
        return file;
    }

    juce::File writeWav (const juce::File& file, int frames, int32_t loop, int32_t tempo)
    {
        file.getParentDirectory().createDirectory();
        file.deleteFile();
        std::vector<int> samples ((size_t) frames, 1 << 20);
        const int* channels[] = { samples.data(), samples.data() };
        WavAudioFormatWriterQzt writer (2, 16, loop, tempo, 48000.0, file.createOutputStream());
        writer.write (channels, frames);
        return file;
    }

    /** A used slot with its prepared file. */
    juce::File prepareSlot (int index, size_t numBytes)
    {
        setSlotPath (samplerSlot (*document, index), "/music/sample" + juce::String (index) + ".wav");
        return preparedFiles[(size_t) index] = writeFile (prepared.getChildFile ("slot" + juce::String (index)), numBytes);
    }

    juce::File sampleOnCard (int index) const { return CardTransfer::sampleFileFor (card, index / 4 + 1, index % 4 + 1); }
};
} // namespace

TEST_F (CardTransferTest, ExportWritesTheUnitsLayoutAndKeepsOnlyCopiesItCanReplace)
{
    ASSERT_FALSE (CardTransfer::prepareExport (card).has_value());
    prepareSlot (0, 5000);
    prepareSlot (5, 70000);
    setSlotPath (samplerSlot (*document, 3), "/music/unprepared.wav");     // used, but nothing prepared
    writeFile (sampleOnCard (0), "an older sample");
    writeFile (sampleOnCard (3), "the only copy left");
    writeFile (sampleOnCard (9), "sample of a slot emptied since");

    const auto result = transfer().exportToCard (*document, preparedFiles);

    EXPECT_EQ (result.outcome, CardTransfer::Outcome::failed);
    EXPECT_EQ (result.message, UserMessage::someSamplesFailed);
    EXPECT_TRUE (result.documentWritten);
    EXPECT_FALSE (result.samplesWritten);
    EXPECT_EQ (volume.flushes, 1);

    const auto text = CardTransfer::documentFileFor (card).loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml"));                   // UTF-8 without a byte-order mark
    EXPECT_FALSE (text.contains ("Sampler"));
    auto readBack = TestDocuments::resetDocument();
    EXPECT_EQ (parseSettingsText (*readBack, text), settingsReadOk);
    EXPECT_TRUE (TestDocuments::sameParameters (*readBack, *document));

    // Nothing else is on the card: no probe file, no half-written temporary.
    const auto files = contentsOf (card);
    const std::vector<juce::String> expected { "CORVANE QZT/QZT-7200.RSD", "CORVANE QZT/QZT-7200/Sampler11.wav",
                                               "CORVANE QZT/QZT-7200/Sampler14.wav", "CORVANE QZT/QZT-7200/Sampler22.wav" };
    ASSERT_EQ (files.size(), expected.size());
    for (const auto& name : expected)
        EXPECT_EQ (files.count (name), 1u) << name;
    EXPECT_EQ (contentOf (sampleOnCard (0)), contentOf (preparedFiles[0]));
    EXPECT_EQ (contentOf (sampleOnCard (5)), contentOf (preparedFiles[5]));
    EXPECT_EQ (sampleOnCard (3).loadFileAsString(), "the only copy left");

    // Once every used slot has its file, the export is complete.
    prepareSlot (3, 10);
    progress.clear();
    const auto second = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (second.outcome, CardTransfer::Outcome::completed);
    EXPECT_FALSE (second.message.has_value());
    EXPECT_TRUE (second.samplesWritten);
    EXPECT_TRUE (std::is_sorted (progress.begin(), progress.end()));
    EXPECT_EQ (progress.back(), 1.0);
}

TEST_F (CardTransferTest, FreeSpaceIsCountedInWholeClusters)
{
    prepareSlot (0, 1);
    prepareSlot (1, 32768);
    prepareSlot (2, 32769);
    writeFile (CardTransfer::documentFileFor (card), "the card's older document");
    const auto before = contentsOf (card);

    const auto textBytes = (int64_t) CardTransfer::cardDocumentText (*document).getNumBytesAsUTF8();
    const int64_t needed = (textBytes + 32767) / 32768 * 32768 + 32768 + 32768 + 65536;

    for (const auto tooLittle : { needed - 32768, needed - 1 })
    {
        volume.free = tooLittle;
        const auto result = transfer().exportToCard (*document, preparedFiles);
        EXPECT_EQ (result.outcome, CardTransfer::Outcome::failed);
        EXPECT_EQ (result.message, UserMessage::cardFull);
        EXPECT_EQ (contentsOf (card), before);
    }

    volume.free = needed;
    EXPECT_EQ (transfer().exportToCard (*document, preparedFiles).outcome, CardTransfer::Outcome::completed);

    volume.free = std::nullopt;     // the volume cannot be asked: gone
    EXPECT_EQ (transfer().exportToCard (*document, preparedFiles).message, UserMessage::noCardLoaded);
}

TEST_F (CardTransferTest, ACardThatTakesNoWritesIsReportedWriteProtected)
{
    EXPECT_EQ (CardTransfer::prepareExport (card.getChildFile ("not mounted")), UserMessage::noCardLoaded);

    // A plain file where the card folder belongs cannot be replaced by a folder, whoever runs the test.
    writeFile (CardTransfer::cardFolderFor (card), "in the way");
    EXPECT_EQ (CardTransfer::prepareExport (card), UserMessage::cardWriteProtected);
    const auto result = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (result.message, UserMessage::cardWriteProtected);
    EXPECT_FALSE (result.documentWritten);

    // Likewise for the sample folder, when only samples are exported.
    CardTransfer::cardFolderFor (card).deleteFile();
    writeFile (sampleOnCard (0).getParentDirectory(), "in the way");
    EXPECT_FALSE (CardTransfer::prepareExport (card).has_value());
    EXPECT_EQ (transfer ({ false, true }).exportToCard (*document, preparedFiles).message, UserMessage::cardWriteProtected);
}

TEST_F (CardTransferTest, CancellingStopsBetweenFilesWithEveryFileWhole)
{
    for (int i = 0; i < numUnitSlots; ++i)
        prepareSlot (i, 1000 + (size_t) i);
    writeFile (sampleOnCard (15), "older sample of the last slot");

    // The user presses Cancel while the sixth file is written.
    shouldCancel = [this] { return progress.size() >= 7; };
    const auto result = transfer().exportToCard (*document, preparedFiles);

    EXPECT_EQ (result.outcome, CardTransfer::Outcome::cancelled);
    EXPECT_FALSE (result.message.has_value());
    EXPECT_FALSE (result.samplesWritten);
    EXPECT_EQ (volume.flushes, 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (contentOf (sampleOnCard (i)), contentOf (preparedFiles[(size_t) i])) << i;
    for (int i = 6; i < 15; ++i)
        EXPECT_FALSE (sampleOnCard (i).exists()) << i;
    EXPECT_EQ (sampleOnCard (15).loadFileAsString(), "older sample of the last slot");

    shouldCancel = [] { return true; };
    const auto import = transfer().importFromCard (*document);
    EXPECT_EQ (import.outcome, CardTransfer::Outcome::cancelled);
    EXPECT_EQ (import.document, nullptr);
}

TEST_F (CardTransferTest, AWriteFailingMidwayLeavesEveryCardFileWhole)
{
    for (int i = 0; i < 4; ++i)
        writeFile (sampleOnCard (i), "old sample " + juce::String (i));
    writeFile (CardTransfer::documentFileFor (card), "old document");
    prepareSlot (0, 40000);
    prepareSlot (1, 300000);    // more than the medium takes
    prepareSlot (2, 100);
    prepareSlot (3, 100);

    // The medium refuses writes past 100 kB; the limit must not reach this process.
    const pid_t child = fork();
    ASSERT_GE (child, 0);
    if (child == 0)
    {
        std::signal (SIGXFSZ, SIG_IGN);
        const rlimit limit { 100000, 100000 };
        setrlimit (RLIMIT_FSIZE, &limit);
        const auto result = transfer().exportToCard (*document, preparedFiles);
        _exit (result.outcome == CardTransfer::Outcome::failed && result.message == UserMessage::cardWriteProtected ? 0 : 1);
    }

    int status = 0;
    ASSERT_EQ (waitpid (child, &status, 0), child);
    ASSERT_TRUE (WIFEXITED (status));
    EXPECT_EQ (WEXITSTATUS (status), 0);

    EXPECT_EQ (CardTransfer::documentFileFor (card).loadFileAsString(), CardTransfer::cardDocumentText (*document));
    EXPECT_EQ (contentOf (sampleOnCard (0)), contentOf (preparedFiles[0]));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ (sampleOnCard (i).loadFileAsString(), "old sample " + juce::String (i));
    EXPECT_EQ (contentsOf (card).size(), 5u);      // no temporary file left behind
}

TEST_F (CardTransferTest, ImportReadsTheCardIntoACopy)
{
    // What the unit's card holds: the document and checked sample files.
    const auto exported = TestDocuments::randomParameters (random);
    writeFile (CardTransfer::documentFileFor (card), CardTransfer::cardDocumentText (*exported));
    writeWav (sampleOnCard (0), 1000, 1, 12000);
    writeWav (sampleOnCard (7), 480, 0, 0);
    writeWav (sampleOnCard (10), 10, 7, 123);     // values the unit does not know
    writeFile (sampleOnCard (1), "not a WAV file");
    sampleOnCard (2).createDirectory();

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
        setSlotPath (samplerSlot (*document, i), "/music/current" + juce::String (i) + ".wav");
    const auto before = std::make_unique<DeviceSettings> (*document);

    const auto result = transfer().importFromCard (*document);

    ASSERT_EQ (result.outcome, CardTransfer::Outcome::completed);
    EXPECT_FALSE (result.message.has_value());
    EXPECT_TRUE (TestDocuments::sameBytes (*document, *before));
    ASSERT_NE (result.document, nullptr);
    const auto& imported = *result.document;
    EXPECT_TRUE (TestDocuments::sameParameters (imported, *exported));

    const auto& first = samplerSlot (imported, 0);
    EXPECT_EQ (getSlotPath (first), sampleOnCard (0).getFullPathName());
    EXPECT_EQ (first.start, 0);
    EXPECT_EQ (first.end, 1000);
    EXPECT_EQ (first.loop, 1);
    EXPECT_EQ (first.tempo, 12000);
    EXPECT_EQ (samplerSlot (imported, 7).end, 480);
    EXPECT_EQ (samplerSlot (imported, 10).loop, 0);
    EXPECT_EQ (samplerSlot (imported, 10).tempo, 0);

    for (const int empty : { 1, 2, 3, 15 })
        EXPECT_TRUE (slotPathIsEmpty (samplerSlot (imported, empty))) << empty;
    EXPECT_TRUE (slotPathsEqual (samplerSlot (imported, 17), samplerSlot (*document, 17)));   // the editor's spare row

    // Without a sample folder every slot ends up empty.
    sampleOnCard (0).getParentDirectory().deleteRecursively();
    const auto noSamples = transfer().importFromCard (*document);
    ASSERT_NE (noSamples.document, nullptr);
    for (int i = 0; i < numUnitSlots; ++i)
        EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*noSamples.document, i))) << i;
}

TEST_F (CardTransferTest, ABadCardDocumentLeavesOursUntouched)
{
    const auto rsd = CardTransfer::documentFileFor (card);
    const auto good = CardTransfer::cardDocumentText (*TestDocuments::randomParameters (random));
    const auto firstPart = good.upToFirstOccurrenceOf ("</QZT-7200>", true, false);

    const std::pair<juce::String, UserMessage> cases[] = {
        { firstPart.replace ("<IsolateFx>", "<IsolateFx"), UserMessage::rsdCorrupt },
        { good.replaceFirstOccurrenceOf ("<Lock>0</Lock>", "<Lock>7</Lock>")
              .replaceFirstOccurrenceOf ("<Lock>1</Lock>", "<Lock>7</Lock>"), UserMessage::rsdIncorrect },
        { "just text", UserMessage::rsdIncorrect },
    };

    for (const auto& [text, message] : cases)
    {
        writeFile (rsd, text);
        const auto result = transfer().importFromCard (*document);
        EXPECT_EQ (result.outcome, CardTransfer::Outcome::failed) << text;
        EXPECT_EQ (result.message, message) << text;
        EXPECT_EQ (result.document, nullptr);
    }

    // An older card is taken, with a word that not everything could be read.
    writeFile (rsd, firstPart);
    const auto older = transfer ({ true, false }).importFromCard (*document);
    EXPECT_EQ (older.outcome, CardTransfer::Outcome::completed);
    EXPECT_EQ (older.message, UserMessage::rsdVersionDiffers);

    // A document that names sample files cannot point our slots anywhere.
    auto foreign = TestDocuments::randomParameters (random);
    setSlotPath (samplerSlot (*foreign, 0), "/etc/passwd");
    writeFile (rsd, createSettingsText (*foreign, *foreign, {}));
    const auto named = transfer ({ true, false }).importFromCard (*document);
    ASSERT_NE (named.document, nullptr);
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*named.document, 0)));

    rsd.deleteFile();
    EXPECT_EQ (transfer().importFromCard (*document).message, UserMessage::noExportedData);
    CardTransfer::cardFolderFor (card).deleteRecursively();
    EXPECT_EQ (transfer ({ false, true }).importFromCard (*document).message, UserMessage::noExportedData);
}
