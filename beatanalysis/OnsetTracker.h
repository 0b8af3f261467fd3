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

    // A confirmed onset of the band: measures the interval from the previous one (from position 0 for
    // the first), tracks it, then appends it to the ring.
    void recordOnset (int32_t peakPosition, float peakLevel, uint32_t sampleRate);

    // Tracks a new interval against the ring; true (and the period, score and agreement count taken)
    // when it explains a beat period of at least 333 ms.
    bool update (float newIntervalMs);

    // Explains the new interval x together with the ring's intervals (newest first) as a whole number
    // of beats. On success gives the beat period, its distance from x's own estimate, and how many
    // ring entries agree with it.
    static bool track (float x, const IntervalRing& ring, int32_t maxBeats, float& period, float& periodScore,
                       int32_t& agreeing);

    static constexpr float minimumPeriodMs = 333.0f;

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
