#include "BeatCandidateCollector.h"

#include <algorithm>
#include <cmath>

namespace
{
int32_t lowByte (int32_t stamp)
{
    return stamp & 0xff;
}
} // namespace

bool BeatCandidateCollector::init (int32_t rate)
{
    std::vector<BeatRecord>().swap (candidates);
    sampleRate = rate;

    if (! bank.build (rate, 8, 6))
        return false;

    bank.setCandidateListener (this);
    return true;
}

int32_t BeatCandidateCollector::tenthsOfBpm (double periodMs)
{
    if (! (periodMs > 0.0))
        return 0;

    const double tenths = std::trunc (60000.0 / periodMs * 10.0 + 0.5);
    return tenths < 2147483647.0 ? static_cast<int32_t> (tenths) : 2147483647;
}

void BeatCandidateCollector::onCandidate (float intervalMs, int32_t, float, const OnsetTracker& tracker)
{
    const IntervalRing& ring = tracker.ring;

    if (ring.entries == nullptr || ring.capacity < 1)
        return;

    // The current onset and the consistentCount + 1 onsets before it, oldest first.
    const int32_t offered = std::min (std::max (tracker.consistentCount + 2, 1), ring.capacity);
    stamp = static_cast<int32_t> (static_cast<uint32_t> (stamp) + static_cast<uint32_t> (offered));

    for (int32_t a = offered - 1; a >= 0; --a)
    {
        const IntervalEntry& e = ring.entries[((ring.writeIndex - 1 - a) % ring.capacity + ring.capacity) % ring.capacity];
        offer ({ e.position, e.level, intervalMs, stamp, tracker.bandIndex, 0 });
    }

    stamp = static_cast<int32_t> ((static_cast<uint32_t> (stamp) & ~0xffu) + 256u);
}

void BeatCandidateCollector::offer (const BeatRecord& record)
{
    size_t k = candidates.size();

    while (k > 0 && candidates[k - 1].position > record.position)
        --k;

    const double x = record.periodMs;
    const int64_t tempoNew = tenthsOfBpm (x);
    const double tol = std::min (0.04 * x, 20.0);

    for (size_t i = k; i > 0 && candidates[i - 1].position == record.position; --i)
    {
        BeatRecord& old = candidates[i - 1];
        const int64_t tempoOld = tenthsOfBpm (old.periodMs);
        const double p = old.periodMs;
        const bool matches = tempoNew == tempoOld || tempoNew == 2 * tempoOld || tempoOld == 2 * tempoNew;
        const bool far = std::fabs (p - x) > tol && std::fabs (2.0 * p - x) > tol && std::fabs (p / 2.0 - x) > tol;

        if (matches || far)
        {
            // The same beat (or an unrelated tempo) is kept from whichever offer had more onsets behind it.
            if (lowByte (record.stamp) > lowByte (old.stamp))
                old = record;

            return;
        }
    }

    candidates.insert (candidates.begin() + static_cast<std::ptrdiff_t> (k), record);
}
