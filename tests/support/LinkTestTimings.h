#pragma once

#include "core/MidiThread.h"

// ThreadSanitizer makes every step of the link, of the simulated unit and of a test several times
// slower, so a window measured in milliseconds would no longer say what it was meant to. The link's
// tests run the link's rhythm and their own windows on one scale instead, which keeps every
// comparison in proportion: under ThreadSanitizer, everything timed is this many times longer.
#if defined (__SANITIZE_THREAD__)
 #define TESSALIN_TEST_TIME_SCALE 4
#elif defined (__has_feature)
 #if __has_feature (thread_sanitizer)
  #define TESSALIN_TEST_TIME_SCALE 4
 #endif
#endif

#ifndef TESSALIN_TEST_TIME_SCALE
 #define TESSALIN_TEST_TIME_SCALE 1
#endif

constexpr int linkTestTimeScale = TESSALIN_TEST_TIME_SCALE;

/** A duration of a link test (a pause, a time limit, the simulated unit's delays) on the scale. */
constexpr int scaledMs (int milliseconds) noexcept
{
    return milliseconds * linkTestTimeScale;
}

/** The link's rhythm on the same scale; the number of silent rounds stays. */
constexpr MidiLinkTimings scaledTimings (MidiLinkTimings timings) noexcept
{
    timings.roundMs = scaledMs (timings.roundMs);
    timings.replyMs = scaledMs (timings.replyMs);
    return timings;
}
