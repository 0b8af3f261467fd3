#include "OverviewBuilder.h"

#include "VectorOps.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>

namespace
{
// Samples arrive as 16-bit scale / 32,768 (the mono mix) or as that scale's band signals.
constexpr float sampleScale = 32768.0f;
constexpr double lowLevelNormaliser = 32768.0;

constexpr float fineThreshold = 0.01f;
constexpr float coarseThreshold = 327.68f;
constexpr float riseRatio = 0.75f;
constexpr float highRiseRatio = 0.66f;
constexpr float peakDecay = 0.9938303f;

// Envelope, band-level and dot sums are scaled by 75, the blocks per second at 44,100 Hz, at every
// rate: the envelope's nine-block means then read alike at 44,100 and 48,000 Hz, while sums of
// attack peaks (band levels, dots) read about 8 % lower at 48,000 Hz.
constexpr double pointScale = 75.0;
constexpr int64_t dotScale = 75;

constexpr int32_t blocksPerEmission = 9;
constexpr int32_t dotsStartAfterBlocks = 50;
constexpr int32_t framesPerDotSliceUnit = 58800; // 100 blocks

constexpr int32_t lowBand = 0, midBand = 1, highBand = 2;

int64_t truncToInt64 (float v)
{
    if (! (v > -9.0e18f && v < 9.0e18f))
        return 0;

    return static_cast<int64_t> (v);
}
} // namespace

OverviewBuilder::OverviewBuilder()
{
    reset();
}

OverviewBuilder::~OverviewBuilder()
{
    releaseBuffers();
}

void OverviewBuilder::releaseBuffers()
{
    initialised = false;

    for (float*& buffer : bandBuffers)
    {
        alignedFree (buffer);
        buffer = nullptr;
    }

    for (Band& band : bands)
    {
        delete[] band.segments;
        band.segments = nullptr;
    }

    lowStage.destroy();
    midStage.destroy();
    highStage.destroy();
}

bool OverviewBuilder::init (int32_t rate, int32_t frames)
{
    releaseBuffers();
    sampleRate = rate;
    totalFrames = frames;

    holdSamples = 0.32 * sampleRate;
    decayStartSamples = 1.714 * sampleRate;
    // The running peak decays every 512 samples at 44,100 Hz and after the same time at other rates
    // (an exact comparison with a fractional period would never hold).
    decayPeriod = std::max (1, static_cast<int32_t> (std::lround (sampleRate / 44100.0 * 512.0)));
    // The smallest whole number of samples since a segment's start that is past the decay start.
    firstDecaySample = static_cast<int64_t> (std::floor (decayStartSamples)) + 1;

    // Blocks of the track (rounded up, at least one), so no slice is ever 0.
    const int64_t blocks = frames <= 0 ? 1 : (static_cast<int64_t> (frames) + blockSize - 1) / blockSize;
    slice = static_cast<double> (blocks) * 0.0025;
    bandSlice = static_cast<double> (blocks) * 0.005;
    dotSlice = std::max (1, frames / framesPerDotSliceUnit);

    bool ok = rate > 0;

    for (int32_t b = 0; b < bandCount && ok; ++b)
    {
        bandBuffers[b] = alignedAllocFloat (blockSize);
        bands[b].segments = new (std::nothrow) Segment[maxSegments];
        ok = bandBuffers[b] != nullptr && bands[b].segments != nullptr;
    }

    if (ok)
    {
        const float fs = static_cast<float> (rate);
        const float q = 0.70710677f;
        ok = lowStage.rebuildBandPass (150.0f, fs, 0.9f) && midStage.rebuildHighLowPair (283.0f, 6000.0f, fs, q)
             && highStage.rebuildHighPass (6000.0f, fs, q);
    }

    if (! ok)
        releaseBuffers();

    initialised = ok;
    reset();
    return ok;
}

