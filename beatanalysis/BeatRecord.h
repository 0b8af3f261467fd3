// One element of the candidate list (an onset offered by a band) and of the beat list (a beat).
#pragma once

#include <cstdint>

struct BeatRecord
{
    int32_t position;  // sample frame of the onset or beat
    float level;       // onset level; carried over into the beat list
    float periodMs;    // the offering band's beat period, or the beat's local period
    int32_t stamp;     // candidates: the collector's stamp; beats: the beat's number in its bar, 1..4
    int32_t band;      // candidates: the offering band; beats: 0
    uint8_t flag;      // candidates: 0; beats: 1 on each section's anchor beat
};
