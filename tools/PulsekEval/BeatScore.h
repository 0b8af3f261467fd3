// Scores detected beat times against annotated ones: a detection within the tolerance of an
// annotation counts as a hit, each annotation and each detection at most once.
#pragma once

#include <cstdint>
#include <vector>

struct BeatScore
{
    int32_t hits = 0;
    int32_t detections = 0;
    int32_t annotations = 0;

    double precision() const { return detections > 0 ? static_cast<double> (hits) / detections : 0.0; }
    double recall() const { return annotations > 0 ? static_cast<double> (hits) / annotations : 0.0; }

    // The harmonic mean of precision and recall; 0 when either list is empty.
    double fMeasure() const
    {
        return detections > 0 && annotations > 0 ? 2.0 * hits / (detections + annotations) : 0.0;
    }
};

// Both lists in seconds, ascending. Each annotation takes the nearest detection not yet taken.
BeatScore scoreBeats (const std::vector<double>& detected, const std::vector<double>& annotated, double toleranceSeconds = 0.07);
