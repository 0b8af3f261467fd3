#include "sampler/files/SampleGain.h"

#include <cmath>
#include <gtest/gtest.h>

TEST (SampleGain, RunsFromMinus18ToPlus9DecibelsThroughExactlyUnity)
{
    EXPECT_NEAR (gainIndexToAmplitude (0), 0.12589255f, 1e-8f);
    EXPECT_EQ (gainIndexToAmplitude (128), 1.0f);
    EXPECT_NEAR (gainIndexToAmplitude (255), 2.8183827f, 1e-6f);

    // Straight lines on either side of 0 dB.
    EXPECT_NEAR (gainIndexToAmplitude (64), (0.12589255f + 1.0f) / 2, 1e-6f);
    EXPECT_NEAR (gainIndexToAmplitude (128 + 127 / 2), 1.0f + (2.8183827f - 1.0f) * 63 / 127, 1e-6f);

    for (int g = 1; g <= 255; ++g)
        EXPECT_GT (gainIndexToAmplitude (g), gainIndexToAmplitude (g - 1)) << g;

    EXPECT_EQ (gainIndexToAmplitude (-1), gainIndexToAmplitude (0));
    EXPECT_EQ (gainIndexToAmplitude (256), gainIndexToAmplitude (255));
    EXPECT_EQ (gainIndexToAmplitude (1 << 30), gainIndexToAmplitude (255));
}
