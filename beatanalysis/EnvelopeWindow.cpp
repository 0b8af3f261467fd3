#include "EnvelopeWindow.h"

#include "VectorOps.h"

#include <cmath>
#include <cstring>

EnvelopeWindow::~EnvelopeWindow()
{
    release();
}

int32_t EnvelopeWindow::init (float ms, int32_t sourceBandIndex, uint32_t sampleRate)
{
    const double length = std::trunc (static_cast<double> (ms) * 0.001 * sampleRate + 0.5);
    windowLength = length > 2.0 ? static_cast<int32_t> (length) : 2;
    sourceBand = sourceBandIndex;
    shapingOn = true;
    windowIndex = 0;
    windowSum = 0.0f;

    release();
    window = alignedAllocFloat (windowLength);
    return vecFill (0.0f, window, windowLength);
}

void EnvelopeWindow::clear()
{
    windowIndex = 0;
    windowSum = 0.0f;

    if (window != nullptr)
        vecFill (0.0f, window, windowLength);
}

void EnvelopeWindow::release()
{
    alignedFree (window);
    window = nullptr;
}

namespace
{
// One window's running state in locals for the length of a block.
struct WindowRun
{
    explicit WindowRun (EnvelopeWindow& w)
        : window (w.window), length (w.windowLength), index (w.windowIndex), sum (w.windowSum)
    {
    }

    void storeTo (EnvelopeWindow& w) const
    {
        w.windowIndex = index;
        w.windowSum = sum;
    }

    float step (float v)
    {
        sum = static_cast<float> (static_cast<double> (sum) - window[index] + v);
        const double rise = v - static_cast<double> (sum) / length;
        window[index] = v;

        if (++index >= length)
            index = 0;

        // rise > 0 ? float (rise) : 0, with the rise masked to +0 instead of a branch that would follow
        // the signal's ups and downs.
        uint64_t bits;
        std::memcpy (&bits, &rise, sizeof (bits));
        bits &= 0u - static_cast<uint64_t> (rise > 0.0);
        double kept;
        std::memcpy (&kept, &bits, sizeof (kept));
        return static_cast<float> (kept);
    }

    float* window;
    int32_t length;
    int32_t index;
    float sum;
};
} // namespace

void EnvelopeWindow::shapeFrom (const float* src, float* dst, int32_t n)
{
    if (window == nullptr)
    {
        if (src != dst && n > 0)
            vecCopy (src, dst, n);

        return;
    }

    WindowRun run (*this);

    for (int32_t j = 0; j < n; ++j)
        dst[j] = run.step (src[j]);

    run.storeTo (*this);
}

void EnvelopeWindow::shapePair (EnvelopeWindow& a, const float* srcA, float* dstA, EnvelopeWindow& b,
                                const float* srcB, float* dstB, int32_t n)
{
    // Side by side each value of srcB is read before the same value of dstA is written, so b reading
    // a's result runs after it.
    if (a.window == nullptr || b.window == nullptr || a.window == b.window || srcB == dstA)
    {
        a.shapeFrom (srcA, dstA, n);
        b.shapeFrom (srcB, dstB, n);
        return;
    }

    // Both windows' steps side by side in the two lanes of one double pair: each lane does what
    // WindowRun::step does, in the same order.
    typedef double Pair __attribute__ ((vector_size (16)));
    typedef float FloatPair __attribute__ ((vector_size (8)));
    typedef int64_t MaskPair __attribute__ ((vector_size (16)));

    float* const windowA = a.window;
    float* const windowB = b.window;
    const int32_t lengthA = a.windowLength, lengthB = b.windowLength;
    int32_t indexA = a.windowIndex, indexB = b.windowIndex;
    const Pair lengths { static_cast<double> (lengthA), static_cast<double> (lengthB) };
    Pair sums { static_cast<double> (a.windowSum), static_cast<double> (b.windowSum) };

    for (int32_t j = 0; j < n; ++j)
    {
        const float va = srcA[j], vb = srcB[j];
        const Pair v { static_cast<double> (va), static_cast<double> (vb) };
        const Pair w { static_cast<double> (windowA[indexA]), static_cast<double> (windowB[indexB]) };
        sums = __builtin_convertvector (__builtin_convertvector ((sums - w) + v, FloatPair), Pair);
        const Pair rise = v - sums / lengths;
        windowA[indexA] = va;
        windowB[indexB] = vb;

        if (++indexA >= lengthA)
            indexA = 0;

        if (++indexB >= lengthB)
            indexB = 0;

        const MaskPair kept = reinterpret_cast<MaskPair> (rise) & (rise > 0.0);
        const FloatPair out = __builtin_convertvector (reinterpret_cast<Pair> (kept), FloatPair);
        dstA[j] = out[0];
        dstB[j] = out[1];
    }

    a.windowIndex = indexA;
    b.windowIndex = indexB;
    a.windowSum = static_cast<float> (sums[0]);
    b.windowSum = static_cast<float> (sums[1]);
}
