#include "TrackAnalysis.h"

#include "BeatInfoAnalyzer.h"
#include "VectorOps.h"

#include <algorithm>
#include <cmath>

namespace
{
// Input in 16-bit scale: the sum of both channels divided by this lies roughly within -1..1.
constexpr float monoScale = 65536.0f;

template <typename Float>
int32_t roundHalfUpClamped (Float value)
{
    if (std::isnan (value))
        return 0;

    const Float rounded = std::trunc (value + static_cast<Float> (0.5));

    if (rounded >= static_cast<Float> (2147483647.0))
        return 2147483647;

    if (rounded <= static_cast<Float> (-2147483648.0))
        return -2147483647 - 1;

    return static_cast<int32_t> (rounded);
}
} // namespace

TrackAnalysis::TrackAnalysis()
{
    reset();
}

void TrackAnalysis::reset()
{
    analyzed = false;
    sampleRate = 0;
    totalFrames = 0;
    fedFrames = 0;
    blockFill = 0;
    gridSpanBeats = 4;
    tempo = 0.0f;
    std::vector<BeatRecord>().swap (beatList);
    loudClassified = 0;
    dotsClassified = 0;
}

bool TrackAnalysis::init (int32_t rate, int32_t frames, int32_t span)
{
    reset();
    sampleRate = rate;
    totalFrames = frames;
    gridSpanBeats = acceptedGridSpan (span);
    return collector.init (sampleRate) && overview.init (sampleRate, totalFrames);
}

int32_t TrackAnalysis::acceptedGridSpan (int32_t span)
{
    if (span <= 0 || span % 4 != 0)
        return 4;

    const int32_t quarter = span / 4;
    return (quarter & (quarter - 1)) == 0 ? span : 4;
}

void TrackAnalysis::gridArguments (int32_t span, int32_t& leadBeats, int32_t& tailBeats)
{
    if (span >= 8)
    {
        leadBeats = span / 2;
        tailBeats = span / 2 - 4;
    }
    else
    {
        leadBeats = 0;
        tailBeats = 0;
    }
}

int32_t TrackAnalysis::bpmTimes100 (double bpm)
{
    return roundHalfUpClamped (bpm * 100.0);
}

int32_t TrackAnalysis::beatBpmTimes100 (float periodMs)
{
    if (! (periodMs > 0.0f))
        return 0;

    return roundHalfUpClamped (60000.0L / periodMs * 100.0L);
}

//==============================================================================
void TrackAnalysis::setSample (const float* left, const float* right, int32_t count)
{
    if (analyzed || count <= 0 || left == nullptr || right == nullptr)
        return;

    int32_t done = 0;

    // Only frames up to totalFrames are taken; a track of 0 frames or less is complete at once.
    while (done < count && fedFrames < totalFrames)
    {
        const int32_t n = std::min ({ count - done, blockSize - blockFill, totalFrames - fedFrames });
        vecAdd (left + done, right + done, block + blockFill, n);
        vecDivConstInPlace (monoScale, block + blockFill, n);
        blockFill += n;
        fedFrames += n;
        done += n;

        if (blockFill == blockSize || fedFrames >= totalFrames)
        {
            collector.getBank().processBlock (block, blockFill, &overview);
            blockFill = 0;
        }
    }

    if (fedFrames >= totalFrames)
        finish();
}

void TrackAnalysis::finish()
{
    analyzed = true;
    // A track of 0 frames or fewer never gave the overview a block; its curves are complete too.
    overview.completeTrack();

    // The analysis edits a copy; the collected list stays as it was gathered.
    std::vector<BeatRecord> candidates (collector.getCandidates());
    BeatInfoAnalyzer analyzer;
    analyzer.setSampleRate (sampleRate);

    int32_t leadBeats = 0, tailBeats = 0;
    gridArguments (gridSpanBeats, leadBeats, tailBeats);
    tempo = analyzer.analyze (candidates, beatList, totalFrames, beatsPerBar, leadBeats, tailBeats);
}

void TrackAnalysis::abandon()
{
    analyzed = true;
    tempo = 0.0f;
    beatList.clear();
}

//==============================================================================
const BA_WaveInfo* TrackAnalysis::getLoudWave()
{
    const int32_t count = overview.getLoudCount();

    if (count > loudClassified)
        overview.classifyLoudWave (loudClassified, count);

    loudClassified = count;
    return overview.getLoudPoints();
}

const BA_WaveInfo* TrackAnalysis::getDotsWave()
{
    // The dots wave has no classification step: every point keeps kind 5.
    dotsClassified = overview.getDotsCount();
    return overview.getDotsPoints();
}
