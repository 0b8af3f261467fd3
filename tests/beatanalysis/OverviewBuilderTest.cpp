#include "BandBank.h"
#include "OverviewBuilder.h"
#include "OverviewTracks.h"
#include "SyntheticAudio.h"
#include "TrackAnalysis.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace
{
constexpr int32_t block = OverviewBuilder::blockSize;

// Signals handed straight to the builder, in the scale the band bank uses (full scale about 1): the
// mono block and the three rectified bands.
struct BandSignals
{
    explicit BandSignals (int32_t frames)
        : full (static_cast<size_t> (frames)), low (full.size()), mid (full.size()), high (full.size())
    {
    }

    // Sample `offset` of block `blockNumber` (block numbers count from 1, as the builder does).
    static size_t at (int32_t blockNumber, int32_t offset = 0) { return static_cast<size_t> ((blockNumber - 1) * block + offset); }

    void feed (OverviewBuilder& builder, int32_t chunk = block) const
    {
        const int32_t total = static_cast<int32_t> (full.size());

        for (int32_t done = 0; done < total; done += chunk)
        {
            const int32_t n = std::min (chunk, total - done);
            builder.processBlock (full.data() + done, low.data() + done, mid.data() + done, high.data() + done, n);
        }
    }

    std::vector<float> full, low, mid, high;
};

struct Built
{
    std::unique_ptr<OverviewBuilder> builder = std::make_unique<OverviewBuilder>();

    Built (const BandSignals& signals, int32_t rate = 44100)
    {
        EXPECT_TRUE (builder->init (rate, static_cast<int32_t> (signals.full.size())));
        signals.feed (*builder);
        builder->classifyLoudWave (0, builder->getLoudCount());
    }

    float loud (int32_t j) const { return builder->getLoudPoints()[j].value; }
    float dot (int32_t k) const { return builder->getDotsPoints()[k].value; }
};

bool samePoints (const BA_WaveInfo* a, const BA_WaveInfo* b, int32_t n)
{
    return std::memcmp (a, b, sizeof (BA_WaveInfo) * static_cast<size_t> (n)) == 0;
}

// Keeps its segment lists short so that their limit is reached within a few seconds of audio.
struct ShortListBuilder : public OverviewBuilder
{
    explicit ShortListBuilder (int32_t capacity) { segmentCapacity = capacity; }
};
} // namespace

//==============================================================================
TEST (OverviewBuilder, ClassTableAndLevels)
{
    // Low under 14 dB: 4 when mid leads high by more than 3 dB, else 5.
    EXPECT_EQ (OverviewBuilder::kindOf (13, 20, 16), 4);
    EXPECT_EQ (OverviewBuilder::kindOf (13, 19, 16), 5);
    EXPECT_EQ (OverviewBuilder::kindOf (0, 0, 0), 5);
    EXPECT_EQ (OverviewBuilder::kindOf (10, 5, 30), 5);
    // Loud low, mid at or above high: 0 when low is above mid, else 1.
    EXPECT_EQ (OverviewBuilder::kindOf (14, 10, 10), 0);
    EXPECT_EQ (OverviewBuilder::kindOf (14, 14, 10), 1);
    EXPECT_EQ (OverviewBuilder::kindOf (20, 25, 3), 1);
    // Loud low, high above mid: 2 when low is above high, else 3.
    EXPECT_EQ (OverviewBuilder::kindOf (20, 10, 15), 2);
    EXPECT_EQ (OverviewBuilder::kindOf (14, 10, 14), 3);
    EXPECT_EQ (OverviewBuilder::kindOf (14, 10, 28), 3);

    EXPECT_EQ (OverviewBuilder::levelDb (32768.0), 30);
    EXPECT_EQ (OverviewBuilder::levelDb (327680.0), 30);
    EXPECT_EQ (OverviewBuilder::levelDb (32768.0 * std::pow (10.0, -16.4 / 20.0)), 14);
    EXPECT_EQ (OverviewBuilder::levelDb (32768.0 * std::pow (10.0, -16.6 / 20.0)), 13);
    EXPECT_EQ (OverviewBuilder::levelDb (32768.0 * std::pow (10.0, -30.6 / 20.0)), 0);
    EXPECT_EQ (OverviewBuilder::levelDb (0.0), 0);
    EXPECT_EQ (OverviewBuilder::levelDb (-5.0), 0);
    EXPECT_EQ (OverviewBuilder::levelDb (std::nan ("")), 0);
}

