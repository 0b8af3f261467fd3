#include "sampler/files/SamplePreview.h"
#include "sampler/files/SampleGain.h"
#include "sampler/files/SlotEditorModel.h"

#include "RampWav.h"
#include "TestAudioDeviceType.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr int blockSize = 512;

/** The source indices of a stretch of the device's recording (left channel), -1 for silence. */
std::vector<double> playedFrom (const TestAudioDevice& device, int firstBlock, float gain = 1.0f)
{
    const auto left = device.recording (0);
    std::vector<double> indices;

    for (auto i = (size_t) firstBlock * blockSize; i < left.size(); ++i)
        indices.push_back (left[i] == 0.0f ? -1.0 : rampwav::sourceIndex (left[i] / gain));

    return indices;
}

/** True when every sample is silence or lies within first..last of the source (a few samples of slack
    for the rate converter's filter). */
::testing::AssertionResult within (const std::vector<double>& indices, double first, double last)
{
    for (size_t i = 0; i < indices.size(); ++i)
        if (indices[i] != -1.0 && (indices[i] < first - 3.0 || indices[i] > last + 3.0))
            return ::testing::AssertionFailure() << "sample " << i << " plays source " << indices[i]
                                                 << ", outside " << first << " .. " << last;

    return ::testing::AssertionSuccess();
}

class SamplePreviewTest : public ::testing::Test
{
protected:
    void install (TestAudioDevice::Options options, bool hasDevice = true)
    {
        TestAudioDeviceType::installInto (devices, std::move (options), hasDevice);
        preview = std::make_unique<SamplePreview> (devices);
    }

    TestAudioDevice& device()
    {
        auto* d = dynamic_cast<TestAudioDevice*> (devices.getCurrentAudioDevice());
        EXPECT_NE (d, nullptr);
        return *d;
    }

    void TearDown() override
    {
        preview.reset();
        EXPECT_EQ (devices.getCurrentAudioDevice(), nullptr) << "the preview leaves the output closed";
    }

    juce::TemporaryFile source { ".wav" };
    juce::AudioDeviceManager devices;
    std::unique_ptr<SamplePreview> preview;
};
} // namespace

TEST_F (SamplePreviewTest, WithoutAnOutputOrAReadableSourceNothingStarts)
{
    install ({}, false);
    ASSERT_TRUE (rampwav::write (source.getFile(), 44100.0, 44100));

    EXPECT_EQ (preview->play (source.getFile(), { 0.0, 500.0, false, 0 }, 128), SamplePreview::Outcome::noOutputDevice);
    EXPECT_FALSE (preview->hasRange());
    EXPECT_FALSE (preview->isPlaying());
    EXPECT_EQ (devices.getCurrentAudioDevice(), nullptr);

    // What the editor does next stays harmless.
    preview->updateRange ({ 0.0, 200.0, true, 12000 });
    preview->setGainIndex (0);
    preview->stop();
    EXPECT_FALSE (preview->hasRange());

    // With an output, a source that cannot be read starts nothing either.
    juce::AudioDeviceManager withOutput;
    TestAudioDeviceType::installInto (withOutput);
    SamplePreview other (withOutput);
    EXPECT_EQ (other.play (source.getFile().getSiblingFile ("gone.wav"), { 0.0, 500.0, false, 0 }, 128),
               SamplePreview::Outcome::unreadableFile);
    EXPECT_FALSE (other.hasRange());
    EXPECT_FALSE (other.isPlaying());
}

