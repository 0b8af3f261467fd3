// A band's recent onsets: position, peak level and the raw interval from the onset before.
#pragma once

#include <cstdint>

struct IntervalEntry
{
    int32_t position;
    float level;
    float intervalMs;
};

struct IntervalRing
{
    static constexpr int32_t defaultCapacity = 32;

    IntervalEntry* entries = nullptr; // zero-filled when allocated; null when the allocation failed
    int32_t writeIndex = 0;           // slot of the next write
    int32_t count = 0;                // entries written, at most capacity
    int32_t capacity = 0;
};
