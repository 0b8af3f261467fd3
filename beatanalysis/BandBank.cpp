#include "BandBank.h"

#include "VectorOps.h"

#include <cmath>
#include <new>

BandBank::~BandBank()
{
    destroy();
}

bool BandBank::build (int32_t rate, int32_t samplesPerValue, int32_t bands)
{
    destroy();

    if (rate < 1 || samplesPerValue < 1 || bands < 1 || bands > maxBands)
        return false;

    sampleRate = static_cast<float> (rate);
    decimation = samplesPerValue;

    trackers = new (std::nothrow) OnsetTracker[bands];
    channels = new (std::nothrow) PeakPicker[bands];
    bandBuffers = new (std::nothrow) float*[bands]();
    decimationSums = alignedAllocFloat (bands);
    stages = new (std::nothrow) BiquadStage[bands];
    // Every array exists (or is null) before the count says so, so destroy() frees exactly what was made.
    bandCount = bands;

    if (trackers == nullptr || channels == nullptr || bandBuffers == nullptr || decimationSums == nullptr
        || stages == nullptr)
    {
        destroy();
        return false;
    }

    for (int32_t i = 0; i < bandCount; ++i)
    {
        bandBuffers[i] = alignedAllocFloat (blockSize);

        if (bandBuffers[i] == nullptr || ! trackers[i].hasRing())
        {
            destroy();
            return false;
        }

        trackers[i].reset();
        trackers[i].bandIndex = i;

        PeakPicker& picker = channels[i];
        picker.init (static_cast<uint32_t> (rate));
        picker.holdSamples = static_cast<uint32_t> (std::trunc (static_cast<double> (sampleRate) * static_cast<double> (0.29f)));
        picker.positionStep = decimation;
    }

    if (! designBands())
    {
        destroy();
        return false;
    }

    reset();
    return true;
}

bool BandBank::designBands()
{
    // Butterworth sections.
    const float q = static_cast<float> (1.0 / std::sqrt (2.0));
    const float fs = sampleRate;
    bool ok = true;

    for (int32_t i = 0; i < bandCount && ok; ++i)
    {
        switch (i)
        {
            case 0: ok = stages[i].rebuildLowPass (283.0f, fs, q); break;
            case 1: ok = stages[i].rebuildBandPassOctaves (150.0f, fs, 1.5f); break;
            case 2: ok = stages[i].rebuildHighLowPair (283.0f, 6000.0f, fs, q); break;
            case 3: ok = stages[i].rebuildHighPass (6000.0f, fs, q); break;
            default:
            {
                // Bands 4 and 5 shape a copy of an earlier band's rectified signal; their pass-through
                // filter is never run.
                BiquadDesign design;
                BiquadStage::designPassThrough (design);
                ok = stages[i].rebuildFrom (design);

                if (ok)
                {
                    const bool shortWindow = i == 5;
                    ok = channels[i].envelope.init (shortWindow ? 0.2f : 1.0f, shortWindow ? 3 : 0,
                                                    channels[i].sampleRate) == dspStatusOk;
                }
                break;
            }
        }
    }

    return ok;
}

void BandBank::destroy()
{
    if (bandBuffers != nullptr)
        for (int32_t i = 0; i < bandCount; ++i)
            alignedFree (bandBuffers[i]);

    delete[] bandBuffers;
    bandBuffers = nullptr;
    alignedFree (decimationSums);
    decimationSums = nullptr;
    delete[] stages;
    stages = nullptr;
    delete[] trackers;
    trackers = nullptr;
    delete[] channels;
    channels = nullptr;
    bandCount = 0;
}

void BandBank::reset()
{
    for (int32_t i = 0; i < bandCount; ++i)
    {
        trackers[i].reset();
        channels[i].reset();
    }

    if (decimationSums != nullptr)
        vecFill (0.0f, decimationSums, bandCount);

    decimationPhase = 0;
    tempoHistogram.clear();
}
