#include "BeatCandidateCollector.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A tracker whose ring holds onsets at these positions (oldest first), offering consistentCount + 2
// of them.
struct FakeBand
{
    FakeBand (int32_t band, const std::vector<int32_t>& positions, int32_t consistentCount)
    {
        tracker.bandIndex = band;
        tracker.consistentCount = consistentCount;

        for (int32_t p : positions)
        {
            tracker.ring.entries[tracker.ring.writeIndex] = { p, static_cast<float> (p) / 1000.0f, 0.0f };
            tracker.ring.writeIndex = (tracker.ring.writeIndex + 1) % tracker.ring.capacity;
            tracker.ring.count = std::min (tracker.ring.count + 1, tracker.ring.capacity);
        }
    }

    OnsetTracker tracker;
};

std::vector<int32_t> positionsOf (const std::vector<BeatRecord>& list)
{
    std::vector<int32_t> out;
    for (const BeatRecord& r : list)
        out.push_back (r.position);
    return out;
}
} // namespace

TEST (CandidateCollector, OffersTheNewestOnsetsOldestFirstWithStamps)
{
    BeatCandidateCollector collector;
    FakeBand band (4, { 100, 200, 300, 400, 500, 600 }, 3);
    collector.onCandidate (500.0f, 600, 0.6f, band.tracker);

    // consistentCount 3: the current onset and the four before it.
    const auto& list = collector.getCandidates();
    EXPECT_EQ (positionsOf (list), (std::vector<int32_t> { 200, 300, 400, 500, 600 }));

    for (const BeatRecord& r : list)
    {
        EXPECT_EQ (r.stamp, 5);            // call 0, five onsets offered
        EXPECT_EQ (r.band, 4);
        EXPECT_EQ (r.periodMs, 500.0f);
        EXPECT_EQ (r.flag, 0);
        EXPECT_EQ (r.level, static_cast<float> (r.position) / 1000.0f);
    }

    // Between calls the low byte is 0 and the calls are counted from bit 8.
    EXPECT_EQ (collector.getStamp(), 256);

    FakeBand later (1, { 700, 800 }, 0);
    collector.onCandidate (500.0f, 800, 0.8f, later.tracker);
    EXPECT_EQ (list.back().stamp, 256 + 2);
    EXPECT_EQ (collector.getStamp(), 512);

    // A ring that has wrapped: the slots before the write index, modulo the capacity.
    FakeBand wrapped (2, {}, 30);
    for (int32_t p = 1; p <= 40; ++p)
    {
        OnsetTracker& t = wrapped.tracker;
        t.ring.entries[t.ring.writeIndex] = { 10000 + p, 0.0f, 0.0f };
        t.ring.writeIndex = (t.ring.writeIndex + 1) % 32;
        t.ring.count = std::min (t.ring.count + 1, 32);
    }
    BeatCandidateCollector fresh;
    fresh.onCandidate (500.0f, 10040, 0.0f, wrapped.tracker);
    ASSERT_EQ (fresh.getCandidates().size(), 32u);
    EXPECT_EQ (fresh.getCandidates().front().position, 10009);
    EXPECT_EQ (fresh.getCandidates().back().position, 10040);
    EXPECT_EQ (fresh.getCandidates().front().stamp, 32);
}

TEST (CandidateCollector, InsertsInPositionOrder)
{
    BeatCandidateCollector collector;
    FakeBand a (0, { 1000, 3000 }, 0);
    collector.onCandidate (500.0f, 3000, 0.0f, a.tracker);
    FakeBand b (1, { 2000, 4000 }, 0);
    collector.onCandidate (600.0f, 4000, 0.0f, b.tracker);
    EXPECT_EQ (positionsOf (collector.getCandidates()), (std::vector<int32_t> { 1000, 2000, 3000, 4000 }));
}

TEST (CandidateCollector, EqualPositionReplaceRules)
{
    // The existing candidates: position 5000, period 500 ms (120.0 BPM), offered with 3 onsets.
    auto seeded = [] (BeatCandidateCollector& c)
    {
        FakeBand seed (0, { 4000, 4500, 5000 }, 1);
        c.onCandidate (500.0f, 5000, 0.0f, seed.tracker);
        ASSERT_EQ (c.getCandidates().size(), 3u);
    };

    struct Case
    {
        const char* what;
        float period;
        int32_t consistentCount; // offered = consistentCount + 2, compared with the seed's 3
        size_t expectedSize;
        float expectedPeriodAt5000;
    };

    const Case cases[] {
        { "same tempo, longer run: replaces", 500.0f, 2, 3, 500.0f },
        { "same tempo, shorter run: dropped", 500.0f, 0, 3, 500.0f },
        { "double tempo, longer run: replaces", 250.0f, 2, 3, 250.0f },
        { "half tempo, equal run: dropped", 1000.0f, 1, 3, 500.0f },
        { "far tempo, longer run: replaces", 700.0f, 2, 3, 700.0f },
        { "far tempo, shorter run: dropped", 700.0f, 0, 3, 500.0f },
        { "near tempo: inserted beside", 505.0f, 0, 4, 500.0f },
    };

    for (const Case& c : cases)
    {
        SCOPED_TRACE (c.what);
        BeatCandidateCollector collector;
        seeded (collector);
        // Only the onset at 5000 is offered again (a ring holding just it and one far-off earlier onset).
        std::vector<int32_t> ring;
        for (int32_t i = 0; i < c.consistentCount + 1; ++i)
            ring.push_back (-100000 + i);
        ring.push_back (5000);
        FakeBand band (3, ring, c.consistentCount);
        collector.onCandidate (c.period, 5000, 0.0f, band.tracker);

        const auto& list = collector.getCandidates();
        size_t at5000 = 0;
        for (const BeatRecord& r : list)
            at5000 += r.position == 5000;

        EXPECT_EQ (list.size() - static_cast<size_t> (c.consistentCount + 1), c.expectedSize);
        EXPECT_EQ (at5000, c.expectedSize - 2);

        // The first candidate at 5000 is the original or its replacement; a near one follows it.
        size_t first = 0;
        while (list[first].position != 5000)
            ++first;
        EXPECT_EQ (list[first].periodMs, c.expectedPeriodAt5000);
        if (c.expectedSize == 4)
        {
            EXPECT_EQ (list[first + 1].periodMs, c.period);
        }
    }
}

TEST (CandidateCollector, TenthsOfBpm)
{
    EXPECT_EQ (BeatCandidateCollector::tenthsOfBpm (500.0), 1200);
    EXPECT_EQ (BeatCandidateCollector::tenthsOfBpm (499.9), 1200); // 1200.24
    EXPECT_EQ (BeatCandidateCollector::tenthsOfBpm (333.0), 1802); // 1801.80
    EXPECT_EQ (BeatCandidateCollector::tenthsOfBpm (0.0), 0);
    EXPECT_EQ (BeatCandidateCollector::tenthsOfBpm (-5.0), 0);
}
