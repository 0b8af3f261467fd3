#include "Deadline.h"
#include "core/DocumentXml.h"
#include "core/transfer/DocumentFiles.h"
#include "JuceTestPrinters.h"
#include "sampler/files/WavAudioFormatWriterQzt.h"

#include <gtest/gtest.h>
#include <csignal>
#include <cstring>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
/** Records what the document flows ask of the program; the sampler's temporary files are plain files here. */
struct FakeHost : DocumentFileHost
{
    std::vector<std::pair<UserMessage, AlertKind>> alerts;
    std::map<int, juce::File> temporaryFiles;
    int builds = 0, refreshes = 0, reloads = 0;

    void showAlert (UserMessage m, AlertKind k) override { alerts.emplace_back (m, k); }
    void buildTemporaryFiles() override { ++builds; }
    juce::File temporaryFileForSlot (int i) override { return temporaryFiles.count (i) ? temporaryFiles[i] : juce::File(); }
    void refreshPanel() override { ++refreshes; }
    void samplesReloaded() override { ++reloads; }

    UserMessage lastMessage() const { return alerts.empty() ? UserMessage::numMessages : alerts.back().first; }
};

struct DocumentFilesTest : ::testing::Test
{
    juce::TemporaryFile folderHolder { juce::String(), juce::TemporaryFile::useHiddenFile };
    juce::File folder;
    FakeHost host;
    std::unique_ptr<DeviceSettings> document = createDeviceSettings();

    void SetUp() override
    {
        folder = folderHolder.getFile();
        ASSERT_TRUE (folder.createDirectory());
        resetDeviceSettings (*document, false);
    }

    void TearDown() override { folder.deleteRecursively(); }

    juce::File makeFile (const juce::String& name, const juce::String& content)
    {
        auto f = folder.getChildFile (name);
        f.getParentDirectory().createDirectory();
        f.replaceWithText (content);
        return f;
    }

    /** A short sample whose "qzt1" chunk carries the given loop flag and tempo, valid or not. */
    juce::File makeSample (const juce::String& name, int32_t loop, int32_t tempo)
    {
        auto f = folder.getChildFile (name);
        f.getParentDirectory().createDirectory();
        {
            WavAudioFormatWriterQzt writer (1, 16, loop, tempo, 48000.0, f.createOutputStream());
            juce::AudioBuffer<float> silence (1, 64);
            silence.clear();
            writer.writeFromAudioSampleBuffer (silence, 0, 64);
        }
        return f;
    }

    bool sameAsBefore (const DeviceSettings& before) const
    {
        return std::memcmp (&before, document.get(), sizeof (DeviceSettings)) == 0;
    }
};
} // namespace

TEST_F (DocumentFilesTest, SaveWritesTheTextAndTheSamplesBesideIt)
{
    setSlotPath (samplerSlot (*document, 0), "/src/kick.wav");
    setSlotPath (samplerSlot (*document, 5), "/src/snare.wav");
    host.temporaryFiles[0] = makeFile ("tmp/temp_a", "KICK");
    host.temporaryFiles[5] = makeFile ("tmp/temp_b", "SNARE");
    const auto stale = makeFile ("set/Sampler12.wav", "old sample of an emptied slot");

    const auto file = folder.getChildFile ("set.RSD");
    ASSERT_TRUE (DocumentFiles::saveSettingsFile (*document, file, host));

    EXPECT_EQ (host.builds, 1);
    EXPECT_EQ (host.lastMessage(), UserMessage::savingCompleted);
    EXPECT_EQ (folder.getChildFile ("set/Sampler11.wav").loadFileAsString(), "KICK");
    EXPECT_EQ (folder.getChildFile ("set/Sampler22.wav").loadFileAsString(), "SNARE");
    EXPECT_FALSE (stale.exists());

    juce::MemoryBlock bytes;
    file.loadFileAsData (bytes);
    ASSERT_GT (bytes.getSize(), 3u);
    EXPECT_NE ((unsigned char) bytes[0], 0xef) << "no byte-order mark";
    EXPECT_EQ (file.loadFileAsString(), createSettingsText (*document, *document, {}));
}

TEST_F (DocumentFilesTest, SaveNeverDeletesTheOnlyCopyOfASample)
{
    setSlotPath (samplerSlot (*document, 2), "/gone/loop.wav");     // used, but nothing was prepared
    const auto onlyCopy = makeFile ("set/Sampler13.wav", "the only copy");

    EXPECT_FALSE (DocumentFiles::saveSettingsFile (*document, folder.getChildFile ("set.RSD"), host));
    EXPECT_EQ (host.lastMessage(), UserMessage::savingFailed);
    EXPECT_EQ (onlyCopy.loadFileAsString(), "the only copy");
}

