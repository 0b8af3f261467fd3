// Long-lived tempo vote of one analysis: counters by whole BPM and the range that has been voted into.
#pragma once

#include <cstdint>

struct TempoHistogram
{
    static constexpr int32_t binCount = 256;
    static constexpr int32_t emptyMinBin = 200;
    static constexpr int32_t emptyMaxBin = 40;

    void clear();

    int32_t bins[binCount] {};
    int32_t minBin = emptyMinBin;
    int32_t maxBin = emptyMaxBin;
};
