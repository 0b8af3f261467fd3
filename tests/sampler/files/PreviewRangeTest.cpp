#include "sampler/files/PreviewRange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace
{
PreviewRange loop (double startMs, double endMs, int32_t tempo = 12000)
{
    return PreviewRange::forSlot ({ startMs, endMs, true, tempo });
}
} // namespace

TEST (PreviewRange, QuarterBeatGridAtTheEdges)
{
    // 120 BPM: a quarter beat of 125 ms.
    EXPECT_DOUBLE_EQ (PreviewRange::quarterBeatMs (12000), 125.0);

    struct Case { double startMs, endMs, playEndMs, periodEndMs; };
    const Case cases[] = {
        { 500.0, 1500.0, 1500.0, 1500.0 },      // whole quarter beats: the range is the period
        { 500.0, 1560.0, 1500.0, 1500.0 },      // 60 ms over, under half a quarter beat: cut
        { 500.0, 1570.0, 1570.0, 1625.0 },      // 70 ms over: played whole, silence to the next quarter beat
        { 500.0, 1562.5, 1562.5, 1625.0 },      // exactly half a quarter beat over is kept
        { 500.0, 600.0, 600.0, 625.0 },         // shorter than a quarter beat
        { 500.0, 510.0, 510.0, 625.0 },         // the shortest range the editor allows
        { 500.0, 625.0, 625.0, 625.0 },         // exactly one quarter beat
        { 0.0, 20000.0, 16000.0, 16000.0 },     // 20 s loops within its first 16 s
        { 0.0, 20070.0, 15945.0, 16000.0 },     // ... and with a tail, the period still ends by 16 s
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::to_string (c.startMs) + " .. " + std::to_string (c.endMs));
        const auto r = loop (c.startMs, c.endMs);
        EXPECT_DOUBLE_EQ (r.startMs, c.startMs);
        EXPECT_DOUBLE_EQ (r.playEndMs, c.playEndMs);
        EXPECT_DOUBLE_EQ (r.periodEndMs, c.periodEndMs);
    }
}

TEST (PreviewRange, OneShotPlaysAtMostSixteenSeconds)
{
    for (const auto tempo : { 0, 12000 })
    {
        const auto whole = PreviewRange::forSlot ({ 1000.0, 21000.0, false, tempo });
        EXPECT_DOUBLE_EQ (whole.playEndMs, 17000.0);
        EXPECT_LT (whole.periodEndMs, 0.0);

        const auto shorter = PreviewRange::forSlot ({ 1000.0, 1070.0, false, tempo });
        EXPECT_DOUBLE_EQ (shorter.playEndMs, 1070.0);
        EXPECT_LT (shorter.periodEndMs, 0.0);
    }

    // A loop without a known tempo has no grid: the range repeats as it stands, still within 16 s.
    const auto noTempo = loop (0.0, 30000.0, 0);
    EXPECT_DOUBLE_EQ (noTempo.playEndMs, 16000.0);
    EXPECT_LT (noTempo.periodEndMs, 0.0);
}

TEST (PreviewRange, LoopsStayOnTheGridForAnyTempoAndRange)
{
    std::mt19937 random (7);
    std::uniform_int_distribution<int32_t> tempi (4000, 99999);
    std::uniform_real_distribution<double> starts (0.0, 60000.0), lengths (10.0, 600000.0);

    for (int i = 0; i < 20000; ++i)
    {
        const auto tempo = tempi (random);
        const auto start = std::round (starts (random));
        const auto end = start + std::max (10.0, std::round (lengths (random) / (1 + i % 50)));
        const auto q = PreviewRange::quarterBeatMs (tempo);
        const auto r = loop (start, end, tempo);
        SCOPED_TRACE (std::to_string (start) + " .. " + std::to_string (end) + " at " + std::to_string (tempo));

        const auto beats = (r.periodEndMs - start) / q;
        ASSERT_NEAR (beats, std::round (beats), 1.0e-6) << "the period is whole quarter beats";
        ASSERT_GE (std::round (beats), 1.0);
        ASSERT_LE (r.playEndMs, end + 1.0e-9);
        ASSERT_GT (r.playEndMs, start);
        ASSERT_LE (r.playEndMs - start, PreviewRange::longestMs + 1.0e-6);
        ASSERT_GE (r.periodEndMs, r.playEndMs - 1.0e-6);

        if (end - start < q)
        {
            // A short range plays whole and silence fills the quarter beat.
            ASSERT_DOUBLE_EQ (r.playEndMs, end);
            ASSERT_NEAR (r.periodEndMs, start + q, 1.0e-6);
            continue;
        }

        ASSERT_LE (r.periodEndMs - r.playEndMs, q / 2.0 + 1.0e-6) << "at most half a quarter beat of silence";

        // Within 16 s nothing is cut but less than half a quarter beat.
        if (end - start <= PreviewRange::longestMs)
        {
            ASSERT_LT (end - r.playEndMs, q / 2.0);
        }
    }
}
