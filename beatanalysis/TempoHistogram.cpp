#include "TempoHistogram.h"

#include "VectorOps.h"

void TempoHistogram::clear()
{
    vecFillInt (0, bins, binCount);
    minBin = emptyMinBin;
    maxBin = emptyMaxBin;
}
