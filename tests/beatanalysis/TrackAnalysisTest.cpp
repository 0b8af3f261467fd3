#include "SyntheticAudio.h"
#include "TrackAnalysis.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace
{
TrackAnalysis& analysisOf (void* handle)
{
    return *static_cast<TrackAnalysis*> (handle);
}

struct Released
{
    void operator() (void* handle) const { BA_Release (handle); }
};

using Handle = std::unique_ptr<void, Released>;

// Drums with swing, a tempo step, silence, DC and a noise burst: every kind of material at once.
SyntheticAudio mixedTrack (int32_t rate)
{
    SyntheticAudio audio (rate, 7);
    audio.addDrumPattern (0.3, 124.0, 6, 0.3);
    audio.addClicks (12.0, 96.0, 12);
    audio.addDc (19.5, 0.5, 3000.0f);
    audio.addNoiseBurst (20.5, 0.4, 0.3f);
    audio.extendTo (22.0);
    return audio;
}

// Feeds the whole track to a fresh analysis in chunks of the given size (0: all at once).
std::vector<BeatRecord> candidatesFedInChunks (const SyntheticAudio& audio, int32_t chunk)
{
    Handle h (BA_Create44k (audio.frameCount(), 4));
    const int32_t total = audio.frameCount();
    auto* left = const_cast<float*> (audio.getLeft().data());
    auto* right = const_cast<float*> (audio.getRight().data());

    for (int32_t done = 0; done < total;)
    {
        const int32_t n = chunk > 0 ? std::min (chunk, total - done) : total;
        EXPECT_FALSE (BA_Analyzed (h.get()));
        BA_SetSample (h.get(), left + done, right + done, n);
        done += n;
    }

    EXPECT_TRUE (BA_Analyzed (h.get()));
    return analysisOf (h.get()).getCollector().getCandidates();
}

bool sameCandidates (const std::vector<BeatRecord>& a, const std::vector<BeatRecord>& b)
{
    if (a.size() != b.size())
        return false;

    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].position != b[i].position || a[i].level != b[i].level || a[i].periodMs != b[i].periodMs
            || a[i].stamp != b[i].stamp || a[i].band != b[i].band || a[i].flag != b[i].flag)
            return false;

    return true;
}

// Gives tests a beat list to read back through the exports.
struct AnalysisWithBeats : public TrackAnalysis
{
    void setBeats (const std::vector<BeatRecord>& beats) { beatList = beats; }
};
} // namespace

//==============================================================================
TEST (TrackAnalysis, GridSpanTableAndGridArguments)
{
    struct Row { int32_t given, kept, lead, tail; };
    const Row rows[] { { 4, 4, 0, 0 }, { 8, 8, 4, 0 }, { 16, 16, 8, 4 }, { 32, 32, 16, 12 }, { 64, 64, 32, 28 },
                       { 0, 4, 0, 0 }, { 2, 4, 0, 0 }, { 6, 4, 0, 0 }, { 12, 4, 0, 0 }, { 20, 4, 0, 0 },
                       { -4, 4, 0, 0 }, { -8, 4, 0, 0 }, { INT32_MIN, 4, 0, 0 }, { INT32_MAX, 4, 0, 0 } };

    for (const Row& r : rows)
    {
        SCOPED_TRACE (r.given);
        Handle h (BA_Create48k (48000, r.given));
        ASSERT_NE (h, nullptr);
        EXPECT_EQ (analysisOf (h.get()).getGridSpanBeats(), r.kept);
        int32_t lead = -1, tail = -1;
        TrackAnalysis::gridArguments (r.kept, lead, tail);
        EXPECT_EQ (lead, r.lead);
        EXPECT_EQ (tail, r.tail);
    }
}

TEST (TrackAnalysis, CreatedState)
{
    Handle h44 (BA_Create44k (1000, 4)), h48 (BA_Create48k (2000, 8));
    ASSERT_NE (h44, nullptr);
    ASSERT_NE (h48, nullptr);
    EXPECT_EQ (analysisOf (h44.get()).getSampleRate(), 44100);
    EXPECT_EQ (analysisOf (h48.get()).getSampleRate(), 48000);
    EXPECT_EQ (analysisOf (h48.get()).getTotalFrames(), 2000);
    EXPECT_EQ (analysisOf (h48.get()).getCollector().getBank().getBandCount(), 6);
    EXPECT_EQ (analysisOf (h48.get()).getCollector().getBank().channel (5).envelope.windowLength, 10);
    EXPECT_FALSE (BA_Analyzed (h44.get()));
    EXPECT_EQ (BA_GetBpm (h44.get()), 0);
    EXPECT_EQ (BA_GetBeatNum (h44.get()), 0);
}

