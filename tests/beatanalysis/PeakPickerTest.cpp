#include "EnvelopeWindow.h"
#include "PeakPicker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace
{
// A picker as the bank sets it up: 44,100 Hz, one decimated value per 8 samples.
void setUp (PeakPicker& p)
{
    p.init (44100);
    p.positionStep = 8;
}

// Feeds values until process() confirms an onset; returns how many values that took (-1: never).
int32_t stepsUntilOnset (PeakPicker& p, float value, int32_t limit)
{
    for (int32_t i = 1; i <= limit; ++i)
        if (p.process (value))
            return i;

    return -1;
}
} // namespace

TEST (PeakPicker, DefaultsAndPhaseLengths)
{
    PeakPicker fresh;
    EXPECT_EQ (fresh.sampleRate, 0u);
    EXPECT_EQ (fresh.threshold, 0.001f);
    EXPECT_EQ (fresh.thresholdFloor, 0.001f);
    EXPECT_EQ (fresh.positionStep, 16);
    EXPECT_EQ (fresh.envelope.sourceBand, -1);
    EXPECT_FALSE (fresh.envelope.shapingOn);
    EXPECT_EQ (fresh.envelope.window, nullptr);

    // Single-precision 0.29, 1.7 and 1.3 widened to double before the multiply, then truncated.
    PeakPicker p;
    p.init (44100);
    EXPECT_EQ (p.holdSamples, 12788u);
    EXPECT_EQ (p.levelPhaseLength, 74970);
    EXPECT_EQ (p.firstDecayLength, 57329);
    p.init (48000);
    EXPECT_EQ (p.holdSamples, 13919u);
    EXPECT_EQ (p.levelPhaseLength, 81600);
    EXPECT_EQ (p.laterDecayLength, 62399);
}

TEST (PeakPicker, HoldConfirmsTheLargestValue)
{
    PeakPicker p;
    setUp (p);

    // Below the starting threshold of 0.001 nothing starts; at 0.001 a peak starts.
    EXPECT_FALSE (p.process (0.0009f));
    EXPECT_EQ (p.state, 0);
    EXPECT_FALSE (p.process (0.001f));
    EXPECT_EQ (p.state, 1);
    EXPECT_EQ (p.peakPosition, 16);

    // A larger value during the hold moves the onset and restarts the hold.
    EXPECT_FALSE (p.process (0.5f));
    EXPECT_EQ (p.peakPosition, 24);
    EXPECT_EQ (p.threshold, 0.375f);
    for (int32_t i = 0; i < 100; ++i)
        EXPECT_FALSE (p.process (0.4f));
    EXPECT_FALSE (p.process (1.0f));
    const int32_t peakAt = p.position;
    EXPECT_EQ (p.peakPosition, peakAt);
    EXPECT_EQ (p.peakLevel, 1.0f);

    // Confirmed at the first decimated value at least 12,788 samples after the peak (12,792 = 1599 x 8).
    EXPECT_EQ (stepsUntilOnset (p, 0.0f, 5000), 1599);
    EXPECT_EQ (p.position - peakAt, 12792);
    EXPECT_EQ (p.peakPosition, peakAt);
    EXPECT_EQ (p.state, 0);
}

TEST (PeakPicker, ThresholdScheduleAfterAPeak)
{
    PeakPicker p;
    setUp (p);
    p.process (1.0f);
    const int32_t peakAt = p.position;
    ASSERT_EQ (stepsUntilOnset (p, 0.0f, 5000), 1599);

    auto advanceTo = [&] (int32_t samplesAfterPeak)
    {
        while (p.position - peakAt < samplesAfterPeak)
            p.process (0.0f);
    };

    // 0.75 x peak for 1.7 s (74,970 samples)...
    advanceTo (74968);
    EXPECT_EQ (p.threshold, 0.75f);
    EXPECT_EQ (p.decayPhase, 0);
    // ...then linearly to 0.5 x peak over 1.3 s...
    advanceTo (74970 + 57329 / 2);
    EXPECT_NEAR (p.threshold, 0.625f, 2.0e-4f);
    EXPECT_EQ (p.decayPhase, 1);
    advanceTo (74970 + 57329);
    EXPECT_NEAR (p.threshold, 0.5f, 2.0e-4f);
    // ...then halving every 1.3 s...
    advanceTo (74970 + 2 * 57329);
    EXPECT_NEAR (p.threshold, 0.25f, 2.0e-4f);
    advanceTo (74970 + 3 * 57329);
    EXPECT_NEAR (p.threshold, 0.125f, 2.0e-4f);
    // ...never below the floor.
    advanceTo (74970 + 14 * 57329);
    EXPECT_EQ (p.threshold, 0.001f);

    // While the threshold stands at 0.75, 0.7 is no onset but 0.8 is.
    PeakPicker q;
    setUp (q);
    q.process (1.0f);
    stepsUntilOnset (q, 0.0f, 5000);
    EXPECT_FALSE (q.process (0.7f));
    EXPECT_EQ (q.state, 0);
    EXPECT_FALSE (q.process (0.8f));
    EXPECT_EQ (q.state, 1);
}

