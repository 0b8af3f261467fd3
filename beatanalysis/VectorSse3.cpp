// SSE3 kernels. Built with their own instruction-set flag; see VectorKernelsSimd.inc.
#include "IirState.h"
#include "VectorKernels.h"

#include <cstdint>
#include <pmmintrin.h>

#define PULSEK_SIMD_LEVEL 2

namespace
{
#include "VectorKernelsSimd.inc"
} // namespace

const VectorKernelTable sse3Kernels { iirFilter, iirFilterLanes, iirFilterRectify, copy, findAtLeast, absInPlace, scaleInPlace, add, fill, fillInt };
