#include "TempoHistogram.h"

#include "VectorOps.h"

void TempoHistogram::clear()
{
    vecFillInt (0, bins, binCount);
    minBin = emptyMinBin;
    maxBin = emptyMaxBin;
}

int32_t TempoHistogram::peak() const
{
    const int32_t first = minBin < 0 ? 0 : minBin;
    const int32_t last = maxBin >= binCount ? binCount - 1 : maxBin;
    int32_t best = -1;

    for (int32_t b = first; b <= last; ++b)
        if (bins[b] > 0 && (best < 0 || bins[b] > bins[best]))
            best = b;

    return best;
}
