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

std::string contentOf (const juce::File& file)
{
    juce::MemoryBlock data;
    file.loadFileAsData (data);
    return std::string (static_cast<const char*> (data.getData()), data.getSize());
}

/** Every file below folder with its content: what a transfer changed, and what it left behind. */
std::map<juce::String, std::string> contentsOf (const juce::File& folder)
{
    std::map<juce::String, std::string> contents;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true, "*", juce::File::findFiles))
        contents[entry.getFile().getRelativePathFrom (folder)] = contentOf (entry.getFile());
    return contents;
}

struct CardTransferTest : ::testing::Test
{
    juce::TemporaryFile holder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File card = holder.getFile().getChildFile ("card");
    FakeVolume volume;
    juce::Random random { 21 };
    std::unique_ptr<DeviceSettings> document = TestDocuments::randomParameters (random);
    std::vector<juce::File> preparedFiles = std::vector<juce::File> (numUnitSlots);
    std::vector<double> progress;
    std::function<bool()> shouldCancel = [] { return false; };

    void SetUp() override { ASSERT_TRUE (card.createDirectory()); }
    void TearDown() override { holder.getFile().deleteRecursively(); }

    CardTransfer transfer (CardTransfer::Options options = {})
    {
        return CardTransfer (card, options, volume, [this] { return shouldCancel(); },
                             [this] (double p) { progress.push_back (p); });
    }

    static juce::File write (const juce::File& file, const juce::String& text)
    {
        file.getParentDirectory().createDirectory();
        file.replaceWithText (text, false, false, nullptr);
        return file;
    }

    /** A used slot with a prepared file of that many bytes. */
    void prepareSlot (int index, int numBytes)
    {
        setSlotPath (samplerSlot (*document, index), "/music/sample" + juce::String (index) + ".wav");
        juce::MemoryBlock data ((size_t) numBytes);
        random.fillBitsRandomly (data.getData(), data.getSize());
        preparedFiles[(size_t) index] = holder.getFile().getChildFile ("prepared" + juce::String (index));
        preparedFiles[(size_t) index].replaceWithData (data.getData(), data.getSize());
    }

    juce::File onCard (int index) const { return CardTransfer::sampleFileFor (card, index / 4 + 1, index % 4 + 1); }
};
} // namespace

TEST_F (CardTransferTest, ExportWritesTheUnitsLayoutAndKeepsOnlyCopiesItCanReplace)
{
    ASSERT_FALSE (CardTransfer::prepareExport (card).has_value());
    prepareSlot (0, 5000);
    prepareSlot (5, 70000);
    setSlotPath (samplerSlot (*document, 3), "/music/unprepared.wav");     // used, but nothing prepared
    write (onCard (0), "an older sample");
    write (onCard (3), "the only copy left");
    write (onCard (9), "sample of a slot emptied since");

    const auto result = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (result.outcome, CardTransfer::Outcome::failed);
    EXPECT_EQ (result.message, UserMessage::someSamplesFailed);
    EXPECT_TRUE (result.documentWritten && ! result.samplesWritten);
    EXPECT_EQ (volume.flushes, 1);

    const auto text = CardTransfer::documentFileFor (card).loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml"));                   // UTF-8 without a byte-order mark
    EXPECT_FALSE (text.contains ("Sampler"));
    auto readBack = TestDocuments::resetDocument();
    EXPECT_EQ (parseSettingsText (*readBack, text), settingsReadOk);
    EXPECT_TRUE (TestDocuments::sameParameters (*readBack, *document));

    // Nothing else is on the card: no probe file, no temporary file.
    const std::map<juce::String, std::string> expected {
        { "CORVANE QZT/QZT-7200.RSD", contentOf (CardTransfer::documentFileFor (card)) },
        { "CORVANE QZT/QZT-7200/Sampler11.wav", contentOf (preparedFiles[0]) },
        { "CORVANE QZT/QZT-7200/Sampler14.wav", "the only copy left" },
        { "CORVANE QZT/QZT-7200/Sampler22.wav", contentOf (preparedFiles[5]) } };
    EXPECT_EQ (contentsOf (card), expected);

    // Once every used slot has its file, the export is complete.
    prepareSlot (3, 10);
    progress.clear();
    const auto second = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (second.outcome, CardTransfer::Outcome::completed);
    EXPECT_TRUE (second.samplesWritten && ! second.message.has_value());
    EXPECT_TRUE (std::is_sorted (progress.begin(), progress.end()));
    EXPECT_EQ (progress.back(), 1.0);
}

