// Interval classes: an inter-onset interval x (ms) belongs to a row when minMs < x < maxMs (both
// strict), and the row says how many beats such an interval is taken to span.
#pragma once

#include <cstdint>

struct IntervalClass
{
    float minMs;
    float maxMs;
    float beats;
};

constexpr int32_t intervalClassCount = 9;

// Tried in this order for a new interval.
constexpr IntervalClass intervalClassTable[intervalClassCount] {
    { 500.0f, 1276.0f, 1.5f },
    { 468.0f, 1071.0f, 1.25f },
    { 923.0f, 2142.0f, 2.5f },
    { 290.0f, 638.0f, 0.75f },
    { 320.0f, 860.0f, 1.0f },
    { 290.0f, 428.0f, 0.5f },
    { 666.0f, 1714.0f, 2.0f },
    { 1500.0f, 3333.0f, 4.0f },
    { 1125.0f, 2580.0f, 3.0f },
};

// The same rows in the order used for the earlier intervals.
constexpr IntervalClass intervalScanTable[intervalClassCount] {
    { 1500.0f, 3333.0f, 4.0f },
    { 923.0f, 2142.0f, 2.5f },
    { 666.0f, 1714.0f, 2.0f },
    { 500.0f, 1276.0f, 1.5f },
    { 468.0f, 1071.0f, 1.25f },
    { 320.0f, 860.0f, 1.0f },
    { 290.0f, 638.0f, 0.75f },
    { 290.0f, 428.0f, 0.5f },
    { 1125.0f, 2580.0f, 3.0f },
};

// The first row r >= firstRow of intervalClassTable that contains x; -1 when none does.
int32_t intervalClassOf (float x, int32_t firstRow);
