#pragma once

#include <cstdint>

/** What the slot editor's preview plays for its values: a range of the source and, when looping, the
    period it repeats on, in milliseconds of the source.

    A loop is laid on a grid of quarter beats of the slot's tempo: a range shorter than a quarter beat
    repeats every quarter beat; a longer one is cut back to the last quarter beat when it overruns it by
    less than half a quarter beat, and otherwise plays whole with silence up to the next one. A preview
    never plays more than the 16 seconds a bank can hold.
*/
struct PreviewRange
{
    /** The editor's values that shape the preview. */
    struct SlotValues
    {
        double startMs = 0.0, endMs = 0.0;
        bool loop = false;
        int32_t tempo = 0;          // hundredths of a beat per minute; 0 when unknown
    };

    static constexpr double longestMs = 16000.0;

    double startMs = 0.0;
    double playEndMs = 0.0;         // where the sound stops
    double periodEndMs = -1.0;      // where a loop starts again; -1 when the period is the range itself

    static PreviewRange forSlot (const SlotValues& values);

    /** A quarter beat of a tempo in hundredths of a beat per minute, in milliseconds. */
    static double quarterBeatMs (int32_t tempo);
};