// A minute of one tone: a low one reads as class 0, a mid one as 4 and a high one as 5 (the bands
// reach the levels in the right order and with their own weights).
TEST (OverviewBuilder, TonesGetTheirClass)
{
    struct Case
    {
        double hz;
        int32_t kind;
    };

    for (const Case c : { Case { 80.0, 0 }, Case { 1000.0, 4 }, Case { 9000.0, 5 } })
    {
        OverviewTracks::Track track;
        track.addTone (0.0, 60.0, c.hz, c.kind == 0 ? 0.9f : 0.5f);
        const OverviewTracks::Curves curves = OverviewTracks::analyse (track);
        ASSERT_EQ (curves.loudCount, 400);
        std::map<int32_t, int32_t> kinds;

        for (const BA_WaveInfo& p : curves.loud)
            ++kinds[p.kind];

        EXPECT_GE (kinds[c.kind], 360) << c.hz << " Hz";
    }
}

//==============================================================================
TEST (OverviewBuilder, NothingBeforeAudioAndSilenceOpensNoSegment)
{
    OverviewBuilder fresh;
    ASSERT_TRUE (fresh.init (44100, 44100 * 30));
    EXPECT_EQ (fresh.getLoudCount(), 0);
    EXPECT_EQ (fresh.getDotsCount(), 0);

    for (int32_t j = 0; j < 400; ++j)
        EXPECT_TRUE (fresh.getLoudPoints()[j].value == 0.0f && fresh.getLoudPoints()[j].kind == 5) << j;

    for (int32_t k = 0; k < 100; ++k)
        EXPECT_TRUE (fresh.getDotsPoints()[k].value == 0.0f && fresh.getDotsPoints()[k].kind == 5) << k;

    // Every band at exactly the threshold (0.01 in the builder's 32,768 scale) opens nothing.
    BandSignals quiet (block * 300);

    for (std::vector<float>* v : { &quiet.full, &quiet.low, &quiet.mid, &quiet.high })
        std::fill (v->begin(), v->end(), 0.01f / 32768.0f);

    Built silent (quiet);
    EXPECT_EQ (silent.builder->getLoudCount(), 400);
    EXPECT_EQ (silent.builder->getDotsCount(), 100);

    for (int32_t b = 0; b < 3; ++b)
    {
        EXPECT_EQ (silent.builder->getSegmentCount (b), 0) << b;
        EXPECT_EQ (silent.builder->getCoarseSegmentCount (std::min (b, 1)), 0) << b;
    }

    for (int32_t k = 0; k < 100; ++k)
        EXPECT_EQ (silent.dot (k), 0.0f) << k;

    for (int32_t j = 0; j < 400; ++j)
        EXPECT_EQ (silent.builder->getLoudPoints()[j].kind, 5) << j;

    // A hair above it, the first sample opens a segment in every band.
    std::fill (quiet.low.begin(), quiet.low.end(), 0.0101f / 32768.0f);
    quiet.mid = quiet.high = quiet.low;
    Built barely (quiet);

    for (int32_t b = 0; b < 3; ++b)
        EXPECT_GE (barely.builder->getSegmentCount (b), 1) << b;

    // Real silence through the exported functions: complete curves of zeros, every class 5.
    OverviewTracks::Track nothing;
    nothing.left.assign (44100 * 20, 0.0f);
    nothing.right = nothing.left;
    const OverviewTracks::Curves curves = OverviewTracks::analyse (nothing);
    EXPECT_EQ (curves.loudCount, 400);
    EXPECT_EQ (curves.dotsCount, 100);

    for (const BA_WaveInfo& p : curves.loud)
        EXPECT_TRUE (p.value == 0.0f && p.kind == 5);

    for (const BA_WaveInfo& p : curves.dots)
        EXPECT_TRUE (p.value == 0.0f && p.kind == 5);
}

