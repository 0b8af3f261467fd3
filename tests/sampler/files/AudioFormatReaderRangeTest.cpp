#include "sampler/files/AudioFormatReaderRange.h"
#include "sampler/files/PreviewRange.h"

#include "RampWav.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace
{
constexpr double rate = 48000.0;
constexpr int fileFrames = 3 * 48000;
constexpr float untouched = 99.0f;

class AudioFormatReaderRangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (rampwav::write (file.getFile(), rate, fileFrames));
        range = std::make_unique<AudioFormatReaderRange> (rampwav::open (file.getFile()).release(), true);
    }

    /** Renders blocks into the middle of a larger buffer and returns the source index of every
        rendered sample (-1 for silence), after checking that the right channel mirrors the left and
        that nothing outside the block was written. */
    std::vector<juce::int64> render (int total, int blockSize)
    {
        constexpr int margin = 3;
        juce::AudioBuffer<float> buffer (2, blockSize + 2 * margin);
        std::vector<juce::int64> indices;

        for (int done = 0; done < total; done += blockSize)
        {
            const auto n = std::min (blockSize, total - done);
            for (int c = 0; c < 2; ++c)
                juce::FloatVectorOperations::fill (buffer.getWritePointer (c), untouched, buffer.getNumSamples());

            range->getNextAudioBlock (juce::AudioSourceChannelInfo (&buffer, margin, n));

            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const auto left = buffer.getSample (0, i), right = buffer.getSample (1, i);

                if (i < margin || i >= margin + n)
                {
                    EXPECT_EQ (left, untouched) << "written outside the block at " << i;
                    continue;
                }

                EXPECT_EQ (right, -left) << "sample " << done + i - margin;
                indices.push_back (juce::roundToInt (rampwav::sourceIndex (left)));
            }
        }

        return indices;
    }

    /** What a range of `audible` samples from `start`, repeated every `period`, plays. */
    static std::vector<juce::int64> loopOf (juce::int64 start, juce::int64 audible, juce::int64 period, int total)
    {
        std::vector<juce::int64> expected;

        for (juce::int64 i = 0; i < total; ++i)
            expected.push_back (i % period < audible ? start + i % period : -1);

        return expected;
    }

    static std::vector<juce::int64> onceOf (juce::int64 start, juce::int64 audible, int total)
    {
        return loopOf (start, audible, std::numeric_limits<juce::int64>::max(), total);
    }

    /** The first sample where two renderings differ, for a readable failure. */
    static ::testing::AssertionResult same (const std::vector<juce::int64>& actual,
                                            const std::vector<juce::int64>& expected)
    {
        if (actual.size() != expected.size())
            return ::testing::AssertionFailure() << actual.size() << " samples, expected " << expected.size();

        for (size_t i = 0; i < actual.size(); ++i)
            if (actual[i] != expected[i])
                return ::testing::AssertionFailure() << "sample " << i << " plays source " << actual[i]
                                                     << ", expected " << expected[i];

        return ::testing::AssertionSuccess();
    }

    void setLoop (double startMs, double endMs, int32_t tempo)
    {
        const auto r = PreviewRange::forSlot ({ startMs, endMs, true, tempo });
        range->setLooping (true);
        range->setRange (r.startMs / 1000.0, r.playEndMs / 1000.0, r.periodEndMs / 1000.0);
    }

    juce::TemporaryFile file { ".wav" };
    std::unique_ptr<AudioFormatReaderRange> range;
};
} // namespace

TEST_F (AudioFormatReaderRangeTest, LoopsOnTheQuarterBeatGridExactAtEveryWrap)
{
    struct Case { double startMs, endMs; juce::int64 audible, period; };

    // 120 BPM: a quarter beat is 125 ms, 6,000 samples.
    const Case cases[] = {
        { 250.0, 1250.0, 48000, 48000 },    // 1.000 s loops at exactly 1.000 s
        { 250.0, 1310.0, 48000, 48000 },    // 1.060 s: the 60 ms past the last quarter beat are cut
        { 250.0, 1320.0, 51360, 54000 },    // 1.070 s: loops at 1.125 s, 55 ms of silence after the audio
        { 100.0, 150.0, 2400, 6000 },       // shorter than a quarter beat: silence fills the quarter beat
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.startMs) + " .. " + juce::String (c.endMs) + " ms");
        setLoop (c.startMs, c.endMs, 12000);
        EXPECT_EQ (range->getTotalLength(), c.period);

        const auto total = (int) (2 * c.period + c.period / 2);
        EXPECT_TRUE (same (render (total, 512), loopOf ((juce::int64) (c.startMs * 48), c.audible, c.period, total)));
        EXPECT_EQ (range->getNextReadPosition(), total % c.period);
    }
}

