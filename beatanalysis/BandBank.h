// The six-band onset front end of one analysis: filters each mono block into band signals, rectifies
// and shapes them, and (see processBlock) turns them into onsets, tracked intervals and tempo votes.
#pragma once

#include "BiquadStage.h"
#include "OnsetTracker.h"
#include "PeakPicker.h"
#include "TempoHistogram.h"

#include <cstdint>

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

    int32_t getBandCount() const { return bandCount; }
    int32_t getDecimation() const { return decimation; }
    int32_t getDecimationPhase() const { return decimationPhase; }
    float getSampleRate() const { return sampleRate; }

    BiquadStage& stage (int32_t band) { return stages[band]; }
    PeakPicker& channel (int32_t band) { return channels[band]; }
    OnsetTracker& tracker (int32_t band) { return trackers[band]; }
    const OnsetTracker& tracker (int32_t band) const { return trackers[band]; }
    float* bandBuffer (int32_t band) { return bandBuffers[band]; }
    float decimationSum (int32_t band) const { return decimationSums[band]; }
    TempoHistogram& histogram() { return tempoHistogram; }
    const TempoHistogram& histogram() const { return tempoHistogram; }

private:
    bool designBands();

    int32_t bandCount = 0;
    float** bandBuffers = nullptr;
    BiquadStage* stages = nullptr;
    PeakPicker* channels = nullptr;
    OnsetTracker* trackers = nullptr;
    float* decimationSums = nullptr;
    int32_t decimation = 0;
    int32_t decimationPhase = 0;
    float sampleRate = 0.0f;
    TempoHistogram tempoHistogram;
};