TEST (TrackAnalysis, ChunkSizesDoNotChangeTheCandidates)
{
    const SyntheticAudio audio = mixedTrack (44100);
    const std::vector<BeatRecord> whole = candidatesFedInChunks (audio, 0);
    ASSERT_GT (whole.size(), 50u);

    for (const int32_t chunk : { 1, 587, 588, 589, 4096 })
        EXPECT_TRUE (sameCandidates (candidatesFedInChunks (audio, chunk), whole)) << "chunks of " << chunk;
}

TEST (TrackAnalysis, BankBlocksOfAnySizeGiveTheSameCandidates)
{
    // Straight into the bank, so the filters, the decimation and the pickers see uneven calls.
    const SyntheticAudio audio = mixedTrack (48000);
    const int32_t total = audio.frameCount();
    std::vector<float> mono (static_cast<size_t> (total));
    for (int32_t i = 0; i < total; ++i)
        mono[i] = (audio.getLeft()[i] + audio.getRight()[i]) / 65536.0f;

    auto run = [&] (const std::vector<int32_t>& pattern)
    {
        BeatCandidateCollector collector;
        EXPECT_TRUE (collector.init (48000));
        size_t k = 0;
        for (int32_t done = 0; done < total; ++k)
        {
            const int32_t n = std::min (pattern[k % pattern.size()], total - done);
            collector.getBank().processBlock (mono.data() + done, n, nullptr);
            done += n;
        }
        return collector.getCandidates();
    };

    const std::vector<BeatRecord> expected = run ({ total });
    ASSERT_GT (expected.size(), 50u);
    EXPECT_TRUE (sameCandidates (run ({ 1000 }), expected));
    EXPECT_TRUE (sameCandidates (run ({ 1, 7, 588, 1500, 3, 9000 }), expected));

    // A call of 0 frames or less changes nothing.
    BeatCandidateCollector idle;
    ASSERT_TRUE (idle.init (48000));
    EXPECT_FALSE (idle.getBank().processBlock (mono.data(), 0, nullptr));
    EXPECT_FALSE (idle.getBank().processBlock (mono.data(), -5, nullptr));
    EXPECT_EQ (idle.getBank().channel (0).position, 0);
    EXPECT_EQ (idle.getBank().getDecimationPhase(), 0);
}

TEST (TrackAnalysis, FramesPastTheEndAreNeverFed)
{
    std::vector<float> left (1500, 1000.0f), right (1500, -200.0f);
    Handle h (BA_Create44k (1000, 4));
    BA_SetSample (h.get(), left.data(), right.data(), 1500);
    EXPECT_TRUE (BA_Analyzed (h.get()));
    EXPECT_EQ (analysisOf (h.get()).getFedFrames(), 1000);
    // The bank saw 1000 samples: 125 decimated values (with the surplus it would have seen 187).
    EXPECT_EQ (analysisOf (h.get()).getCollector().getBank().channel (0).position, 1000);

    // Further frames are ignored.
    BA_SetSample (h.get(), left.data(), right.data(), 100);
    EXPECT_EQ (analysisOf (h.get()).getFedFrames(), 1000);

    // Across calls: 999 frames, then a call of 10 of which only 1 counts.
    Handle g (BA_Create44k (1000, 4));
    BA_SetSample (g.get(), left.data(), right.data(), 999);
    EXPECT_FALSE (BA_Analyzed (g.get()));
    BA_SetSample (g.get(), left.data(), right.data(), 10);
    EXPECT_TRUE (BA_Analyzed (g.get()));
    EXPECT_EQ (analysisOf (g.get()).getFedFrames(), 1000);
    EXPECT_EQ (analysisOf (g.get()).getCollector().getBank().channel (0).position, 1000);
}