TEST_F (CardTransferTest, FreeSpaceIsCountedInWholeClustersAndAllOrNothingIsWritten)
{
    prepareSlot (0, 1);
    prepareSlot (1, 32768);
    prepareSlot (2, 32769);
    write (CardTransfer::documentFileFor (card), "the card's older document");
    const auto before = contentsOf (card);

    const auto textBytes = (int64_t) CardTransfer::cardDocumentText (*document).getNumBytesAsUTF8();
    const int64_t needed = (textBytes + 32767) / 32768 * 32768 + 32768 + 32768 + 65536;

    for (const auto tooLittle : { needed - 32768, needed - 1 })
    {
        volume.free = tooLittle;
        EXPECT_EQ (transfer().exportToCard (*document, preparedFiles).message, UserMessage::cardFull);
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

    // A plain file where the card folder belongs cannot become a folder, whoever runs the test.
    write (CardTransfer::cardFolderFor (card), "in the way");
    EXPECT_EQ (CardTransfer::prepareExport (card), UserMessage::cardWriteProtected);
    const auto result = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (result.message, UserMessage::cardWriteProtected);
    EXPECT_FALSE (result.documentWritten);

    // Likewise the sample folder, when only samples are exported.
    CardTransfer::cardFolderFor (card).deleteFile();
    write (onCard (0).getParentDirectory(), "in the way");
    EXPECT_EQ (transfer ({ false, true }).exportToCard (*document, preparedFiles).message, UserMessage::cardWriteProtected);
}

TEST_F (CardTransferTest, CancelStopsBetweenFilesAndAFailingWriteLeavesEveryFileWhole)
{
    for (int i = 0; i < numUnitSlots; ++i)
        prepareSlot (i, i == 7 ? 300000 : 1000 + i);
    for (int i = 5; i < numUnitSlots; ++i)
        write (onCard (i), "older sample " + juce::String (i));

    // The user presses Cancel while the sixth file is written.
    shouldCancel = [this] { return progress.size() >= 7; };
    const auto cancelled = transfer().exportToCard (*document, preparedFiles);
    EXPECT_EQ (cancelled.outcome, CardTransfer::Outcome::cancelled);
    EXPECT_FALSE (cancelled.message.has_value() || cancelled.samplesWritten);
    EXPECT_EQ (volume.flushes, 1);
    EXPECT_EQ (contentOf (onCard (5)), contentOf (preparedFiles[5]));
    EXPECT_EQ (onCard (6).loadFileAsString(), "older sample 6");

    // The medium refuses writes past 100 kB, in a child so the limit does not reach this process.
    shouldCancel = [] { return false; };
    const pid_t child = fork();
    ASSERT_GE (child, 0);
    if (child == 0)
    {
        std::signal (SIGXFSZ, SIG_IGN);
        const rlimit limit { 100000, 100000 };
        setrlimit (RLIMIT_FSIZE, &limit);
        const auto result = transfer().exportToCard (*document, preparedFiles);
        _exit (result.message == UserMessage::cardWriteProtected ? 0 : 1);
    }

    int status = 0;
    ASSERT_EQ (waitpid (child, &status, 0), child);
    EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 0);
    EXPECT_EQ (contentOf (onCard (6)), contentOf (preparedFiles[6]));
    for (int i = 7; i < numUnitSlots; ++i)
        EXPECT_EQ (onCard (i).loadFileAsString(), "older sample " + juce::String (i));
    EXPECT_EQ (contentsOf (card).size(), 17u);     // no temporary file left behind

    shouldCancel = [] { return true; };
    EXPECT_EQ (transfer().importFromCard (*document).document, nullptr);
}