TEST_F (DocumentFilesTest, FailedWritesAreReported)
{
    const auto blocked = makeFile ("notAFolder", "x");
    EXPECT_FALSE (DocumentFiles::saveSettingsFile (*document, blocked.getChildFile ("set.RSD"), host));
    EXPECT_EQ (host.lastMessage(), UserMessage::savingFailed);
    EXPECT_EQ (host.builds, 0);
    EXPECT_FALSE (blocked.getChildFile ("set.RSD").exists());

    const auto existing = makeFile ("keep.RSD", "previous document");
    existing.getParentDirectory().getChildFile ("keep").replaceWithText ("a file where the sample folder goes");
    EXPECT_FALSE (DocumentFiles::saveSettingsFile (*document, existing, host));
    EXPECT_EQ (host.lastMessage(), UserMessage::savingFailed);
}

TEST_F (DocumentFilesTest, LoadRestoresValuesAndFindsSamplesWhereverTheyAre)
{
    const auto kept = makeSample ("elsewhere/kept.wav", 7, 123456);    // values no slot may hold
    setSlotPath (samplerSlot (*document, 0), kept.getFullPathName());
    samplerSlot (*document, 0).start = 10;
    samplerSlot (*document, 0).end = 20;
    setSlotPath (samplerSlot (*document, 1), "/vanished/old.wav");
    samplerSlot (*document, 1).start = 10;
    setSlotPath (samplerSlot (*document, 2), "C:\\Users\\dj\\windows.wav");
    setSlotPath (samplerSlot (*document, 3), "/vanished/nowhere.wav");
    document->scene[SceneEffect::spiralUp][12] = 1;

    const auto file = folder.getChildFile ("gig.RSD");
    file.replaceWithText (createSettingsText (*document, *document, {}));
    const auto beside1 = makeSample ("gig/Sampler12.wav", 1, 12800);
    const auto beside2 = makeFile ("gig/Sampler13.wav", "not a WAV file");

    resetDeviceSettings (*document, false);
    ASSERT_TRUE (DocumentFiles::loadSettingsFile (*document, file, host));

    EXPECT_EQ (document->scene[SceneEffect::spiralUp][12], 1);
    EXPECT_EQ (getSlotPath (samplerSlot (*document, 0)), kept.getFullPathName());
    EXPECT_EQ (samplerSlot (*document, 0).start, 10);
    EXPECT_EQ (samplerSlot (*document, 0).loop, 0);
    EXPECT_EQ (samplerSlot (*document, 0).tempo, 0);

    EXPECT_EQ (getSlotPath (samplerSlot (*document, 1)), beside1.getFullPathName());
    EXPECT_EQ (samplerSlot (*document, 1).start, 0);
    EXPECT_EQ (samplerSlot (*document, 1).loop, 1);
    EXPECT_EQ (samplerSlot (*document, 1).tempo, 12800);
    EXPECT_EQ (getSlotPath (samplerSlot (*document, 2)), beside2.getFullPathName());
    EXPECT_EQ (samplerSlot (*document, 2).loop, 0);
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*document, 3)));
    EXPECT_EQ (samplerSlot (*document, 3).sampleRate, 48000);

    EXPECT_EQ (host.refreshes, 1);
    EXPECT_EQ (host.reloads, 1);
    EXPECT_EQ (host.lastMessage(), UserMessage::someSamplesFailed);
}

TEST_F (DocumentFilesTest, LoadingKeepsTheSpareSlotsOfTheEditor)
{
    // A file written with the internal copy's elements carries a spare row; loading ignores it.
    const auto stray = makeFile ("stray.wav", "s");
    setSlotPath (samplerSlot (*document, 16), stray.getFullPathName());
    samplerSlot (*document, 16).gainIndex = 7;
    document->scene[SceneEffect::spiralUp][12] = 1;
    const auto file = folder.getChildFile ("spare.RSD");
    file.replaceWithText (createSettingsText (*document, *document, { false, true }));
    ASSERT_TRUE (file.loadFileAsString().contains ("Bank5Slot1"));

    resetDeviceSettings (*document, false);
    setSlotPath (samplerSlot (*document, 17), "/mine/spare.wav");
    const auto before = *document;
    ASSERT_TRUE (DocumentFiles::loadSettingsFile (*document, file, host));

    EXPECT_EQ (document->scene[SceneEffect::spiralUp][12], 1);
    for (int i = numUnitSlots; i < XPadEffectRecord::numSlots; ++i)
        EXPECT_EQ (std::memcmp (&samplerSlot (*document, i), &samplerSlot (before, i), sizeof (SamplerSlot)), 0) << i;
}

