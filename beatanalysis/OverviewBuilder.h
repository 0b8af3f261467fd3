// Builds the two wave-overview curves of a track while its blocks are fed: the loud wave (400 points,
// each with a spectral class 0..5) and the dots wave (100 points, always class 5).
//
// The curve building itself is not written yet: both curves report 0 points and every point stays
// {0.0, 5}. The interface below is the one the analysis object and the band bank use.
#pragma once

#include "pulsek.h"

#include <cstdint>

class OverviewBuilder
{
public:
    static constexpr int32_t loudPointCount = BA_LOUD_WAVE_POINTS;
    static constexpr int32_t dotsPointCount = BA_DOTS_WAVE_POINTS;

    OverviewBuilder();
    virtual ~OverviewBuilder() = default;

    OverviewBuilder (const OverviewBuilder&) = delete;
    OverviewBuilder& operator= (const OverviewBuilder&) = delete;

    // False when memory for the builder's buffers runs out.
    bool init (int32_t sampleRate, int32_t totalFrames);
    void reset();

    // One block of the track: the mono samples and the band signals (a null band is derived here).
    virtual void processBlock (const float* block, const float* low, const float* mid, const float* high, int32_t count);

    // Sets the kinds of loud points first .. last-1.
    void classifyLoudWave (int32_t first, int32_t last);

    int32_t getLoudCount() const { return loudCount; }
    int32_t getDotsCount() const { return dotsCount; }
    const BA_WaveInfo* getLoudPoints() const { return loudPoints; }
    const BA_WaveInfo* getDotsPoints() const { return dotsPoints; }

private:
    double sampleRate = 0.0;
    int32_t totalFrames = 0;
    BA_WaveInfo loudPoints[loudPointCount];
    BA_WaveInfo dotsPoints[dotsPointCount];
    int32_t loudCount = 0;
    int32_t dotsCount = 0;
};