TEST (EnvelopeWindow, LengthsAndShaping)
{
    EnvelopeWindow w;
    EXPECT_EQ (w.init (1.0f, 0, 44100), 0);
    EXPECT_EQ (w.windowLength, 44);
    EXPECT_EQ (w.sourceBand, 0);
    EXPECT_TRUE (w.shapingOn);
    EXPECT_EQ (w.init (0.2f, 3, 44100), 0);
    EXPECT_EQ (w.windowLength, 9);
    EXPECT_EQ (w.init (1.0f, 0, 48000), 0);
    EXPECT_EQ (w.windowLength, 48);
    EXPECT_EQ (w.init (0.2f, 3, 48000), 0);
    EXPECT_EQ (w.windowLength, 10);
    EXPECT_EQ (w.init (0.01f, 3, 44100), 0);
    EXPECT_EQ (w.windowLength, 2);

    // Only the rise above the running mean of the last 10 values is kept.
    ASSERT_EQ (w.init (0.2f, 3, 48000), 0);
    std::vector<float> buf (30, 1.0f);
    buf[20] = 3.0f;
    w.shape (buf.data(), 30);
    EXPECT_FLOAT_EQ (buf[0], 0.9f);  // 1 - 1/10
    EXPECT_FLOAT_EQ (buf[5], 0.4f);  // 1 - 6/10
    EXPECT_EQ (buf[12], 0.0f);       // a steady value never rises above its mean
    EXPECT_FLOAT_EQ (buf[20], 1.8f); // 3 - 12/10
    EXPECT_EQ (buf[21], 0.0f);
}

// Two windows shaped side by side give what one after the other gives, bit for bit, also when the
// second reads the first one's result or writes over the first one's input, across blocks.
TEST (EnvelopeWindow, PairEqualsOneAfterTheOther)
{
    std::vector<float> x (3000), y (3000);
    uint32_t noise = 11;

    for (size_t i = 0; i < x.size(); ++i)
    {
        noise = noise * 1664525u + 1013904223u;
        const float u = static_cast<float> (noise >> 8) / 16777216.0f;
        x[i] = i % 700 < 40 ? u : u * 1.0e-30f; // bursts over a tail into the subnormal range
        y[i] = i % 300 < 10 ? 2.0f * u : u * 0.001f;
    }

    enum Layout { apart, secondReadsFirst, secondOverwritesFirstInput };

    for (const Layout layout : { apart, secondReadsFirst, secondOverwritesFirstInput })
    {
        EnvelopeWindow a1, b1, a2, b2;
        ASSERT_EQ (a1.init (1.0f, 0, 44100), 0);
        ASSERT_EQ (b1.init (0.2f, 3, 44100), 0);
        ASSERT_EQ (a2.init (1.0f, 0, 44100), 0);
        ASSERT_EQ (b2.init (0.2f, 3, 44100), 0);
        std::vector<float> inA1 = x, inB1 = y, outA1 (x.size()), outB1 (x.size());
        std::vector<float> inA2 = x, inB2 = y, outA2 (x.size()), outB2 (x.size());

        for (size_t at = 0; at < x.size(); at += 588)
        {
            const auto n = static_cast<int32_t> (std::min<size_t> (588, x.size() - at));
            const float* srcB1 = layout == secondReadsFirst ? outA1.data() + at : inB1.data() + at;
            const float* srcB2 = layout == secondReadsFirst ? outA2.data() + at : inB2.data() + at;
            float* dstB1 = layout == secondOverwritesFirstInput ? inA1.data() + at : outB1.data() + at;
            float* dstB2 = layout == secondOverwritesFirstInput ? inA2.data() + at : outB2.data() + at;

            a1.shapeFrom (inA1.data() + at, outA1.data() + at, n);
            b1.shapeFrom (srcB1, dstB1, n);
            EnvelopeWindow::shapePair (a2, inA2.data() + at, outA2.data() + at, b2, srcB2, dstB2, n);
        }

        EXPECT_EQ (std::memcmp (outA1.data(), outA2.data(), x.size() * sizeof (float)), 0) << layout;
        EXPECT_EQ (std::memcmp (outB1.data(), outB2.data(), x.size() * sizeof (float)), 0) << layout;
        EXPECT_EQ (std::memcmp (inA1.data(), inA2.data(), x.size() * sizeof (float)), 0) << layout;
        EXPECT_EQ (std::memcmp (&a1.windowSum, &a2.windowSum, sizeof (float)), 0) << layout;
        EXPECT_EQ (std::memcmp (&b1.windowSum, &b2.windowSum, sizeof (float)), 0) << layout;
        EXPECT_EQ (b1.windowIndex, b2.windowIndex);
    }
}