TEST_F (DocumentFilesTest, FailedLoadsLeaveTheDocumentUntouched)
{
    document->isolate[IsolateEffect::isolator][1] = 1;
    const auto before = std::make_unique<DeviceSettings> (*document);

    auto expectRefused = [&] (const juce::File& file, UserMessage message)
    {
        host.alerts.clear();
        EXPECT_FALSE (DocumentFiles::loadSettingsFile (*document, file, host)) << file.getFullPathName();
        EXPECT_EQ (host.lastMessage(), message) << file.getFullPathName();
        EXPECT_TRUE (sameAsBefore (*before));
    };

    expectRefused (juce::File(), UserMessage::rsdCorrupt);
    expectRefused (folder.getChildFile ("missing.RSD"), UserMessage::rsdCorrupt);
    expectRefused (folder, UserMessage::rsdCorrupt);

    const auto fifo = folder.getChildFile ("pipe.RSD");
    ASSERT_EQ (::mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);
    expectRefused (fifo, UserMessage::rsdCorrupt);

    const auto huge = folder.getChildFile ("huge.RSD");
    {
        juce::FileOutputStream out (huge);
        out.setPosition (DocumentFiles::maximumDocumentBytes);
        out.writeByte (' ');
    }
    expectRefused (huge, UserMessage::rsdCorrupt);

    // A value out of range late in the text: the values before it must not stick.
    auto changed = std::make_unique<DeviceSettings> (*document);
    changed->isolate[IsolateEffect::isolator][1] = 2;
    auto text = createSettingsText (*changed, *changed, {});
    text = text.replace ("<Position4>5</Position4>", "<Position4>16</Position4>");
    expectRefused (makeFile ("range.RSD", text), UserMessage::rsdIncorrect);
    expectRefused (makeFile ("cut.RSD", text.substring (0, 200)), UserMessage::rsdCorrupt);
    expectRefused (makeFile ("other.RSD", "<?xml version=\"1.0\"?><other/>"), UserMessage::rsdIncorrect);

    // A processing instruction before text inside an element once made the parser loop for ever.
    const auto looping = makeFile ("loop.RSD", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                               "<QZT-7200 version=\"1.0\"><?x?>b</QZT-7200>");
    returnsWithin (std::chrono::milliseconds (1000), "loading the document",
                   [&] { expectRefused (looping, UserMessage::rsdCorrupt); return true; });
}

TEST_F (DocumentFilesTest, AFileWithoutItsSecondPartLoadsWithAWarning)
{
    auto changed = std::make_unique<DeviceSettings> (*document);
    changed->xpad[XPadEffect::pitch].values[2] = 4;
    const auto text = createSettingsText (*changed, *changed, {}).upToFirstOccurrenceOf ("</QZT-7200>", true, false);

    ASSERT_TRUE (DocumentFiles::loadSettingsFile (*document, makeFile ("old.RSD", text), host));
    EXPECT_EQ (document->xpad[XPadEffect::pitch].values[2], 4);
    ASSERT_EQ (host.alerts.size(), 2u);
    EXPECT_EQ (host.alerts[0].first, UserMessage::rsdVersionDiffers);
    EXPECT_EQ (host.alerts[0].second, AlertKind::warning);
    EXPECT_EQ (host.alerts[1].first, UserMessage::loadingCompleted);
}

TEST_F (DocumentFilesTest, SamplesWithoutADocumentAreOnlyLookedForWhereStored)
{
    const auto there = makeFile ("there.wav", "t");
    setSlotPath (samplerSlot (*document, 4), there.getFullPathName());
    setSlotPath (samplerSlot (*document, 6), folder.getChildFile ("not-there.wav").getFullPathName());

    const auto fifo = folder.getChildFile ("pipe.wav");
    ASSERT_EQ (::mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);
    setSlotPath (samplerSlot (*document, 7), fifo.getFullPathName());

    EXPECT_FALSE (DocumentFiles::loadSamplerWavFiles (*document, juce::File()));
    EXPECT_EQ (getSlotPath (samplerSlot (*document, 4)), there.getFullPathName());
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*document, 6)));
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*document, 7)));
}

TEST_F (DocumentFilesTest, ASampleCutShortByAFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    // The last piece of a copy is the one a buffered stream writes only when it closes: the disk
    // fills up right there, well past everything written before it.
    constexpr int sampleBytes = 120000, diskLimit = 117000;
    juce::MemoryBlock sample ((size_t) sampleBytes);
    juce::Random (25).fillBitsRandomly (sample.getData(), sample.getSize());
    host.temporaryFiles[0] = folder.getChildFile ("prepared");
    ASSERT_TRUE (host.temporaryFiles[0].replaceWithData (sample.getData(), sample.getSize()));
    setSlotPath (samplerSlot (*document, 0), "/src/long.wav");
    const auto older = makeFile ("set/Sampler11.wav", "the sample saved last time");
    ASSERT_LT (createSettingsText (*document, *document, {}).getNumBytesAsUTF8(), (size_t) diskLimit);

    const auto child = fork();
    ASSERT_GE (child, 0);
    if (child == 0)
    {
        std::signal (SIGXFSZ, SIG_IGN);
        const rlimit limit { diskLimit, diskLimit };
        setrlimit (RLIMIT_FSIZE, &limit);
        const bool saved = DocumentFiles::saveSettingsFile (*document, folder.getChildFile ("set.RSD"), host);
        _exit (! saved && host.lastMessage() == UserMessage::savingFailed ? 0 : 1);
    }

    int status = 0;
    ASSERT_EQ (waitpid (child, &status, 0), child);
    EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 0) << "the save must report the failure";
    EXPECT_EQ (older.loadFileAsString(), "the sample saved last time");
    EXPECT_EQ (older.getParentDirectory().getNumberOfChildFiles (juce::File::findFilesAndDirectories
                                                                | juce::File::ignoreHiddenFiles, "*"), 1)
        << "nothing left beside it";
    EXPECT_EQ (older.getParentDirectory().getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);
}
