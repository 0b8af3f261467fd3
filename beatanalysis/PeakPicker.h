// Adaptive-threshold peak picker of one band (the band's channel record). It runs on the band's
// decimated values; an onset is the largest value that no larger one follows within the hold time,
// and it must reach a threshold that stands at 0.75 x the last peak for 1.7 s, falls to half the
// peak over the next 1.3 s and then halves every 1.3 s, never below 0.001.
#pragma once

#include "EnvelopeWindow.h"

#include <algorithm>
#include <cstdint>

struct PeakPicker
{
    PeakPicker() = default; // the defaults below: sample rate 0, floor 0.001, step 16, no window

    PeakPicker (const PeakPicker&) = delete;
    PeakPicker& operator= (const PeakPicker&) = delete;

    // Derives the phase lengths from the sample rate and clears the running fields.
    void init (uint32_t rate);

    // The running state after a build: threshold at the floor, everything else 0, window emptied.
    void reset();

    // Takes the next decimated value; true when it confirms an onset (at peakPosition, peakLevel).
    bool process (float value);

    // process() on each of count values in turn; onOnset (k) is called for each value k that confirms
    // an onset, with the picker as process() leaves it. The running threshold and position stay in
    // registers between values instead of going through memory.
    template <typename OnOnset>
    void processEach (const float* values, int32_t count, OnOnset&& onOnset);

    // Starts the next decay phase of the threshold (only while waiting).
    void advancePhase();

    int32_t state = 0;          // 0 waiting for an onset, 1 holding a peak
    uint32_t holdSamples = 0;
    float threshold = 0.001f;
    float slope = 0.0f;         // threshold decrease per input sample in the current decay phase
    float stepDecrement = 0.0f; // slope x positionStep
    float thresholdFloor = 0.001f;
    int32_t decayPhase = 0;     // 0 level phase after a peak, 1 decaying
    int32_t phaseLength = 0;
    float peakRatio = 0.75f;
    float firstDecayRatio = 0.5f;
    float laterDecayRatio = 0.5f;
    int32_t levelPhaseLength = 0;
    int32_t firstDecayLength = 0;
    int32_t laterDecayLength = 0;
    int32_t phaseStart = 0;
    int32_t position = 0;       // input samples seen
    int32_t positionStep = 16;  // samples per decimated value; the bank sets its own
    float peakLevel = 0.0f;
    int32_t peakPosition = 0;
    int32_t holdStart = 0;
    uint32_t sampleRate = 0;
    EnvelopeWindow envelope;

private:
    void startPeak (float value);
};

// Runs at every decimated value of every band, so it is inline.
inline bool PeakPicker::process (float value)
{
    threshold -= stepDecrement;
    position = static_cast<int32_t> (static_cast<uint32_t> (position) + static_cast<uint32_t> (positionStep));

    if (state == 0)
    {
        if (threshold < thresholdFloor)
            threshold = thresholdFloor;

        if (static_cast<int64_t> (position) - phaseStart > phaseLength)
            advancePhase();

        if (value < threshold)
            return false;

        startPeak (value);
        return false;
    }

    // Holding: a larger value moves the onset and restarts the hold.
    if (value > peakLevel)
        startPeak (value);

    if (static_cast<uint32_t> (position) - static_cast<uint32_t> (holdStart) >= holdSamples)
    {
        state = 0;
        return true;
    }

    return false;
}

inline void PeakPicker::startPeak (float value)
{
    threshold = value * peakRatio;
    peakPosition = holdStart = phaseStart = position;
    peakLevel = value;
    phaseLength = levelPhaseLength;
    decayPhase = 0;
    slope = stepDecrement = 0.0f;
    state = 1;
}

template <typename OnOnset>
void PeakPicker::processEach (const float* values, int32_t count, OnOnset&& onOnset)
{
    float t = threshold;
    int32_t at = position;

    for (int32_t k = 0; k < count; ++k)
    {
        // While the threshold stands still (no decrement: the level phase, and every hold), a value
        // that neither reaches it (waiting) nor passes the peak (holding) only moves the position,
        // until the phase or the hold ends. Such values are passed over in bulk.
        if (stepDecrement == 0.0f && positionStep > 0 && ! (t < thresholdFloor))
        {
            const auto step = static_cast<int64_t> (positionStep);
            int32_t j = k;

            if (state == 0)
            {
                const int64_t room = static_cast<int64_t> (phaseLength) + phaseStart - at;
                const int64_t end = std::min<int64_t> (count, k + (room < 0 ? 0 : room / step));

                while (j < end && values[j] < t)
                    ++j;
            }
            else
            {
                const uint32_t since = static_cast<uint32_t> (at) - static_cast<uint32_t> (holdStart);
                const int64_t room = since >= holdSamples ? 0 : (static_cast<int64_t> (holdSamples) - since - 1) / step;
                const int64_t end = std::min<int64_t> (count, k + room);

                while (j < end && ! (values[j] > peakLevel))
                    ++j;
            }

            at = static_cast<int32_t> (static_cast<uint32_t> (at) + static_cast<uint32_t> (positionStep) * static_cast<uint32_t> (j - k));
            k = j;

            if (k == count)
                break;
        }

        const float value = values[k];
        t -= stepDecrement;
        at = static_cast<int32_t> (static_cast<uint32_t> (at) + static_cast<uint32_t> (positionStep));

        if (state == 0)
        {
            if (t < thresholdFloor)
                t = thresholdFloor;

            if (static_cast<int64_t> (at) - phaseStart > phaseLength)
            {
                threshold = t;
                position = at;
                advancePhase();
                t = threshold;
            }

            if (value < t)
                continue;

            position = at;
            startPeak (value);
            t = threshold;
            continue;
        }

        if (value > peakLevel)
        {
            position = at;
            startPeak (value);
            t = threshold;
        }

        if (static_cast<uint32_t> (at) - static_cast<uint32_t> (holdStart) >= holdSamples)
        {
            state = 0;
            threshold = t;
            position = at;
            onOnset (k);
        }
    }

    threshold = t;
    position = at;
}

