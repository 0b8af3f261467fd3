#include "EnvelopeWindow.h"

#include "VectorOps.h"

#include <cmath>

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

void EnvelopeWindow::shape (float* buf, int32_t n)
{
    if (window == nullptr)
        return;

    for (int32_t j = 0; j < n; ++j)
    {
        const float v = buf[j];
        windowSum = static_cast<float> (static_cast<double> (windowSum) - window[windowIndex] + v);
        const double rise = v - static_cast<double> (windowSum) / windowLength;
        window[windowIndex] = v;

        if (++windowIndex >= windowLength)
            windowIndex = 0;

        buf[j] = rise > 0.0 ? static_cast<float> (rise) : 0.0f;
    }
}
