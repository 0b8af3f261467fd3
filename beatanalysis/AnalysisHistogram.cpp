#include "AnalysisHistogram.h"

#include <algorithm>
#include <cmath>

void AnalysisHistogram::init (int32_t binCount, int32_t newLevel)
{
    bins.assign (static_cast<size_t> (std::max (binCount, 0)), 0);
    level = newLevel;
    scale = std::pow (10.0, newLevel);
}

int64_t AnalysisHistogram::binOf (float periodMs) const
{
    if (! (periodMs > 0.0f) || ! std::isfinite (periodMs))
        return noBin;

    // Tempo x 10^level x 10, plus 5, truncated, then a tenth of that truncated: round half up.
    const double tenfold = std::trunc (60000.0 / periodMs * scale * 10.0 + 5.0);

    if (! (tenfold < 9.0e18))
        return noBin;

    return static_cast<int64_t> (tenfold) / 10;
}

size_t AnalysisHistogram::fill (const std::vector<BeatRecord>& candidates, size_t first, int64_t spanFrames)
{
    std::fill (bins.begin(), bins.end(), 0);
    windowCounted = false;

    if (first >= candidates.size())
        return candidates.size();

    const int64_t last = static_cast<int64_t> (candidates[first].position) + spanFrames;
    size_t i = first;

    for (; i < candidates.size() && (i == first || candidates[i].position <= last); ++i)
    {
        const int64_t bin = binOf (candidates[i].periodMs);

        if (bin >= 1 && bin < static_cast<int64_t> (bins.size()))
            ++bins[static_cast<size_t> (bin)];
    }

    return i;
}

void AnalysisHistogram::countBin (int64_t bin, int32_t change)
{
    if (bin >= 1 && bin < static_cast<int64_t> (bins.size()))
        bins[static_cast<size_t> (bin)] += change;
}

void AnalysisHistogram::slideTo (const std::vector<BeatRecord>& candidates, const std::vector<int64_t>& candidateBins,
                                 size_t first, int64_t spanFrames)
{
    if (! windowCounted || first < windowBegin)
    {
        std::fill (bins.begin(), bins.end(), 0);
        windowBegin = windowEnd = first;
        windowCounted = true;
    }

    if (first >= candidates.size())
    {
        for (size_t i = windowBegin; i < windowEnd; ++i)
            countBin (candidateBins[i], -1);

        windowBegin = windowEnd = first;
        return;
    }

    // The candidates are in ascending position, so the window's end never moves back.
    for (; windowBegin < first; ++windowBegin)
        if (windowBegin < windowEnd)
            countBin (candidateBins[windowBegin], -1);

    windowEnd = std::max (windowEnd, first);
    const int64_t last = static_cast<int64_t> (candidates[first].position) + spanFrames;

    for (; windowEnd < candidates.size() && (windowEnd == first || candidates[windowEnd].position <= last); ++windowEnd)
        countBin (candidateBins[windowEnd], 1);
}

int32_t AnalysisHistogram::argmaxOver (int64_t begin, int64_t end) const
{
    int32_t best = -1;
    int32_t bestCount = 0;

    for (int64_t b = std::max<int64_t> (begin, 0); b < std::min<int64_t> (end, binCount()); ++b)
    {
        if (bins[static_cast<size_t> (b)] > bestCount)
        {
            bestCount = bins[static_cast<size_t> (b)];
            best = static_cast<int32_t> (b);
        }
    }

    return best;
}

int32_t AnalysisHistogram::argmax() const
{
    return argmaxOver (0, binCount());
}

int32_t AnalysisHistogram::argmaxNear (int32_t coarse, int32_t coarseLevel) const
{
    if (coarseLevel >= level)
        return argmax();

    const double factor = std::pow (10.0, level - coarseLevel);
    const auto begin = static_cast<int64_t> (std::trunc ((coarse - 1.0) * factor));
    const auto end = static_cast<int64_t> (std::trunc ((coarse + 1.0) * factor));
    return argmaxOver (std::max<int64_t> (0, begin), end);
}
