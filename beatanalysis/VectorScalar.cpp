// Plain scalar kernels: the reference every other variant must match bit for bit.
#include "IirState.h"
#include "VectorKernels.h"

namespace
{
void iirFilter (const float* src, float* dst, int32_t len, IirState& state)
{
    const float* c = state.coefficients;
    float* d = state.delayLine;
    const int32_t sections = state.sectionCount;

    for (int32_t i = 0; i < len; ++i)
    {
        float x = src[i];

        for (int32_t k = 0; k < sections; ++k)
        {
            const float* t = c + 5 * k;
            float& s1 = d[2 * k];
            float& s2 = d[2 * k + 1];
            const float y = t[0] * x + s1;
            s1 = t[1] * x + s2 - t[3] * y;
            s2 = t[2] * x - t[4] * y;
            x = y;
        }

        dst[i] = x;
    }
}

void iirFilterLanes (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len)
{
    for (int32_t lane = 0; lane < count; ++lane)
        iirFilter (src, dst[lane], len, *states[lane]);
}

void absInPlace (float* buf, int32_t len);

// The fused pass's result, one cascade after another.
void iirFilterRectify (const IirBlockLayout& b)
{
    for (int32_t lane = 0; lane < b.laneCount; ++lane)
    {
        iirFilter (b.src, b.laneDst[lane], b.len, *b.lanes[lane]);
        absInPlace (b.laneDst[lane], b.len);
    }

    iirFilter (b.src, b.groupDst, b.len, *b.group);
    absInPlace (b.groupDst, b.len);
}

void copy (const float* src, float* dst, int32_t len)
{
    for (int32_t i = 0; i < len; ++i)
        dst[i] = src[i];
}

int32_t findAtLeast (const float* x, int32_t len, float limit)
{
    for (int32_t i = 0; i < len; ++i)
        if (x[i] >= limit)
            return i;

    return len;
}

void absInPlace (float* buf, int32_t len)
{
    for (int32_t i = 0; i < len; ++i)
        buf[i] = __builtin_fabsf (buf[i]); // clears the sign bit, as the vector kernels do
}

void scaleInPlace (float factor, float* buf, int32_t len)
{
    for (int32_t i = 0; i < len; ++i)
        buf[i] = buf[i] * factor;
}

void add (const float* a, const float* b, float* dst, int32_t len, bool)
{
    for (int32_t i = 0; i < len; ++i)
        dst[i] = a[i] + b[i];
}

void fill (float value, float* dst, int32_t len, bool)
{
    for (int32_t i = 0; i < len; ++i)
        dst[i] = value;
}

void fillInt (int32_t value, int32_t* dst, int32_t len, bool)
{
    for (int32_t i = 0; i < len; ++i)
        dst[i] = value;
}
} // namespace

const VectorKernelTable scalarKernels { iirFilter, iirFilterLanes, iirFilterRectify, copy, findAtLeast, absInPlace, scaleInPlace, add, fill, fillInt };