//==============================================================================
// The last block completes every point, whatever the track's length; nothing before it does.
TEST (OverviewBuilder, LastBlockCompletesBothCurves)
{
    for (const int32_t frames : { 1, 100, block, block * 100 + 37, 44100 * 600 })
    {
        OverviewBuilder builder;
        ASSERT_TRUE (builder.init (44100, frames));
        // Swelling and fading bursts of a 70 Hz tone, made one block at a time.
        std::vector<float> mono (block);
        auto feedBlock = [&] (int32_t start, int32_t n)
        {
            for (int32_t i = 0; i < n; ++i)
            {
                const double t = (start + i) / 44100.0;
                mono[static_cast<size_t> (i)] = static_cast<float> (0.4 * std::sin (439.8 * t) * std::fabs (std::sin (1.3 * t)));
            }

            builder.processBlock (mono.data(), nullptr, nullptr, nullptr, n);
        };

        const int32_t lastBlockStart = (frames - 1) / block * block;

        for (int32_t start = 0; start < lastBlockStart; start += block)
            feedBlock (start, block);

        EXPECT_LT (builder.getLoudCount(), 400) << frames;
        EXPECT_LT (builder.getDotsCount(), 100) << frames;
        EXPECT_FALSE (builder.isComplete());

        feedBlock (lastBlockStart, frames - lastBlockStart);
        EXPECT_TRUE (builder.isComplete());
        EXPECT_EQ (builder.getLoudCount(), 400) << frames;
        EXPECT_EQ (builder.getDotsCount(), 100) << frames;

        // Anything past the end is ignored.
        feedBlock (0, block);
        EXPECT_EQ (builder.getLoudCount(), 400);

        builder.classifyLoudWave (0, 400);

        for (int32_t j = 0; j < 400; ++j)
        {
            const BA_WaveInfo p = builder.getLoudPoints()[j];
            EXPECT_TRUE (std::isfinite (p.value) && p.value >= 0.0f && p.kind >= 0 && p.kind <= 5) << frames << " " << j;
        }

        for (int32_t k = 0; k < 100; ++k)
            EXPECT_TRUE (std::isfinite (builder.getDotsPoints()[k].value)) << frames << " " << k;
    }

    // A track said to hold no frames ends with its first sample.
    OverviewBuilder empty;
    ASSERT_TRUE (empty.init (48000, 0));
    const float one[2] { 0.5f, 0.5f };
    empty.processBlock (one, nullptr, nullptr, nullptr, 2);
    EXPECT_EQ (empty.getLoudCount(), 400);
    EXPECT_EQ (empty.getDotsCount(), 100);
}

