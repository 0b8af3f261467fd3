#include "BeatGridBuilder.h"
#include "BeatInfoAnalyzer.h"
#include "TempoSectionFinder.h"
#include "TrackAnalysis.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int32_t rate = 48000;

// The Japanese Windows code page's bytes of a UTF-8 text, converted by the C library.
std::string toCp932 (const std::string& utf8)
{
    iconv_t cd = iconv_open ("CP932", "UTF-8");
    EXPECT_NE (cd, reinterpret_cast<iconv_t> (-1));
    std::string in = utf8, out (utf8.size() * 2 + 16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    EXPECT_NE (iconv (cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<size_t> (-1));
    iconv_close (cd);
    out.resize (out.size() - outLeft);
    return out;
}

// `count` candidates one beat apart, each offered by a call of its own with a span of 4.
std::vector<BeatRecord> beatCandidates (int64_t start, float periodMs, int32_t count, uint32_t firstGroup = 0)
{
    std::vector<BeatRecord> list;
    const double step = periodMs * rate / 1000.0;

    for (int32_t i = 0; i < count; ++i)
    {
        const auto group = firstGroup + static_cast<uint32_t> (i);
        list.push_back ({ static_cast<int32_t> (start + static_cast<int64_t> (i * step)), 1.0f, periodMs,
                          static_cast<int32_t> ((group << 8) | 4u), 1, 0 });
    }

    return list;
}

struct Outcome
{
    float tempo;
    std::vector<BeatRecord> beats;
    std::string console;
};

Outcome analyse (std::vector<BeatRecord> candidates, int32_t totalFrames, int32_t lead = 0, int32_t tail = 0)
{
    BeatInfoAnalyzer analyzer;
    analyzer.setSampleRate (rate);
    Outcome r;
    r.beats = { { 1, 0.0f, 0.0f, 0, 0, 0 } }; // must be left alone when the analysis ends early
    testing::internal::CaptureStdout();
    r.tempo = analyzer.analyze (candidates, r.beats, totalFrames, 4, lead, tail);
    r.console = testing::internal::GetCapturedStdout();
    return r;
}

const std::string startLine = "BeatInfoAnalyzer::analyze() \u62cd\u60c5\u5831\u306e\u89e3\u6790\u958b\u59cb\n";
const std::string eraseLine = "8\u500b\u4ee5\u4e0a\u9023\u7d9a\u3057\u306a\u3044\u5024\u3092\u6d88\u53bb\u3057\u307e\u3059\n";
const std::string sectionsLine = "\u533a\u9593\u60c5\u5831\n";
const std::string endLine = "BeatInfoAnalyzer::analyze() \u62cd\u60c5\u5831\u306e\u89e3\u6790\u7d42\u4e86\n";
} // namespace

// The console lines are part of the library's interface: exact bytes, Japanese text in CP932.
TEST (AnalyzerConsole, BytesOfAWholeRunAndOfEarlyEnds)
{
    const Outcome whole = analyse (beatCandidates (0, 500.0f, 40), 40 * 24000);
    EXPECT_EQ (whole.console, toCp932 (startLine + eraseLine + sectionsLine) + "16\t120.000000\t0.000000\t0\t0\n" + toCp932 (endLine));
    EXPECT_FLOAT_EQ (whole.tempo, 120.0f);
    EXPECT_EQ (whole.beats.size(), 40u);

    // No candidates: the start line only, and the caller's list is not touched.
    const Outcome none = analyse ({}, rate);
    EXPECT_EQ (none.console, toCp932 (startLine));
    EXPECT_EQ (none.tempo, 0.0f);
    EXPECT_EQ (none.beats.size(), 1u);

    // Candidates without a usable period: every group is erased after the second line.
    std::vector<BeatRecord> useless = beatCandidates (0, 500.0f, 5);
    for (BeatRecord& c : useless)
        c.periodMs = 0.0f;
    const Outcome erased = analyse (useless, 10 * rate);
    EXPECT_EQ (erased.console, toCp932 (startLine + eraseLine));
    EXPECT_EQ (erased.beats.size(), 1u);
}

// A whole run on one tempo: a single section at the first candidate, every candidate a beat, the
// first one the anchor numbered 1, every beat's period 500 ms.
TEST (Analyzer, OneTempoOneSection)
{
    const Outcome r = analyse (beatCandidates (7200, 500.0f, 60), 7200 + 60 * 24000);
    EXPECT_FLOAT_EQ (r.tempo, 120.0f);
    ASSERT_EQ (r.beats.size(), 60u);

    for (size_t i = 0; i < r.beats.size(); ++i)
    {
        EXPECT_EQ (r.beats[i].position, 7200 + static_cast<int32_t> (i) * 24000);
        EXPECT_EQ (r.beats[i].stamp, static_cast<int32_t> (i % 4) + 1);
        EXPECT_FLOAT_EQ (r.beats[i].periodMs, 500.0f);
        EXPECT_EQ (r.beats[i].flag, i == 0 ? 1 : 0);
    }

    EXPECT_EQ (std::count (r.console.begin(), r.console.end(), '\n'), 5);
}

// Periods of 0, and periods so long that their tempo rounds to bin 0, are never divided by: they
// only drop out, and the candidates with a real tempo still make the grid.
TEST (Analyzer, ZeroPeriodsAndBinZero)
{
    std::vector<BeatRecord> list = beatCandidates (0, 500.0f, 40);
    std::vector<BeatRecord> odd;
    for (uint32_t i = 0; i < 3; ++i)
        odd.push_back ({ 12000 + static_cast<int32_t> (i) * 240000, 1.0f, i == 1 ? 0.0f : 1.0e9f,
                         static_cast<int32_t> (((40 + i) << 8) | 4u), 2, 0 });
    list.insert (list.end(), odd.begin(), odd.end());
    std::sort (list.begin(), list.end(), [] (const BeatRecord& a, const BeatRecord& b) { return a.position < b.position; });

    // Groups in the order of the positions, as the collector's calls come.
    for (size_t i = 0; i < list.size(); ++i)
        list[i].stamp = static_cast<int32_t> ((i << 8) | 4u);

    const Outcome r = analyse (list, 41 * 24000);
    EXPECT_FLOAT_EQ (r.tempo, 120.0f) << r.console;
    EXPECT_GE (r.beats.size(), 38u);

    const Outcome slow = analyse (odd, 41 * 24000);
    EXPECT_EQ (slow.tempo, 0.0f);
    EXPECT_EQ (slow.beats.size(), 1u);
}

// Positions close to 2^31 - 1 frames: every stage's sums and spans stay in range. (A whole analysis
// of such a track is not run here: the first section's grid search walks the whole track, 12 hours
// of it.)
TEST (Analyzer, StagesNearTheEndOfTheInt32Range)
{
    const int64_t start = INT32_MAX - 30LL * rate;
    std::vector<BeatRecord> candidates = beatCandidates (start, 500.0f, 58);

    // Sections: the 8 s histogram span reaches past 2^31.
    const TempoSectionFinder finder (rate, INT32_MAX);
    std::vector<BeatRecord> sections = finder.findSections (candidates);
    finder.refineSectionTempi (candidates, sections);
    ASSERT_EQ (sections.size(), 1u);
    EXPECT_EQ (sections[0].position, static_cast<int32_t> (start));
    finder.thinNearCandidates (candidates, sections);
    EXPECT_EQ (candidates.size(), 58u);

    // Grid fitting of the section, and of one on the last onset, whose search window reaches past
    // 2^31. A first section is searched for from frame 0 on; one without a usable period goes first
    // here, so that nothing is searched for it and the search stays near the end.
    BeatGridBuilder builder (rate, INT32_MAX, 4, 8, 4);
    std::vector<BeatRecord> fitted { { 0, 0.0f, -500.0f, 0, 0, 0 }, sections[0], sections[0] };
    fitted[2].position = candidates.back().position;
    builder.fitGrids (candidates, fitted);
    EXPECT_EQ (fitted[0].position, 0);
    EXPECT_EQ (fitted[0].stamp, 4);
    EXPECT_NEAR (fitted[1].position, start, 96);
    EXPECT_NEAR (fitted[2].position, candidates.back().position, 96);

    for (size_t k = 1; k < fitted.size(); ++k)
    {
        EXPECT_FLOAT_EQ (fitted[k].periodMs, sections[0].periodMs) << k;
        EXPECT_EQ (fitted[k].stamp, 16) << k;
        EXPECT_EQ (fitted[k].band, 0) << k;
    }

    // Snapping near the end: x + w lies past 2^31.
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (candidates, candidates.back().position + 40000, 48000).position,
              candidates.back().position);

    // Placement up to the last frame, with the 16-beat span.
    std::vector<BeatRecord> beats = builder.placeBeats (candidates, sections);
    ASSERT_GE (beats.size(), 59u);
    EXPECT_EQ (beats[0].position, static_cast<int32_t> (start - 24000)); // filled back one beat
    EXPECT_EQ (beats[1].position, static_cast<int32_t> (start));
    EXPECT_EQ (beats[58].position, static_cast<int32_t> (start + 57 * 24000));
    EXPECT_GE (beats.back().position, INT32_MAX - 24000);
    EXPECT_TRUE (std::is_sorted (beats.begin(), beats.end(),
                                 [] (const BeatRecord& a, const BeatRecord& b) { return a.position < b.position; }));

    // Correction: the midpoint of the outer beats of a window (rule 7) is taken without overflow.
    std::vector<BeatRecord> four;
    for (const int32_t back : { 1200, 700, 500, 0 })
        four.push_back ({ INT32_MAX - back, 0.0f, 500.0f, 0, 0, 0 });
    BeatGridBuilder::correctPositions (four);
    ASSERT_EQ (four.size(), 3u);
    EXPECT_EQ (four[1].position, INT32_MAX - 600);
}

