// Block arithmetic of the analysis: float and int32 array operations with one implementation per
// processor generation, chosen once when the library is loaded. Every operation except the
// allocation pair returns a status (dspStatusOk or one of the failures below).
#pragma once

#include <cstdint>

struct IirState;

enum DspStatus : int32_t
{
    dspStatusOk = 0,
    dspStatusBadLength = -6,
    dspStatusNullPointer = -8,
    dspStatusNoMemory = -9,
    dspStatusDivisionByZero = -10,
    dspStatusNotAnIirState = -17,
    dspStatusBadSectionCount = -25
};

// Variant indices, in the order of the processor generations they need.
enum DspVariant : int32_t
{
    dspVariantScalar = 0,
    dspVariantSse2 = 1,
    dspVariantSse3 = 2,
    dspVariantSsse3 = 3,
    dspVariantSse41 = 4,
    dspVariantCount = 5
};

// Filters len samples through the biquad cascade held by state; the delay line carries over to the
// next call. src and dst must be different arrays.
int32_t vecIirFilter (const float* src, float* dst, int32_t len, IirState* state);

// Filters the same len samples through count independent cascades, src into dst[i] through
// states[i]: the result of count vecIirFilter calls, with cascades of equal length run side by side.
// No dst may be src or another dst. Every pointer and tag is checked before anything is filtered.
int32_t vecIirFilterParallel (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len);

// vecIirFilterParallel with every output rectified (as vecAbsInPlace): the front end's filters. Two-
// section cascades side by side with one four-section cascade (its band layout) run as one pass.
int32_t vecIirFilterRectify (const float* src, float* const* dst, IirState* const* states, int32_t count, int32_t len);

// Creates a cascade from sectionCount x 6 taps (b0, b1, b2, a0, a1, a2 per section, not normalised).
// initialDelay (2 x sectionCount floats: s1, s2 per section) may be null for a silent start.
int32_t iirStateCreateBiquad (IirState** out, const float* taps, int32_t sectionCount, const float* initialDelay);
int32_t iirStateFree (IirState* state);

int32_t vecCopy (const float* src, float* dst, int32_t len);
// index = the first i with x[i] >= limit (never for NaN on either side), or len when there is none.
int32_t vecFindAtLeast (const float* x, int32_t len, float limit, int32_t* index);
int32_t vecAbsInPlace (float* buf, int32_t len);
int32_t vecDivConstInPlace (float value, float* buf, int32_t len);
int32_t vecAdd (const float* a, const float* b, float* dst, int32_t len);
int32_t vecFill (float value, float* dst, int32_t len);
int32_t vecFillInt (int32_t value, int32_t* dst, int32_t len);

// 32-byte aligned blocks; null for len < 1 or when memory runs out. Free with alignedFree.
float* alignedAllocFloat (int32_t len);
int32_t* alignedAllocInt (int32_t len);
void alignedFree (void* block);

// Load hook: reads the processor's feature flags and selects the variant every call uses.
void dspStaticInit();

// The selection rule on its own: leaf 1 ECX/EDX flags, or nothing when identification is unavailable.
int32_t dspChooseVariant (bool identificationAvailable, uint32_t ecx, uint32_t edx);

// The variant in use, and the one the processor supports.
int32_t dspVariantIndex();
int32_t dspDetectedVariant();

// Not exported: lets tests run every variant the processor supports. Refuses (false) an index the
// processor cannot run.
bool dspForceVariant (int32_t index);

// Zero fills at least this large use non-temporal stores (the larger of 512 KiB and the biggest cache).
int64_t dspStreamingFillBytes();
