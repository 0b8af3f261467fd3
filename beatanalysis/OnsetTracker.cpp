#include "OnsetTracker.h"

#include "IntervalClass.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <new>

OnsetTracker::OnsetTracker()
    : score (FLT_MAX)
{
    ring.entries = new (std::nothrow) IntervalEntry[IntervalRing::defaultCapacity]();
    ring.capacity = IntervalRing::defaultCapacity;
}

OnsetTracker::~OnsetTracker()
{
    delete[] ring.entries;
}

void OnsetTracker::reset()
{
    score = FLT_MAX;
    valid = false;
    lastOnsetPosition = 0;
    intervalMs = 0.0f;
    onsetLevel = 0.0f;
    onsetPosition = 0;
    ring.writeIndex = 0;
    ring.count = 0;
}

//==============================================================================
namespace
{
constexpr int32_t maxEntriesCounted = 30;
constexpr int32_t ringSpan = 32;

double toleranceFor (double periodMs)
{
    return std::min (0.04 * periodMs, 20.0);
}

// The raw interval of the entry j places back from the newest; false when no such entry was written.
bool olderInterval (const IntervalRing& ring, int32_t j, float& intervalMs)
{
    if (ring.entries == nullptr || j < 0 || j >= ring.count)
        return false;

    intervalMs = ring.entries[(ring.writeIndex + ring.capacity - 1 - j) % ring.capacity].intervalMs;
    return true;
}

// The first row, in scan order, that contains c and whose beat length is within tol of u.
const IntervalClass* scanRowFor (float c, double u, double tol)
{
    for (const IntervalClass& row : intervalScanTable)
        if (row.minMs < c && c < row.maxMs && std::fabs (c / static_cast<double> (row.beats) - u) < tol)
            return &row;

    return nullptr;
}
} // namespace

void OnsetTracker::recordOnset (int32_t peakPosition, float peakLevel, uint32_t sampleRate)
{
    const uint32_t d = static_cast<uint32_t> (peakPosition) - static_cast<uint32_t> (lastOnsetPosition);
    lastOnsetPosition = peakPosition;

    const float interval = static_cast<float> (d * 1000.0 / sampleRate);
    intervalMs = interval;
    valid = update (interval);

    // The new interval was tracked against the entries before it; now it joins them.
    if (ring.entries != nullptr)
    {
        ring.entries[ring.writeIndex] = { peakPosition, peakLevel, interval };
        ring.count = std::min (ring.count + 1, ring.capacity);
        ring.writeIndex = (ring.writeIndex + 1) % ring.capacity;
    }

    if (valid)
    {
        onsetLevel = peakLevel;
        onsetPosition = peakPosition;
    }
}

bool OnsetTracker::update (float newIntervalMs)
{
    float period = 0.0f, periodScore = 0.0f;
    int32_t agreeing = 0;

    if (! track (newIntervalMs, ring, 4, period, periodScore, agreeing) || period < minimumPeriodMs)
        return false;

    intervalMs = period;
    score = periodScore;
    consistentCount = agreeing;
    return true;
}

bool OnsetTracker::track (float x, const IntervalRing& ring, int32_t maxBeats, float& period, float& periodScore,
                          int32_t& agreeing)
{
    for (int32_t r = intervalClassOf (x, 0); r >= 0; r = intervalClassOf (x, r + 1))
    {
        const double b = intervalClassTable[r].beats;
        const double u = x / b;
        const double tol = toleranceFor (u);
        // The four-beat class looks for eight beats (then sixteen), every other class for four.
        double target = b == maxBeats ? 8.0 : maxBeats;
        double sumMs = x, sumBeats = b;
        int32_t j = 0;
        bool explained = false;

        for (;;)
        {
            float c = 0.0f;

            if (! olderInterval (ring, j, c))
                break;

            const IntervalClass* row = scanRowFor (c, u, tol);

            if (row == nullptr)
                break;

            sumMs += c;
            sumBeats += row->beats;

            if (sumBeats == target)
            {
                explained = true;
                break;
            }

            const bool moreEntries = j + 2 < ring.count && j + 3 < ringSpan;

            if (sumBeats > target)
            {
                if (! (target > maxBeats && target < 4 * maxBeats && sumBeats < 4 * maxBeats && moreEntries))
                    break;

                target *= 2;
            }
            else if (! moreEntries)
            {
                break;
            }

            ++j;
        }

        if (! explained)
            continue;

        const double p = sumMs / target;
        int32_t n = j + 1;

        // Older entries that are whole (or, up to 2.5, quarter) numbers of this period also agree.
        const double tol2 = toleranceFor (p);

        for (float older = 0.0f; n + 1 < ring.count && n < maxEntriesCounted && olderInterval (ring, n, older); ++n)
        {
            double q = std::trunc (4.0 * older / p + 0.5) / 4.0;

            if (q > 2.5)
                q = std::trunc (q + 0.5);

            q = std::min (q, static_cast<double> (maxBeats));

            if (q == 0.0 || ! (std::fabs (older / q - p) < tol2))
                break;
        }

        period = static_cast<float> (p);
        periodScore = static_cast<float> (std::fabs (p - u));
        agreeing = n;
        return true;
    }

    return false;
}