TEST_F (CardTransferTest, ImportReadsTheCardIntoACopy)
{
    const auto wav = [this] (int index, int frames, int32_t loop, int32_t tempo)
    {
        onCard (index).getParentDirectory().createDirectory();
        std::vector<int> samples ((size_t) frames, 1 << 20);
        const int* channels[] = { samples.data(), samples.data() };
        WavAudioFormatWriterQzt (2, 16, loop, tempo, 48000.0, onCard (index).createOutputStream()).write (channels, frames);
    };

    const auto exported = TestDocuments::randomParameters (random);
    write (CardTransfer::documentFileFor (card), CardTransfer::cardDocumentText (*exported));
    wav (0, 1000, 1, 12000);
    wav (10, 10, 7, 123);                           // values the unit does not know
    write (onCard (1), "not a WAV file");
    onCard (2).createDirectory();

    for (int i = 0; i < XPadEffectRecord::numSlots; ++i)
        setSlotPath (samplerSlot (*document, i), "/music/current" + juce::String (i) + ".wav");
    const auto before = std::make_unique<DeviceSettings> (*document);

    const auto result = transfer().importFromCard (*document);
    ASSERT_NE (result.document, nullptr);
    EXPECT_EQ (result.outcome, CardTransfer::Outcome::completed);
    EXPECT_FALSE (result.message.has_value());
    EXPECT_TRUE (TestDocuments::sameBytes (*document, *before));
    const auto& imported = *result.document;
    EXPECT_TRUE (TestDocuments::sameParameters (imported, *exported));

    const auto& first = samplerSlot (imported, 0);
    EXPECT_EQ (getSlotPath (first), onCard (0).getFullPathName());
    EXPECT_EQ (std::vector<int> ({ first.start, first.end, first.loop, first.tempo }), std::vector<int> ({ 0, 1000, 1, 12000 }));
    EXPECT_EQ (samplerSlot (imported, 10).loop + samplerSlot (imported, 10).tempo, 0);
    for (const int empty : { 1, 2, 3, 15 })
        EXPECT_TRUE (slotPathIsEmpty (samplerSlot (imported, empty))) << empty;
    EXPECT_TRUE (slotPathsEqual (samplerSlot (imported, 17), samplerSlot (*document, 17)));   // the editor's spare row

    // Without a sample folder every slot ends up empty.
    onCard (0).getParentDirectory().deleteRecursively();
    const auto noSamples = transfer().importFromCard (*document);
    ASSERT_NE (noSamples.document, nullptr);
    for (int i = 0; i < numUnitSlots; ++i)
        EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*noSamples.document, i))) << i;
}

TEST_F (CardTransferTest, ABadCardDocumentLeavesOursUntouched)
{
    const auto rsd = CardTransfer::documentFileFor (card);
    const auto good = CardTransfer::cardDocumentText (*document);
    const auto firstPart = good.upToFirstOccurrenceOf ("</QZT-7200>", true, false);
    const auto outOfRange = good.replace ("<Lock>0</Lock>", "<Lock>7</Lock>").replace ("<Lock>1</Lock>", "<Lock>7</Lock>");

    for (const auto& [text, message] : { std::pair (firstPart.replace ("<IsolateFx>", "<IsolateFx"), UserMessage::rsdCorrupt),
                                         std::pair (outOfRange, UserMessage::rsdIncorrect) })
    {
        write (rsd, text);
        const auto result = transfer().importFromCard (*document);
        EXPECT_EQ (result.message, message);
        EXPECT_EQ (result.document, nullptr);
    }

    // An older card is taken, with a word that not everything could be read.
    write (rsd, firstPart);
    EXPECT_EQ (transfer ({ true, false }).importFromCard (*document).message, UserMessage::rsdVersionDiffers);

    // A document that names sample files anyway cannot point our slots anywhere.
    setSlotPath (samplerSlot (*document, 0), "/etc/passwd");
    write (rsd, createSettingsText (*document, *document, {}));
    setSlotPath (samplerSlot (*document, 0), "");
    const auto named = transfer ({ true, false }).importFromCard (*document);
    ASSERT_NE (named.document, nullptr);
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*named.document, 0)));

    rsd.deleteFile();
    EXPECT_EQ (transfer().importFromCard (*document).message, UserMessage::noExportedData);
}