TEST_F (AudioFormatReaderRangeTest, DeviceBlocksLongerThanTheLoop)
{
    range->setLooping (true);

    // Periods of a few samples wrap hundreds of times within one block; odd block sizes move the wraps
    // around the block edges.
    for (const auto period : { 1, 3, 100 })
    {
        SCOPED_TRACE ("period " + juce::String (period));
        range->setRange (1.0, 1.0 + period / rate, -1.0);
        EXPECT_TRUE (same (render (3 * 4096, 4096), loopOf (48000, period, period, 3 * 4096)));

        range->setRange (1.0, 1.0 + period / rate, 1.0 + 3 * period / rate);
        EXPECT_TRUE (same (render (5000, 1023), loopOf (48000, period, 3 * period, 5000)));
    }

    // An empty range has a period of 0: silence, and no division by it.
    range->setRange (2.0, 2.0, -1.0);
    EXPECT_EQ (range->getTotalLength(), 0);
    EXPECT_TRUE (same (render (4096, 4096), loopOf (0, 0, 1, 4096)));
    EXPECT_EQ (range->getNextReadPosition(), 0);

    // A position far beyond the period is taken within it, never read before the range or past it.
    range->setRange (1.0, 1.0 + 100 / rate, -1.0);
    range->setNextReadPosition (1000000 + 30);
    EXPECT_EQ (range->getNextReadPosition(), 30);
    const auto played = render (4096, 4096);
    EXPECT_EQ (played.front(), 48030);
    EXPECT_TRUE (same ({ played.begin() + 70, played.end() }, loopOf (48000, 100, 100, 4096 - 70)));
}

TEST_F (AudioFormatReaderRangeTest, OneShotEndsAtTheRangeEndAndStaysSilent)
{
    range->setRange (1.0, 1.5, -1.0);
    EXPECT_FALSE (range->isLooping());
    EXPECT_TRUE (same (render (30000, 700), onceOf (48000, 24000, 30000)));
    EXPECT_EQ (range->getNextReadPosition(), 24000);
    EXPECT_TRUE (same (render (5000, 4096), onceOf (0, 0, 5000)));

    // A block longer than what is left plays the rest, not the range again from its start.
    range->setRange (1.0, 1.0 + 1000 / rate, -1.0);
    auto played = render (600, 600);
    const auto rest = render (4096, 4096);
    played.insert (played.end(), rest.begin(), rest.end());
    EXPECT_TRUE (same (played, onceOf (48000, 1000, 4696)));

    // Setting a position plays again from there.
    range->setNextReadPosition (900);
    EXPECT_TRUE (same (render (200, 200), onceOf (48900, 100, 200)));

    // Switching looping on after the end plays the loop again.
    range->setLooping (true);
    EXPECT_TRUE (same (render (2500, 512), loopOf (48000, 1000, 1000, 2500)));
}

TEST_F (AudioFormatReaderRangeTest, RangeIsKeptInsideTheReader)
{
    // Past the end: the range ends with the file and the period with it.
    range->setLooping (true);
    range->setRange (2.9, 5.0, -1.0);
    EXPECT_EQ (range->getTotalLength(), 4800);
    EXPECT_TRUE (same (render (10000, 512), loopOf (139200, 4800, 4800, 10000)));

    // A loop period past the file's end is silence, not a read beyond it.
    range->setRange (2.9, 5.0, 3.1);
    EXPECT_EQ (range->getTotalLength(), 9600);
    EXPECT_TRUE (same (render (20000, 512), loopOf (139200, 4800, 9600, 20000)));

    // Negative, reversed and unreadable times.
    range->setRange (-1.0, 0.001, -1.0);
    EXPECT_TRUE (same (render (100, 64), loopOf (0, 48, 48, 100)));
    range->setRange (1.0, 0.5, -1.0);
    EXPECT_EQ (range->getTotalLength(), 0);
    range->setRange (std::nan (""), std::numeric_limits<double>::infinity(), std::nan (""));
    EXPECT_EQ (range->getTotalLength(), fileFrames);
    range->setNextReadPosition (-5);
    EXPECT_EQ (range->getNextReadPosition(), 0);
}

TEST_F (AudioFormatReaderRangeTest, RangeChangesWhileTheAudioThreadRenders)
{
    // Two ranges far apart on the file, with different lengths and periods: a block that mixed the
    // fields of both would read samples that belong to neither.
    struct Span { double start, end, periodEnd; juce::int64 first, last; };
    const Span spans[] = { { 0.1, 0.2, 0.25, 4800, 9599 }, { 2.0, 2.05, -1.0, 96000, 98399 } };

    // Set before the audio thread starts: the whole file it starts with would count as strays.
    range->setRange (spans[0].start, spans[0].end, spans[0].periodEnd);
    std::atomic<bool> done { false };
    std::atomic<int> blocks { 0 }, strays { 0 };

    std::thread audio ([&]
    {
        juce::AudioBuffer<float> buffer (2, 256);

        while (! done)
        {
            range->getNextAudioBlock (juce::AudioSourceChannelInfo (buffer));

            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                const auto index = juce::roundToInt (rampwav::sourceIndex (buffer.getSample (0, i)));
                const auto inside = [index] (const Span& span) { return index >= span.first && index <= span.last; };

                if (index != -1 && ! inside (spans[0]) && ! inside (spans[1]))
                    ++strays;
            }

            ++blocks;
        }
    });

    for (int i = 0; i < 20000 || blocks < 5000; ++i)
    {
        const auto& s = spans[i % 2];
        range->setRange (s.start, s.end, s.periodEnd);
        range->setLooping (i % 3 != 0);
        range->setNextReadPosition (i % 7 * 100);
        EXPECT_LE (range->getNextReadPosition(), range->getTotalLength());
    }

    done = true;
    audio.join();
    EXPECT_EQ (strays.load(), 0);
}
