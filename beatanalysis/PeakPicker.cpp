#include "PeakPicker.h"

#include <cmath>

namespace
{
// The phase lengths come from single-precision constants widened to double before the multiply.
int32_t samplesFor (uint32_t rate, float seconds)
{
    return static_cast<int32_t> (std::trunc (static_cast<double> (rate) * static_cast<double> (seconds)));
}
} // namespace

void PeakPicker::init (uint32_t rate)
{
    sampleRate = rate;
    holdSamples = static_cast<uint32_t> (samplesFor (rate, 0.29f));
    levelPhaseLength = samplesFor (rate, 1.7f);
    firstDecayLength = samplesFor (rate, 1.3f);
    laterDecayLength = samplesFor (rate, 1.3f);
    reset();
}

void PeakPicker::reset()
{
    stepDecrement = 0.0f;
    threshold = thresholdFloor;
    state = 0;
    peakLevel = 0.0f;
    holdStart = 0;
    peakPosition = 0;
    phaseLength = 0;
    decayPhase = 0;
    slope = 0.0f;
    phaseStart = 0;
    position = 0;
    envelope.clear();
}

void PeakPicker::advancePhase()
{
    if (decayPhase == 0)
    {
        // From 0.75 x peak down to firstDecayRatio x peak over the first decay phase.
        slope = static_cast<float> ((static_cast<double> (threshold) - static_cast<double> (peakLevel) * firstDecayRatio)
                                    / firstDecayLength);
        decayPhase = 1;
        phaseLength = firstDecayLength;
    }
    else
    {
        // Then to laterDecayRatio of the value at the start of every later phase.
        slope = static_cast<float> ((static_cast<double> (threshold) - static_cast<double> (threshold) * laterDecayRatio)
                                    / laterDecayLength);
        phaseLength = laterDecayLength;
    }

    phaseStart = position;
    stepDecrement = slope * static_cast<float> (positionStep);
}
