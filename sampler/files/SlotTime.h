#pragma once

#include "core/DeviceSettings.h"
#include "sampler/files/TemporarySampleFile.h"

/** The one place where a slot's sample frames become milliseconds and seconds. Slot records count in
    frames of their source file; the temporary-file builder, the slot editor and the tiles' texts count
    in milliseconds. Every conversion gives 0 for a record without a sample rate. */
namespace SlotTime
{
    /** frames at sampleRate in milliseconds, unrounded. */
    double framesToMs (double frames, int sampleRate);

    /** The same rounded to whole milliseconds. */
    int framesToWholeMs (double frames, int sampleRate);

    /** The used range of a record in milliseconds, unrounded, as the slot editor shows it: a record
        with start and end both 0 uses its whole source. */
    struct RangeMs { double startMs = 0, endMs = 0; };
    RangeMs rangeMs (const SamplerSlot& record);

    /** The source length of a record in milliseconds, unrounded. */
    double sourceLengthMs (const SamplerSlot& record);

    /** What the record's temporary file is built from: its path, loop, tempo, gain and its range in
        whole milliseconds (start and end both 0 = the whole source). */
    TemporarySampleFile::Settings fileSettings (const SamplerSlot& record);

    /** The sampled time a record takes from its bank's 16 seconds: its range, or the whole source when
        the range is empty or reversed. 0 for a slot without a source. */
    double bankSeconds (const SamplerSlot& record);

    /** The range length a tile shows, in whole milliseconds (start and end rounded first), or -1 when
        the record has no source length or no sample rate. */
    int shownRangeMs (const SamplerSlot& record);
}