void OverviewBuilder::reset()
{
    for (BA_WaveInfo& p : loudPoints)
        p = { 0.0f, 5 };

    for (BA_WaveInfo& p : dotsPoints)
        p = { 0.0f, 5 };

    loudCount = 0;
    dotsCount = 0;

    for (Band& band : bands)
    {
        Segment* const segments = band.segments;
        band = Band {};
        band.segments = segments;

        if (segments != nullptr)
        {
            std::fill (segments, segments + maxSegments, Segment { 0.0f, 0.0f, 0, 0 });
            segments[0] = { fineThreshold, fineThreshold, 0, 0 };
        }
    }

    blockCounter = 0;
    samplesSeen = 0;
    complete = false;
    meanSum = 0.0;
    meanBlocks = 0;
    std::fill (std::begin (envelope), std::end (envelope), 0.0);
    envelopeIndex = 0;
    lastEmissionPoint = 0;
    lastEmissionBySegment = false;

    for (auto& levels : pointLevels)
        std::fill (std::begin (levels), std::end (levels), 0);
}

//==============================================================================
void OverviewBuilder::processBlock (const float* block, const float* low, const float* mid, const float* high,
                                    int32_t count)
{
    if (block == nullptr || ! initialised)
        return;

    const float* given[bandCount] { low, mid, high };
    BiquadStage* stages[bandCount] { &lowStage, &midStage, &highStage };
    // A track of 0 frames or fewer ends with the first sample it is given.
    const int64_t endFrame = std::max (totalFrames, 1);

    while (count > 0 && ! complete)
    {
        const int32_t n = static_cast<int32_t> (std::min<int64_t> ({ count, blockSize, endFrame - samplesSeen }));
        const bool endsTrack = samplesSeen + n >= endFrame;
        ++blockCounter;

        // The bands are segmented in the 32,768 scale; scaling by a power of two is exact, so each
        // band is scaled where a sample is looked at rather than copied scaled.
        const float* x[bandCount];

        for (int32_t b = 0; b < bandCount; ++b)
        {
            if (given[b] != nullptr)
            {
                x[b] = given[b];
            }
            else
            {
                stages[b]->filter (block, bandBuffers[b], n);
                vecAbsInPlace (bandBuffers[b], n);
                x[b] = bandBuffers[b];
            }
        }

        const bool lowOpened = segmentBand (lowBand, x[lowBand], n, endsTrack);
        segmentBand (midBand, x[midBand], n, endsTrack);
        segmentBand (highBand, x[highBand], n, endsTrack);

        for (int32_t i = 0; i < n; ++i)
            meanSum += std::fabs (static_cast<double> (block[i] * sampleScale));

        // The mean is emitted every ninth block and at every attack: every opening of a low-band
        // segment, the track's first one included.
        ++meanBlocks;
        const bool emitted = meanBlocks >= blocksPerEmission || lowOpened;
        double mean = 0.0;

        if (emitted)
        {
            mean = meanSum / (static_cast<double> (meanBlocks) * blockSize);
            meanSum = 0.0;
            meanBlocks = 0;
        }

        advanceEnvelope (emitted, mean, lowOpened);

        for (Band& band : bands)
            advanceBandLevels (band);

        completeLoudPoints();
        advanceDots (bands[lowBand]);
        advanceDots (bands[midBand]);
        completeDots();

        samplesSeen += n;
        block += n;
        count -= n;

        for (const float*& g : given)
            if (g != nullptr)
                g += n;

        complete = endsTrack;
    }
}

//==============================================================================
// One sample (fine) or the maximum of one group of 4 samples (coarse). True when it opens a segment:
// the first of the track, or the next one after a rise past the hold time.
inline bool OverviewBuilder::segmentSample (Band& band, Segmenter& s, bool coarse, float ratio, float d)
{
    const float threshold = coarse ? coarseThreshold : fineThreshold;
    const int32_t step = coarse ? 4 : 1;

    if (! s.started)
    {
        if (! (d > threshold))
            return false;

        s.started = true;
        s.peak = d;
        s.sinceStart = 0;
        s.peakOffset = 0;
        s.decayCounter = 0;
        return true;
    }

    s.sinceStart += step;
    const bool rise = s.peak > threshold ? d >= s.peak * ratio : d >= threshold;

    if (rise)
    {
        if (s.sinceStart >= holdSamples)
        {
            closeSegment (band, s, coarse, s.sinceStart);
            s.peak = d;
            s.sinceStart = 0;
            s.peakOffset = 0;
            s.decayCounter = 0;
            return true;
        }

        if (d > s.peak)
        {
            s.peak = d;
            s.peakOffset = s.sinceStart;
        }

        return false;
    }

    if (s.sinceStart > decayStartSamples)
    {
        s.decayCounter += step;

        if (s.decayCounter >= decayPeriod)
        {
            s.peak = std::max (s.peak * peakDecay, threshold);
            s.decayCounter = 0;
        }
    }

    return false;
}