// Feeding in chunks of any size while reading both curves incrementally gives exactly the curves of
// one call and one read; reading from the current count copies nothing.
TEST (OverviewBuilder, ChunkingAndPollingChangeNothing)
{
    SyntheticAudio audio (44100, 17);
    audio.addDrumPattern (0.5, 126.0, 10, 0.2);
    audio.addNoiseBurst (20.0, 6.0, 0.05f);
    audio.addDrumPattern (26.0, 126.0, 6);
    audio.extendTo (40.0);
    const OverviewTracks::Track track = OverviewTracks::fromAudio (audio);
    const OverviewTracks::Curves whole = OverviewTracks::analyse (track);
    ASSERT_EQ (whole.loudCount, 400);
    ASSERT_EQ (whole.dotsCount, 100);

    for (const int32_t chunk : { 1, 587, 588, 589, 10000 })
    {
        const OverviewTracks::Curves polled = OverviewTracks::analyse (track, chunk, true);
        EXPECT_EQ (polled.loudCount, 400);
        EXPECT_EQ (polled.dotsCount, 100);
        EXPECT_TRUE (samePoints (polled.loud.data(), whole.loud.data(), 400)) << chunk;
        EXPECT_TRUE (samePoints (polled.dots.data(), whole.dots.data(), 100)) << chunk;
    }

    // Halfway through the track, and at its end, a read from the count leaves the caller's array alone.
    void* h = BA_Create44k (track.frameCount(), 4);
    auto* left = const_cast<float*> (track.left.data());
    auto* right = const_cast<float*> (track.right.data());
    BA_WaveInfo out[BA_LOUD_WAVE_POINTS];

    for (const int32_t fed : { track.frameCount() / 2, track.frameCount() })
    {
        const int32_t before = static_cast<TrackAnalysis*> (h)->getFedFrames();
        BA_SetSample (h, left + before, right + before, fed - before);
        std::fill (std::begin (out), std::end (out), BA_WaveInfo { -1.0f, -1 });
        const int32_t loud = BA_GetLoudWave (h, out, 0);
        const int32_t dots = BA_GetDotsWave (h, out, 0);
        EXPECT_GT (loud, 0);
        std::fill (std::begin (out), std::end (out), BA_WaveInfo { -1.0f, -1 });
        EXPECT_EQ (BA_GetLoudWave (h, out, loud), loud);
        EXPECT_EQ (BA_GetDotsWave (h, out, dots), dots);
        EXPECT_TRUE (std::all_of (std::begin (out), std::end (out), [] (const BA_WaveInfo& p) { return p.kind == -1; }));
    }

    BA_Release (h);
}

// The builder's own mid and high filters are the bank's: given or derived, the bands give the same curves.
TEST (OverviewBuilder, OwnBandFiltersMatchTheBank)
{
    const OverviewTracks::Track track = OverviewTracks::fromAudio ([] {
        SyntheticAudio audio (48000, 23);
        audio.addDrumPattern (0.0, 110.0, 12, 0.1);
        return audio;
    }());
    const std::unique_ptr<OverviewBuilder> viaBank = OverviewTracks::buildOverview (track);
    ASSERT_NE (viaBank, nullptr);

    OverviewBuilder alone;
    ASSERT_TRUE (alone.init (48000, track.frameCount()));
    const std::vector<float> mono = OverviewTracks::monoOf (track);

    for (int32_t done = 0; done < track.frameCount(); done += block)
        alone.processBlock (mono.data() + done, nullptr, nullptr, nullptr, std::min (block, track.frameCount() - done));

    EXPECT_TRUE (samePoints (alone.getLoudPoints(), viaBank->getLoudPoints(), 400));
    EXPECT_TRUE (samePoints (alone.getDotsPoints(), viaBank->getDotsPoints(), 100));
    EXPECT_GT (viaBank->getSegmentCount (1), 10);
}

