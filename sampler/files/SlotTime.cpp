#include "sampler/files/SlotTime.h"

namespace SlotTime
{
double framesToMs (double frames, int sampleRate)
{
    return sampleRate > 0 ? frames * 1000.0 / sampleRate : 0.0;
}

int framesToWholeMs (double frames, int sampleRate)
{
    return juce::roundToInt (framesToMs (frames, sampleRate));
}

RangeMs rangeMs (const SamplerSlot& record)
{
    if (record.start == 0 && record.end == 0)
        return { 0.0, sourceLengthMs (record) };

    return { framesToMs (record.start, record.sampleRate), framesToMs (record.end, record.sampleRate) };
}

double sourceLengthMs (const SamplerSlot& record)
{
    return framesToMs (record.length, record.sampleRate);
}

TemporarySampleFile::Settings fileSettings (const SamplerSlot& record)
{
    const auto end = record.start == 0 && record.end == 0 ? record.length : record.end;

    return { getSlotPath (record), record.loop, record.tempo,
             framesToWholeMs (record.start, record.sampleRate), framesToWholeMs (end, record.sampleRate),
             record.gainIndex };
}

double bankSeconds (const SamplerSlot& record)
{
    if (record.sampleRate <= 0)
        return 0.0;

    auto frames = (double) record.end - (double) record.start;

    if (frames <= 0)
        frames = record.length;

    return frames > 0 ? frames / record.sampleRate : 0.0;
}

int shownRangeMs (const SamplerSlot& record)
{
    if (record.length <= 0 || record.sampleRate <= 0)
        return -1;

    if (record.start == 0 && record.end == 0)
        return framesToWholeMs (record.length, record.sampleRate);

    return juce::jmax (0, framesToWholeMs (record.end, record.sampleRate)
                              - framesToWholeMs (record.start, record.sampleRate));
}
}
