// Turns the candidates gathered while a track was fed into the beat grid and the track's tempo.
//
// The grid analysis itself is not written yet: analyze() returns tempo 0 and leaves the beat list
// empty, as it does for a track without usable beats.
#pragma once

#include "BeatRecord.h"

#include <cstdint>
#include <vector>

class BeatInfoAnalyzer
{
public:
    void setSampleRate (int32_t rate) { sampleRate = rate; }
    int32_t getSampleRate() const { return sampleRate; }

    // candidates is edited; beats receives the beat list. leadBeats and tailBeats come from the grid
    // span (see TrackAnalysis::gridArguments). Returns the representative tempo in BPM.
    float analyze (std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& beats, int32_t totalFrames,
                   int32_t beatsPerBar, int32_t leadBeats, int32_t tailBeats);

private:
    int32_t sampleRate = 48000;
};