//==============================================================================
// Where an attack's means go, and which slice an attack's peak joins. 4,000 blocks: 10 blocks per
// envelope point, 20 per slice of band levels; the hold is 24 blocks. The low band has attacks at the
// start of blocks 5, 45 and 80; the full signal is 0.25 (a mean of 8,192) only in blocks 6..14 and
// 46..54, the nine blocks after the first two attacks, so only the means emitted in blocks 14 and
// 54 carry anything.
TEST (OverviewBuilder, AttackMeansAndPeaksLandWhereTheyBelong)
{
    BandSignals s (4000 * block);
    s.low[BandSignals::at (5)] = 0.5f;
    s.low[BandSignals::at (45)] = 0.5f;
    s.low[BandSignals::at (80)] = 0.5f;
    std::fill (s.full.begin() + static_cast<long> (BandSignals::at (6)), s.full.begin() + static_cast<long> (BandSignals::at (15)), 0.25f);
    std::fill (s.full.begin() + static_cast<long> (BandSignals::at (46)), s.full.begin() + static_cast<long> (BandSignals::at (55)), 0.25f);
    Built built (s);
    ASSERT_EQ (built.builder->getSegmentCount (0), 3);

    // The track's first attack (block 5) emits a mean, so the nine-block count restarts there and the
    // next mean comes in block 14. Being the one after an attack, it goes to the attack's point 0
    // although the envelope is at point 1 by then, scaled as that point was: 8192 x 75 / 20. Point 0
    // has no low level, so the shape factor is 0.25.
    EXPECT_FLOAT_EQ (built.loud (0), 30720.0f * 0.25f);
    EXPECT_EQ (built.loud (1), 0.0f);

    // The attack in block 45 sits in point 4; the mean of blocks 46..54 lands there, not in point 5.
    // Point 4's slice holds the first segment's peak, 16,384: a level of 16384 / 40 x 75 = 30,720.
    EXPECT_FLOAT_EQ (built.loud (4), 30720.0f * (30720.0f / 32768.0f * 0.75f + 0.25f));
    EXPECT_EQ (built.loud (5), 0.0f);

    // The segment closed in block 80 (a whole multiple of the slice) joins slice 4, points 8 and 9,
    // the slice the envelope gives block 80; slice 3 (points 6, 7) stays empty. The segment that the
    // track's end closes adds nothing.
    const int32_t expectedLow = OverviewBuilder::levelDb (0.5 * 30720.0);
    EXPECT_EQ (expectedLow, 23);

    for (int32_t j = 0; j < 400; ++j)
    {
        const bool holdsPeak = j == 4 || j == 5 || j == 8 || j == 9;
        EXPECT_EQ (built.builder->getPointLevel (j, 0), holdsPeak ? expectedLow : 0) << j;
    }
}

// A steady signal with no attacks: every point takes two nine-block means (18 blocks a point), the
// last point as well, although the last block's own mean is emitted after the envelope has finished.
// Only point 0 takes one (block 18's mean already belongs to point 1).
TEST (OverviewBuilder, SteadyTrackFillsEveryPointTheLastIncluded)
{
    BandSignals s (7200 * block);
    std::fill (s.full.begin(), s.full.end(), 0.25f);
    Built built (s);
    const float twoMeans = 2.0f * 8192.0f * 75.0f / 36.0f * 0.25f;
    EXPECT_FLOAT_EQ (built.loud (0), twoMeans / 2.0f);

    for (int32_t j = 1; j < 400; ++j)
        EXPECT_FLOAT_EQ (built.loud (j), twoMeans) << j;

    // At 100 blocks four points pass per block: the points between emissions are 0, and the curve
    // still ends complete without touching anything past its last point.
    BandSignals shortTrack (100 * block);
    std::fill (shortTrack.full.begin(), shortTrack.full.end(), 0.25f);
    Built few (shortTrack);
    EXPECT_EQ (few.builder->getLoudCount(), 400);
    EXPECT_GT (few.loud (36), 0.0f); // block 9's mean, at point trunc (9 / 0.25)
    EXPECT_EQ (few.loud (37), 0.0f);
}

// 27 blocks make slices of 0.135 blocks, and 27 less 199 of them leaves a little under one slice in
// the carry. The segment closed in block 27 still joins slice 199, and the track's end closes that
// slice, so the last two points carry its peak.
TEST (OverviewBuilder, TrackEndClosesTheLastSliceWhateverTheCarry)
{
    BandSignals s (27 * block);
    s.low[BandSignals::at (1)] = 0.5f;
    s.low[BandSignals::at (27)] = 0.5f;
    Built built (s);
    ASSERT_EQ (built.builder->getSegmentCount (0), 2);
    EXPECT_EQ (built.builder->getPointLevel (398, 0), 30);
    EXPECT_EQ (built.builder->getPointLevel (399, 0), 30);
    EXPECT_EQ (built.builder->getPointLevel (397, 0), 0);
}

