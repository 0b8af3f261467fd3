#include "TempoSectionFinder.h"

#include "AnalysisHistogram.h"
#include "BeatInfoAnalyzer.h"

#include <algorithm>
#include <cmath>

namespace
{
// A run of consecutive groups or candidates whose periods continue each other.
struct Run
{
    size_t start;   // first member
    int32_t length; // continuations counted so far
    float last;     // the last member's period
};

void keepMarked (std::vector<BeatRecord>& list, const std::vector<bool>& keep)
{
    size_t out = 0;

    for (size_t i = 0; i < list.size(); ++i)
        if (keep[i])
            list[out++] = list[i];

    list.resize (out);
}

void unmark (std::vector<bool>& keep, size_t begin, size_t end)
{
    std::fill (keep.begin() + static_cast<std::ptrdiff_t> (begin), keep.begin() + static_cast<std::ptrdiff_t> (end), false);
}
} // namespace

TempoSectionFinder::TempoSectionFinder (int32_t rate, int32_t frames)
    : sampleRate (rate), totalFrames (frames)
{
}

int64_t TempoSectionFinder::sectionEnd (const std::vector<BeatRecord>& sections, size_t k) const
{
    return k + 1 < sections.size() ? sections[k + 1].position : totalFrames;
}

//==============================================================================
std::vector<float> TempoSectionFinder::groupPeriods (const std::vector<BeatRecord>& candidates)
{
    std::vector<float> periods;

    for (const BeatRecord& c : candidates)
    {
        const uint32_t g = groupOf (c);
        const float p = std::isfinite (c.periodMs) && c.periodMs > 0.0f ? c.periodMs : 0.0f;

        if (g >= periods.size())
        {
            periods.resize (static_cast<size_t> (g) + 1, 0.0f);
            periods[g] = p;
        }
        else if (periods[g] == 0.0f)
        {
            const auto next = std::find_if (periods.begin() + static_cast<std::ptrdiff_t> (g) + 1, periods.end(),
                                            [] (float v) { return v != 0.0f; });

            if (next != periods.end() && BeatInfoAnalyzer::continues (p, *next))
                periods[g] = p;
        }
    }

    return periods;
}

void TempoSectionFinder::eraseBrokenGroups (std::vector<BeatRecord>& candidates, const std::vector<float>& periods)
{
    const size_t groupCount = periods.size();
    std::vector<bool> keepGroup (groupCount, true);
    size_t first = 0;

    while (first < groupCount && periods[first] == 0.0f)
        keepGroup[first++] = false;

    if (first < groupCount)
    {
        Run current { first, 0, periods[first] };
        Run saved {};
        bool haveSaved = false;

        for (size_t g = first + 1; g < groupCount; ++g)
        {
            BeatInfoAnalyzer::yieldProcessor();

            if (periods[g] == 0.0f)
            {
                keepGroup[g] = false;
                continue;
            }

            const float v = periods[g];

            // A resumed run compares this group again, so this loop ends within two passes.
            for (;;)
            {
                if (BeatInfoAnalyzer::continues (v, current.last))
                {
                    ++current.length;
                    current.last = v;
                    break;
                }

                const int32_t n = current.length;
                const bool resume = haveSaved && (n == 0 || (n < 8 && BeatInfoAnalyzer::continues (v, saved.last)));

                if (resume)
                {
                    unmark (keepGroup, current.start, g);
                    current = saved;
                    haveSaved = false;
                    continue;
                }

                if (n == 0)
                {
                    unmark (keepGroup, current.start, g);
                    current = { g, 1, v };
                }
                else
                {
                    saved = current;
                    haveSaved = true;
                    current = { g, 0, v };
                }

                break;
            }
        }

        if (haveSaved && current.length == 0)
            unmark (keepGroup, current.start, groupCount);
    }

    std::vector<bool> keep (candidates.size());

    for (size_t i = 0; i < candidates.size(); ++i)
        keep[i] = groupOf (candidates[i]) < groupCount && keepGroup[groupOf (candidates[i])];

    keepMarked (candidates, keep);
}

void TempoSectionFinder::removeShortRuns (std::vector<BeatRecord>& candidates)
{
    if (candidates.empty())
        return;

    std::vector<bool> keep (candidates.size(), true);
    Run current { 0, 0, candidates[0].periodMs };
    Run saved {};
    bool haveSaved = false;

    for (size_t i = 1; i < candidates.size(); ++i)
    {
        BeatInfoAnalyzer::yieldProcessor();
        const float v = candidates[i].periodMs;

        for (;;)
        {
            if (BeatInfoAnalyzer::continues (v, current.last))
            {
                ++current.length;
                current.last = v;
                break;
            }

            const int32_t n = current.length;

            if (n < 32)
            {
                const bool drop = n < 8 || (haveSaved && BeatInfoAnalyzer::continues (v, saved.last));

                if (drop)
                {
                    unmark (keep, current.start, i);

                    if (haveSaved)
                    {
                        current = saved;
                        haveSaved = false;
                        continue;
                    }

                    current = { i, 1, v };
                    break;
                }
            }

            saved = current;
            haveSaved = true;
            current = { i, 0, v };
            break;
        }
    }

    if (haveSaved && current.length < 8)
        unmark (keep, current.start, candidates.size());

    keepMarked (candidates, keep);
}

