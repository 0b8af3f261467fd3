// Layout of a biquad-cascade IIR state, shared by the creation code and every kernel variant.
// Plain data only: the variant translation units are built with their own instruction-set flags,
// so nothing inline may live here.
#pragma once

#include <cstdint>

constexpr int32_t iirStateTag = 0x49493032; // 'I' 'I' '0' '2', first character in the highest byte

// The vector kernels run up to this many consecutive sections side by side, one per lane.
constexpr int32_t iirLaneCount = 4;

// Per group of iirLaneCount sections: b0, b1, b2, a1, a2, each as iirLaneCount lanes (zero beyond
// the last section).
constexpr int32_t iirGroupFloats = 5 * iirLaneCount;

struct IirState
{
    int32_t tag;
    float* coefficients;       // per section b0, b1, b2, a1, a2, normalised by a0
    float* delayLine;          // per section s1, s2
    int32_t delayCount;        // 2 x sectionCount
    int32_t sectionCount;
    float* groupCoefficients;  // 16-byte aligned, iirGroupFloats per group
    int32_t groupCount;
    bool ownsMemory;
};

// One block for the fused filter-and-rectify kernel: laneCount (2..4) cascades of two sections run
// side by side, one cascade per lane, and one cascade of four sections runs across the lanes, all
// over the same input; every output is written rectified.
struct IirBlockLayout
{
    const float* src;
    int32_t len;
    IirState* lanes[iirLaneCount];
    float* laneDst[iirLaneCount];
    int32_t laneCount;
    IirState* group;
    float* groupDst;
};

