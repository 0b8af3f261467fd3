#include "IirState.h"
#include "VectorKernels.h"
#include "VectorOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cpuid.h>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace
{
// Runs the enclosed code under one processor variant and restores the load-time choice.
struct ForcedVariant
{
    explicit ForcedVariant (int32_t index) { ok = dspForceVariant (index); }
    ~ForcedVariant() { dspForceVariant (dspDetectedVariant()); }
    bool ok = false;
};

const VectorKernelTable* const tables[dspVariantCount] { &scalarKernels, &sse2Kernels, &sse3Kernels,
                                                         &ssse3Kernels, &sse41Kernels };

bool sameBits (const float* a, const float* b, int32_t n)
{
    return std::memcmp (a, b, sizeof (float) * static_cast<size_t> (n)) == 0;
}

// Taps of a random stable section, scaled by a random a0 so that creation has to normalise.
void randomSection (std::mt19937& rng, float* taps)
{
    std::uniform_real_distribution<float> unit (-1.0f, 1.0f), radius (0.05f, 0.97f), angle (0.0f, 3.14159f),
        scale (0.25f, 4.0f);
    const float r = radius (rng), theta = angle (rng), a0 = scale (rng);
    float b0 = unit (rng);
    if (b0 == 0.0f) b0 = 0.5f;
    taps[0] = b0 * a0;
    taps[1] = unit (rng) * a0;
    taps[2] = unit (rng) * a0;
    taps[3] = a0;
    taps[4] = -2.0f * r * std::cos (theta) * a0;
    taps[5] = r * r * a0;
}

IirState* createState (const std::vector<float>& taps, int32_t sections, const float* delay = nullptr)
{
    IirState* state = nullptr;
    EXPECT_EQ (iirStateCreateBiquad (&state, taps.data(), sections, delay), dspStatusOk);
    return state;
}

// Random taps and starting delay lines for cascades of the given section counts.
struct RandomCascades
{
    std::vector<std::vector<float>> taps, delays;
};

RandomCascades randomCascades (std::mt19937& rng, const std::vector<int32_t>& sections)
{
    std::uniform_real_distribution<float> small (-1.0f, 1.0f);
    RandomCascades cascades;
    for (const int32_t count : sections)
    {
        std::vector<float> taps (6 * static_cast<size_t> (count)), delays (2 * static_cast<size_t> (count));
        for (int32_t k = 0; k < count; ++k)
            randomSection (rng, taps.data() + 6 * k);
        for (float& v : delays)
            v = small (rng);
        cascades.taps.push_back (std::move (taps));
        cascades.delays.push_back (std::move (delays));
    }
    return cascades;
}
} // namespace