// The samples of a run that are no rise (below the open segment's rise limit) only count time, and
// decay the peak once enough of them have passed; they are taken in bulk up to the next decay step,
// and every other sample goes through segmentSample. The result is that of segmentSample on each.
bool OverviewBuilder::segmentRun (Band& band, Segmenter& s, bool coarse, float ratio, const float* d, float scale,
                                  int32_t count)
{
    const float threshold = coarse ? coarseThreshold : fineThreshold;
    const int64_t step = coarse ? 4 : 1;
    bool opened = false;

    for (int32_t i = 0; i < count;)
    {
        if (s.started)
        {
            // d x scale >= limit exactly when d >= limit / scale: both scalings by a power of two are
            // exact here (the limit is never below 0.0066).
            const float limit = (s.peak > threshold ? s.peak * ratio : threshold) / scale;
            // 1-based: the first following sample that counts toward the decay, and the one that
            // completes the decay period.
            const int64_t firstCounted = std::max<int64_t> (1, (firstDecaySample - s.sinceStart + step - 1) / step);
            const int64_t toDecay = (decayPeriod - s.decayCounter + step - 1) / step;
            const int64_t decayAt = firstCounted + std::max<int64_t> (1, toDecay) - 1;
            const int32_t end = static_cast<int32_t> (std::min<int64_t> (count, i + decayAt - 1));
            // Short stretches are common while a segment rises; longer ones go to the vector search.
            int32_t j = i;

            for (const int32_t shortEnd = std::min (end, i + 8); j < shortEnd && ! (d[j] >= limit);)
                ++j;

            if (j == i + 8 && j < end)
            {
                int32_t found = 0;
                vecFindAtLeast (d + j, end - j, limit, &found);
                j += found;
            }

            const int64_t quiet = j - i;
            const int64_t counted = std::max<int64_t> (0, quiet - firstCounted + 1);
            s.sinceStart += static_cast<int32_t> (step * quiet);
            s.decayCounter += static_cast<int32_t> (step * counted);
            i = j;

            if (i == count)
                break;
        }

        opened = segmentSample (band, s, coarse, ratio, d[i] * scale) || opened;
        ++i;
    }

    return opened;
}

bool OverviewBuilder::segmentBand (int32_t b, const float* x, int32_t n, bool endsTrack)
{
    Band& band = bands[b];
    const bool withCoarse = b < coarseBandCount;
    const float ratio = b == highBand ? highRiseRatio : riseRatio;

    // The fine and the coarse segmenter write different fields of the segment records, so each runs
    // over the whole sub-block on its own. The running state is worked on in locals.
    Segmenter fine = band.fine;
    const bool opened = segmentRun (band, fine, false, ratio, x, sampleScale, n);
    band.fine = fine;

    int32_t lastGroupSize = 4;

    if (withCoarse)
    {
        Segmenter coarse = band.coarse;
        float groupMax = band.groupMax;
        int32_t groupFill = band.groupFill;
        int32_t i = 0;

        // The group carried over from the previous sub-block, then whole groups, then the start of
        // the next one.
        for (; groupFill != 0 && i < n; ++i)
        {
            groupMax = std::max (groupMax, x[i] * sampleScale);

            if (++groupFill == 4)
            {
                segmentSample (band, coarse, true, ratio, groupMax);
                groupFill = 0;
            }
        }

        float maxima[blockSize / 4];
        int32_t groups = 0;

        for (; i + 4 <= n; i += 4)
            maxima[groups++] = std::max (std::max (std::max (x[i], x[i + 1]), x[i + 2]), x[i + 3]) * sampleScale;

        segmentRun (band, coarse, true, ratio, maxima, 1.0f, groups);

        for (; i < n; ++i)
        {
            groupMax = groupFill == 0 ? x[i] * sampleScale : std::max (groupMax, x[i] * sampleScale);
            ++groupFill;
        }

        if (endsTrack)
        {
            // A final group of fewer than 4 samples is still a group: its maximum is segmented like
            // any other (it starts 4 samples after the previous group) before the track's end closes
            // the segment, which then ends with the group's last sample.
            if (groupFill > 0)
            {
                lastGroupSize = groupFill;
                segmentSample (band, coarse, true, ratio, groupMax);
                groupFill = 0;
            }
        }

        band.coarse = coarse;
        band.groupMax = groupMax;
        band.groupFill = groupFill;
    }

    if (endsTrack)
    {
        // The segment open at the end runs to the last sample inclusive.
        if (band.fine.started)
            closeSegment (band, band.fine, false, band.fine.sinceStart + 1);

        if (withCoarse && band.coarse.started)
            closeSegment (band, band.coarse, true, band.coarse.sinceStart + lastGroupSize);

        band.finished = true;
    }

    return opened;
}

