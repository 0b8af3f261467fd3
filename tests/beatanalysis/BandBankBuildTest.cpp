#include "BandBank.h"
#include "IirState.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace
{
std::vector<float> impulseResponse (BiquadStage& stage, int32_t n)
{
    std::vector<float> x (n, 0.0f), y (n);
    x[0] = 1.0f;
    stage.filter (x.data(), y.data(), n);
    return y;
}
} // namespace

TEST (BandBankBuild, SixBandsAt44100)
{
    BandBank bank;
    ASSERT_TRUE (bank.build (44100, 8, 6));
    EXPECT_EQ (bank.getBandCount(), 6);
    EXPECT_EQ (bank.getDecimation(), 8);
    EXPECT_EQ (bank.getDecimationPhase(), 0);
    EXPECT_EQ (bank.getSampleRate(), 44100.0f);
    EXPECT_EQ (bank.histogram().minBin, 200);
    EXPECT_EQ (bank.histogram().maxBin, 40);

    for (int32_t i = 0; i < 6; ++i)
    {
        SCOPED_TRACE (i);
        const PeakPicker& p = bank.channel (i);
        EXPECT_EQ (p.sampleRate, 44100u);
        EXPECT_EQ (p.holdSamples, 12788u);
        EXPECT_EQ (p.levelPhaseLength, 74970);
        EXPECT_EQ (p.firstDecayLength, 57329);
        EXPECT_EQ (p.laterDecayLength, 57329);
        EXPECT_EQ (p.positionStep, 8);
        EXPECT_EQ (p.threshold, 0.001f);
        EXPECT_EQ (p.state, 0);
        EXPECT_EQ (p.position, 0);
        EXPECT_NE (bank.stage (i).state, nullptr);
        EXPECT_NE (bank.bandBuffer (i), nullptr);
        EXPECT_EQ (reinterpret_cast<uintptr_t> (bank.bandBuffer (i)) % 32, 0u);
        EXPECT_EQ (bank.decimationSum (i), 0.0f);

        const OnsetTracker& t = bank.tracker (i);
        EXPECT_EQ (t.bandIndex, i);
        EXPECT_EQ (t.score, FLT_MAX);
        EXPECT_FALSE (t.valid);
        EXPECT_EQ (t.ring.capacity, 32);
        EXPECT_EQ (t.ring.count, 0);
        EXPECT_NE (t.ring.entries, nullptr);
    }

    // Bands 0 to 3 filter the mono block; 4 and 5 shape copies of bands 0 and 3.
    for (int32_t i = 0; i < 4; ++i)
    {
        EXPECT_EQ (bank.channel (i).envelope.sourceBand, -1);
        EXPECT_FALSE (bank.channel (i).envelope.shapingOn);
    }

    EXPECT_EQ (bank.channel (4).envelope.sourceBand, 0);
    EXPECT_EQ (bank.channel (4).envelope.windowLength, 44);
    EXPECT_EQ (bank.channel (5).envelope.sourceBand, 3);
    EXPECT_EQ (bank.channel (5).envelope.windowLength, 9);
    EXPECT_TRUE (bank.channel (4).envelope.shapingOn && bank.channel (5).envelope.shapingOn);
    EXPECT_EQ (bank.stage (2).state->sectionCount, 4);

    // Each band's filter is its design.
    BiquadStage lowPass, bandPass, pair, highPass;
    ASSERT_TRUE (lowPass.rebuildLowPass (283.0f, 44100.0f, 0.70710677f));
    ASSERT_TRUE (bandPass.rebuildBandPassOctaves (150.0f, 44100.0f, 1.5f));
    ASSERT_TRUE (pair.rebuildHighLowPair (283.0f, 6000.0f, 44100.0f, 0.70710677f));
    ASSERT_TRUE (highPass.rebuildHighPass (6000.0f, 44100.0f, 0.70710677f));
    EXPECT_EQ (impulseResponse (bank.stage (0), 300), impulseResponse (lowPass, 300));
    EXPECT_EQ (impulseResponse (bank.stage (1), 300), impulseResponse (bandPass, 300));
    EXPECT_EQ (impulseResponse (bank.stage (2), 300), impulseResponse (pair, 300));
    EXPECT_EQ (impulseResponse (bank.stage (3), 300), impulseResponse (highPass, 300));
}

TEST (BandBankBuild, LengthsAt48000)
{
    BandBank bank;
    ASSERT_TRUE (bank.build (48000, 8, 6));
    EXPECT_EQ (bank.channel (0).holdSamples, 13919u);
    EXPECT_EQ (bank.channel (0).levelPhaseLength, 81600);
    EXPECT_EQ (bank.channel (0).firstDecayLength, 62399);
    EXPECT_EQ (bank.channel (0).laterDecayLength, 62399);
    EXPECT_EQ (bank.channel (4).envelope.windowLength, 48);
    EXPECT_EQ (bank.channel (5).envelope.windowLength, 10);
}

TEST (BandBankBuild, DestroyTwiceAndRebuild)
{
    BandBank bank;
    ASSERT_TRUE (bank.build (44100, 8, 6));
    ASSERT_TRUE (bank.build (48000, 8, 6)); // the second build frees the first
    EXPECT_EQ (bank.channel (0).sampleRate, 48000u);
    bank.destroy();
    bank.destroy();
    EXPECT_EQ (bank.getBandCount(), 0);
    ASSERT_TRUE (bank.build (44100, 8, 6));
    EXPECT_EQ (bank.channel (5).envelope.windowLength, 9);
    bank.destroy();
    // The destructor then finds nothing to free.
}

TEST (BandBankBuild, RefusesWhatItCannotBuild)
{
    BandBank bank;
    EXPECT_FALSE (bank.build (44100, 8, 7));
    EXPECT_FALSE (bank.build (44100, 0, 6));
    EXPECT_FALSE (bank.build (0, 8, 6));
    EXPECT_FALSE (bank.build (44100, 8, 0));
    EXPECT_EQ (bank.getBandCount(), 0);

    // Fewer bands build the first ones of the same table.
    ASSERT_TRUE (bank.build (44100, 8, 2));
    EXPECT_EQ (bank.getBandCount(), 2);
    EXPECT_EQ (bank.channel (1).envelope.sourceBand, -1);
}
