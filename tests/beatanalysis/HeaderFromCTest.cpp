#include "pulsek.h"

#include <gtest/gtest.h>

#include <cstddef>

extern "C" int pulsekHeaderFromC();

TEST (PulsekHeader, CompilesAndLinksFromC)
{
    // 12-byte beat records and 8-byte wave records as C sees them; every call on a null handle gives 0.
    EXPECT_EQ (pulsekHeaderFromC(), 12 * 100 + 8 * 10);
}

TEST (PulsekHeader, RecordLayout)
{
    EXPECT_EQ (sizeof (BA_BeatInfo), 12u);
    EXPECT_EQ (offsetof (BA_BeatInfo, position), 0u);
    EXPECT_EQ (offsetof (BA_BeatInfo, beatInBar), 4u);
    EXPECT_EQ (offsetof (BA_BeatInfo, bpmTimes100), 8u);
    EXPECT_EQ (sizeof (BA_WaveInfo), 8u);
    EXPECT_EQ (offsetof (BA_WaveInfo, value), 0u);
    EXPECT_EQ (offsetof (BA_WaveInfo, kind), 4u);
    EXPECT_EQ (sizeof (bool), 1u);
}