// Once the list is full its last record takes every further segment; `closed` keeps counting.
void OverviewBuilder::closeSegment (Band& band, Segmenter& s, bool coarse, int32_t length)
{
    const int32_t capacity = std::clamp (segmentCapacity, 1, maxSegments);
    Segment& record = band.segments[std::min (s.closed, capacity - 1)];

    if (coarse)
    {
        record.coarsePeak = s.peak;
    }
    else
    {
        record.peak = s.peak;
        record.length = length;
        record.peakOffset = s.peakOffset;
    }

    ++s.closed;
}

//==============================================================================
void OverviewBuilder::advanceEnvelope (bool emitted, double mean, bool bySegment)
{
    int32_t target = loudPointCount;

    if (! bands[lowBand].finished)
    {
        const double t = std::trunc (blockCounter / slice);
        target = t >= loudPointCount - 1 ? loudPointCount - 1 : static_cast<int32_t> (t);
    }

    if (target > envelopeIndex)
    {
        envelope[envelopeIndex] = envelope[envelopeIndex] / (2.0 * slice) * pointScale;

        // The points passed over are cleared; the target itself is not touched here (it is still
        // empty, and once the low band has finished it is one past the last point).
        for (int32_t k = envelopeIndex + 1; k < target; ++k)
            envelope[k] = 0.0;

        envelopeIndex = target;
    }

    if (! emitted || envelopeIndex >= loudPointCount)
        return;

    // The mean that follows an attack's mean describes that attack's decay, so it goes to the point
    // that took the attack's mean, even when the envelope has moved on since (that point's sum is
    // then already scaled, so the mean is scaled too). Every other mean goes to the current point.
    if (lastEmissionBySegment)
    {
        envelope[lastEmissionPoint] += lastEmissionPoint == envelopeIndex ? mean : mean / (2.0 * slice) * pointScale;
    }
    else
    {
        envelope[envelopeIndex] += mean;
        lastEmissionPoint = envelopeIndex;
    }

    lastEmissionBySegment = bySegment;
}

// The carry grows by this block before the segments closed in it are placed, so a segment that
// closes in block n lands in slice trunc (n / bandSlice), the slice the envelope gives block n.
void OverviewBuilder::advanceBandLevels (Band& band)
{
    constexpr int32_t sliceCount = loudPointCount / 2;
    const int32_t capacity = std::clamp (segmentCapacity, 1, maxSegments);
    band.carry += 1.0;

    while (band.segmentsHandled < band.fine.closed)
    {
        const int32_t k = band.segmentsHandled++;
        const bool lastOfTrack = band.finished && k == band.fine.closed - 1;

        while (band.carry >= bandSlice && band.slicesClosed < sliceCount)
        {
            closeBandSlice (band);
            band.carry -= bandSlice;
        }

        // The segment the track's end closes falls past the last slice and adds nothing.
        if (! lastOfTrack && band.slicesClosed < sliceCount)
            band.sliceSum += std::trunc (static_cast<double> (band.segments[std::min (k, capacity - 1)].peak));
    }

    // Once the band has finished, every slice still open is closed, whatever rounding left in the carry.
    if (band.finished)
        while (band.slicesClosed < sliceCount)
            closeBandSlice (band);
}

