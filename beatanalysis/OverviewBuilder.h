// Builds the two wave-overview curves of a track while its blocks are fed: the loud wave (400 points,
// each with a spectral class 0..5) and the dots wave (100 points, always class 5).
//
// Point k of a curve stands for the k-th equal slice of the track, counted in 588-sample blocks. The
// loud wave is a loudness envelope (means of the full signal, emitted every nine blocks and at every
// low-band attack) shaped by the low band's level; its class comes from the low, mid and high band
// levels of the point. The dots wave is the strength of the low band's coarse attacks. Both curves
// grow with the blocks; the block that ends the track completes all 400 and 100 points.
#pragma once

#include "BiquadStage.h"
#include "pulsek.h"

#include <cstdint>

class OverviewBuilder
{
public:
    static constexpr int32_t loudPointCount = BA_LOUD_WAVE_POINTS;
    static constexpr int32_t dotsPointCount = BA_DOTS_WAVE_POINTS;
    static constexpr int32_t blockSize = 588;
    static constexpr int32_t bandCount = 3;       // low, mid, high
    static constexpr int32_t coarseBandCount = 2; // low and mid also run the coarse segmenter
    static constexpr int32_t maxSegments = 36000; // per band; the list then keeps updating its last record

    // One segment of a band: from one attack to the next. The coarse segmenter keeps its own count
    // and writes only coarsePeak.
    struct Segment
    {
        float peak;
        float coarsePeak;
        int32_t length;     // samples
        int32_t peakOffset; // samples from the segment start to its peak
    };

    OverviewBuilder();
    virtual ~OverviewBuilder();

    OverviewBuilder (const OverviewBuilder&) = delete;
    OverviewBuilder& operator= (const OverviewBuilder&) = delete;

    // False when memory for the builder's buffers runs out.
    bool init (int32_t sampleRate, int32_t totalFrames);
    void reset();

    // One block of the track: the mono samples (16-bit scale / 32,768) and the rectified band signals
    // of the same scale; a null band is filtered here from the block. Any count is taken, in
    // sub-blocks of at most 588 samples, each counting as one block; samples past the track's end are
    // ignored.
    virtual void processBlock (const float* block, const float* low, const float* mid, const float* high, int32_t count);

    // The stage that makes the low band from the block. A caller may run it on the block itself (beside
    // filters of its own) and give the rectified result as the low band, while takesLowBand() says the
    // builder still takes blocks and has that stage.
    BiquadStage& getLowStage() { return lowStage; }
    bool takesLowBand() const { return ! complete && initialised && lowStage.state != nullptr; }

    // The track has ended: completes both curves unless its last block has (a track of 0 frames or
    // fewer gives the builder no block at all). Points never built stay at value 0, kind 5.
    void completeTrack();

    // Sets the kinds of loud points first .. last-1.
    void classifyLoudWave (int32_t first, int32_t last);

    // The class of a point from its low, mid and high levels in dB (0..30).
    static int32_t kindOf (int32_t lowDb, int32_t midDb, int32_t highDb);

    // trunc (20 log10 (v / 32768) + 30.5) within 0..30; 0 for v <= 0.
    static int32_t levelDb (double v);

    int32_t getLoudCount() const { return loudCount; }
    int32_t getDotsCount() const { return dotsCount; }
    const BA_WaveInfo* getLoudPoints() const { return loudPoints; }
    const BA_WaveInfo* getDotsPoints() const { return dotsPoints; }

    // Inspection: the band levels (dB) a completed loud point was classified from, and each band's
    // segments (band 0 low, 1 mid, 2 high).
    int32_t getPointLevel (int32_t point, int32_t band) const { return pointLevels[point][band]; }
    int32_t getSegmentCount (int32_t band) const { return bands[band].fine.closed; }
    int32_t getCoarseSegmentCount (int32_t band) const { return bands[band].coarse.closed; }
    const Segment& getSegment (int32_t band, int32_t index) const { return bands[band].segments[index]; }
    bool isComplete() const { return complete; }

protected:
    // How many records of each list are used before the list stops growing (tests lower it to reach
    // the limit quickly; never above maxSegments).
    int32_t segmentCapacity = maxSegments;

private:
    // The running state of one segmenter (fine: every sample; coarse: the maximum of each 4 samples).
    struct Segmenter
    {
        bool started;
        float peak;          // running peak of the open segment
        int32_t sinceStart;  // samples since the open segment began
        int32_t peakOffset;
        int32_t decayCounter;
        int32_t closed;      // segments closed so far (may pass the list's capacity)
    };

    struct Band
    {
        Segment* segments;
        Segmenter fine;
        Segmenter coarse;
        float groupMax; // coarse groups of 4 samples run on across blocks
        int32_t groupFill;
        bool finished;

        // Band-level points: slices of bandSlice blocks, two points each.
        double levels[loudPointCount];
        double sliceSum;
        double carry; // blocks since the last closed slice
        int32_t slicesClosed;
        int32_t segmentsHandled;

        // Dots (low and mid only).
        int64_t dots[dotsPointCount];
        int32_t dotIndex;
        int32_t coarseSeen;
    };

    void releaseBuffers();
    bool segmentSample (Band& band, Segmenter& s, bool coarse, float ratio, float d);
    void closeSegment (Band& band, Segmenter& s, bool coarse, int32_t length);
    bool segmentRun (Band& band, Segmenter& s, bool coarse, float ratio, const float* d, float scale, int32_t count);
    bool segmentBand (int32_t b, const float* x, int32_t n, bool endsTrack);
    void advanceEnvelope (bool emitted, double mean, bool bySegment);
    void advanceBandLevels (Band& band);
    void closeBandSlice (Band& band);
    void completeLoudPoints();
    void advanceDots (Band& band);
    void completeDots();

    double sampleRate = 0.0;
    int32_t totalFrames = 0;
    double holdSamples = 0.0;
    double decayStartSamples = 0.0;
    int32_t decayPeriod = 512;
    int64_t firstDecaySample = 1;

    double slice = 1.0;     // blocks per loud envelope point
    double bandSlice = 2.0; // blocks per pair of band-level points
    int32_t dotSlice = 1;   // blocks per dot

    BiquadStage lowStage, midStage, highStage;
    bool initialised = false; // init succeeded
    float* bandBuffers[bandCount] {};

    Band bands[bandCount] {};

    int32_t blockCounter = 0;
    int64_t samplesSeen = 0;
    bool complete = false;

    double meanSum = 0.0;
    int32_t meanBlocks = 0;

    double envelope[loudPointCount] {};
    int32_t envelopeIndex = 0;
    int32_t lastEmissionPoint = 0;
    bool lastEmissionBySegment = false;

    int32_t pointLevels[loudPointCount][bandCount] {};
    BA_WaveInfo loudPoints[loudPointCount];
    BA_WaveInfo dotsPoints[dotsPointCount];
    int32_t loudCount = 0;
    int32_t dotsCount = 0;
};
