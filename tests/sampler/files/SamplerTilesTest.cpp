#include "SamplerFilesFixture.h"

#include <cstring>

using namespace wavtest;

namespace
{
using SamplerTilesTest = SamplerFilesFixture;

SamplerSlot namedRecord (const char* path, int32_t length)
{
    SamplerSlot slot {};
    initSamplerSlot (slot);
    setSlotPath (slot, path);
    slot.length = length;
    return slot;
}

bool mirrors (const DeviceSettings& document, const SamplerTiles& tiles, int slot)
{
    return std::memcmp (&samplerSlot (document, slot), &tiles.getWorkingCopy (slot), sizeof (SamplerSlot)) == 0;
}
} // namespace

TEST_F (SamplerTilesTest, AFullBankDimsItsEmptyTilesAndRefusesThemAsTargets)
{
    const auto six = source ("six.wav", 6.0);

    for (int slot : { 4, 5, 6, 8 })
        fill (slot, six);

    samplerSlot (*document, 8).start = 48000;
    samplerSlot (*document, 8).end = 3 * 48000;
    run();

    EXPECT_DOUBLE_EQ (tiles.getBankTotal (1), 18.0);
    EXPECT_DOUBLE_EQ (tiles.getBankTotal (2), 2.0);
    EXPECT_EQ (SamplerTiles::gaugePixels (tiles.getBankTotal (1), 54), 54);
    EXPECT_EQ (SamplerTiles::gaugePixels (tiles.getBankTotal (2), 54), 6);
    EXPECT_TRUE (tiles.isUnavailable (7));
    EXPECT_FALSE (tiles.isUnavailable (3));

    // Only the tile at which the bank first passes 16 s shows the excess.
    EXPECT_EQ (tiles.getOverLimitText (6), "OVER 2.00sec");
    EXPECT_EQ (tiles.getOverLimitText (5), "");
    EXPECT_EQ (tiles.getOverLimitText (7), "");

    // Skipped by the keys, no editor, no drag, no drops from other banks or from the desktop.
    EXPECT_EQ (tiles.nextSlot (6), 8);
    EXPECT_EQ (tiles.slotBelow (3), 11);
    EXPECT_EQ (tiles.createEditorModel (7), nullptr);
    EXPECT_FALSE (tiles.canStartDrag (7));
    EXPECT_FALSE (tiles.dropTile (8, 7, false, *document));
    EXPECT_TRUE (tiles.dropFile (7, six, *document).refused);

    // Within the bank a sample may still move onto it; the next run counts again.
    EXPECT_TRUE (tiles.dropTile (4, 7, false, *document));
    run();
    EXPECT_TRUE (tiles.isUnavailable (4));
    EXPECT_FALSE (tiles.isUnavailable (7));
}

TEST_F (SamplerTilesTest, KeysWrapAroundTheGridAndTheSpareRow)
{
    EXPECT_EQ (tiles.nextSlot (18), 0);
    EXPECT_EQ (tiles.previousSlot (0), 18);
    EXPECT_EQ (tiles.slotAbove (1), 16);
    EXPECT_EQ (tiles.slotBelow (14), 18);
    EXPECT_EQ (tiles.slotBelow (18), 3);
    EXPECT_EQ (tiles.slotBelow (15), 0);
}

