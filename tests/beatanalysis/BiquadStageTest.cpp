#include "BiquadStage.h"
#include "IirState.h"
#include "VectorOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{
const float butterworthQ = 0.70710677f;

// Steady-state gain in dB of the stage at frequency f: a sine is run through it for two seconds and
// the peak of the last half second is compared with the input's.
double gainDb (BiquadStage& stage, double f, double fs)
{
    const int32_t n = static_cast<int32_t> (2 * fs);
    std::vector<float> x (n), y (n);
    for (int32_t i = 0; i < n; ++i)
        x[i] = static_cast<float> (std::sin (2.0 * M_PI * f * i / fs));

    for (int32_t i = 0; i < n; i += 588)
        stage.filter (x.data() + i, y.data() + i, std::min (588, n - i));

    double peak = 0.0;
    for (int32_t i = n - n / 4; i < n; ++i)
        peak = std::max (peak, std::fabs (static_cast<double> (y[i])));

    return 20.0 * std::log10 (peak);
}

std::vector<float> impulseResponse (BiquadStage& stage, int32_t n)
{
    std::vector<float> x (n, 0.0f), y (n);
    x[0] = 1.0f;
    stage.filter (x.data(), y.data(), n);
    return y;
}
} // namespace

TEST (BiquadStage, LowPassTapsOfTheWorkedExample)
{
    BiquadDesign design;
    EXPECT_TRUE (BiquadStage::designLowPass (design, 283.0f, 44100.0f, butterworthQ));
    ASSERT_EQ (design.sectionCount, 2);
    EXPECT_EQ (design.taps, design.buffer);

    const double expected[6] { 0.000406, 0.000813, 0.000406, 1.028503, -1.998374, 0.971497 };

    for (int32_t k = 0; k < 2; ++k)
        for (int32_t j = 0; j < 6; ++j)
            EXPECT_NEAR (design.taps[6 * k + j], expected[j], 5.0e-7) << "section " << k << " tap " << j;

    // w = 6.283184 x 283 / 44100 with the single-precision constant; alpha = sin w / 2Q.
    const double w = static_cast<double> (6.283184f) * 283.0 / 44100.0;
    EXPECT_NEAR (w, 0.040321, 1.0e-6);
    EXPECT_EQ (design.taps[3], static_cast<float> (1.0 + std::sin (w) / (2.0 * butterworthQ)));
}

TEST (BiquadStage, GainsAtTheirCornersAndCentres)
{
    const float fs = 44100.0f;

    BiquadStage lowPass;
    ASSERT_TRUE (lowPass.rebuildLowPass (283.0f, fs, butterworthQ));
    // Two Butterworth sections: -3 dB each at the corner.
    EXPECT_NEAR (gainDb (lowPass, 283.0, fs), -6.02, 0.1);
    EXPECT_NEAR (gainDb (lowPass, 40.0, fs), 0.0, 0.05);
    EXPECT_LT (gainDb (lowPass, 2830.0, fs), -75.0);

    BiquadStage highPass;
    ASSERT_TRUE (highPass.rebuildHighPass (6000.0f, fs, butterworthQ));
    EXPECT_NEAR (gainDb (highPass, 6000.0, fs), -6.02, 0.1);
    EXPECT_LT (gainDb (highPass, 600.0, fs), -75.0);

    // Constant 0 dB peak gain band-pass, 1.5 octaves wide.
    BiquadStage bandPass;
    ASSERT_TRUE (bandPass.rebuildBandPassOctaves (150.0f, fs, 1.5f));
    EXPECT_NEAR (gainDb (bandPass, 150.0, fs), 0.0, 0.05);
    EXPECT_LT (gainDb (bandPass, 150.0 * 4, fs), -12.0);
    EXPECT_LT (gainDb (bandPass, 150.0 / 4, fs), -12.0);

    BiquadStage bandPassQ;
    ASSERT_TRUE (bandPassQ.rebuildBandPass (1000.0f, fs, 2.0f));
    EXPECT_NEAR (gainDb (bandPassQ, 1000.0, fs), 0.0, 0.05);

    // The pair passes the middle and is about -6 dB at each edge.
    BiquadStage pair;
    ASSERT_TRUE (pair.rebuildHighLowPair (283.0f, 6000.0f, fs, butterworthQ));
    EXPECT_EQ (pair.state->sectionCount, 4);
    EXPECT_NEAR (gainDb (pair, 1300.0, fs), 0.0, 0.2);
    EXPECT_NEAR (gainDb (pair, 283.0, fs), -6.02, 0.3);
    EXPECT_NEAR (gainDb (pair, 6000.0, fs), -6.02, 0.3);
}

TEST (BiquadStage, PassThroughIsTheIdentity)
{
    BiquadDesign design;
    EXPECT_TRUE (BiquadStage::designPassThrough (design));
    BiquadStage stage;
    ASSERT_TRUE (stage.rebuildFrom (design));

    std::mt19937 rng (3);
    std::uniform_real_distribution<float> signal (-3.0e4f, 3.0e4f);
    std::vector<float> x (3000), y (3000);
    for (float& v : x)
        v = signal (rng);

    EXPECT_EQ (stage.filter (x.data(), y.data(), 3000), dspStatusOk);
    EXPECT_EQ (x, y);
}

TEST (BiquadStage, RebuildRestartsAndAStagelessFilterChangesNothing)
{
    BiquadStage fresh;
    ASSERT_TRUE (fresh.rebuildLowPass (283.0f, 44100.0f, butterworthQ));
    const std::vector<float> expected = impulseResponse (fresh, 200);

    BiquadStage stage;
    ASSERT_TRUE (stage.rebuildHighPass (6000.0f, 44100.0f, butterworthQ));
    impulseResponse (stage, 50); // leaves history in the delay line
    ASSERT_TRUE (stage.rebuildLowPass (283.0f, 44100.0f, butterworthQ));
    impulseResponse (stage, 50);
    ASSERT_TRUE (stage.rebuildLowPass (283.0f, 44100.0f, butterworthQ));
    EXPECT_EQ (impulseResponse (stage, 200), expected);

    stage.destroy();
    stage.destroy();
    EXPECT_EQ (stage.state, nullptr);
    std::vector<float> x (10, 1.0f), y (10, 7.0f);
    EXPECT_EQ (stage.filter (x.data(), y.data(), 10), dspStatusNullPointer);
    EXPECT_EQ (y, std::vector<float> (10, 7.0f));
}