// The coarse segmenter takes the maximum of every 4 samples; a final group of 2 is still a group, so
// the rise in the track's last two samples closes a coarse segment there, as it does a fine one.
TEST (OverviewBuilder, FinalPartialGroupIsSegmented)
{
    BandSignals s (50 * block + 2);
    s.low[0] = 0.5f;
    s.low[s.low.size() - 2] = 0.5f;
    s.low[s.low.size() - 1] = 0.5f;
    Built built (s);
    EXPECT_EQ (built.builder->getSegmentCount (0), 2);
    EXPECT_EQ (built.builder->getCoarseSegmentCount (0), 2);
    EXPECT_EQ (built.builder->getSegment (0, 0).length, 50 * block);
    EXPECT_EQ (built.builder->getSegment (0, 1).length, 2);
}

//==============================================================================
// Past its capacity a segment list keeps its last record up to date: the curves do not change, and
// nothing is written beyond the list.
TEST (OverviewBuilder, FullSegmentListKeepsUpdatingItsLastRecord)
{
    BandSignals s (440 * block);

    for (int32_t k = 0; k < 14; ++k)
    {
        const float level = 0.3f + 0.01f * static_cast<float> (k);
        s.low[BandSignals::at (2 + 30 * k)] = level;
        s.mid[BandSignals::at (3 + 30 * k)] = level;
        s.high[BandSignals::at (4 + 30 * k)] = level;
        s.full[BandSignals::at (2 + 30 * k)] = level;
    }

    Built unlimited (s);
    ShortListBuilder limited (4);
    ASSERT_TRUE (limited.init (44100, static_cast<int32_t> (s.full.size())));
    s.feed (limited);
    limited.classifyLoudWave (0, 400);

    EXPECT_TRUE (samePoints (limited.getLoudPoints(), unlimited.builder->getLoudPoints(), 400));
    EXPECT_TRUE (samePoints (limited.getDotsPoints(), unlimited.builder->getDotsPoints(), 100));

    for (int32_t b = 0; b < 3; ++b)
    {
        EXPECT_EQ (limited.getSegmentCount (b), 14) << b;
        // Record 3 holds the last segment, the one the track's end closed.
        EXPECT_FLOAT_EQ (limited.getSegment (b, 3).peak, unlimited.builder->getSegment (b, 13).peak) << b;
        EXPECT_EQ (limited.getSegment (b, 4).peak, 0.0f) << b;
    }
}

// A dot's sum times 75 passes the int32 range long before the dot does: a coarse peak of 65,536,000
// over a two-block dot gives 65,536,000 x 75 / 4.
TEST (OverviewBuilder, DotSumsDoNotOverflow)
{
    BandSignals s (200 * block);
    s.low[BandSignals::at (60)] = 2000.0f;
    s.low[BandSignals::at (100)] = 2000.0f;
    Built built (s);
    EXPECT_FLOAT_EQ (built.dot (50), 1228800000.0f);
    EXPECT_EQ (built.dot (49), 0.0f);
    EXPECT_EQ (built.dot (51), 0.0f);
}

// A peak held above a steadier level decays after 1.714 s until the level counts as a rise again:
// about 2.48 s after the peak at either rate.
TEST (OverviewBuilder, PeaksDecayAlikeAtBothRates)
{
    for (const int32_t rate : { 44100, 48000 })
    {
        BandSignals s (rate * 4);
        std::fill (s.low.begin(), s.low.end(), 0.5f);
        s.low[0] = 1.0f;
        Built built (s, rate);
        ASSERT_GE (built.builder->getSegmentCount (0), 2) << rate;
        const double seconds = built.builder->getSegment (0, 0).length / static_cast<double> (rate);
        EXPECT_NEAR (seconds, 1.714 + 66 * 512 / 44100.0, 0.002) << rate;
    }
}

