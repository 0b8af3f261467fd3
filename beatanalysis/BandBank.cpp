#include "BandBank.h"

#include "OverviewBuilder.h"
#include "VectorOps.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace
{
constexpr int32_t minimumPeakVotes = 3;

double toleranceFor (double periodMs)
{
    return std::min (0.04 * periodMs, 20.0);
}

// A tempo of period f (ms) agrees with a band period when the band sits at f, 2f or f/2 within tol.
bool agrees (double f, double periodMs, double tol)
{
    return std::fabs (f - periodMs) <= tol || std::fabs (2.0 * f - periodMs) <= tol || std::fabs (f / 2.0 - periodMs) <= tol;
}

double periodOfBin (int32_t bin)
{
    return bin > 0 ? 60000.0 / bin : std::numeric_limits<double>::infinity();
}
} // namespace

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
    // Dividing by a power of two is exact, and so is multiplying by its reciprocal.
    exactReciprocal = (decimation & (decimation - 1)) == 0 ? 1.0 / decimation : 0.0;

    trackers = new (std::nothrow) OnsetTracker[bands];
    channels = new (std::nothrow) PeakPicker[bands];
    bandBuffers = new (std::nothrow) float*[bands]();
    decimationSums = alignedAllocFloat (bands);
    overviewLowBuffer = alignedAllocFloat (blockSize);
    stepSums = alignedAllocFloat ((blockSize / samplesPerValue + 1) * bands);
    stepOnsets = new (std::nothrow) StepOnset[static_cast<size_t> ((blockSize / samplesPerValue + 1) * bands)];
    stages = new (std::nothrow) BiquadStage[bands];
    // Every array exists (or is null) before the count says so, so destroy() frees exactly what was made.
    bandCount = bands;

    if (trackers == nullptr || channels == nullptr || bandBuffers == nullptr || decimationSums == nullptr
        || overviewLowBuffer == nullptr || stepSums == nullptr || stepOnsets == nullptr || stages == nullptr)
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
    alignedFree (overviewLowBuffer);
    overviewLowBuffer = nullptr;
    alignedFree (stepSums);
    stepSums = nullptr;
    delete[] stepOnsets;
    stepOnsets = nullptr;
    delete[] stages;
    stages = nullptr;
    delete[] trackers;
    trackers = nullptr;
    delete[] channels;
    channels = nullptr;
    candidateListener = nullptr;
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

//==============================================================================
bool BandBank::processBlock (const float* mono, int32_t count, OverviewBuilder* overview)
{
    if (mono == nullptr || bandCount == 0)
        return false;

    bool winner = false;

    while (count > 0)
    {
        const int32_t n = std::min (count, blockSize);

        // The overview builder's own low band is filtered from the same block; it runs beside the
        // bands' filters here and reaches the builder as a given band.
        BiquadStage* const overviewLow = overview != nullptr && overview->takesLowBand() ? &overview->getLowStage() : nullptr;
        filterBands (mono, n, overviewLow);
        finishBands (n);

        if (overview != nullptr)
            overview->processBlock (mono, overviewLow != nullptr ? overviewLowBuffer : nullptr,
                                    bandCount > 2 ? bandBuffers[2] : nullptr, bandCount > 3 ? bandBuffers[3] : nullptr, n);

        winner = decimate (n) || winner;
        mono += n;
        count -= n;
    }

    return winner;
}

// A band whose source is not an earlier band filters the mono block itself.
bool BandBank::filtersBlock (int32_t band) const
{
    const int32_t source = channels[band].envelope.sourceBand;
    return source < 0 || source >= band;
}

// The bands that filter the block, and the overview's low band, in one pass with their outputs
// rectified.
void BandBank::filterBands (const float* mono, int32_t n, BiquadStage* overviewLow)
{
    IirState* states[maxBands + 1];
    float* outputs[maxBands + 1];
    int32_t filters = 0;

    for (int32_t i = 0; i < bandCount; ++i)
    {
        if (filtersBlock (i) && stages[i].state != nullptr)
        {
            states[filters] = stages[i].state;
            outputs[filters++] = bandBuffers[i];
        }
    }

    if (overviewLow != nullptr)
    {
        states[filters] = overviewLow->state;
        outputs[filters++] = overviewLowBuffer;
    }

    if (filters > 0)
        vecIirFilterRectify (mono, outputs, states, filters, n);

    // A band whose stage has no state keeps its buffer as it was, and is still rectified.
    for (int32_t i = 0; i < bandCount; ++i)
        if (filtersBlock (i) && stages[i].state == nullptr)
            vecAbsInPlace (bandBuffers[i], n);
}

