// Gathers, while a track is fed, the onsets of every band that agrees with the tempo vote, in
// ascending position. An onset offered again at a position already held either joins the list
// beside the existing one (a nearby, different tempo) or replaces it when it comes with a longer
// run of agreeing onsets.
#pragma once

#include "BandBank.h"
#include "BeatRecord.h"
#include "CandidateListener.h"

#include <cstdint>
#include <vector>

class BeatCandidateCollector : public CandidateListener
{
public:
    BeatCandidateCollector() = default;

    // Empties the list, builds the bank (the rate, decimation 8, 6 bands) and listens to it. False
    // when the bank could not be built.
    bool init (int32_t sampleRate);

    void onCandidate (float intervalMs, int32_t onsetPosition, float onsetLevel, const OnsetTracker& tracker) override;

    const std::vector<BeatRecord>& getCandidates() const { return candidates; }
    BandBank& getBank() { return bank; }
    const BandBank& getBank() const { return bank; }

    // Bits 8..31 count the calls so far; during a call the low byte holds the number of onsets it offers.
    int32_t getStamp() const { return stamp; }

    // Tempo of a period in tenths of BPM, rounded half up (0 for a period that is not positive).
    static int32_t tenthsOfBpm (double periodMs);

private:
    void offer (const BeatRecord& record);

    std::vector<BeatRecord> candidates;
    BandBank bank;
    int32_t sampleRate = 0;
    int32_t stamp = 0;
};
