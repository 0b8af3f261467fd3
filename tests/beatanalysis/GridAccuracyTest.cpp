// Accuracy of the whole analysis on synthetic tracks, through the exported functions: tempo, beat
// positions (F-measure within 70 ms) and bar numbers.
#include "BeatScore.h"
#include "SyntheticAudio.h"
#include "TrackAnalysis.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
struct Result
{
    double bpm = 0.0;
    std::vector<BA_BeatInfo> beats;
    std::vector<double> beatSeconds;
};

Result analyse (const SyntheticAudio& audio, int32_t gridSpanBeats = 4)
{
    std::vector<float> left = audio.getLeft(), right = audio.getRight();
    const int32_t total = audio.frameCount();
    void* h = audio.getSampleRate() == 44100 ? BA_Create44k (total, gridSpanBeats) : BA_Create48k (total, gridSpanBeats);
    EXPECT_NE (h, nullptr);

    for (int32_t done = 0; done < total; done += 4096)
        BA_SetSample (h, left.data() + done, right.data() + done, std::min (4096, total - done));

    // A track of no frames is complete with the first frame offered.
    float silence = 0.0f;
    if (total == 0)
        BA_SetSample (h, &silence, &silence, 1);

    EXPECT_TRUE (BA_Analyzed (h));
    Result r;
    r.bpm = BA_GetBpm (h) / 100.0;
    r.beats.resize (static_cast<size_t> (BA_GetBeatNum (h)));
    BA_GetBeatList (h, r.beats.data());
    BA_Release (h);

    for (const BA_BeatInfo& b : r.beats)
        r.beatSeconds.push_back (static_cast<double> (b.position) / audio.getSampleRate());

    return r;
}

std::vector<double> secondsOf (const std::vector<int32_t>& frames, int32_t sampleRate)
{
    std::vector<double> s;

    for (const int32_t f : frames)
        s.push_back (static_cast<double> (f) / sampleRate);

    return s;
}

// The quarter-note times of a drum pattern (kick and snare), as SyntheticAudio places them.
std::vector<double> drumBeats (double start, double bpm, int32_t bars, int32_t sampleRate)
{
    std::vector<double> s;

    for (int32_t b = 0; b < bars * 4; ++b)
        s.push_back (static_cast<double> (std::lround ((start + b * 60.0 / bpm) * sampleRate)) / sampleRate);

    return s;
}

// The beat nearest to a time within 70 ms, or null.
const BA_BeatInfo* beatNear (const Result& r, double seconds)
{
    const BA_BeatInfo* best = nullptr;
    double bestDistance = 0.07;

    for (size_t i = 0; i < r.beats.size(); ++i)
    {
        const double d = std::fabs (r.beatSeconds[i] - seconds);

        if (d <= bestDistance)
        {
            best = &r.beats[i];
            bestDistance = d;
        }
    }

    return best;
}

struct ClickCase
{
    int32_t sampleRate;
    double bpm;
};

class ClickGrid : public testing::TestWithParam<ClickCase>
{
};
} // namespace

// 40 s of clicks from the first frame on, every fourth accented: the tempo, every click as a beat,
// and the accents as downbeats (bars count from the first grid beat, which is the first click).
TEST_P (ClickGrid, TempoBeatsAndDownbeats)
{
    const ClickCase c = GetParam();
    SyntheticAudio audio (c.sampleRate);
    const std::vector<int32_t> clicks = audio.addClicks (0.0, c.bpm, static_cast<int32_t> (40.0 * c.bpm / 60.0));
    audio.extendTo (40.5);

    const Result r = analyse (audio);
    EXPECT_NEAR (r.bpm, c.bpm, c.bpm * 0.01);

    const BeatScore score = scoreBeats (r.beatSeconds, secondsOf (clicks, c.sampleRate));
    EXPECT_GE (score.fMeasure(), 0.95) << score.hits << " hits of " << score.annotations << ", " << score.detections << " beats";

    int32_t accentsOnOne = 0, accentsFound = 0;

    for (size_t i = 0; i < clicks.size(); i += 4)
    {
        if (const BA_BeatInfo* b = beatNear (r, static_cast<double> (clicks[i]) / c.sampleRate))
        {
            ++accentsFound;
            accentsOnOne += b->beatInBar == 1;
        }
    }

    EXPECT_EQ (accentsOnOne, accentsFound);
    EXPECT_GE (accentsFound, static_cast<int32_t> (clicks.size() / 4) - 1);
}

// The same after a lead-in of silence: the grid may then start before the first click, so the bar
// count starts there; the accented clicks still all share one bar number.
TEST_P (ClickGrid, BarsStayInStepAfterALeadIn)
{
    const ClickCase c = GetParam();
    SyntheticAudio audio (c.sampleRate);
    const std::vector<int32_t> clicks = audio.addClicks (0.5, c.bpm, static_cast<int32_t> (40.0 * c.bpm / 60.0));
    audio.extendTo (41.0);

    const Result r = analyse (audio);
    EXPECT_NEAR (r.bpm, c.bpm, c.bpm * 0.01);
    EXPECT_GE (scoreBeats (r.beatSeconds, secondsOf (clicks, c.sampleRate)).fMeasure(), 0.95);

    for (size_t offset = 0; offset < 4; ++offset)
    {
        std::vector<int32_t> numbers;

        for (size_t i = offset; i < clicks.size(); i += 4)
            if (const BA_BeatInfo* b = beatNear (r, static_cast<double> (clicks[i]) / c.sampleRate))
                numbers.push_back (b->beatInBar);

        ASSERT_FALSE (numbers.empty());
        EXPECT_EQ (std::count (numbers.begin(), numbers.end(), numbers.front()), static_cast<std::ptrdiff_t> (numbers.size()))
            << "clicks " << offset << " mod 4";
    }
}

