// SSE2 kernels. Built with their own instruction-set flag; see VectorKernelsSimd.inc.
#include "IirState.h"
#include "VectorKernels.h"

#include <cstdint>
#include <emmintrin.h>

#define PULSEK_SIMD_LEVEL 1

namespace
{
#include "VectorKernelsSimd.inc"
} // namespace

const VectorKernelTable sse2Kernels { iirFilter, iirFilterLanes, iirFilterRectify, copy, findAtLeast, absInPlace, scaleInPlace, add, fill, fillInt };