// Two tempi: two sections, each with its anchor, beats ascending without repeats across the seam.
TEST (Analyzer, TwoTempi)
{
    std::vector<BeatRecord> list = beatCandidates (0, 500.0f, 60);
    const std::vector<BeatRecord> faster = beatCandidates (60 * 24000, 468.75f, 70, 60);
    list.insert (list.end(), faster.begin(), faster.end());

    const Outcome r = analyse (list, 60 * 24000 + 70 * 22500);
    EXPECT_FLOAT_EQ (r.tempo, 128.0f);
    EXPECT_EQ (std::count_if (r.beats.begin(), r.beats.end(), [] (const BeatRecord& b) { return b.flag == 1; }), 2);
    EXPECT_TRUE (std::adjacent_find (r.beats.begin(), r.beats.end(),
                                     [] (const BeatRecord& a, const BeatRecord& b) { return a.position >= b.position; })
                 == r.beats.end());
    EXPECT_EQ (r.beats.size(), 130u);
}

// The analysis object passes the grid span on: a span of 2^30 beats analyses a click track without
// hanging, and its exported tempo and beats are those of span 4 on a steady track.
TEST (Analyzer, HugeGridSpanThroughTheAnalysisObject)
{
    std::vector<BeatRecord> list = beatCandidates (0, 500.0f, 40);
    const Outcome plain = analyse (list, 40 * 24000);

    int32_t lead = 0, tail = 0;
    TrackAnalysis::gridArguments (1 << 30, lead, tail);
    EXPECT_EQ (lead, 1 << 29);
    const Outcome huge = analyse (list, 40 * 24000, lead, tail);
    EXPECT_FLOAT_EQ (huge.tempo, plain.tempo);
    EXPECT_EQ (huge.beats.size(), plain.beats.size());
}
