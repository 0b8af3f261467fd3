#include "sampler/files/PreviewRange.h"

#include <algorithm>
#include <cmath>

double PreviewRange::quarterBeatMs (int32_t tempo)
{
    return 60.0 / (tempo / 100.0) * 0.25 * 1000.0;
}

PreviewRange PreviewRange::forSlot (const SlotValues& values)
{
    const auto start = values.startMs, end = values.endMs;

    // A loop needs a tempo to find its grid; without one the range repeats as it stands.
    if (! values.loop || values.tempo <= 0)
        return { start, std::min (end, start + longestMs), -1.0 };

    const auto quarter = quarterBeatMs (values.tempo);
    const auto length = end - start;
    auto playEnd = end, periodEnd = start + quarter;

    if (length >= quarter)
    {
        // The part of the range past its last whole quarter beat, in (0, quarter]. A range many beats
        // long is brought near in one step; the loops settle the last step exactly.
        auto rest = length;

        if (rest > 2.0 * quarter)
            rest -= quarter * std::floor (rest / quarter - 1.0);

        while (rest > quarter)
            rest -= quarter;

        while (rest <= 0.0)
            rest += quarter;

        if (rest < quarter / 2.0)
            playEnd = periodEnd = end - rest;
        else
            periodEnd = end - rest + quarter;
    }

    if (playEnd - start > longestMs)
    {
        // Rounded down a hair so that rounding noise never takes one quarter beat too many.
        const auto steps = std::ceil ((playEnd - start - longestMs) / quarter - 1.0e-9);
        playEnd -= steps * quarter;
        periodEnd -= steps * quarter;

        while (playEnd - start > longestMs)
        {
            playEnd -= quarter;
            periodEnd -= quarter;
        }
    }

    return { start, playEnd, periodEnd };
}
