#include "VectorOps.h"

#include "IirState.h"
#include "VectorKernels.h"

#include <cpuid.h>
#include <cstddef>
#include <new>

namespace
{
const VectorKernelTable* const kernelTables[dspVariantCount] { &scalarKernels, &sse2Kernels, &sse3Kernels,
                                                               &ssse3Kernels, &sse41Kernels };

// Written by the load hook (and by tests through dspForceVariant), read by every call.
int32_t activeVariant = dspVariantScalar;
int32_t detectedVariant = dspVariantScalar;

constexpr int64_t minimumStreamingFillBytes = 512 * 1024 + 1;
int64_t streamingFillBytes = minimumStreamingFillBytes;

// Adds above this many elements bypass the cache.
constexpr int32_t streamingAddLength = 87383;

constexpr uint32_t sse2Bit = 1u << 26;  // EDX
constexpr uint32_t sse3Bit = 1u << 0;   // ECX
constexpr uint32_t ssse3Bit = 1u << 9;  // ECX
constexpr uint32_t sse41Bit = 1u << 19; // ECX

const VectorKernelTable& kernels()
{
    return *kernelTables[activeVariant];
}

// The largest cache the processor reports: L3 (AMD's extended leaf) or L2 (both vendors).
int64_t largestCacheBytes()
{
    unsigned a = 0, b = 0, c = 0, d = 0;

    if (__get_cpuid (0x80000000u, &a, &b, &c, &d) == 0 || a < 0x80000006u)
        return 0;

    __get_cpuid (0x80000006u, &a, &b, &c, &d);
    const int64_t l2 = static_cast<int64_t> (c >> 16) * 1024;
    const int64_t l3 = static_cast<int64_t> (d >> 18) * 512 * 1024;
    return l3 > l2 ? l3 : l2;
}

void* alignedAllocBytes (size_t bytes)
{
    // The heap pointer is kept in full in the pointer-sized slot just below the returned block.
    void* raw = ::operator new (bytes + 32 + sizeof (void*), std::nothrow);

    if (raw == nullptr)
        return nullptr;

    const uintptr_t block = (reinterpret_cast<uintptr_t> (raw) + sizeof (void*) + 31) & ~static_cast<uintptr_t> (31);
    reinterpret_cast<void**> (block)[-1] = raw;
    return reinterpret_cast<void*> (block);
}

void* alignedAllocElements (int32_t len, size_t elementSize)
{
    if (len < 1)
        return nullptr;

    return alignedAllocBytes (static_cast<size_t> (len) * elementSize);
}

size_t roundUp16 (size_t n)
{
    return (n + 15) & ~static_cast<size_t> (15);
}
} // namespace

//==============================================================================
int32_t dspChooseVariant (bool identificationAvailable, uint32_t ecx, uint32_t edx)
{
    if (! identificationAvailable)
        return dspVariantScalar;

    if ((ecx & sse41Bit) != 0) return dspVariantSse41;
    if ((ecx & ssse3Bit) != 0) return dspVariantSsse3;
    if ((ecx & sse3Bit) != 0)  return dspVariantSse3;
    if ((edx & sse2Bit) != 0)  return dspVariantSse2;
    return dspVariantScalar;
}

__attribute__ ((constructor)) void dspStaticInit()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    // __get_cpuid checks that leaf 1 exists (and, on 32-bit builds, that the identification flag
    // of the flags register can be toggled at all).
    const bool available = __get_cpuid (1, &a, &b, &c, &d) != 0;
    detectedVariant = dspChooseVariant (available, c, d);
    activeVariant = detectedVariant;

    const int64_t cache = available ? largestCacheBytes() : 0;
    streamingFillBytes = cache > minimumStreamingFillBytes ? cache : minimumStreamingFillBytes;
}

int32_t dspVariantIndex()    { return activeVariant; }
int32_t dspDetectedVariant() { return detectedVariant; }
int64_t dspStreamingFillBytes() { return streamingFillBytes; }

bool dspForceVariant (int32_t index)
{
    if (index < 0 || index > detectedVariant)
        return false;

    activeVariant = index;
    return true;
}

//==============================================================================
float* alignedAllocFloat (int32_t len)
{
    return static_cast<float*> (alignedAllocElements (len, sizeof (float)));
}

int32_t* alignedAllocInt (int32_t len)
{
    return static_cast<int32_t*> (alignedAllocElements (len, sizeof (int32_t)));
}

void alignedFree (void* block)
{
    if (block != nullptr)
        ::operator delete (static_cast<void**> (block)[-1]);
}