TEST_F (SamplerTilesTest, TileDragsSwapCopyAndDelete)
{
    tiles.setWorkingCopy (3, namedRecord ("/samples/a.wav", 1000));
    tiles.setWorkingCopy (7, namedRecord ("/samples/b.wav", 2000));

    ASSERT_TRUE (tiles.dropTile (3, 7, false, *document));
    EXPECT_EQ (getSlotPath (tiles.getWorkingCopy (3)), "/samples/b.wav");
    EXPECT_EQ (getSlotPath (tiles.getWorkingCopy (7)), "/samples/a.wav");

    // Ctrl copies a filled source; from an empty one it swaps.
    ASSERT_TRUE (tiles.dropTile (7, 3, true, *document));
    EXPECT_EQ (getSlotPath (tiles.getWorkingCopy (3)), "/samples/a.wav");
    EXPECT_EQ (getSlotPath (tiles.getWorkingCopy (7)), "/samples/a.wav");
    ASSERT_TRUE (tiles.dropTile (2, 3, true, *document));
    EXPECT_EQ (getSlotPath (tiles.getWorkingCopy (2)), "/samples/a.wav");
    EXPECT_TRUE (slotPathIsEmpty (tiles.getWorkingCopy (3)));

    // The DELETE tile empties the source at 0 dB.
    ASSERT_TRUE (tiles.dropTile (2, SamplerTiles::deleteTile, false, *document));
    EXPECT_TRUE (slotPathIsEmpty (samplerSlot (*document, 2)));
    EXPECT_EQ (samplerSlot (*document, 2).gainIndex, 128);

    for (int slot = 0; slot < SamplerTiles::numTiles; ++slot)
        EXPECT_TRUE (mirrors (*document, tiles, slot)) << slot;

    EXPECT_FALSE (tiles.dropTile (5, 5, false, *document));
    EXPECT_FALSE (tiles.dropTile (SamplerTiles::deleteTile, 3, false, *document));
}

TEST_F (SamplerTilesTest, FileDropsFollowTheWavCheck)
{
    const auto looped = source ("loop.wav", 1.0, 1, 12800);
    EXPECT_EQ (tiles.getFileNameText (1) + tiles.getLengthText (1) + tiles.getPlayModeText (1), "---------");
    auto quiet = tiles.getWorkingCopy (1);
    quiet.gainIndex = 100;
    tiles.setWorkingCopy (1, quiet);

    // Slot 1 may not loop, slot 4 may; the tile keeps its gain; the file's tempo becomes the held value.
    ASSERT_TRUE (tiles.dropFile (1, looped, *document).changedSlot());
    const auto& one = samplerSlot (*document, 1);
    EXPECT_EQ (one.tempo, 12800);
    EXPECT_EQ (one.fixState, 2);
    EXPECT_EQ (one.gainIndex, 100);
    EXPECT_EQ (tiles.getPlayModeText (1), "ONE-SHOT");
    EXPECT_EQ (tiles.getLengthText (1), "1.00sec");
    EXPECT_EQ (tiles.getFileNameText (1), "loop.wav");
    EXPECT_TRUE (mirrors (*document, tiles, 1));
    EXPECT_TRUE (tiles.dropFile (4, looped, *document).changedSlot());
    EXPECT_EQ (tiles.getPlayModeText (4), "LOOP");

    // Refusals leave the slot as it was; only a file that was looked at is followed by a run.
    using Verdict = SampleFileAcceptance::Verdict;
    const auto before = one;
    struct Case { juce::File file; Verdict verdict; std::optional<UserMessage> alert; bool run; };
    const Case cases[] = {
        { sources.getChildFile ("take.aif"), Verdict::notWav, std::nullopt, false },
        { sources.getChildFile ("gone.wav"), Verdict::notAFile, std::nullopt, true },
        { write ("alaw.wav", riffWave().fmt (6, 1, 8000, 8).chunk ("data", 0).closeRiff()), Verdict::unsupported,
          UserMessage::unsupportedWav, true },
        { sources.getChildFile (juce::String::repeatedString ("deep/", 205) + "x.wav"), Verdict::pathTooLong,
          UserMessage::samplePathTooLong, false },
    };

    for (const auto& c : cases)
    {
        const auto drop = tiles.dropFile (1, c.file, *document);
        EXPECT_EQ (drop.acceptance.verdict, c.verdict) << c.file.getFileName();
        EXPECT_EQ (drop.acceptance.alert(), c.alert) << c.file.getFileName();
        EXPECT_EQ (drop.needsRun(), c.run) << c.file.getFileName();
        EXPECT_EQ (std::memcmp (&one, &before, sizeof before), 0) << c.file.getFileName();
    }

    // A slot holds 1,023 code units; a character outside the basic plane takes two.
    const auto emoji = juce::String (juce::CharPointer_UTF8 ("\xf0\x9f\x8e\xb5"));
    EXPECT_TRUE (slotPathFits ("/" + juce::String::repeatedString ("a", 1020) + emoji));
    EXPECT_FALSE (slotPathFits ("/" + juce::String::repeatedString ("a", 1021) + emoji));
}
