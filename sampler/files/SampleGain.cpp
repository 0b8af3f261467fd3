#include "sampler/files/SampleGain.h"

#include <cmath>

float gainIndexToAmplitude (int gainIndex)
{
    // The unit computes its end points in single precision; matching them keeps our files level with
    // what it plays.
    const auto minimum = std::pow (10.0f, -0.9f);
    const auto maximum = std::pow (10.0f, 0.45f);

    if (gainIndex <= 0)
        return minimum;

    if (gainIndex >= 255)
        return maximum;

    // Evaluated in double so that index 128 lands on exactly 1 and a 0 dB slot is copied untouched.
    if (gainIndex <= 128)
        return (float) ((double) minimum + gainIndex * (1.0 - (double) minimum) / 128.0);

    return (float) (1.0 + (gainIndex - 128) * ((double) maximum - 1.0) / 127.0);
}
