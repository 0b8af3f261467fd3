#include "SamplerFilesFixture.h"
#include "sampler/files/SampleWavInfo.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

using namespace wavtest;
using Outcome = SamplerTemporaryFiles::SlotOutcome;
using State = SamplerTemporaryFiles::SlotState;

namespace
{
using SamplerTemporaryFilesTest = SamplerFilesFixture;

/** Says stop from its limit-th question on. */
struct CancelAfter
{
    explicit CancelAfter (int n) : limit (n) {}
    bool operator()() { return ++asked >= limit; }

    const int limit;
    std::atomic<int> asked { 0 };
};

bool tilesMirror (const DeviceSettings& document, const SamplerTiles& tiles)
{
    for (int i = 0; i < SamplerTiles::numTiles; ++i)
        if (std::memcmp (&samplerSlot (document, i), &tiles.getWorkingCopy (i), sizeof (SamplerSlot)) != 0)
            return false;

    return true;
}
} // namespace

TEST_F (SamplerTemporaryFilesTest, OnlyWhatShapesTheFileRebuildsIt)
{
    fill (0, source ("a.wav", 2.0));
    fill (4, source ("b.wav", 1.0));
    samplerSlot (*document, 1) = samplerSlot (*document, 0);
    samplerSlot (*document, 1).loop = 1;                    // a slot that may not loop
    fill (2, sources.getChildFile ("gone.wav"), 77);

    const auto result = run();
    EXPECT_EQ (result.slots[0], Outcome::built);
    EXPECT_EQ (result.slots[2], Outcome::emptied);
    EXPECT_EQ (result.slots[3], Outcome::empty);
    EXPECT_EQ (filesInTmpDir(), 3);

    // Loading settles the records: the whole source as range, no loop where the slot may not loop, a
    // sample that is gone emptied at 0 dB; the tiles mirror the document.
    auto& zero = samplerSlot (*document, 0);
    EXPECT_EQ (zero.end, 96000);
    EXPECT_EQ (samplerSlot (*document, 1).loop, 0);
    EXPECT_EQ (samplerSlot (*document, 2).gainIndex, 128);
    EXPECT_EQ (files->getState (2), State::empty);
    EXPECT_TRUE (tilesMirror (*document, tiles));

    // A fix-state change keeps the file; a gain change replaces it, and so does undoing it.
    const auto first = files->getTemporaryFile (0);
    const auto beforeGain = zero;
    zero.fixState = 1;
    EXPECT_EQ (run().slots[0], Outcome::unchanged);
    EXPECT_EQ (files->getTemporaryFile (0), first);

    zero.gainIndex = 150;
    EXPECT_EQ (run().slots[0], Outcome::built);
    EXPECT_FALSE (first.exists());
    zero = beforeGain;
    const auto undone = run();
    EXPECT_EQ (undone.slots[0], Outcome::built);
    EXPECT_EQ (undone.slots[4], Outcome::unchanged);
    EXPECT_EQ (filesInTmpDir(), 3);
}

TEST_F (SamplerTemporaryFilesTest, CancelStopsWithinAFileAndLeavesNone)
{
    const auto src = source ("long.wav", 10.0);
    TemporarySampleFile file;
    CancelAfter cancel (50);

    EXPECT_EQ (file.write (src, 0, 0, 0, 0, 128, std::ref (cancel)), TemporarySampleFile::Outcome::cancelled);
    EXPECT_GE (cancel.asked.load(), 50) << "asked between blocks, not only before the file";
    EXPECT_FALSE (file.hasFile());
    EXPECT_EQ (filesInTmpDir(), 0);
}

TEST_F (SamplerTemporaryFilesTest, ACancelledRunLeavesNoStaleFileAndTheTilesMirroringTheDocument)
{
    const auto src = source ("two.wav", 2.0);

    for (int slot = 0; slot < 8; ++slot)
        fill (slot, src, 100 + slot);

    ASSERT_FALSE (run().cancelled);

    for (int slot = 0; slot < 8; ++slot)
        samplerSlot (*document, slot).gainIndex += 10;

    // One worker: slot 0 is rebuilt, slot 1 is stopped inside its file, the rest are never reached.
    files->setMaxThreads (1);
    CancelAfter cancel (60);
    SamplerTemporaryFiles::RunHooks hooks;
    hooks.shouldCancel = std::ref (cancel);
    const auto result = run (false, hooks);
    EXPECT_TRUE (result.cancelled);
    EXPECT_EQ (result.slots[0], Outcome::built);
    EXPECT_EQ (result.slots[1], Outcome::cancelled);
    EXPECT_EQ (result.slots[2], Outcome::notReached);

    files->settle (*document, tiles);
    EXPECT_EQ (files->getState (0), State::ready);

    for (int slot = 1; slot < 8; ++slot)
    {
        EXPECT_EQ (files->getState (slot), State::notReady) << slot;
        EXPECT_EQ (files->getTemporaryFile (slot), juce::File()) << slot;
    }

    EXPECT_EQ (filesInTmpDir(), 1);
    EXPECT_TRUE (tilesMirror (*document, tiles));

    files->setMaxThreads (4);
    EXPECT_FALSE (run().cancelled);
    EXPECT_EQ (files->getState (7), State::ready);
}