void OverviewBuilder::closeBandSlice (Band& band)
{
    const double value = band.sliceSum / (2.0 * bandSlice) * pointScale;
    band.levels[2 * band.slicesClosed] = value;
    band.levels[2 * band.slicesClosed + 1] = value;
    band.sliceSum = 0.0;
    ++band.slicesClosed;
}

void OverviewBuilder::completeLoudPoints()
{
    int32_t ready = loudPointCount;

    if (! (bands[lowBand].finished && bands[midBand].finished && bands[highBand].finished))
    {
        ready = envelopeIndex;

        for (const Band& band : bands)
            ready = std::min (ready, 2 * band.slicesClosed);
    }

    for (int32_t j = loudCount; j < ready; ++j)
    {
        const double low = bands[lowBand].levels[j];
        pointLevels[j][lowBand] = levelDb (0.5 * low);
        pointLevels[j][midBand] = levelDb (0.25 * bands[midBand].levels[j]);
        pointLevels[j][highBand] = levelDb (bands[highBand].levels[j]);
        const double shape = std::min (1.0, low / lowLevelNormaliser * 0.75 + 0.25);
        loudPoints[j].value = static_cast<float> (envelope[j] * shape);
    }

    loudCount = std::max (loudCount, ready);
}

//==============================================================================
void OverviewBuilder::advanceDots (Band& band)
{
    const int32_t capacity = std::clamp (segmentCapacity, 1, maxSegments);
    const int32_t target = band.finished ? dotsPointCount : std::min (blockCounter / dotSlice, dotsPointCount - 1);

    if (target > band.dotIndex)
    {
        band.dots[band.dotIndex] = band.dots[band.dotIndex] * dotScale / (2 * static_cast<int64_t> (dotSlice));

        for (int32_t k = band.dotIndex + 1; k < target; ++k)
            band.dots[k] = 0;

        band.dotIndex = target;
    }

    if (band.coarse.closed > band.coarseSeen)
    {
        if (blockCounter > dotsStartAfterBlocks && band.dotIndex < dotsPointCount)
            band.dots[band.dotIndex] += truncToInt64 (band.segments[std::min (band.coarseSeen, capacity - 1)].coarsePeak);

        band.coarseSeen = band.coarse.closed;
    }
}

void OverviewBuilder::completeDots()
{
    const int32_t ready = std::min (bands[lowBand].dotIndex, bands[midBand].dotIndex);

    for (int32_t k = dotsCount; k < ready; ++k)
    {
        const int64_t low = bands[lowBand].dots[k];
        dotsPoints[k].value = low != 0 ? static_cast<float> (low) : bands[midBand].dots[k] != 0 ? 1.0f : 0.0f;
    }

    dotsCount = std::max (dotsCount, ready);
}

void OverviewBuilder::completeTrack()
{
    if (complete)
        return;

    // Points never built still hold their reset values {0, 5}; classified from levels of 0, a loud
    // point keeps kind 5.
    loudCount = loudPointCount;
    dotsCount = dotsPointCount;
    complete = true;
}

//==============================================================================
void OverviewBuilder::classifyLoudWave (int32_t first, int32_t last)
{
    first = std::max (first, 0);
    last = std::min (last, loudCount);

    for (int32_t j = first; j < last; ++j)
        loudPoints[j].kind = kindOf (pointLevels[j][lowBand], pointLevels[j][midBand], pointLevels[j][highBand]);
}

int32_t OverviewBuilder::kindOf (int32_t x, int32_t y, int32_t z)
{
    if (x < 14)
        return y - z > 3 ? 4 : 5;

    if (y >= z)
        return x > y ? 0 : 1;

    return x > z ? 2 : 3;
}

int32_t OverviewBuilder::levelDb (double v)
{
    if (! (v > 0.0))
        return 0;

    const double db = std::trunc (20.0 * std::log10 (v / 32768.0) + 30.5);
    return db < 0.0 ? 0 : db > 30.0 ? 30 : static_cast<int32_t> (db);
}
