#include "OnsetTracker.h"

#include <cfloat>
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
