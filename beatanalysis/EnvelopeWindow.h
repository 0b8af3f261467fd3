// The shaping part of a band's channel: a running mean over the last few milliseconds, used to keep
// only the amount by which a rectified band rises above it. A band with a source band copies that
// band's rectified signal instead of filtering the mono block itself.
#pragma once

#include <cstdint>

struct EnvelopeWindow
{
    EnvelopeWindow() = default;
    ~EnvelopeWindow();

    EnvelopeWindow (const EnvelopeWindow&) = delete;
    EnvelopeWindow& operator= (const EnvelopeWindow&) = delete;

    // Window of max (2, round (ms x sampleRate / 1000)) samples, filled with 0; returns the fill's
    // status (not 0 when the window could not be allocated).
    int32_t init (float ms, int32_t sourceBandIndex, uint32_t sampleRate);

    // Empties the window (index, sum and every stored value 0).
    void clear();

    void release();

    // Replaces each of the n values by the amount it rises above the mean of the last windowLength
    // values (itself included), or 0 when it does not rise above it.
    void shape (float* buf, int32_t n) { shapeFrom (buf, buf, n); }

    // The same on n values read from src and written to dst (which may be src): a band that copies
    // another band's signal shapes it on the way.
    void shapeFrom (const float* src, float* dst, int32_t n);

    // Two windows over their own signals in one pass; the result is that of a.shapeFrom and then
    // b.shapeFrom. Each window's running sum is a chain of dependent steps, and two chains side by
    // side take little longer than one.
    static void shapePair (EnvelopeWindow& a, const float* srcA, float* dstA, EnvelopeWindow& b, const float* srcB,
                           float* dstB, int32_t n);

    int32_t sourceBand = -1; // -1: the band is filtered from the mono block
    bool shapingOn = false;
    int32_t windowLength = 0;
    int32_t windowIndex = 0;
    float* window = nullptr;
    float windowSum = 0.0f;
};
