#include "IntervalClass.h"

int32_t intervalClassOf (float x, int32_t firstRow)
{
    for (int32_t r = firstRow < 0 ? 0 : firstRow; r < intervalClassCount; ++r)
        if (intervalClassTable[r].minMs < x && x < intervalClassTable[r].maxMs)
            return r;

    return -1;
}
