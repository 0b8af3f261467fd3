// Long-lived tempo vote of one analysis: counters by whole BPM and the range that has been voted into.
#pragma once

#include <cstdint>

struct TempoHistogram
{
    static constexpr int32_t binCount = 256;
    static constexpr int32_t emptyMinBin = 200;
    static constexpr int32_t emptyMaxBin = 40;

    void clear();

    // The lowest bin of [minBin, maxBin] holding the largest count above 0; -1 when there is none.
    int32_t peak() const;

    int32_t bins[binCount] {};
    int32_t minBin = emptyMinBin;
    int32_t maxBin = emptyMaxBin;
};