// Running a stretch of values at once gives the onsets, and leaves the picker, exactly as process()
// on each value does: peaks that move during the hold, decay phases, the floor, holds of 0, and
// values that are not numbers.
TEST (PeakPicker, ProcessEachEqualsProcessOnEachValue)
{
    std::vector<float> values;
    uint32_t noise = 7;

    for (int32_t k = 0; k < 60000; ++k)
    {
        noise = noise * 1664525u + 1013904223u;
        const float jitter = static_cast<float> (noise >> 8) / 16777216.0f;
        // Bursts of changing height over a low floor, with long quiet stretches for the decay.
        const bool burst = (k / 1500) % 3 == 0 && k % 1500 < 200;
        values.push_back (burst ? 0.05f + jitter * static_cast<float> ((k / 4500) % 5 + 1) : jitter * 0.0008f);
    }

    // A few values no real signal has, in a quiet stretch and inside a burst.
    values[20000] = std::numeric_limits<float>::quiet_NaN();
    values[31550] = std::numeric_limits<float>::quiet_NaN();
    values[45010] = std::numeric_limits<float>::infinity();

    for (const uint32_t hold : { 12788u, 0u })
    {
        PeakPicker one, run;
        setUp (one);
        setUp (run);
        one.holdSamples = run.holdSamples = hold;
        std::vector<std::pair<int32_t, int32_t>> expected, got;

        for (int32_t k = 0; k < static_cast<int32_t> (values.size()); ++k)
            if (one.process (values[k]))
                expected.emplace_back (k, one.peakPosition);

        // In pieces of varied length, as the bank's sub-blocks give them.
        for (int32_t k = 0, piece = 1; k < static_cast<int32_t> (values.size()); k += piece, piece = piece % 97 + 13)
        {
            const int32_t n = std::min (piece, static_cast<int32_t> (values.size()) - k);
            run.processEach (values.data() + k, n, [&] (int32_t m) { got.emplace_back (k + m, run.peakPosition); });
        }

        EXPECT_GT (expected.size(), 5u);
        EXPECT_EQ (got, expected);
        EXPECT_EQ (std::memcmp (&run.threshold, &one.threshold, sizeof (float)), 0);
        EXPECT_EQ (run.position, one.position);
        EXPECT_EQ (run.state, one.state);
        EXPECT_EQ (std::memcmp (&run.peakLevel, &one.peakLevel, sizeof (float)), 0);
        EXPECT_EQ (run.phaseStart, one.phaseStart);
        EXPECT_EQ (run.phaseLength, one.phaseLength);
        EXPECT_EQ (run.decayPhase, one.decayPhase);
        EXPECT_EQ (run.stepDecrement, one.stepDecrement);
    }
}
