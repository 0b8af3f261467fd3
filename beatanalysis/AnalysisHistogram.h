// Tempo histogram of the grid analysis: candidates counted by their tempo, in whole BPM (level 0) or
// tenths of BPM (level 1), rounded half up.
#pragma once

#include "BeatRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class AnalysisHistogram
{
public:
    // A bin no period falls in: the bin of a period that is not a positive number.
    static constexpr int64_t noBin = INT64_MIN;

    // binCount bins, all 0; a bin is the tempo x 10^level.
    void init (int32_t binCount, int32_t level);

    // The tempo of a period in BPM x 10^level, rounded half up (not limited to the table).
    int64_t binOf (float periodMs) const;

    // Zeroes the bins, then counts candidate `first` and every following one that lies at most
    // spanFrames after it. Bin 0 (a tempo too slow to mean anything) and bins outside the table are
    // not counted. Returns the index of the first candidate beyond the span.
    size_t fill (const std::vector<BeatRecord>& candidates, size_t first, int64_t spanFrames);

    // The same counts as fill (candidates, first, spanFrames) on a window that only moves forward
    // along the list: candidates that left it are taken out and those that entered are counted.
    // candidateBins holds binOf of every candidate's period. A first below the window's start
    // counts afresh.
    void slideTo (const std::vector<BeatRecord>& candidates, const std::vector<int64_t>& candidateBins, size_t first,
                  int64_t spanFrames);

    // The first bin holding the strictly greatest count above 0, or -1 when every bin is 0.
    int32_t argmax() const;

    // argmax over the bins that lie within one coarse bin either side of `coarse` (given at a coarser
    // level); over all bins when coarseLevel is not below this histogram's level.
    int32_t argmaxNear (int32_t coarse, int32_t coarseLevel) const;

    int32_t binCount() const { return static_cast<int32_t> (bins.size()); }
    int32_t count (int32_t bin) const { return bins[static_cast<size_t> (bin)]; }
    int32_t getLevel() const { return level; }

private:
    int32_t argmaxOver (int64_t begin, int64_t end) const;
    void countBin (int64_t bin, int32_t change);

    std::vector<int32_t> bins;
    int32_t level = 0;
    double scale = 1.0;
    size_t windowBegin = 0, windowEnd = 0; // the candidates slideTo counted last
    bool windowCounted = false;
};