//==============================================================================
TEST (VectorOps, StatusCodesPointerBeforeLength)
{
    float buf[4] { 1.0f, 2.0f, 3.0f, 4.0f };
    int32_t ints[4] { 1, 2, 3, 4 };
    const float reference[4] { 1.0f, 2.0f, 3.0f, 4.0f };
    const std::vector<float> taps { 1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f };
    IirState* state = createState (taps, 1);

    for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
    {
        ForcedVariant forced (variant);
        SCOPED_TRACE (variant);

        for (const int32_t len : { 0, -1, 4 })
        {
            EXPECT_EQ (vecCopy (nullptr, buf, len), dspStatusNullPointer);
            EXPECT_EQ (vecCopy (buf, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecAbsInPlace (nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecDivConstInPlace (2.0f, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecDivConstInPlace (0.0f, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecAdd (nullptr, buf, buf, len), dspStatusNullPointer);
            EXPECT_EQ (vecAdd (buf, nullptr, buf, len), dspStatusNullPointer);
            EXPECT_EQ (vecAdd (buf, buf, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecFill (1.0f, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecFillInt (1, nullptr, len), dspStatusNullPointer);
            EXPECT_EQ (vecIirFilter (buf, buf, len, nullptr), dspStatusNullPointer);
            EXPECT_EQ (vecIirFilter (nullptr, buf, len, state), dspStatusNullPointer);
            EXPECT_EQ (vecIirFilter (buf, nullptr, len, state), dspStatusNullPointer);
        }

        float out[4] { 9.0f, 9.0f, 9.0f, 9.0f };

        for (const int32_t len : { 0, -5 })
        {
            EXPECT_EQ (vecCopy (reference, out, len), dspStatusBadLength);
            EXPECT_EQ (vecAbsInPlace (out, len), dspStatusBadLength);
            EXPECT_EQ (vecDivConstInPlace (0.0f, out, len), dspStatusBadLength);
            EXPECT_EQ (vecAdd (reference, reference, out, len), dspStatusBadLength);
            EXPECT_EQ (vecFill (1.0f, out, len), dspStatusBadLength);
            EXPECT_EQ (vecFillInt (7, ints, len), dspStatusBadLength);
            EXPECT_EQ (vecIirFilter (reference, out, len, state), dspStatusBadLength);
        }

        EXPECT_EQ (out[0], 9.0f);
        EXPECT_EQ (out[3], 9.0f);
        EXPECT_EQ (ints[0], 1);

        // Division by zero leaves the buffer as it was.
        EXPECT_EQ (vecDivConstInPlace (0.0f, buf, 4), dspStatusDivisionByZero);
        EXPECT_EQ (vecDivConstInPlace (-0.0f, buf, 4), dspStatusDivisionByZero);
        EXPECT_TRUE (sameBits (buf, reference, 4));
    }

    EXPECT_EQ (iirStateFree (state), dspStatusOk);
}

TEST (VectorOps, IirStateCreationAndFreeStatuses)
{
    const float good[6] { 0.5f, 0.1f, 0.2f, 2.0f, 0.3f, 0.1f };
    IirState* untouched = reinterpret_cast<IirState*> (static_cast<uintptr_t> (0x1234));
    IirState* out = untouched;

    EXPECT_EQ (iirStateCreateBiquad (nullptr, good, 1, nullptr), dspStatusNullPointer);
    EXPECT_EQ (iirStateCreateBiquad (&out, nullptr, 0, nullptr), dspStatusNullPointer);
    EXPECT_EQ (iirStateCreateBiquad (&out, good, 0, nullptr), dspStatusBadSectionCount);
    EXPECT_EQ (iirStateCreateBiquad (&out, good, -3, nullptr), dspStatusBadSectionCount);

    const float zeroB0[12] { 0.5f, 0.1f, 0.2f, 2.0f, 0.3f, 0.1f, 0.0f, 0.1f, 0.2f, 1.0f, 0.3f, 0.1f };
    const float zeroA0[6] { 0.5f, 0.1f, 0.2f, 0.0f, 0.3f, 0.1f };
    EXPECT_EQ (iirStateCreateBiquad (&out, zeroB0, 2, nullptr), dspStatusDivisionByZero);
    EXPECT_EQ (iirStateCreateBiquad (&out, zeroA0, 1, nullptr), dspStatusDivisionByZero);
    EXPECT_EQ (out, untouched);

    ASSERT_EQ (iirStateCreateBiquad (&out, good, 1, nullptr), dspStatusOk);
    EXPECT_EQ (out->tag, 0x49493032);
    EXPECT_EQ (out->sectionCount, 1);
    EXPECT_EQ (out->delayCount, 2);
    EXPECT_TRUE (out->ownsMemory);
    EXPECT_EQ (reinterpret_cast<uintptr_t> (out) % 32, 0u);
    // Normalised by a0 = 2 (a float reciprocal, exact here).
    EXPECT_EQ (out->coefficients[0], 0.25f);
    EXPECT_EQ (out->coefficients[3], 0.15f);
    EXPECT_EQ (out->coefficients[4], 0.05f);
    EXPECT_EQ (out->delayLine[0], 0.0f);
    EXPECT_EQ (iirStateFree (out), dspStatusOk);

    // Given initial delays are taken as they are.
    const float delays[2] { 0.75f, -0.5f };
    IirState* primed = nullptr;
    ASSERT_EQ (iirStateCreateBiquad (&primed, good, 1, delays), dspStatusOk);
    EXPECT_EQ (primed->delayLine[0], 0.75f);
    EXPECT_EQ (primed->delayLine[1], -0.5f);
    float x = 0.0f, y = 1.0f;
    EXPECT_EQ (vecIirFilter (&x, &y, 1, primed), dspStatusOk);
    EXPECT_EQ (y, 0.75f); // y = b0 x + s1
    EXPECT_EQ (iirStateFree (primed), dspStatusOk);

    // Something that is not a state: refused, nothing freed, nothing filtered.
    IirState fake {};
    fake.tag = 0x12345678;
    fake.ownsMemory = true;
    float buf[2] { 1.0f, 2.0f };
    EXPECT_EQ (iirStateFree (&fake), dspStatusNotAnIirState);
    EXPECT_EQ (vecIirFilter (buf, buf + 1, 1, &fake), dspStatusNotAnIirState);
    EXPECT_EQ (buf[1], 2.0f);
    EXPECT_EQ (iirStateFree (nullptr), dspStatusNullPointer);
}

TEST (VectorOps, AlignedBlocks)
{
    EXPECT_EQ (alignedAllocFloat (0), nullptr);
    EXPECT_EQ (alignedAllocFloat (-1), nullptr);
    EXPECT_EQ (alignedAllocInt (0), nullptr);
    alignedFree (nullptr);

    std::vector<void*> blocks;

    for (int32_t len = 1; len < 200; len += 7)
    {
        float* f = alignedAllocFloat (len);
        int32_t* i = alignedAllocInt (len);
        ASSERT_NE (f, nullptr);
        ASSERT_NE (i, nullptr);
        EXPECT_EQ (reinterpret_cast<uintptr_t> (f) % 32, 0u);
        EXPECT_EQ (reinterpret_cast<uintptr_t> (i) % 32, 0u);
        // The whole block is usable (AddressSanitizer checks the bounds).
        EXPECT_EQ (vecFill (1.5f, f, len), dspStatusOk);
        EXPECT_EQ (vecFillInt (-3, i, len), dspStatusOk);
        EXPECT_EQ (f[len - 1], 1.5f);
        EXPECT_EQ (i[len - 1], -3);
        blocks.push_back (f);
        blocks.push_back (i);
    }

    for (void* b : blocks)
        alignedFree (b);
}

TEST (VectorOps, DivisionByConstant)
{
    const float nanWithPayload = std::nanf ("0x123");
    std::vector<float> original { 3.0f, -7.25f, 0.0f, -0.0f, 1.0e-38f, -65535.0f, 32767.0f, 1.0e30f, nanWithPayload };
    const int32_t n = static_cast<int32_t> (original.size());

    for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
    {
        ForcedVariant forced (variant);
        SCOPED_TRACE (variant);

        // A reciprocal of exactly 1 leaves every bit as it was (NaN payload and -0 included).
        std::vector<float> buf = original;
        EXPECT_EQ (vecDivConstInPlace (1.0f, buf.data(), n), dspStatusOk);
        EXPECT_TRUE (sameBits (buf.data(), original.data(), n));

        // 65536 scales by exactly 2^-16.
        buf = original;
        EXPECT_EQ (vecDivConstInPlace (65536.0f, buf.data(), n), dspStatusOk);
        for (int32_t i = 0; i < n - 1; ++i)
            EXPECT_EQ (buf[i], std::ldexp (original[i], -16)) << i;
        EXPECT_TRUE (std::isnan (buf[n - 1]));

        // An infinite divisor has a reciprocal of 0 and clears the buffer.
        buf = original;
        EXPECT_EQ (vecDivConstInPlace (std::numeric_limits<float>::infinity(), buf.data(), n), dspStatusOk);
        for (float v : buf)
        {
            EXPECT_EQ (v, 0.0f);
            EXPECT_FALSE (std::signbit (v));
        }

        // Otherwise a multiplication by the float reciprocal.
        buf = original;
        EXPECT_EQ (vecDivConstInPlace (3.0f, buf.data(), n), dspStatusOk);
        EXPECT_EQ (buf[0], 3.0f * (1.0f / 3.0f));
        EXPECT_EQ (buf[1], -7.25f * (1.0f / 3.0f));
    }
}

//==============================================================================
TEST (VectorOps, IirMatchesDoublePrecisionReference)
{
    std::mt19937 rng (7);
    std::uniform_real_distribution<float> signal (-1.0f, 1.0f);

    for (const int32_t sections : { 1, 2, 4, 6 })
    {
        std::vector<float> taps (6 * static_cast<size_t> (sections));
        for (int32_t k = 0; k < sections; ++k)
            randomSection (rng, taps.data() + 6 * k);

        const int32_t n = 4000;
        std::vector<float> x (n), y (n);
        for (float& v : x)
            v = signal (rng);

        IirState* state = createState (taps, sections);
        ASSERT_EQ (vecIirFilter (x.data(), y.data(), n, state), dspStatusOk);

        // The same cascade in double, from the same normalised coefficients.
        std::vector<double> s (2 * static_cast<size_t> (sections), 0.0);
        double worst = 0.0, peak = 0.0;

        for (int32_t i = 0; i < n; ++i)
        {
            double v = x[i];
            for (int32_t k = 0; k < sections; ++k)
            {
                const float* c = state->coefficients + 5 * k;
                const double out = c[0] * v + s[2 * k];
                s[2 * k] = c[1] * v + s[2 * k + 1] - c[3] * out;
                s[2 * k + 1] = c[2] * v - c[4] * out;
                v = out;
            }
            worst = std::max (worst, std::fabs (v - y[i]));
            peak = std::max (peak, std::fabs (v));
        }

        EXPECT_LT (worst, 1.0e-4 * std::max (1.0, peak)) << sections << " sections";
        iirStateFree (state);
    }
}

TEST (VectorOps, IirSplitCallsEqualOneCall)
{
    std::mt19937 rng (11);
    std::uniform_real_distribution<float> signal (-1.0f, 1.0f);
    std::uniform_int_distribution<int32_t> cut (1, 999);
    std::vector<float> taps (24);
    for (int32_t k = 0; k < 4; ++k)
        randomSection (rng, taps.data() + 6 * k);

    std::vector<float> x (1000);
    for (float& v : x)
        v = signal (rng);

    for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
    {
        ForcedVariant forced (variant);
        SCOPED_TRACE (variant);

        IirState* whole = createState (taps, 4);
        std::vector<float> expected (1000);
        vecIirFilter (x.data(), expected.data(), 1000, whole);

        for (int32_t trial = 0; trial < 20; ++trial)
        {
            const int32_t first = trial == 0 ? 500 : cut (rng);
            IirState* split = createState (taps, 4);
            std::vector<float> y (1000);
            vecIirFilter (x.data(), y.data(), first, split);
            vecIirFilter (x.data() + first, y.data() + first, 1000 - first, split);
            EXPECT_TRUE (sameBits (y.data(), expected.data(), 1000)) << "split at " << first;
            EXPECT_TRUE (sameBits (split->delayLine, whole->delayLine, 8));
            iirStateFree (split);
        }

        iirStateFree (whole);
    }
}

// Several cascades over one input, side by side where their lengths match, give each cascade's own
// filtering bit for bit, delay lines included, under every variant; the checks come first.
TEST (VectorOps, ParallelCascadesEqualOneAtATime)
{
    std::mt19937 rng (77);
    std::uniform_real_distribution<float> signal (-30000.0f, 30000.0f);
    std::uniform_int_distribution<int32_t> counts (1, 9), sectionCounts (1, 6), lengths (1, 700);

    for (int32_t trial = 0; trial < 60; ++trial)
    {
        const int32_t count = trial == 0 ? 5 : counts (rng);
        const int32_t len = lengths (rng);
        std::vector<int32_t> sections (static_cast<size_t> (count));
        for (int32_t c = 0; c < count; ++c)
        {
            // The front end's mix: mostly two sections, now and then four or another length.
            const int32_t pick = sectionCounts (rng);
            sections[c] = trial == 0 ? (c == 2 ? 4 : 2) : pick <= 3 ? 2 : pick == 4 ? 4 : pick;
        }
        const auto [taps, delays] = randomCascades (rng, sections);

        std::vector<float> x (static_cast<size_t> (2 * len));
        for (float& v : x)
            v = signal (rng);

        for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        {
            ForcedVariant forced (variant);
            SCOPED_TRACE (testing::Message() << "variant " << variant << ", trial " << trial << ", cascades " << count);
            std::vector<IirState*> alone, together;
            std::vector<std::vector<float>> expected, got;
            std::vector<float*> outputs;

            for (int32_t c = 0; c < count; ++c)
            {
                alone.push_back (createState (taps[c], sections[c], delays[c].data()));
                together.push_back (createState (taps[c], sections[c], delays[c].data()));
                expected.emplace_back (x.size(), 0.0f);
                got.emplace_back (x.size(), 0.0f);
                outputs.push_back (got.back().data());
            }

            // Two blocks, so the carried delay lines count too.
            for (int32_t block = 0; block < 2; ++block)
            {
                const float* in = x.data() + block * len;

                for (int32_t c = 0; c < count; ++c)
                    vecIirFilter (in, expected[c].data() + block * len, len, alone[c]);

                std::vector<float*> at;
                for (float* o : outputs)
                    at.push_back (o + block * len);

                EXPECT_EQ (vecIirFilterParallel (in, at.data(), together.data(), count, len), dspStatusOk);
            }

            for (int32_t c = 0; c < count; ++c)
            {
                EXPECT_TRUE (sameBits (got[c].data(), expected[c].data(), 2 * len)) << "cascade " << c;
                EXPECT_TRUE (sameBits (together[c]->delayLine, alone[c]->delayLine, 2 * sections[c])) << "cascade " << c;
                iirStateFree (alone[c]);
                iirStateFree (together[c]);
            }
        }
    }

    std::vector<float> taps (12);
    randomSection (rng, taps.data());
    randomSection (rng, taps.data() + 6);
    IirState* a = createState (taps, 2);
    IirState* b = createState (taps, 2);
    float in[4] { 1.0f, 2.0f, 3.0f, 4.0f }, out0[4] { 9.0f, 9.0f, 9.0f, 9.0f }, out1[4] { 9.0f, 9.0f, 9.0f, 9.0f };
    float* outs[2] { out0, out1 };
    IirState* states[2] { a, b };
    float* badOuts[2] { out0, nullptr };
    IirState* badStates[2] { a, nullptr };

    EXPECT_EQ (vecIirFilterParallel (nullptr, outs, states, 2, 4), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterParallel (in, nullptr, states, 2, 4), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterParallel (in, outs, nullptr, 2, 4), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterParallel (in, badOuts, states, 2, 0), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterParallel (in, outs, badStates, 2, 4), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterParallel (in, outs, states, 2, 0), dspStatusBadLength);
    EXPECT_EQ (vecIirFilterParallel (in, outs, states, 0, 4), dspStatusBadLength);

    const int32_t tag = b->tag;
    b->tag = 0;
    EXPECT_EQ (vecIirFilterParallel (in, outs, states, 2, 4), dspStatusNotAnIirState);
    b->tag = tag;
    // Nothing was filtered by the refused calls.
    EXPECT_EQ (out0[0], 9.0f);
    EXPECT_EQ (out1[3], 9.0f);
    EXPECT_EQ (a->delayLine[0], 0.0f);
    iirStateFree (a);
    iirStateFree (b);
}

// Filtering with rectified outputs equals filtering and then taking absolute values, for the front
// end's own layout (run as one fused pass) and any other, block lengths around the four-section
// cascade's start-up steps included, under every variant.
TEST (VectorOps, FilterRectifyEqualsFilterThenAbs)
{
    std::mt19937 rng (91);
    std::uniform_real_distribution<float> signal (-30000.0f, 30000.0f);
    std::uniform_int_distribution<int32_t> longLengths (8, 700), laneCounts (2, 4);

    for (int32_t trial = 0; trial < 48; ++trial)
    {
        // The front end's layout (two-section cascades and one four-section cascade in any order),
        // every fourth trial something else.
        std::vector<int32_t> sections;
        if (trial % 4 == 3)
            sections = { 2, 3, 4 };
        else
        {
            sections.assign (static_cast<size_t> (laneCounts (rng)), 2);
            sections.insert (sections.begin() + trial % static_cast<int32_t> (sections.size()), 4);
        }

        const int32_t count = static_cast<int32_t> (sections.size());
        const int32_t len = trial < 16 ? trial % 8 + 1 : longLengths (rng);
        const auto [taps, delays] = randomCascades (rng, sections);

        std::vector<float> x (static_cast<size_t> (2 * len));
        for (float& v : x)
            v = signal (rng);

        for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        {
            ForcedVariant forced (variant);
            SCOPED_TRACE (testing::Message() << "variant " << variant << ", trial " << trial << ", length " << len);
            std::vector<IirState*> plain, rectified;
            std::vector<std::vector<float>> expected, got;

            for (int32_t c = 0; c < count; ++c)
            {
                plain.push_back (createState (taps[c], sections[c], delays[c].data()));
                rectified.push_back (createState (taps[c], sections[c], delays[c].data()));
                expected.emplace_back (x.size(), 0.0f);
                got.emplace_back (x.size(), 0.0f);
            }

            for (int32_t block = 0; block < 2; ++block)
            {
                const float* in = x.data() + block * len;
                std::vector<float*> e, g;

                for (int32_t c = 0; c < count; ++c)
                {
                    e.push_back (expected[c].data() + block * len);
                    g.push_back (got[c].data() + block * len);
                    vecIirFilter (in, e.back(), len, plain[c]);
                    vecAbsInPlace (e.back(), len);
                }

                EXPECT_EQ (vecIirFilterRectify (in, g.data(), rectified.data(), count, len), dspStatusOk);
            }

            for (int32_t c = 0; c < count; ++c)
            {
                EXPECT_TRUE (sameBits (got[c].data(), expected[c].data(), 2 * len)) << "cascade " << c;
                EXPECT_TRUE (sameBits (rectified[c]->delayLine, plain[c]->delayLine, 2 * sections[c])) << "cascade " << c;
                iirStateFree (plain[c]);
                iirStateFree (rectified[c]);
            }
        }
    }

    float in[2] { 1.0f, 2.0f }, out[2] { 7.0f, 7.0f };
    float* outs[1] { out };
    IirState* none[1] { nullptr };
    EXPECT_EQ (vecIirFilterRectify (in, outs, none, 1, 2), dspStatusNullPointer);
    EXPECT_EQ (vecIirFilterRectify (in, outs, none, 0, 2), dspStatusBadLength);
    EXPECT_EQ (out[0], 7.0f);
}

// The search finds the first value at or above the limit, never a NaN (on either side), and every
// variant finds the same index at every length and offset.
TEST (VectorOps, FindAtLeast)
{
    std::mt19937 rng (13);
    std::uniform_real_distribution<float> below (-5.0f, 0.999f);
    std::uniform_int_distribution<int32_t> lengths (1, 70), offsets (0, 7);
    const float nan = std::numeric_limits<float>::quiet_NaN();

    for (int32_t trial = 0; trial < 400; ++trial)
    {
        const int32_t len = lengths (rng), off = offsets (rng);
        std::vector<float> x (static_cast<size_t> (len + 8));
        for (float& v : x)
            v = below (rng);

        // Where the first hit lies (or none), with NaNs and values just below before it.
        const int32_t hit = trial % 5 == 0 ? len : std::uniform_int_distribution<int32_t> (0, len - 1) (rng);
        if (hit < len)
            x[off + hit] = trial % 2 == 0 ? 1.0f : 2.5f;
        if (hit > 0)
            x[off + hit - 1] = trial % 3 == 0 ? nan : std::nextafter (1.0f, 0.0f);

        for (int32_t variant = 0; variant <= dspDetectedVariant(); ++variant)
        {
            ForcedVariant forced (variant);
            int32_t found = -1;
            EXPECT_EQ (vecFindAtLeast (x.data() + off, len, 1.0f, &found), dspStatusOk);
            EXPECT_EQ (found, hit) << "variant " << variant << ", length " << len << ", offset " << off;
        }
    }

    float x[3] { 3.0f, 4.0f, 5.0f };
    int32_t found = -1;
    EXPECT_EQ (vecFindAtLeast (x, 3, nan, &found), dspStatusOk);
    EXPECT_EQ (found, 3);
    EXPECT_EQ (vecFindAtLeast (nullptr, 3, 1.0f, &found), dspStatusNullPointer);
    EXPECT_EQ (vecFindAtLeast (x, 3, 1.0f, nullptr), dspStatusNullPointer);
    EXPECT_EQ (vecFindAtLeast (x, 0, 1.0f, &found), dspStatusBadLength);
}

//==============================================================================
TEST (VectorOps, SelectionRule)
{
    constexpr uint32_t sse2 = 1u << 26, sse3 = 1u << 0, ssse3 = 1u << 9, sse41 = 1u << 19;
    EXPECT_EQ (dspChooseVariant (false, ~0u, ~0u), dspVariantScalar);
    EXPECT_EQ (dspChooseVariant (true, 0, 0), dspVariantScalar);
    EXPECT_EQ (dspChooseVariant (true, 0, sse2), dspVariantSse2);
    EXPECT_EQ (dspChooseVariant (true, sse3, sse2), dspVariantSse3);
    EXPECT_EQ (dspChooseVariant (true, sse3 | ssse3, sse2), dspVariantSsse3);
    EXPECT_EQ (dspChooseVariant (true, sse3 | ssse3 | sse41, sse2), dspVariantSse41);
    // Each flag decides on its own, highest first.
    EXPECT_EQ (dspChooseVariant (true, sse41, 0), dspVariantSse41);
    EXPECT_EQ (dspChooseVariant (true, ssse3, 0), dspVariantSsse3);
    EXPECT_EQ (dspChooseVariant (true, sse3, 0), dspVariantSse3);
    EXPECT_EQ (dspChooseVariant (true, ~(sse3 | ssse3 | sse41), ~sse2), dspVariantScalar);

    // The load hook ran before main and applied the rule to this processor.
    unsigned a = 0, b = 0, c = 0, d = 0;
    const bool available = __get_cpuid (1, &a, &b, &c, &d) != 0;
    EXPECT_EQ (dspDetectedVariant(), dspChooseVariant (available, c, d));
    EXPECT_EQ (dspVariantIndex(), dspDetectedVariant());

    EXPECT_FALSE (dspForceVariant (-1));
    EXPECT_FALSE (dspForceVariant (dspVariantCount));
    if (dspDetectedVariant() < dspVariantSse41)
    {
        EXPECT_FALSE (dspForceVariant (dspDetectedVariant() + 1));
    }
    EXPECT_EQ (dspVariantIndex(), dspDetectedVariant());
}

// Every variant the processor runs must give exactly the scalar variant's bits, whatever the
// lengths and the alignment of each array.
TEST (VectorOps, VariantsAreBitIdenticalToScalar)
{
    std::mt19937 rng (2024);
    std::uniform_int_distribution<int32_t> lengths (1, 1000), offsets (0, 7), sectionCounts (1, 9);
    std::uniform_real_distribution<float> signal (-40000.0f, 40000.0f), small (-1.0f, 1.0f);
    constexpr int32_t pad = 8;

    if (dspDetectedVariant() < dspVariantSse41)
        std::printf ("note: this processor runs variants 0..%d only\n", dspDetectedVariant());

    for (int32_t trial = 0; trial < 300; ++trial)
    {
        const int32_t n = lengths (rng);
        const int32_t offA = offsets (rng), offB = offsets (rng), offD = offsets (rng);
        std::vector<float> a (n + pad), b (n + pad);
        for (float& v : a) v = signal (rng);
        for (float& v : b) v = small (rng);
        a[offA] = -0.0f;
        const float divisor = trial % 3 == 0 ? 65536.0f : signal (rng);
        const float fillValue = trial % 4 == 0 ? 0.0f : small (rng);
        const int32_t sections = sectionCounts (rng);
        std::vector<float> taps (6 * static_cast<size_t> (sections)), delay (2 * static_cast<size_t> (sections));
        for (int32_t k = 0; k < sections; ++k)
            randomSection (rng, taps.data() + 6 * k);
        for (float& v : delay) v = small (rng);

        struct Results
        {
            std::vector<float> copy, abs, div, add, fill, iir, iirDelay;
            std::vector<int32_t> fillInt;
        };

        auto run = [&] (int32_t variant)
        {
            ForcedVariant forced (variant);
            EXPECT_TRUE (forced.ok);
            Results r;
            r.copy.assign (n + pad, 0.0f);
            vecCopy (a.data() + offA, r.copy.data() + offD, n);
            r.abs = a;
            vecAbsInPlace (r.abs.data() + offA, n);
            r.div = a;
            vecDivConstInPlace (divisor, r.div.data() + offA, n);
            r.add.assign (n + pad, 0.0f);
            vecAdd (a.data() + offA, b.data() + offB, r.add.data() + offD, n);
            r.fill.assign (n + pad, 1.0f);
            vecFill (fillValue, r.fill.data() + offD, n);
            r.fillInt.assign (n + pad, 5);
            vecFillInt (trial - 150, r.fillInt.data() + offD, n);
            r.iir.assign (n + pad, 0.0f);
            IirState* state = createState (taps, sections, delay.data());
            // Two calls, so the carried-over delay line is part of the comparison.
            const int32_t first = n / 3;
            if (first > 0)
                vecIirFilter (b.data() + offB, r.iir.data() + offD, first, state);
            vecIirFilter (b.data() + offB + first, r.iir.data() + offD + first, n - first, state);
            r.iirDelay.assign (state->delayLine, state->delayLine + state->delayCount);
            iirStateFree (state);
            return r;
        };

        const Results expected = run (dspVariantScalar);

        for (int32_t variant = 1; variant <= dspDetectedVariant(); ++variant)
        {
            SCOPED_TRACE (testing::Message() << "variant " << variant << ", n " << n << ", offsets " << offA
                                             << "/" << offB << "/" << offD << ", sections " << sections);
            const Results got = run (variant);
            const int32_t all = n + pad;
            EXPECT_TRUE (sameBits (got.copy.data(), expected.copy.data(), all));
            EXPECT_TRUE (sameBits (got.abs.data(), expected.abs.data(), all));
            EXPECT_TRUE (sameBits (got.div.data(), expected.div.data(), all));
            EXPECT_TRUE (sameBits (got.add.data(), expected.add.data(), all));
            EXPECT_TRUE (sameBits (got.fill.data(), expected.fill.data(), all));
            EXPECT_EQ (got.fillInt, expected.fillInt);
            EXPECT_TRUE (sameBits (got.iir.data(), expected.iir.data(), all));
            EXPECT_TRUE (sameBits (got.iirDelay.data(), expected.iirDelay.data(), 2 * sections));
        }
    }
}

// The cache-bypassing paths (long adds, huge zero fills) must give the same bits as well; the
// kernels are called directly so the fill does not need hundreds of megabytes.
TEST (VectorOps, StreamingPathsAreBitIdentical)
{
    std::mt19937 rng (5);
    std::uniform_real_distribution<float> signal (-1.0f, 1.0f);
    const int32_t n = 87383 + 1001;
    std::vector<float> a (n + 8), b (n + 8);
    for (float& v : a) v = signal (rng);
    for (float& v : b) v = signal (rng);

    for (const int32_t off : { 0, 1, 3 })
    {
        std::vector<float> expected (n + 8, 0.0f);
        scalarKernels.add (a.data() + off, b.data(), expected.data() + off, n, false);

        for (int32_t variant = 1; variant <= dspDetectedVariant(); ++variant)
        {
            SCOPED_TRACE (testing::Message() << "variant " << variant << ", offset " << off);
            std::vector<float> got (n + 8, 0.0f);
            tables[variant]->add (a.data() + off, b.data(), got.data() + off, n, true);
            EXPECT_TRUE (sameBits (got.data(), expected.data(), n + 8));

            std::vector<float> filled (n + 8, 2.0f), filledExpected (n + 8, 2.0f);
            tables[variant]->fill (0.0f, filled.data() + off, n, true);
            scalarKernels.fill (0.0f, filledExpected.data() + off, n, false);
            EXPECT_TRUE (sameBits (filled.data(), filledExpected.data(), n + 8));

            std::vector<int32_t> ints (n + 8, 3), intsExpected (n + 8, 3);
            tables[variant]->fillInt (0, ints.data() + off, n, true);
            scalarKernels.fillInt (0, intsExpected.data() + off, n, false);
            EXPECT_EQ (ints, intsExpected);
        }
    }

    // Through the public operation, the long add takes the streaming path by itself.
    std::vector<float> viaPublic (n), viaScalar (n);
    vecAdd (a.data(), b.data(), viaPublic.data(), n);
    scalarKernels.add (a.data(), b.data(), viaScalar.data(), n, false);
    EXPECT_TRUE (sameBits (viaPublic.data(), viaScalar.data(), n));
    EXPECT_GT (dspStreamingFillBytes(), 512 * 1024);
}