// In band order: a copied band takes its source band's finished signal, and a band with a window is
// shaped. Two neighbouring copied bands that are shaped and do not read each other run side by side.
void BandBank::finishBands (int32_t n)
{
    for (int32_t i = 0; i < bandCount; ++i)
    {
        EnvelopeWindow& envelope = channels[i].envelope;

        if (filtersBlock (i))
        {
            if (envelope.shapingOn)
                envelope.shape (bandBuffers[i], n);

            continue;
        }

        const float* source = bandBuffers[envelope.sourceBand];

        if (! envelope.shapingOn)
        {
            vecCopy (source, bandBuffers[i], n);
            continue;
        }

        const int32_t next = i + 1;

        if (next < bandCount && ! filtersBlock (next) && channels[next].envelope.shapingOn
            && channels[next].envelope.sourceBand != i)
        {
            EnvelopeWindow::shapePair (envelope, source, bandBuffers[i], channels[next].envelope,
                                       bandBuffers[channels[next].envelope.sourceBand], bandBuffers[next], n);
            ++i;
            continue;
        }

        envelope.shapeFrom (source, bandBuffers[i], n);
    }
}

// A band's decimated values depend on nothing but its own samples, so each band's sums for the whole
// sub-block are formed first (every sum from 0 in sample order, as one running sum would), and then
// the decimated steps run in order.
bool BandBank::decimate (int32_t n)
{
    int32_t steps = 0;
    int32_t phase = decimationPhase;

    for (int32_t i = 0; i < bandCount; ++i)
    {
        const float* x = bandBuffers[i];
        float sum = decimationSums[i];
        int32_t j = 0;
        steps = 0;
        phase = decimationPhase;

        for (; j < n && phase != 0; ++j)
        {
            sum += x[j];

            if (++phase == decimation)
            {
                stepSums[steps++ * bandCount + i] = sum;
                sum = 0.0f;
                phase = 0;
            }
        }

        if (decimation == 8)
        {
            for (; j + 8 <= n; j += 8)
            {
                float s = 0.0f + x[j];
                s += x[j + 1];
                s += x[j + 2];
                s += x[j + 3];
                s += x[j + 4];
                s += x[j + 5];
                s += x[j + 6];
                s += x[j + 7];
                stepSums[steps++ * bandCount + i] = s;
            }
        }

        for (; j < n; ++j)
        {
            sum += x[j];

            if (++phase == decimation)
            {
                stepSums[steps++ * bandCount + i] = sum;
                sum = 0.0f;
                phase = 0;
            }
        }

        decimationSums[i] = sum;
    }

    decimationPhase = phase;

    // Each band's picker runs over the sub-block's decimated values on its own. Onsets are rare (one
    // per band at most in each hold time); they are noted with the picker's peak as it stood, and the
    // steps that have any are then taken in order: tracking, vote and candidates, as if every band
    // had been stepped together. At a step without an onset no band is valid, and nothing else
    // happens.
    int32_t onsets = 0;
    float values[blockSize + 1];

    for (int32_t i = 0; i < bandCount; ++i)
    {
        for (int32_t m = 0; m < steps; ++m)
        {
            const double sum = stepSums[m * bandCount + i];
            values[m] = static_cast<float> (exactReciprocal != 0.0 ? sum * exactReciprocal : sum / decimation);
        }

        PeakPicker& picker = channels[i];
        picker.processEach (values, steps, [&] (int32_t m)
                            { stepOnsets[onsets++] = { m, i, picker.peakPosition, picker.peakLevel }; });
    }

    // Band by band gave each band's onsets in step order; a stable insertion sort (the list is short)
    // puts them in step order with the bands in index order within a step.
    for (int32_t k = 1; k < onsets; ++k)
    {
        const StepOnset onset = stepOnsets[k];
        int32_t j = k;

        for (; j > 0 && stepOnsets[j - 1].step > onset.step; --j)
            stepOnsets[j] = stepOnsets[j - 1];

        stepOnsets[j] = onset;
    }

    bool winner = false;
    int32_t lastStep = -1;

    for (int32_t k = 0; k < onsets;)
    {
        const int32_t step = stepOnsets[k].step;

        for (int32_t i = 0; i < bandCount; ++i)
            trackers[i].valid = false;

        bool anyValid = false;

        for (; k < onsets && stepOnsets[k].step == step; ++k)
        {
            OnsetTracker& tracker = trackers[stepOnsets[k].band];
            tracker.recordOnset (stepOnsets[k].peakPosition, stepOnsets[k].peakLevel, channels[stepOnsets[k].band].sampleRate);
            anyValid = anyValid || tracker.valid;
        }

        winner = (anyValid && voteAndOffer()) || winner;
        lastStep = step;
    }

    if (steps > 0 && lastStep != steps - 1)
        for (int32_t i = 0; i < bandCount; ++i)
            trackers[i].valid = false;

    return winner;
}

