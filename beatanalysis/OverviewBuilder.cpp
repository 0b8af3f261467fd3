#include "OverviewBuilder.h"

OverviewBuilder::OverviewBuilder()
{
    reset();
}

bool OverviewBuilder::init (int32_t rate, int32_t frames)
{
    sampleRate = rate;
    totalFrames = frames;
    reset();
    return true;
}

void OverviewBuilder::reset()
{
    for (BA_WaveInfo& p : loudPoints)
        p = { 0.0f, 5 };

    for (BA_WaveInfo& p : dotsPoints)
        p = { 0.0f, 5 };

    loudCount = 0;
    dotsCount = 0;
}

void OverviewBuilder::processBlock (const float*, const float*, const float*, const float*, int32_t)
{
}

void OverviewBuilder::classifyLoudWave (int32_t, int32_t)
{
}
