// The six-band onset front end of one analysis: filters each mono block into band signals, rectifies
// and shapes them, and (see processBlock) turns them into onsets, tracked intervals and tempo votes.
#pragma once

#include "BiquadStage.h"
#include "CandidateListener.h"
#include "OnsetTracker.h"
#include "PeakPicker.h"
#include "TempoHistogram.h"

#include <cstdint>

class OverviewBuilder;

class BandBank
{
public:
    static constexpr int32_t blockSize = 588;
    static constexpr int32_t maxBands = 6;

    BandBank() = default;
    ~BandBank();

    BandBank (const BandBank&) = delete;
    BandBank& operator= (const BandBank&) = delete;

    // Destroys whatever the bank held, then creates bandCount bands (at most 6) with their filters,
    // pickers, trackers and buffers. False when any allocation fails; the bank is then left empty.
    bool build (int32_t sampleRate, int32_t decimation, int32_t bandCount);

    // Frees everything; safe to call twice, and a later build starts from nothing.
    void destroy();

    // The running state right after a build.
    void reset();

    // Where the agreeing bands go after each vote with a winner; may be null.
    void setCandidateListener (CandidateListener* listener) { candidateListener = listener; }

    // Runs count mono samples (any count, internally in sub-blocks of at most 588) through the bands;
    // each sub-block also goes to the overview builder when one is given. Filter, decimation and
    // picker state carry over between calls, so the way the audio is cut into calls changes nothing.
    // True when at least one vote during the call had a winner.
    bool processBlock (const float* mono, int32_t count, OverviewBuilder* overview);

    // Votes the periods of the bands that tracked an onset at this step into the histogram and keeps
    // valid only the bands that agree with the consensus tempo (or its double or half). Returns the
    // best of them, or null when there is no winner.
    OnsetTracker* voteTempo();

    int32_t getBandCount() const { return bandCount; }
    int32_t getDecimation() const { return decimation; }
    int32_t getDecimationPhase() const { return decimationPhase; }
    float getSampleRate() const { return sampleRate; }

    BiquadStage& stage (int32_t band) { return stages[band]; }
    PeakPicker& channel (int32_t band) { return channels[band]; }
    const PeakPicker& channel (int32_t band) const { return channels[band]; }
    OnsetTracker& tracker (int32_t band) { return trackers[band]; }
    const OnsetTracker& tracker (int32_t band) const { return trackers[band]; }
    float* bandBuffer (int32_t band) { return bandBuffers[band]; }
    float decimationSum (int32_t band) const { return decimationSums[band]; }
    TempoHistogram& histogram() { return tempoHistogram; }
    const TempoHistogram& histogram() const { return tempoHistogram; }

private:
    bool designBands();
    bool filtersBlock (int32_t band) const;
    void filterBands (const float* mono, int32_t n, BiquadStage* overviewLow);
    void finishBands (int32_t n);
    bool decimate (int32_t n);
    bool voteAndOffer();

    int32_t bandCount = 0;
    float** bandBuffers = nullptr;
    CandidateListener* candidateListener = nullptr;
    BiquadStage* stages = nullptr;
    PeakPicker* channels = nullptr;
    OnsetTracker* trackers = nullptr;
    float* decimationSums = nullptr;
    float* overviewLowBuffer = nullptr; // the overview builder's low band, filtered with the bands
    float* stepSums = nullptr;          // each decimated step's band sums of one sub-block, step by step

    // An onset a band's picker confirmed at one decimated step of a sub-block.
    struct StepOnset
    {
        int32_t step;
        int32_t band;
        int32_t peakPosition;
        float peakLevel;
    };

    StepOnset* stepOnsets = nullptr;
    int32_t decimation = 0;
    int32_t decimationPhase = 0;
    double exactReciprocal = 0.0; // 1 / decimation when that is exact, else 0
    float sampleRate = 0.0f;
    TempoHistogram tempoHistogram;
};
