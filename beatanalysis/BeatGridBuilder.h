// Second half of the grid analysis: finds each tempo section's grid phase and exact period, walks a
// quarter-beat grid through it that snaps to the candidates and re-measures the local tempo over a
// span of beats, evens out irregular gaps between neighbouring beats.
//
// A section record carries the grid step in quarter beats (4, 8 or 16) in `stamp` and the number of
// whole beats from its position to the grid start that scored best in `band`.
#pragma once

#include "BeatRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class BeatGridBuilder
{
public:
    // beatsPerBar + leadBeats + tailBeats is the span of beats over which the tempo is measured.
    BeatGridBuilder (int32_t sampleRate, int32_t totalFrames, int32_t beatsPerBar, int32_t leadBeats, int32_t tailBeats);

    // Searches each section's grid start and period (within 2 ms of its own) and writes them with
    // the grid step and skip count into the section; a section with no candidate near any grid keeps
    // its position and period, with grid step 4 and no skip.
    void fitGrids (const std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& sections) const;

    // The beat list of the fitted sections, in ascending position, each beat with its local period.
    std::vector<BeatRecord> placeBeats (const std::vector<BeatRecord>& candidates, const std::vector<BeatRecord>& sections);

    // The first section's first grid beat: bar beat 1. 0 until placeBeats has run.
    int64_t getAnchor() const { return anchor; }

    // Moves, adds or removes beats where the middle of four consecutive gaps is much longer or
    // shorter than its neighbours. Four beats with any gap of 0 or less between them are left alone.
    static void correctPositions (std::vector<BeatRecord>& beats);

    // A grid step (in quarter beats) as used: 4, 8 or 16, anything else counts as 4.
    static int32_t usableGridStep (int32_t step);

private:
    // Where the grid search stops before `boundary` (a section's start): just after the last candidate
    // before the one at or before the boundary.
    static int64_t searchBound (const std::vector<BeatRecord>& candidates, int64_t boundary, double periodFrames);

    int32_t sampleRate;
    int32_t totalFrames;
    int32_t beatsPerBar;
    int32_t leadBeats;
    int32_t tailBeats;
    int64_t anchor = 0;
};
