// Turns the candidates gathered while a track was fed into the beat grid and the track's tempo:
// cleans the candidates by tempo continuity, cuts the track into tempo sections and picks the
// representative tempo (TempoSectionFinder), then fits each section's grid and places, evens out and
// numbers the beats (BeatGridBuilder). Writes its progress lines to standard output.
#pragma once

#include "AnalysisHistogram.h"
#include "BeatRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class BeatInfoAnalyzer
{
public:
    void setSampleRate (int32_t rate) { sampleRate = rate; }
    int32_t getSampleRate() const { return sampleRate; }

    // candidates is edited; beats receives the beat list (left alone when the analysis ends early
    // with no section). leadBeats and tailBeats come from the grid span (see
    // TrackAnalysis::gridArguments). Returns the representative tempo in BPM, 0 when none was found.
    float analyze (std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& beats, int32_t totalFrames,
                   int32_t beatsPerBar, int32_t leadBeats, int32_t tailBeats);

    //==============================================================================
    // Shared helpers. Lists are in ascending position; periods are in ms.

    // v continues r when v, 2v or v/2 lies strictly between r - t and r + t (the bounds as floats),
    // with t = min(4 % of r, 20 ms).
    static bool continues (float v, float r);

    // The first index from `first` on whose candidate falls in `bin` of the histogram, or -1.
    static int32_t findTempoFrom (const std::vector<BeatRecord>& candidates, size_t first, int64_t bin,
                                  const AnalysisHistogram& histogram);

    // The first index holding exactly this position, or -1.
    static int32_t findByPosition (const std::vector<BeatRecord>& list, int64_t position);

    // The last index whose position is at or before `position`, or -1 when there is none.
    static int32_t findRecordByPosition (const std::vector<BeatRecord>& list, int64_t position);

    struct Snap
    {
        int32_t position; // -1 when no candidate lies within the window
        int32_t index;
    };

    // The candidate closest to x within w either side (inclusive); the earlier one on a tie.
    static Snap snapToOnset (const std::vector<BeatRecord>& candidates, int64_t x, int64_t w);

    // How well a grid from t in steps of d up to e lands on candidates: each grid point that snaps
    // adds w minus its distance, and the grid carries on from the onset it snapped to.
    static int64_t scoreGrid (const std::vector<BeatRecord>& candidates, double t, double e, double d, int64_t w);

    // The snap window of a beat period of P frames: 50 ms or an eighth of the beat, whichever is larger.
    static int64_t snapWindow (double periodFrames, int32_t sampleRate);

    // Numbers the beats 1..barLength from the beat at or before the anchor, which gets 1.
    static void numberBeatsInBar (std::vector<BeatRecord>& beats, int64_t anchor, int32_t barLength);

    // Gives up the rest of the time slice: the analysis is long and runs in the caller's thread.
    static void yieldProcessor();

    // Writes bytes to standard output and flushes.
    static void writeConsole (const char* text);

private:
    static void writeSections (const std::vector<BeatRecord>& sections);

    int32_t sampleRate = 48000;
};