TEST_F (SamplerTemporaryFilesTest, AFailedBuildLeavesTheSlotNotReady)
{
    fill (0, source ("a.wav", 0.5));
    ASSERT_EQ (run().slots[0], Outcome::built);

    // Nowhere to write: the old file goes too, so saving cannot copy a stale one.
    ::setenv ("TMPDIR", tmpDir.getChildFile ("missing").getFullPathName().toRawUTF8(), 1);
    samplerSlot (*document, 0).gainIndex = 40;
    EXPECT_EQ (run().slots[0], Outcome::failed);
    EXPECT_EQ (files->getState (0), State::notReady);
    EXPECT_EQ (files->getTemporaryFile (0), juce::File());
    EXPECT_EQ (filesInTmpDir(), 0);
    ::setenv ("TMPDIR", tmpDir.getFullPathName().toRawUTF8(), 1);
}

TEST_F (SamplerTemporaryFilesTest, RecordsChangeOnlyUnderTheLockTheWindowGives)
{
    const auto src = source ("half.wav", 0.5);

    for (int slot = 0; slot < numUnitSlots; ++slot)
        fill (slot, src, 60 + slot);

    // While a painter holds the lock, neither the document nor any tile may change.
    std::mutex guiLock;
    std::atomic<bool> running { true };
    std::atomic<int> changedUnderLock { 0 };

    std::thread painter ([&]
    {
        auto before = std::make_unique<DeviceSettings>();
        SamplerTiles tilesBefore;

        while (running)
        {
            const std::lock_guard<std::mutex> hold (guiLock);
            *before = *document;
            tilesBefore = tiles;
            std::this_thread::sleep_for (std::chrono::microseconds (300));

            if (std::memcmp (before.get(), document.get(), sizeof (DeviceSettings)) != 0
                 || std::memcmp (&tilesBefore, &tiles, sizeof (SamplerTiles)) != 0)
                ++changedUnderLock;
        }
    });

    SamplerTemporaryFiles::RunHooks hooks;
    hooks.runLocked = [&] (const std::function<void()>& fn) { const std::lock_guard<std::mutex> hold (guiLock); fn(); return true; };
    EXPECT_FALSE (run (false, hooks).cancelled);
    running = false;
    painter.join();
    EXPECT_EQ (changedUnderLock.load(), 0);

    // A lock that cannot be had (the window's, once Cancel is pressed) ends the run with nothing touched.
    samplerSlot (*document, 3).gainIndex = 1;
    const auto before = std::make_unique<DeviceSettings> (*document);
    hooks.runLocked = [] (const std::function<void()>&) { return false; };
    EXPECT_TRUE (run (false, hooks).cancelled);
    EXPECT_EQ (std::memcmp (before.get(), document.get(), sizeof (DeviceSettings)), 0);
    files->settle (*document, tiles);
    EXPECT_EQ (files->getState (3), State::notReady);
    EXPECT_EQ (files->getState (4), State::ready);
}

TEST_F (SamplerTemporaryFilesTest, ALastOddChunkWithoutItsPadByteIsAcceptedAndBuilds)
{
    // Many writers end a file with an odd-sized chunk and no pad byte.
    auto bytes = pcmFile (4410, 44100);
    bytes.chunk ("LIST", 4 + 8 + 5).id ("INFO").chunk ("INAM", 5).fill (5, 'k');
    bytes.closeRiff();
    ASSERT_EQ (bytes.data.size() % 2, 1u);

    const auto odd = write ("odd.wav", bytes);
    EXPECT_EQ (readSampleWavInfo (odd, nullptr, nullptr, nullptr, true, nullptr), sampleWavOk);
    fill (0, odd);
    ASSERT_EQ (run().slots[0], Outcome::built);
    EXPECT_EQ (readWav (files->getTemporaryFile (0)).getNumSamples(), 4800);
}
