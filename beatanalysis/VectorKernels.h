// The entry points each processor variant provides. Argument checks happen before dispatch, so a
// kernel always gets valid pointers and a length of at least 1.
#pragma once

#include <cstdint>

struct IirState;
struct IirBlockLayout;

struct VectorKernelTable
{
    void (*iirFilter) (const float* src, float* dst, int32_t len, IirState& state);
    // count (2..4) cascades of one section count (1..4) over the same input, each into its own output
    // (none of them the input).
    void (*iirFilterLanes) (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len);
    // The cascades of one block (see IirBlockLayout) in one pass, outputs rectified.
    void (*iirFilterRectify) (const IirBlockLayout& block);
    void (*copy) (const float* src, float* dst, int32_t len);
    // Index of the first x[i] >= limit, or len.
    int32_t (*findAtLeast) (const float* x, int32_t len, float limit);
    void (*absInPlace) (float* buf, int32_t len);
    void (*scaleInPlace) (float factor, float* buf, int32_t len);
    void (*add) (const float* a, const float* b, float* dst, int32_t len, bool streaming);
    void (*fill) (float value, float* dst, int32_t len, bool streaming);
    void (*fillInt) (int32_t value, int32_t* dst, int32_t len, bool streaming);
};

extern const VectorKernelTable scalarKernels;
extern const VectorKernelTable sse2Kernels;
extern const VectorKernelTable sse3Kernels;
extern const VectorKernelTable ssse3Kernels;
extern const VectorKernelTable sse41Kernels;
