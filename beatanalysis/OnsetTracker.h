// Per band: relates each new inter-onset interval to the band's earlier ones and derives a beat period.
#pragma once

#include "IntervalRing.h"

#include <cstdint>

struct OnsetTracker
{
    OnsetTracker();  // allocates the ring (a failed allocation leaves no entries)
    ~OnsetTracker();

    OnsetTracker (const OnsetTracker&) = delete;
    OnsetTracker& operator= (const OnsetTracker&) = delete;

    bool hasRing() const { return ring.entries != nullptr; }

    // The state after a build: no onset seen, empty ring (its storage kept).
    void reset();

    int32_t bandIndex = -1;
    float intervalMs = 0.0f;  // last inter-onset interval, replaced by the beat period when tracked
    IntervalRing ring;
    int32_t lastOnsetPosition = 0;
    bool valid = false;       // tracked an onset at the current decimated step and agrees with the vote
    float score;              // ms between the beat period and the new interval's own estimate
    int32_t consistentCount = 0;
    float onsetLevel = 0.0f;
    int32_t onsetPosition = 0;
};
