#include "SyntheticAudio.h"
#include "TrackAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
struct ClickCase
{
    int32_t sampleRate;
    int32_t bpm;
};

class ClickTracks : public testing::TestWithParam<ClickCase>
{
};

// Distance in frames from `frame` to the nearest candidate.
int32_t nearestCandidate (const std::vector<BeatRecord>& candidates, int32_t frame)
{
    auto it = std::lower_bound (candidates.begin(), candidates.end(), frame,
                                [] (const BeatRecord& r, int32_t f) { return r.position < f; });
    int32_t best = INT32_MAX;
    if (it != candidates.end())
        best = it->position - frame;
    if (it != candidates.begin())
        best = std::min (best, frame - std::prev (it)->position);
    return best;
}
} // namespace

// 40 s of clicks with accented downbeats: the vote settles on the true tempo, and every click, the
// first one included, has a beat candidate within 10 ms.
TEST_P (ClickTracks, VotePeakIsTheTempoAndEveryClickHasACandidate)
{
    const ClickCase c = GetParam();
    SyntheticAudio audio (c.sampleRate);
    const std::vector<int32_t> clicks = audio.addClicks (0.5, c.bpm, static_cast<int32_t> (40.0 * c.bpm / 60.0));
    audio.extendTo (41.0);

    TrackAnalysis analysis;
    ASSERT_TRUE (analysis.init (c.sampleRate, audio.frameCount(), 4));
    analysis.setSample (audio.getLeft().data(), audio.getRight().data(), audio.frameCount());
    ASSERT_TRUE (analysis.isAnalyzed());

    const BandBank& bank = analysis.getCollector().getBank();
    EXPECT_EQ (bank.histogram().peak(), c.bpm);

    const auto& candidates = analysis.getCollector().getCandidates();
    ASSERT_TRUE (std::is_sorted (candidates.begin(), candidates.end(),
                                 [] (const BeatRecord& a, const BeatRecord& b) { return a.position < b.position; }));
    const int32_t tolerance = c.sampleRate / 100;
    int32_t worst = 0;

    for (const int32_t click : clicks)
    {
        const int32_t distance = nearestCandidate (candidates, click);
        worst = std::max (worst, distance);
        EXPECT_LE (distance, tolerance) << "click at frame " << click;
    }

    RecordProperty ("worst_ms", std::to_string (worst * 1000.0 / c.sampleRate));
}

INSTANTIATE_TEST_SUITE_P (Tempi, ClickTracks,
                          testing::Values (ClickCase { 44100, 70 }, ClickCase { 44100, 85 }, ClickCase { 44100, 100 },
                                           ClickCase { 44100, 120 }, ClickCase { 44100, 128 }, ClickCase { 44100, 140 },
                                           ClickCase { 44100, 160 }, ClickCase { 44100, 175 }, ClickCase { 48000, 70 },
                                           ClickCase { 48000, 93 }, ClickCase { 48000, 120 }, ClickCase { 48000, 133 },
                                           ClickCase { 48000, 150 }, ClickCase { 48000, 175 }),
                          [] (const testing::TestParamInfo<ClickCase>& info)
                          { return std::to_string (info.param.sampleRate) + "Hz_" + std::to_string (info.param.bpm) + "bpm"; });

// Silence and a lone noise burst are no beats: no vote ever wins, so nothing is offered.
TEST (ClickTracksWithout, BeatsGiveNoCandidates)
{
    SyntheticAudio audio (44100, 3);
    audio.addNoiseBurst (4.0, 0.5, 0.5f);
    audio.extendTo (15.0);

    TrackAnalysis analysis;
    ASSERT_TRUE (analysis.init (44100, audio.frameCount(), 4));
    analysis.setSample (audio.getLeft().data(), audio.getRight().data(), audio.frameCount());
    EXPECT_TRUE (analysis.getCollector().getCandidates().empty());
    EXPECT_EQ (analysis.getCollector().getBank().histogram().peak(), -1);
}

// A DC offset under the whole track and noise bursts between the clicks change neither the tempo
// nor the candidates at the clicks.
TEST (ClickTracksWith, DcOffsetAndNoise)
{
    SyntheticAudio audio (48000, 9);
    const std::vector<int32_t> clicks = audio.addClicks (0.5, 120.0, 60);
    audio.addDc (0.0, 31.0, 3000.0f);
    audio.addNoiseBurst (10.05, 0.3, 0.2f);
    audio.addNoiseBurst (20.1, 1.0, 0.1f);
    audio.extendTo (31.0);

    TrackAnalysis analysis;
    ASSERT_TRUE (analysis.init (48000, audio.frameCount(), 4));
    analysis.setSample (audio.getLeft().data(), audio.getRight().data(), audio.frameCount());
    EXPECT_EQ (analysis.getCollector().getBank().histogram().peak(), 120);

    for (const int32_t click : clicks)
        EXPECT_LE (nearestCandidate (analysis.getCollector().getCandidates(), click), 480) << click;
}

// A tempo step: the long-lived vote keeps counting, and the clicks of both parts get candidates.
TEST (ClickTracksWith, ATempoStep)
{
    SyntheticAudio audio (44100, 5);
    std::vector<int32_t> clicks = audio.addClicks (0.5, 100.0, 50);
    const std::vector<int32_t> faster = audio.addClicks (31.0, 130.0, 65);
    audio.extendTo (62.0);

    TrackAnalysis analysis;
    ASSERT_TRUE (analysis.init (44100, audio.frameCount(), 4));
    analysis.setSample (audio.getLeft().data(), audio.getRight().data(), audio.frameCount());
    const auto& candidates = analysis.getCollector().getCandidates();

    int32_t missed = 0;
    for (const int32_t click : faster)
        missed += nearestCandidate (candidates, click) > 441;
    // After the step the picker's threshold and the trackers need a few beats to follow.
    EXPECT_LE (missed, 6);

    int32_t fasterCandidates = 0;
    for (const BeatRecord& r : candidates)
        fasterCandidates += r.position > faster.front() && std::abs (60000.0f / r.periodMs - 130.0f) < 1.0f;
    EXPECT_GT (fasterCandidates, 40);
}