INSTANTIATE_TEST_SUITE_P (Tempi, ClickGrid,
                          testing::Values (ClickCase { 44100, 70 }, ClickCase { 44100, 85 }, ClickCase { 44100, 100 },
                                           ClickCase { 44100, 120 }, ClickCase { 44100, 128 }, ClickCase { 44100, 140 },
                                           ClickCase { 44100, 160 }, ClickCase { 44100, 175 }, ClickCase { 48000, 70 },
                                           ClickCase { 48000, 93 }, ClickCase { 48000, 120 }, ClickCase { 48000, 133.5 },
                                           ClickCase { 48000, 150 }, ClickCase { 48000, 175 }),
                          [] (const testing::TestParamInfo<ClickCase>& info)
                          {
                              return std::to_string (info.param.sampleRate) + "Hz_"
                                   + std::to_string (static_cast<int> (info.param.bpm * 10)) + "tenths";
                          });

namespace
{
struct DrumCase
{
    int32_t sampleRate;
    double bpm;
    double swing;
};

class DrumGrid : public testing::TestWithParam<DrumCase>
{
};
} // namespace

// Kick, snare and hi-hat bars, straight and swung: tempo within 2 %, beats on the quarter notes.
TEST_P (DrumGrid, TempoAndBeats)
{
    const DrumCase c = GetParam();
    SyntheticAudio audio (c.sampleRate, 7);
    const int32_t bars = static_cast<int32_t> (45.0 * c.bpm / 240.0);
    audio.addDrumPattern (0.25, c.bpm, bars, c.swing);
    audio.extendTo (0.25 + bars * 240.0 / c.bpm + 1.0);

    const Result r = analyse (audio);
    EXPECT_NEAR (r.bpm, c.bpm, c.bpm * 0.02);
    const BeatScore score = scoreBeats (r.beatSeconds, drumBeats (0.25, c.bpm, bars, c.sampleRate));
    EXPECT_GE (score.fMeasure(), 0.9) << score.hits << " hits of " << score.annotations << ", " << score.detections << " beats";
}

INSTANTIATE_TEST_SUITE_P (Patterns, DrumGrid,
                          testing::Values (DrumCase { 44100, 90, 0.0 }, DrumCase { 44100, 124, 0.0 },
                                           DrumCase { 48000, 138, 0.0 }, DrumCase { 48000, 100, 0.3 },
                                           DrumCase { 44100, 118, 0.4 }, DrumCase { 48000, 128, 0.2 }),
                          [] (const testing::TestParamInfo<DrumCase>& info)
                          {
                              return std::to_string (info.param.sampleRate) + "Hz_" + std::to_string (static_cast<int> (info.param.bpm))
                                   + "bpm_swing" + std::to_string (static_cast<int> (info.param.swing * 10));
                          });

// A step from 120 to 128 BPM: two tempo sections (each with its own anchor beat) and the beats of both.
TEST (TempoStep, GivesTwoSections)
{
    for (const int32_t rate : { 44100, 48000 })
    {
        SyntheticAudio audio (rate, 5);
        std::vector<int32_t> clicks = audio.addClicks (0.0, 120.0, 60);
        const std::vector<int32_t> faster = audio.addClicks (30.0, 128.0, 64);
        clicks.insert (clicks.end(), faster.begin(), faster.end());
        audio.extendTo (60.5);

        TrackAnalysis analysis;
        ASSERT_TRUE (analysis.init (rate, audio.frameCount(), 4));
        analysis.setSample (audio.getLeft().data(), audio.getRight().data(), audio.frameCount());

        const auto& beats = analysis.getBeatList();
        const auto anchors = std::count_if (beats.begin(), beats.end(), [] (const BeatRecord& b) { return b.flag == 1; });
        EXPECT_EQ (anchors, 2) << rate;

        std::vector<double> seconds;
        for (const BeatRecord& b : beats)
            seconds.push_back (static_cast<double> (b.position) / rate);

        const BeatScore score = scoreBeats (seconds, secondsOf (clicks, rate));
        EXPECT_GE (score.fMeasure(), 0.85) << rate << ": " << score.hits << " hits of " << score.annotations << ", "
                                           << score.detections << " beats";
        EXPECT_TRUE (std::abs (analysis.getBpmTimes100() - 12000) <= 120 || std::abs (analysis.getBpmTimes100() - 12800) <= 128)
            << analysis.getBpmTimes100();
    }
}

// Nothing to find: tempo 0 and no beats, whatever the length (down to a single frame).
TEST (NoBeats, SilenceNoiseAndShortInput)
{
    for (const double seconds : { 0.0, 0.00002, 0.01, 0.5, 2.0, 30.0 })
    {
        for (const bool noise : { false, true })
        {
            SyntheticAudio audio (48000, 3);
            if (noise && seconds > 0.0)
                audio.addNoiseBurst (0.0, seconds, 0.3f);
            audio.extendTo (seconds);

            const Result r = analyse (audio);
            EXPECT_EQ (r.bpm, 0.0) << seconds << " s";
            EXPECT_TRUE (r.beats.empty()) << seconds << " s";
        }
    }

    // Two clicks are too few for a tempo.
    SyntheticAudio two (44100);
    two.addClicks (0.1, 120.0, 2);
    two.extendTo (1.5);
    const Result r = analyse (two);
    EXPECT_EQ (r.bpm, 0.0);
    EXPECT_TRUE (r.beats.empty());
}