// Whatever the track's length, the analysis leaves both overview curves complete; a track of no
// frames, whose frames are never fed, gets curves of silence.
TEST (TrackAnalysis, TinyAndEmptyTracks)
{
    std::vector<float> left (10, 5000.0f), right (10, 5000.0f);

    for (const int32_t total : { 0, -5, INT32_MIN, 1 })
    {
        SCOPED_TRACE (total);
        Handle h (BA_Create44k (total, 4));
        ASSERT_NE (h, nullptr);
        BA_SetSample (h.get(), left.data(), right.data(), 0);
        EXPECT_FALSE (BA_Analyzed (h.get()));
        EXPECT_EQ (BA_GetLoudWave (h.get(), nullptr, 0), 0);
        EXPECT_EQ (BA_GetDotsWave (h.get(), nullptr, 0), 0);
        BA_SetSample (h.get(), left.data(), right.data(), 10);
        EXPECT_TRUE (BA_Analyzed (h.get()));
        EXPECT_EQ (analysisOf (h.get()).getFedFrames(), total > 0 ? total : 0);
        EXPECT_EQ (BA_GetBpm (h.get()), 0);
        EXPECT_EQ (BA_GetBeatNum (h.get()), 0);

        std::vector<BA_WaveInfo> loud (BA_LOUD_WAVE_POINTS, { -1.0f, -1 }), dots (BA_DOTS_WAVE_POINTS, { -1.0f, -1 });
        ASSERT_EQ (BA_GetLoudWave (h.get(), loud.data(), 0), BA_LOUD_WAVE_POINTS);
        ASSERT_EQ (BA_GetDotsWave (h.get(), dots.data(), 0), BA_DOTS_WAVE_POINTS);

        if (total > 0)
            continue;

        for (const std::vector<BA_WaveInfo>* curve : { &loud, &dots })
            for (const BA_WaveInfo& p : *curve)
                EXPECT_TRUE (p.value == 0.0f && p.kind == 5) << p.value << ", " << p.kind;
    }
}

TEST (TrackAnalysis, NullChannelIgnoresTheWholeCall)
{
    std::vector<float> left (600, 20000.0f), right (600, 20000.0f);
    Handle h (BA_Create44k (600, 4));
    BA_SetSample (h.get(), nullptr, right.data(), 600);
    BA_SetSample (h.get(), left.data(), nullptr, 600);
    EXPECT_FALSE (BA_Analyzed (h.get()));
    EXPECT_EQ (analysisOf (h.get()).getFedFrames(), 0);
    EXPECT_EQ (analysisOf (h.get()).getCollector().getBank().channel (0).position, 0);

    BA_SetSample (h.get(), left.data(), right.data(), 600);
    EXPECT_TRUE (BA_Analyzed (h.get()));
}

//==============================================================================
TEST (TrackAnalysis, TempoRounding)
{
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (127.5), 12750);
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (127.504999), 12750);
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (127.505), 12751);
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (0.0), 0);
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (1.0e12), INT32_MAX);
    EXPECT_EQ (TrackAnalysis::bpmTimes100 (std::numeric_limits<double>::quiet_NaN()), 0);

    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (500.0f), 12000);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (470.588f), 12750);
    // A period of 0 or less never divides; absurdly short periods clamp.
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (0.0f), 0);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (-0.0f), 0);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (-500.0f), 0);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (1.0e-30f), INT32_MAX);
    EXPECT_EQ (TrackAnalysis::beatBpmTimes100 (std::numeric_limits<float>::infinity()), 0);
}

TEST (TrackAnalysis, BeatListThroughTheExport)
{
    auto* analysis = new AnalysisWithBeats();
    ASSERT_TRUE (analysis->init (44100, 1000, 4));
    Handle h (static_cast<TrackAnalysis*> (analysis));
    analysis->setBeats ({ { 100, 0.0f, 500.0f, 1, 0, 1 }, { 22150, 0.0f, 0.0f, 2, 0, 0 }, { 44200, 0.0f, 470.588f, 3, 0, 0 } });

    ASSERT_EQ (BA_GetBeatNum (h.get()), 3);
    BA_BeatInfo out[4] {};
    out[3] = { 77, 77, 77 };
    BA_GetBeatList (h.get(), out);
    EXPECT_EQ (out[0].position, 100);
    EXPECT_EQ (out[0].beatInBar, 1);
    EXPECT_EQ (out[0].bpmTimes100, 12000);
    EXPECT_EQ (out[1].bpmTimes100, 0);
    EXPECT_EQ (out[2].position, 44200);
    EXPECT_EQ (out[2].beatInBar, 3);
    EXPECT_EQ (out[2].bpmTimes100, 12750);
    EXPECT_EQ (out[3].position, 77); // nothing past the count

    BA_GetBeatList (h.get(), nullptr); // writes nothing, and does not fail
}

