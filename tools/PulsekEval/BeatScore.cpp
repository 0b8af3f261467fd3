#include "BeatScore.h"

#include <algorithm>
#include <cmath>

BeatScore scoreBeats (const std::vector<double>& detected, const std::vector<double>& annotated, double tolerance)
{
    BeatScore score;
    score.detections = static_cast<int32_t> (detected.size());
    score.annotations = static_cast<int32_t> (annotated.size());
    std::vector<bool> taken (detected.size(), false);

    for (const double a : annotated)
    {
        // Detections are ascending: only the ones within the tolerance window need looking at.
        auto it = std::lower_bound (detected.begin(), detected.end(), a - tolerance);
        size_t best = detected.size();
        double bestDistance = tolerance;

        for (; it != detected.end() && *it <= a + tolerance; ++it)
        {
            const size_t i = static_cast<size_t> (it - detected.begin());
            const double distance = std::fabs (*it - a);

            if (! taken[i] && distance <= bestDistance)
            {
                if (best == detected.size() || distance < bestDistance)
                {
                    best = i;
                    bestDistance = distance;
                }
            }
        }

        if (best < detected.size())
        {
            taken[best] = true;
            ++score.hits;
        }
    }

    return score;
}