//==============================================================================
// The same music at 44,100 and 48,000 Hz. Measured on these four tracks (pulsek_overview_benchmark):
// classes agree on 95-100 % of the points; band levels differ by 0.5-1.2 dB on average, and 80-100 %
// of them by at most 1 dB (a slice that holds one attack more or less at one rate moves by up to
// 20 dB); the dots' sums differ by 6-8 % (48 kHz lower: dots and band levels are scaled by 75 blocks a
// second, the 44.1 kHz rate); the sums of 20 loud points correlate at 0.94-1.0 and of 10 dots at
// 0.93-1.0, except on the click track, whose isolated clicks move by up to a factor of three with
// the phase of the nine-block means (there 92.5 % of the points are zero at both rates or at
// neither). The tolerances below sit a margin beyond those figures.
TEST (OverviewBuilder, SampleRatesAgree)
{
    for (const OverviewTracks::Named& named : OverviewTracks::all())
    {
        const bool isolatedClicks = std::strcmp (named.name, "clicks") == 0;
        const std::unique_ptr<OverviewBuilder> a = OverviewTracks::buildOverview (named.make (44100));
        const std::unique_ptr<OverviewBuilder> b = OverviewTracks::buildOverview (named.make (48000));
        ASSERT_TRUE (a != nullptr && b != nullptr);
        a->classifyLoudWave (0, 400);
        b->classifyLoudWave (0, 400);

        int32_t sameKind = 0, sameZero = 0, within1Db = 0;
        double levelDiff = 0.0, dotsA = 0.0, dotsB = 0.0;
        std::vector<double> loudA (20), loudB (20), dotWindowsA (10), dotWindowsB (10);

        for (int32_t j = 0; j < 400; ++j)
        {
            const BA_WaveInfo pa = a->getLoudPoints()[j], pb = b->getLoudPoints()[j];
            sameKind += pa.kind == pb.kind ? 1 : 0;
            sameZero += (pa.value > 0.0f) == (pb.value > 0.0f) ? 1 : 0;
            loudA[static_cast<size_t> (j / 20)] += pa.value;
            loudB[static_cast<size_t> (j / 20)] += pb.value;

            for (int32_t band = 0; band < 3; ++band)
            {
                const int32_t d = std::abs (a->getPointLevel (j, band) - b->getPointLevel (j, band));
                levelDiff += d;
                within1Db += d <= 1 ? 1 : 0;
            }
        }

        for (int32_t k = 0; k < 100; ++k)
        {
            dotsA += a->getDotsPoints()[k].value;
            dotsB += b->getDotsPoints()[k].value;
            dotWindowsA[static_cast<size_t> (k / 10)] += a->getDotsPoints()[k].value;
            dotWindowsB[static_cast<size_t> (k / 10)] += b->getDotsPoints()[k].value;
        }

        auto correlation = [] (const std::vector<double>& x, const std::vector<double>& y)
        {
            const double n = static_cast<double> (x.size());
            double mx = 0.0, my = 0.0, sxy = 0.0, sxx = 0.0, syy = 0.0;

            for (size_t i = 0; i < x.size(); ++i)
            {
                mx += x[i] / n;
                my += y[i] / n;
            }

            for (size_t i = 0; i < x.size(); ++i)
            {
                sxy += (x[i] - mx) * (y[i] - my);
                sxx += (x[i] - mx) * (x[i] - mx);
                syy += (y[i] - my) * (y[i] - my);
            }

            return sxx > 0.0 && syy > 0.0 ? sxy / std::sqrt (sxx * syy) : 0.0;
        };

        SCOPED_TRACE (named.name);
        EXPECT_GE (sameKind, 360);
        EXPECT_LE (levelDiff / 1200.0, 1.5);
        EXPECT_GE (within1Db, 900);
        EXPECT_GE (sameZero, 360);
        EXPECT_NEAR (dotsB / dotsA, 0.93, 0.05);

        if (! isolatedClicks)
        {
            EXPECT_GE (correlation (loudA, loudB), 0.9);
            EXPECT_GE (correlation (dotWindowsA, dotWindowsB), 0.9);
        }
    }
}