//==============================================================================
std::vector<BeatRecord> TempoSectionFinder::findSections (const std::vector<BeatRecord>& candidates) const
{
    std::vector<BeatRecord> sections;
    AnalysisHistogram histogram;
    histogram.init (400, 0);
    const int64_t span = 8 * static_cast<int64_t> (sampleRate);
    float previous = 0.0f;

    // Every candidate's bin once; the window of the next 8 s moves forward along the list.
    std::vector<int64_t> bins (candidates.size());

    for (size_t k = 0; k < candidates.size(); ++k)
        bins[k] = histogram.binOf (candidates[k].periodMs);

    const auto findTempoFrom = [&bins] (size_t first, int64_t bin)
    {
        for (size_t k = first; k < bins.size(); ++k)
            if (bins[k] == bin)
                return static_cast<int32_t> (k);

        return -1;
    };

    for (size_t i = 0; i < candidates.size();)
    {
        BeatInfoAnalyzer::yieldProcessor();
        histogram.slideTo (candidates, bins, i, span);
        const int32_t b = histogram.argmax();

        if (b < 0)
        {
            ++i;
            continue;
        }

        const float v = 60000.0f / static_cast<float> (b);
        const bool sameTempo = BeatInfoAnalyzer::continues (v, previous);
        previous = v;

        if (sameTempo)
        {
            ++i;
            continue;
        }

        const int32_t j0 = findTempoFrom (i, b);

        if (j0 < 0)
        {
            ++i;
            continue;
        }

        // The section starts at the earliest candidate near this tempo, or near half or double it.
        int32_t start = j0;
        const double t = std::min (0.04 * v, 20.0);

        for (const double f : { 0.5, 1.0, 2.0 })
        {
            const double fast = f * v - t + 0.5;

            if (! (fast > 0.0))
                continue;

            const auto from = static_cast<int64_t> (std::trunc (60000.0 / (f * v + t + 0.5)));
            const auto to = static_cast<int64_t> (std::trunc (60000.0 / fast));

            for (int64_t bpm = from; bpm < to; ++bpm)
            {
                const int32_t j = findTempoFrom (i, bpm);

                if (j >= 0 && j < start)
                    start = j;
            }
        }

        BeatRecord section = candidates[static_cast<size_t> (start)];
        section.periodMs = candidates[static_cast<size_t> (j0)].periodMs;
        sections.push_back (section);
        i = static_cast<size_t> (start) + 1;
    }

    return sections;
}

void TempoSectionFinder::refineSectionTempi (const std::vector<BeatRecord>& candidates,
                                             std::vector<BeatRecord>& sections) const
{
    AnalysisHistogram whole, tenths;
    whole.init (400, 0);
    tenths.init (4000, 1);

    for (size_t k = 0; k < sections.size();)
    {
        BeatInfoAnalyzer::yieldProcessor();
        const int64_t span = k + 1 < sections.size() ? static_cast<int64_t> (sections[k + 1].position) - sections[k].position
                                                     : static_cast<int64_t> (totalFrames);
        const int32_t c = BeatInfoAnalyzer::findByPosition (candidates, sections[k].position);

        if (c < 0)
        {
            ++k;
            continue;
        }

        whole.fill (candidates, static_cast<size_t> (c), span);
        const int32_t coarse = whole.argmax();

        if (coarse < 0)
        {
            ++k;
            continue;
        }

        tenths.fill (candidates, static_cast<size_t> (c), span);
        const int32_t fine = tenths.argmaxNear (coarse, whole.getLevel());

        if (fine < 1)
        {
            ++k;
            continue;
        }

        sections[k].periodMs = static_cast<float> (60000.0 / (fine * 0.1));
        sections[k].level = 0.0f;
        sections[k].stamp = 4;

        if (k >= 1 && BeatInfoAnalyzer::continues (sections[k].periodMs, sections[k - 1].periodMs))
            sections.erase (sections.begin() + static_cast<std::ptrdiff_t> (k));
        else
            ++k;
    }
}

void TempoSectionFinder::thinNearCandidates (std::vector<BeatRecord>& candidates,
                                             const std::vector<BeatRecord>& sections) const
{
    if (candidates.size() < 2 || sections.empty())
        return;

    // Each group's span byte, as its first candidate in the list gives it.
    std::vector<int32_t> spans;

    for (const BeatRecord& c : candidates)
    {
        const uint32_t g = groupOf (c);

        if (g >= spans.size())
            spans.resize (static_cast<size_t> (g) + 1, 0);

        if (spans[g] == 0)
            spans[g] = spanOf (c);
    }

    std::vector<bool> keep (candidates.size(), true);
    size_t previous = 0, current = 1;

    for (size_t k = 0; k < sections.size(); ++k)
    {
        BeatInfoAnalyzer::yieldProcessor();
        const double minGap = std::trunc (sampleRate * static_cast<double> (sections[k].periodMs) * 0.001 * 0.125);
        const int64_t end = sectionEnd (sections, k);

        while (current < candidates.size() && candidates[current].position < end)
        {
            const int64_t gap = std::llabs (static_cast<int64_t> (candidates[current].position) - candidates[previous].position);

            if (static_cast<double> (gap) >= minGap)
            {
                previous = current++;
            }
            else if (spans[groupOf (candidates[previous])] < spans[groupOf (candidates[current])])
            {
                keep[previous] = false;
                previous = current++;
            }
            else
            {
                keep[current++] = false;
            }
        }
    }

    keepMarked (candidates, keep);
}

float TempoSectionFinder::representativeTempo (const std::vector<BeatRecord>& sections) const
{
    const BeatRecord* longest = nullptr;
    int64_t longestLength = 0;

    for (size_t k = 0; k < sections.size(); ++k)
    {
        const int64_t start = k == 0 ? 0 : sections[k].position;
        const int64_t length = sectionEnd (sections, k) - start;

        if (longest == nullptr || length > longestLength)
        {
            longest = &sections[k];
            longestLength = length;
        }
    }

    if (longest == nullptr || ! (longest->periodMs > 0.0f))
        return 0.0f;

    return 60000.0f / longest->periodMs;
}
