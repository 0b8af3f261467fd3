// SSSE3 kernels. Built with their own instruction-set flag; see VectorKernelsSimd.inc.
#include "IirState.h"
#include "VectorKernels.h"

#include <cstdint>
#include <tmmintrin.h>

#define PULSEK_SIMD_LEVEL 3

namespace
{
#include "VectorKernelsSimd.inc"
} // namespace

const VectorKernelTable ssse3Kernels { iirFilter, iirFilterLanes, iirFilterRectify, copy, findAtLeast, absInPlace, scaleInPlace, add, fill, fillInt };
