#include "BeatInfoAnalyzer.h"

#include "BeatGridBuilder.h"
#include "TempoSectionFinder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

namespace
{
// The console lines, byte for byte in the Japanese Windows code page: callers read these texts.
// "BeatInfoAnalyzer::analyze() <beat information analysis starts>\n"
constexpr char startLine[] = "BeatInfoAnalyzer::analyze() "
                             "\x94\x8f\x8f\xee\x95\xf1\x82\xcc\x89\xf0\x90\xcd\x8a\x4a\x8e\x6e\n";
// "<erasing values that do not run on for 8 or more>\n"
constexpr char eraseLine[] = "8"
                             "\x8c\xc2\x88\xc8\x8f\xe3\x98\x41\x91\xb1\x82\xb5\x82\xc8\x82\xa2\x92\x6c\x82\xf0"
                             "\x8f\xc1\x8b\x8e\x82\xb5\x82\xdc\x82\xb7\n";
// "<section information>\n"
constexpr char sectionsLine[] = "\x8b\xe6\x8a\xd4\x8f\xee\x95\xf1\n";
// "BeatInfoAnalyzer::analyze() <beat information analysis finished>\n"
constexpr char endLine[] = "BeatInfoAnalyzer::analyze() "
                           "\x94\x8f\x8f\xee\x95\xf1\x82\xcc\x89\xf0\x90\xcd\x8f\x49\x97\xb9\n";
} // namespace

float BeatInfoAnalyzer::analyze (std::vector<BeatRecord>& candidates, std::vector<BeatRecord>& beats, int32_t totalFrames,
                                 int32_t beatsPerBar, int32_t leadBeats, int32_t tailBeats)
{
    writeConsole (startLine);

    if (candidates.empty())
        return 0.0f;

    TempoSectionFinder sectionFinder (sampleRate, totalFrames);
    TempoSectionFinder::eraseBrokenGroups (candidates, TempoSectionFinder::groupPeriods (candidates));
    writeConsole (eraseLine);

    if (candidates.empty())
        return 0.0f;

    TempoSectionFinder::removeShortRuns (candidates);
    std::vector<BeatRecord> sections = sectionFinder.findSections (candidates);
    sectionFinder.refineSectionTempi (candidates, sections);

    if (sections.empty())
        return 0.0f;

    sectionFinder.thinNearCandidates (candidates, sections);
    const float tempo = sectionFinder.representativeTempo (sections);

    BeatGridBuilder grid (sampleRate, totalFrames, beatsPerBar, leadBeats, tailBeats);
    grid.fitGrids (candidates, sections);
    std::vector<BeatRecord> placed = grid.placeBeats (candidates, sections);
    BeatGridBuilder::correctPositions (placed);
    numberBeatsInBar (placed, grid.getAnchor(), std::max (beatsPerBar, 4));

    writeSections (sections);
    writeConsole (endLine);

    beats = std::move (placed);
    return tempo;
}

void BeatInfoAnalyzer::writeSections (const std::vector<BeatRecord>& sections)
{
    std::fwrite (sectionsLine, 1, sizeof (sectionsLine) - 1, stdout);

    for (const BeatRecord& s : sections)
        std::printf ("%d\t%f\t%f\t%d\t%d\n", s.stamp, static_cast<double> (60000.0f / s.periodMs),
                     static_cast<double> (s.level), s.position, s.band);

    std::fflush (stdout);
}

void BeatInfoAnalyzer::writeConsole (const char* text)
{
    std::fputs (text, stdout);
    std::fflush (stdout);
}

void BeatInfoAnalyzer::yieldProcessor()
{
    std::this_thread::yield();
}

//==============================================================================
bool BeatInfoAnalyzer::continues (float v, float r)
{
    const double t = std::min (0.04 * r, 20.0);
    const auto low = static_cast<float> (r - t);
    const auto high = static_cast<float> (r + t);
    const auto inside = [low, high] (float x) { return low < x && x < high; };
    return inside (v) || inside (2.0f * v) || inside (v / 2.0f);
}

int32_t BeatInfoAnalyzer::findTempoFrom (const std::vector<BeatRecord>& candidates, size_t first, int64_t bin,
                                         const AnalysisHistogram& histogram)
{
    for (size_t i = first; i < candidates.size(); ++i)
        if (histogram.binOf (candidates[i].periodMs) == bin)
            return static_cast<int32_t> (i);

    return -1;
}

int32_t BeatInfoAnalyzer::findByPosition (const std::vector<BeatRecord>& list, int64_t position)
{
    const auto it = std::lower_bound (list.begin(), list.end(), position,
                                      [] (const BeatRecord& r, int64_t p) { return r.position < p; });
    return it != list.end() && it->position == position ? static_cast<int32_t> (it - list.begin()) : -1;
}

int32_t BeatInfoAnalyzer::findRecordByPosition (const std::vector<BeatRecord>& list, int64_t position)
{
    const auto it = std::upper_bound (list.begin(), list.end(), position,
                                      [] (int64_t p, const BeatRecord& r) { return p < r.position; });
    return static_cast<int32_t> (it - list.begin()) - 1;
}

BeatInfoAnalyzer::Snap BeatInfoAnalyzer::snapToOnset (const std::vector<BeatRecord>& candidates, int64_t x, int64_t w)
{
    Snap best { -1, -1 };
    int64_t bestDistance = 0;
    const int32_t from = std::max (findRecordByPosition (candidates, x), 0);

    for (size_t i = static_cast<size_t> (from); i < candidates.size() && candidates[i].position <= x + w; ++i)
    {
        const int64_t position = candidates[i].position;
        const int64_t distance = position > x ? position - x : x - position;

        if (distance > w)
            continue;

        if (best.position < 0 || distance < bestDistance)
        {
            best = { candidates[i].position, static_cast<int32_t> (i) };
            bestDistance = distance;
        }

        if (position > x)
            break;
    }

    return best;
}

int64_t BeatInfoAnalyzer::scoreGrid (const std::vector<BeatRecord>& candidates, double t, double e, double d, int64_t w)
{
    int64_t score = 0;

    do
    {
        const auto x = static_cast<int64_t> (std::trunc (t));
        const Snap s = snapToOnset (candidates, x, w);

        if (s.position >= 0)
        {
            score += w - std::llabs (s.position - x);
            t = s.position;
        }

        t += d;
    } while (d > 0.0 && t < e);

    return score;
}

int64_t BeatInfoAnalyzer::snapWindow (double periodFrames, int32_t sampleRate)
{
    return std::max (static_cast<int64_t> (sampleRate / 20), static_cast<int64_t> (std::trunc (periodFrames / 8.0)));
}

void BeatInfoAnalyzer::numberBeatsInBar (std::vector<BeatRecord>& beats, int64_t anchor, int32_t barLength)
{
    if (beats.empty() || barLength < 1)
        return;

    const int64_t b = barLength;
    const int64_t c = std::max (findRecordByPosition (beats, anchor), 0) % b;

    for (size_t i = 0; i < beats.size(); ++i)
        beats[i].stamp = static_cast<int32_t> ((b + static_cast<int64_t> (i) - c) % b) + 1;
}
