// Receives, after each tempo vote with a winner, every band whose period agrees with the vote.
#pragma once

#include <cstdint>

struct OnsetTracker;

class CandidateListener
{
public:
    virtual ~CandidateListener() = default;

    // intervalMs is the band's beat period; onsetPosition and onsetLevel describe its newest tracked
    // onset; the tracker's ring holds the onsets that led to it.
    virtual void onCandidate (float intervalMs, int32_t onsetPosition, float onsetLevel, const OnsetTracker& tracker) = 0;
};
