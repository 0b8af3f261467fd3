#include "IntervalClass.h"
#include "OnsetTracker.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace
{
// Records onsets `intervalMs` apart (at 48 kHz, where whole milliseconds are whole samples).
void recordEvery (OnsetTracker& t, int32_t& position, double intervalMs, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
    {
        position += static_cast<int32_t> (intervalMs * 48.0);
        t.recordOnset (position, 1.0f, 48000);
    }
}

// A ring holding these raw intervals, oldest first.
IntervalRing ringOf (std::vector<IntervalEntry>& storage, const std::vector<float>& intervals)
{
    storage.assign (32, IntervalEntry {});
    IntervalRing ring;
    ring.entries = storage.data();
    ring.capacity = 32;

    for (float ms : intervals)
    {
        ring.entries[ring.writeIndex] = { 0, 1.0f, ms };
        ring.writeIndex = (ring.writeIndex + 1) % 32;
        ring.count = std::min (ring.count + 1, 32);
    }

    return ring;
}
} // namespace

TEST (IntervalClasses, BoundsAreStrict)
{
    EXPECT_EQ (intervalClassOf (290.0f, 0), -1);
    EXPECT_EQ (intervalClassOf (290.5f, 0), 3);
    EXPECT_EQ (intervalClassOf (428.0f, 0), 3);
    EXPECT_EQ (intervalClassOf (428.0f, 4), 4);
    EXPECT_EQ (intervalClassOf (428.0f, 5), -1); // 428 is outside (290, 428)
    EXPECT_EQ (intervalClassOf (427.9f, 5), 5);
    EXPECT_EQ (intervalClassOf (500.0f, 0), 1);  // outside (500, 1276)
    EXPECT_EQ (intervalClassOf (500.1f, 0), 0);
    EXPECT_EQ (intervalClassOf (3333.0f, 0), -1);
    EXPECT_EQ (intervalClassOf (3332.9f, 0), 7);
    EXPECT_EQ (intervalClassOf (5000.0f, 0), -1);
    EXPECT_EQ (intervalClassOf (250.0f, 0), -1);
    EXPECT_EQ (intervalClassOf (1000.0f, 9), -1);

    // The scan table holds the same rows.
    for (const IntervalClass& row : intervalClassTable)
    {
        int32_t found = 0;
        for (const IntervalClass& scan : intervalScanTable)
            found += scan.minMs == row.minMs && scan.maxMs == row.maxMs && scan.beats == row.beats;
        EXPECT_EQ (found, 1);
    }
}

TEST (OnsetTracker, FirstIntervalFromZeroAndTheRing)
{
    OnsetTracker t;
    ASSERT_TRUE (t.hasRing());
    EXPECT_EQ (t.bandIndex, -1);
    EXPECT_EQ (t.score, FLT_MAX);

    t.recordOnset (44100, 0.5f, 44100);
    EXPECT_FLOAT_EQ (t.intervalMs, 1000.0f);
    EXPECT_EQ (t.lastOnsetPosition, 44100);
    EXPECT_FALSE (t.valid);
    EXPECT_EQ (t.ring.count, 1);
    EXPECT_EQ (t.ring.writeIndex, 1);
    EXPECT_EQ (t.ring.entries[0].position, 44100);
    EXPECT_EQ (t.ring.entries[0].level, 0.5f);
    EXPECT_FLOAT_EQ (t.ring.entries[0].intervalMs, 1000.0f);
}

TEST (OnsetTracker, FourBeatsTrackAPeriodAndCountAgreement)
{
    OnsetTracker t;
    int32_t position = 0;

    // The first onset measures from 0; a 1-beat class needs three earlier intervals, and going on
    // needs j + 2 < ring count, so the fifth onset is the first one tracked.
    recordEvery (t, position, 500.0, 4);
    EXPECT_FALSE (t.valid);
    recordEvery (t, position, 500.0, 1);
    ASSERT_TRUE (t.valid);
    EXPECT_FLOAT_EQ (t.intervalMs, 500.0f);
    EXPECT_FLOAT_EQ (t.score, 0.0f);
    EXPECT_EQ (t.consistentCount, 3);
    EXPECT_EQ (t.onsetPosition, position);

    recordEvery (t, position, 500.0, 3);
    EXPECT_EQ (t.consistentCount, 6);

    // At most 30 entries are counted, however long the run.
    recordEvery (t, position, 500.0, 40);
    EXPECT_TRUE (t.valid);
    EXPECT_EQ (t.consistentCount, 30);
    EXPECT_EQ (t.ring.count, 32);

    // An interval outside every class leaves the band invalid for that onset and keeps the raw value.
    recordEvery (t, position, 4000.0, 1);
    EXPECT_FALSE (t.valid);
    EXPECT_FLOAT_EQ (t.intervalMs, 4000.0f);
}

TEST (OnsetTracker, ClassesAndTheirLimits)
{
    std::vector<IntervalEntry> storage;
    float period = 0.0f, score = 0.0f;
    int32_t count = 0;

    // Two earlier entries: 1-beat intervals would need a third one, so nothing is tracked...
    IntervalRing two = ringOf (storage, { 500.0f, 500.0f });
    EXPECT_FALSE (OnsetTracker::track (500.0f, two, 4, period, score, count));
    // ...but 2.5 + 1.5 beats are explained by the newest entry alone (it consumes one of the two).
    two = ringOf (storage, { 900.0f, 750.0f });
    ASSERT_TRUE (OnsetTracker::track (1250.0f, two, 4, period, score, count));
    EXPECT_FLOAT_EQ (period, 500.0f);
    EXPECT_FLOAT_EQ (score, 0.0f);
    EXPECT_EQ (count, 1);

    // The four-beat class looks for eight beats.
    IntervalRing one = ringOf (storage, { 2000.0f });
    ASSERT_TRUE (OnsetTracker::track (2000.0f, one, 4, period, score, count));
    EXPECT_FLOAT_EQ (period, 500.0f);
    EXPECT_EQ (count, 1);

    // An empty ring explains nothing.
    IntervalRing none = ringOf (storage, {});
    EXPECT_FALSE (OnsetTracker::track (500.0f, none, 4, period, score, count));

    // The score is the distance between the period and the new interval's own beat length.
    ASSERT_TRUE (OnsetTracker::track (495.0f, ringOf (storage, { 495.0f, 510.0f, 490.0f, 505.0f }), 4, period, score, count));
    EXPECT_FLOAT_EQ (period, (495.0f + 505.0f + 490.0f + 510.0f) / 4.0f);
    EXPECT_FLOAT_EQ (score, 5.0f);
}

TEST (OnsetTracker, PeriodsBelow333msAreRejected)
{
    std::vector<IntervalEntry> storage;
    float period = 0.0f, score = 0.0f;
    int32_t count = 0;
    IntervalRing ring = ringOf (storage, { 325.0f, 325.0f, 325.0f, 325.0f });
    ASSERT_TRUE (OnsetTracker::track (325.0f, ring, 4, period, score, count));
    EXPECT_FLOAT_EQ (period, 325.0f);

    // The tracker itself does not take it.
    OnsetTracker t;
    int32_t position = 0;
    recordEvery (t, position, 325.0, 12);
    EXPECT_FALSE (t.valid);
    EXPECT_FLOAT_EQ (t.intervalMs, 325.0f);
    EXPECT_EQ (t.score, FLT_MAX);

    // 340 ms is fine.
    OnsetTracker u;
    position = 0;
    recordEvery (u, position, 340.0, 6);
    EXPECT_TRUE (u.valid);
    EXPECT_FLOAT_EQ (u.intervalMs, 340.0f);
}