TEST (TrackAnalysis, WaveGettersCopyOnlyWhatIsAskedAndAllowed)
{
    Handle h (BA_Create44k (44100, 4));
    BA_WaveInfo out[BA_LOUD_WAVE_POINTS];
    for (BA_WaveInfo& p : out)
        p = { -1.0f, -1 };

    // Nothing has been built before any audio: the count is 0 and nothing is copied.
    EXPECT_EQ (BA_GetLoudWave (h.get(), out, 0), 0);
    EXPECT_EQ (BA_GetDotsWave (h.get(), out, 0), 0);
    EXPECT_EQ (BA_GetLoudWave (h.get(), nullptr, 0), 0);
    EXPECT_EQ (BA_GetLoudWave (h.get(), out, -3), 0);
    EXPECT_EQ (out[0].kind, -1);

    // Every point starts as {0, 5}.
    TrackAnalysis& analysis = analysisOf (h.get());
    EXPECT_EQ (analysis.getLoudWave()[399].kind, 5);
    EXPECT_EQ (analysis.getLoudWave()[399].value, 0.0f);
    EXPECT_EQ (analysis.getDotsWave()[99].kind, 5);
}

// Half a track fed, so each curve holds some of its points but not all: a copy starts at `first` and
// stops at the count, and a null array, a negative first or a first at the count writes nothing (not
// even just before the array) while the count is still returned.
TEST (TrackAnalysis, WaveGettersOnBuiltPoints)
{
    SyntheticAudio audio (44100, 11);
    audio.addDrumPattern (0.0, 120.0, 3);
    audio.extendTo (6.0);
    Handle h (BA_Create44k (audio.frameCount(), 4));
    BA_SetSample (h.get(), const_cast<float*> (audio.getLeft().data()), const_cast<float*> (audio.getRight().data()),
                  audio.frameCount() / 2);
    ASSERT_FALSE (BA_Analyzed (h.get()));

    struct Curve
    {
        const char* name;
        int32_t (*get) (void*, BA_WaveInfo*, int32_t);
        const BA_WaveInfo* (TrackAnalysis::*points)();
        int32_t capacity;
    };

    const Curve curves[] { { "loud", BA_GetLoudWave, &TrackAnalysis::getLoudWave, BA_LOUD_WAVE_POINTS },
                           { "dots", BA_GetDotsWave, &TrackAnalysis::getDotsWave, BA_DOTS_WAVE_POINTS } };
    const BA_WaveInfo sentinel { -1.0f, -1 };
    const auto isSentinel = [] (const BA_WaveInfo& p) { return p.value == -1.0f && p.kind == -1; };

    for (const Curve& curve : curves)
    {
        SCOPED_TRACE (curve.name);

        // The caller's array sits in the middle of a larger buffer, so a write before it shows.
        std::vector<BA_WaveInfo> buffer (3 * static_cast<size_t> (curve.capacity), sentinel);
        BA_WaveInfo* out = buffer.data() + curve.capacity;
        const auto untouched = [&] { return std::all_of (buffer.begin(), buffer.end(), isSentinel); };

        const int32_t count = curve.get (h.get(), nullptr, 0);
        ASSERT_GT (count, 1);
        ASSERT_LT (count, curve.capacity);
        EXPECT_EQ (curve.get (h.get(), nullptr, 1), count);

        for (const int32_t first : { -1, -count, INT32_MIN, count, count + 1, curve.capacity })
        {
            EXPECT_EQ (curve.get (h.get(), out, first), count) << first;
            EXPECT_TRUE (untouched()) << first;
        }

        const BA_WaveInfo* points = (analysisOf (h.get()).*curve.points)();

        for (const int32_t first : { 0, count / 2, count - 1 })
        {
            std::fill (buffer.begin(), buffer.end(), sentinel);
            EXPECT_EQ (curve.get (h.get(), out, first), count) << first;

            for (int32_t i = -curve.capacity; i < 2 * curve.capacity; ++i)
            {
                const BA_WaveInfo& p = out[i];

                if (i >= first && i < count)
                    EXPECT_TRUE (p.value == points[i].value && p.kind == points[i].kind && p.kind >= 0) << first << ": " << i;
                else
                    EXPECT_TRUE (isSentinel (p)) << first << ": " << i;
            }
        }
    }
}