//==============================================================================
int32_t iirStateCreateBiquad (IirState** out, const float* taps, int32_t sectionCount, const float* initialDelay)
{
    if (out == nullptr || taps == nullptr)
        return dspStatusNullPointer;

    if (sectionCount < 1)
        return dspStatusBadSectionCount;

    const size_t sections = static_cast<size_t> (sectionCount);
    const size_t groups = (sections + iirLaneCount - 1) / iirLaneCount;
    const size_t headerBytes = roundUp16 (sizeof (IirState));
    const size_t groupBytes = groups * iirGroupFloats * sizeof (float);
    const size_t coefficientBytes = roundUp16 (sections * 5 * sizeof (float));
    const size_t delayBytes = sections * 2 * sizeof (float);

    auto* block = static_cast<unsigned char*> (alignedAllocBytes (headerBytes + groupBytes + coefficientBytes + delayBytes));

    if (block == nullptr)
        return dspStatusNoMemory;

    auto* state = reinterpret_cast<IirState*> (block);
    state->tag = iirStateTag;
    state->sectionCount = sectionCount;
    state->delayCount = 2 * sectionCount;
    state->groupCount = static_cast<int32_t> (groups);
    state->groupCoefficients = reinterpret_cast<float*> (block + headerBytes);
    state->coefficients = reinterpret_cast<float*> (block + headerBytes + groupBytes);
    state->delayLine = reinterpret_cast<float*> (block + headerBytes + groupBytes + coefficientBytes);
    state->ownsMemory = false;

    for (int32_t i = 0; i < state->delayCount; ++i)
        state->delayLine[i] = initialDelay != nullptr ? initialDelay[i] : 0.0f;

    for (size_t i = 0; i < groups * iirGroupFloats; ++i)
        state->groupCoefficients[i] = 0.0f;

    for (size_t k = 0; k < sections; ++k)
    {
        const float* t = taps + 6 * k;
        float* c = state->coefficients + 5 * k;

        if (t[0] == 0.0f || t[3] == 0.0f)
        {
            alignedFree (block);
            return dspStatusDivisionByZero;
        }

        if (t[3] == 1.0f)
        {
            c[0] = t[0]; c[1] = t[1]; c[2] = t[2]; c[3] = t[4]; c[4] = t[5];
        }
        else
        {
            const float r = 1.0f / t[3];
            c[0] = t[0] * r; c[1] = t[1] * r; c[2] = t[2] * r; c[3] = t[4] * r; c[4] = t[5] * r;
        }

        // The vector kernels read each coefficient as lane (k mod 4) of its group.
        float* group = state->groupCoefficients + (k / iirLaneCount) * iirGroupFloats;
        const size_t lane = k % iirLaneCount;

        for (size_t j = 0; j < 5; ++j)
            group[j * iirLaneCount + lane] = c[j];
    }

    state->ownsMemory = true;
    *out = state;
    return dspStatusOk;
}

int32_t iirStateFree (IirState* state)
{
    if (state == nullptr)
        return dspStatusNullPointer;

    if (state->tag != iirStateTag)
        return dspStatusNotAnIirState;

    if (state->ownsMemory)
        alignedFree (state);

    return dspStatusOk;
}