TEST_F (SamplePreviewTest, PlaysOnceAtTheSourcesRateOnAnOutputOfAnotherRate)
{
    install ({ { 48000.0 }, blockSize, 1 });
    ASSERT_TRUE (rampwav::write (source.getFile(), 44100.0, 2 * 44100));

    // From the slot editor's values, as its play button does.
    SamplerSlot record {};
    initSamplerSlot (record);
    setSlotPath (record, source.getFile().getFullPathName());
    record.length = 2 * 44100;
    record.sampleRate = 44100;
    SlotEditorModel slot (record, 0, 0.0);
    slot.setStart (500.0);
    slot.setEnd (1000.0);

    ASSERT_EQ (preview->play (slot), SamplePreview::Outcome::started);
    EXPECT_TRUE (preview->isPlaying());
    EXPECT_EQ (device().getCurrentSampleRate(), 48000.0);
    ASSERT_TRUE (device().waitForBlocks (120));

    // Half a second of the source takes half a second of the output, then silence for good. The
    // rate converter's filter rings for some dozens of samples at the edges, so the sound is told by
    // its level (the range's samples are all above 0.02) and the ramp is checked inside the edges.
    const auto left = device().recording (0);
    const auto sounds = [] (float v) { return std::abs (v) > 0.005f; };
    const auto first = std::find_if (left.begin(), left.end(), sounds);
    const auto last = std::find_if (left.rbegin(), left.rend(), sounds).base();
    ASSERT_LT (first, last);
    EXPECT_EQ (std::count_if (first, last, sounds), last - first) << "one stretch of sound";
    EXPECT_NEAR ((double) (last - first), 24000.0, 8.0);

    const auto step = 44100.0 / 48000.0;
    EXPECT_NEAR (rampwav::sourceIndex (*(first + 100)), 22050.0 + 100 * step, 2.0);
    EXPECT_NEAR (rampwav::sourceIndex (*(last - 101)), 44099.0 - 100 * step, 2.0);
    EXPECT_TRUE (std::is_sorted (first + 100, last - 100));
    EXPECT_TRUE (std::all_of (std::min (last + 200, left.end()), left.end(), [] (float v) { return v == 0.0f; }));
}

// Also run under ThreadSanitizer: the editor changes the range, the gain and the transport from the
// message thread while the device's thread plays.
TEST_F (SamplePreviewTest, RangeChangesWhilePlayingAndStops)
{
    install ({ { 44100.0, 48000.0 }, blockSize, 2 });
    ASSERT_TRUE (rampwav::write (source.getFile(), 44100.0, 3 * 44100));

    // 120 BPM, 500 ms: four quarter beats, looping.
    ASSERT_EQ (preview->play (source.getFile(), { 500.0, 1000.0, true, 12000 }, 128), SamplePreview::Outcome::started);
    EXPECT_EQ (device().getCurrentSampleRate(), 44100.0) << "the preferred rate is taken where offered";
    ASSERT_TRUE (device().waitForBlocks (100));
    const auto looped = playedFrom (device(), 0);
    EXPECT_TRUE (within (looped, 22050.0, 44099.0));
    EXPECT_GE (std::count (looped.begin(), looped.end(), 22050.0), 2) << "wraps back to the range start, exactly";

    // 100 ms, shorter than a quarter beat: sound, then silence to the quarter beat, over and over.
    preview->updateRange ({ 2000.0, 2100.0, true, 12000 });
    auto changedAt = device().blocksRendered() + 1;
    ASSERT_TRUE (device().waitForBlocks (changedAt + 60));
    const auto shortLoop = playedFrom (device(), changedAt);
    EXPECT_TRUE (within (shortLoop, 88200.0, 92609.0));
    EXPECT_GE (std::count (shortLoop.begin(), shortLoop.end(), -1.0), 2 * 1100) << "the quarter beat's silence";
    EXPECT_GE (std::count (shortLoop.begin(), shortLoop.end(), 88200.0), 2);

    // The gain reaches the output within a block or two.
    const auto quietest = gainIndexToAmplitude (0);
    preview->setGainIndex (0);
    changedAt = device().blocksRendered() + 2;
    ASSERT_TRUE (device().waitForBlocks (changedAt + 20));
    EXPECT_TRUE (within (playedFrom (device(), changedAt, quietest), 88200.0, 92609.0));

    preview->stop();
    EXPECT_FALSE (preview->isPlaying());
    const auto stoppedAt = device().blocksRendered() + 1;
    ASSERT_TRUE (device().waitForBlocks (stoppedAt + 10));
    const auto after = playedFrom (device(), stoppedAt);
    EXPECT_TRUE (std::all_of (after.begin(), after.end(), [] (double i) { return i == -1.0; }));

    // Play again at the same gain: a fresh range, whole from its start.
    const auto restartedAt = device().blocksRendered();
    ASSERT_EQ (preview->play (source.getFile(), { 100.0, 200.0, false, 0 }, 0), SamplePreview::Outcome::started);
    ASSERT_TRUE (device().waitForBlocks (restartedAt + 20));
    const auto restarted = playedFrom (device(), restartedAt, quietest);
    EXPECT_TRUE (within (restarted, 4410.0, 8819.0));
    EXPECT_EQ (std::count_if (restarted.begin(), restarted.end(), [] (double i) { return i != -1.0; }), 4410);
}