// The vote of one decimated step at which some band is valid, and the candidates of the bands that
// agree with it.
bool BandBank::voteAndOffer()
{
    if (voteTempo() == nullptr)
        return false;

    if (candidateListener != nullptr)
        for (int32_t i = 0; i < bandCount; ++i)
            if (trackers[i].valid)
                candidateListener->onCandidate (trackers[i].intervalMs, trackers[i].onsetPosition,
                                                trackers[i].onsetLevel, trackers[i]);

    return true;
}

OnsetTracker* BandBank::voteTempo()
{
    TempoHistogram& h = tempoHistogram;
    OnsetTracker* best = nullptr;
    int32_t bestBin = 0;

    for (int32_t i = 0; i < bandCount; ++i)
    {
        OnsetTracker& t = trackers[i];

        if (! t.valid)
            continue;

        // A valid period lies between 333 and about 880 ms, so its bin is always inside the table.
        const double binValue = std::trunc (60000.0 / t.intervalMs + 0.5);

        if (! (binValue >= 0.0 && binValue < TempoHistogram::binCount))
            continue;

        const int32_t bin = static_cast<int32_t> (binValue);
        const double weight = std::trunc (4.0 / (static_cast<double> (t.score) + 1.0));
        h.bins[bin] += weight < 1.0 ? 1 : static_cast<int32_t> (weight);
        h.minBin = std::min (h.minBin, bin);
        h.maxBin = std::max (h.maxBin, bin);

        if (best == nullptr || t.score < best->score)
        {
            best = &t;
            bestBin = bin;
        }
    }

    if (best == nullptr)
        return nullptr;

    int32_t peak = h.peak();
    const double bestMs = best->intervalMs;
    const double tol = toleranceFor (bestMs);

    // A peak that disagrees with the best band is pruned away, together with every other count that
    // disagrees with it, once the best band's own bin holds enough votes. After one pruning every
    // count left agrees, so this runs at most twice.
    for (int32_t attempt = 0; attempt < 2; ++attempt)
    {
        if (peak <= 0 || agrees (periodOfBin (peak), bestMs, tol))
            break;

        if (h.bins[bestBin] < minimumPeakVotes)
            return nullptr;

        const int32_t oldMin = std::max (h.minBin, 0);
        const int32_t oldMax = std::min (h.maxBin, TempoHistogram::binCount - 1);
        h.minBin = TempoHistogram::emptyMinBin;
        h.maxBin = TempoHistogram::emptyMaxBin;

        for (int32_t b = oldMin; b <= oldMax; ++b)
        {
            if (! agrees (periodOfBin (b), bestMs, tol))
            {
                h.bins[b] = 0;
            }
            else if (h.bins[b] > 0)
            {
                h.minBin = std::min (h.minBin, b);
                h.maxBin = std::max (h.maxBin, b);
            }
        }

        peak = h.peak();
    }

    if (peak < 0 || h.bins[peak] < minimumPeakVotes)
        return nullptr;

    const double f = periodOfBin (peak);

    for (int32_t i = 0; i < bandCount; ++i)
        if (trackers[i].valid && ! agrees (f, trackers[i].intervalMs, toleranceFor (trackers[i].intervalMs)))
            trackers[i].valid = false;

    return best;
}
