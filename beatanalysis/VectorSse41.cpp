// SSE4.1 kernels. Built with their own instruction-set flag; see VectorKernelsSimd.inc.
#include "IirState.h"
#include "VectorKernels.h"

#include <cstdint>
#include <smmintrin.h>

#define PULSEK_SIMD_LEVEL 4

namespace
{
#include "VectorKernelsSimd.inc"
} // namespace

const VectorKernelTable sse41Kernels { iirFilter, iirFilterLanes, iirFilterRectify, copy, findAtLeast, absInPlace, scaleInPlace, add, fill, fillInt };