//==============================================================================
int32_t vecIirFilter (const float* src, float* dst, int32_t len, IirState* state)
{
    if (state == nullptr || src == nullptr || dst == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    if (state->tag != iirStateTag)
        return dspStatusNotAnIirState;

    kernels().iirFilter (src, dst, len, *state);
    return dspStatusOk;
}

/** The checks every filter call over several states makes, in the order the status codes rank. */
static int32_t checkFilterSet (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len)
{
    if (src == nullptr || dst == nullptr || states == nullptr)
        return dspStatusNullPointer;

    for (int32_t i = 0; i < count; ++i)
        if (dst[i] == nullptr || states[i] == nullptr)
            return dspStatusNullPointer;

    if (len < 1 || count < 1)
        return dspStatusBadLength;

    for (int32_t i = 0; i < count; ++i)
        if (states[i]->tag != iirStateTag)
            return dspStatusNotAnIirState;

    return dspStatusOk;
}

int32_t vecIirFilterParallel (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len)
{
    if (const int32_t status = checkFilterSet (src, dst, states, count, len); status != dspStatusOk)
        return status;

    const VectorKernelTable& k = kernels();

    // Cascades of up to iirLaneCount sections go in bundles of up to iirLaneCount of equal length, in
    // the order they are given; the rest run alone.
    for (int32_t base = 0; base < count; base += 64)
    {
        const int32_t n = count - base < 64 ? count - base : 64;
        uint64_t pending = n == 64 ? ~0ull : (1ull << n) - 1;

        while (pending != 0)
        {
            const int32_t first = __builtin_ctzll (pending);
            IirState* bundle[iirLaneCount] { states[base + first] };
            float* outputs[iirLaneCount] { dst[base + first] };
            int32_t size = 1;
            pending &= pending - 1;
            const int32_t sections = bundle[0]->sectionCount;

            for (uint64_t rest = pending; sections <= iirLaneCount && rest != 0 && size < iirLaneCount; rest &= rest - 1)
            {
                const int32_t j = __builtin_ctzll (rest);

                if (states[base + j]->sectionCount == sections)
                {
                    bundle[size] = states[base + j];
                    outputs[size++] = dst[base + j];
                    pending &= ~(1ull << j);
                }
            }

            if (size == 1)
                k.iirFilter (src, outputs[0], len, *bundle[0]);
            else
                k.iirFilterLanes (src, outputs, bundle, size, len);
        }
    }

    return dspStatusOk;
}

int32_t vecIirFilterRectify (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len)
{
    if (const int32_t status = checkFilterSet (src, dst, states, count, len); status != dspStatusOk)
        return status;

    IirBlockLayout block {};
    block.src = src;
    block.len = len;
    bool fused = count >= 3 && count <= iirLaneCount + 1;

    for (int32_t i = 0; i < count && fused; ++i)
    {
        if (states[i]->sectionCount == 2 && block.laneCount < iirLaneCount)
        {
            block.lanes[block.laneCount] = states[i];
            block.laneDst[block.laneCount++] = dst[i];
        }
        else if (states[i]->sectionCount == 4 && block.group == nullptr)
        {
            block.group = states[i];
            block.groupDst = dst[i];
        }
        else
        {
            fused = false;
        }
    }

    if (fused && block.group != nullptr && block.laneCount >= 2)
    {
        kernels().iirFilterRectify (block);
        return dspStatusOk;
    }

    vecIirFilterParallel (src, dst, states, count, len);

    for (int32_t i = 0; i < count; ++i)
        kernels().absInPlace (dst[i], len);

    return dspStatusOk;
}

int32_t vecCopy (const float* src, float* dst, int32_t len)
{
    if (src == nullptr || dst == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    kernels().copy (src, dst, len);
    return dspStatusOk;
}

int32_t vecFindAtLeast (const float* x, int32_t len, float limit, int32_t* index)
{
    if (x == nullptr || index == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    *index = kernels().findAtLeast (x, len, limit);
    return dspStatusOk;
}

int32_t vecAbsInPlace (float* buf, int32_t len)
{
    if (buf == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    kernels().absInPlace (buf, len);
    return dspStatusOk;
}

int32_t vecDivConstInPlace (float value, float* buf, int32_t len)
{
    if (buf == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    if (value == 0.0f)
        return dspStatusDivisionByZero;

    const float reciprocal = 1.0f / value;

    if (reciprocal == 1.0f)
        return dspStatusOk;

    if (reciprocal == 0.0f)
        kernels().fill (0.0f, buf, len, false);
    else
        kernels().scaleInPlace (reciprocal, buf, len);

    return dspStatusOk;
}

int32_t vecAdd (const float* a, const float* b, float* dst, int32_t len)
{
    if (a == nullptr || b == nullptr || dst == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    // The SSE4.1 processors share the SSSE3 entry for this one.
    const int32_t variant = activeVariant == dspVariantSse41 ? dspVariantSsse3 : activeVariant;
    kernelTables[variant]->add (a, b, dst, len, len > streamingAddLength);
    return dspStatusOk;
}

int32_t vecFill (float value, float* dst, int32_t len)
{
    if (dst == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    const bool zero = value == 0.0f && ! __builtin_signbit (value);
    kernels().fill (value, dst, len, zero && static_cast<int64_t> (len) * 4 >= streamingFillBytes);
    return dspStatusOk;
}

int32_t vecFillInt (int32_t value, int32_t* dst, int32_t len)
{
    if (dst == nullptr)
        return dspStatusNullPointer;

    if (len < 1)
        return dspStatusBadLength;

    kernels().fillInt (value, dst, len, value == 0 && static_cast<int64_t> (len) * 4 >= streamingFillBytes);
    return dspStatusOk;
}
