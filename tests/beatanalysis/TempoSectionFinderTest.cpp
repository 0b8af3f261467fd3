#include "AnalysisHistogram.h"
#include "BeatInfoAnalyzer.h"
#include "TempoSectionFinder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int32_t rate = 48000;

BeatRecord candidate (int32_t position, float periodMs, uint32_t group = 0, int32_t span = 2)
{
    return { position, 1.0f, periodMs, static_cast<int32_t> ((group << 8) | static_cast<uint32_t> (span)), 0, 0 };
}

// `count` candidates one beat apart from `start`, each in a group of its own from `firstGroup` on.
void appendBeats (std::vector<BeatRecord>& list, int32_t start, float periodMs, int32_t count, uint32_t firstGroup = 0)
{
    const auto step = static_cast<int32_t> (periodMs * rate / 1000.0f);

    for (int32_t i = 0; i < count; ++i)
        list.push_back (candidate (start + i * step, periodMs, firstGroup + static_cast<uint32_t> (i)));
}

std::vector<float> periodsOf (const std::vector<BeatRecord>& list)
{
    std::vector<float> p;
    for (const BeatRecord& r : list)
        p.push_back (r.periodMs);
    return p;
}
} // namespace

// Tempo bins round half up at both levels; bin 0, bins past the table and periods of 0 count nowhere.
TEST (AnalysisHistogram, BinsAndFill)
{
    AnalysisHistogram whole, tenths;
    whole.init (400, 0);
    tenths.init (4000, 1);

    EXPECT_EQ (whole.binOf (500.0f), 120);
    EXPECT_EQ (tenths.binOf (500.0f), 1200);
    EXPECT_EQ (whole.binOf (499.9f), 120);   // 120.02
    EXPECT_EQ (tenths.binOf (499.9f), 1200); // 1200.2
    EXPECT_EQ (whole.binOf (128.0f), 469);   // 468.75 rounds up
    EXPECT_EQ (tenths.binOf (128.0f), 4688); // 4687.5 rounds up
    EXPECT_EQ (whole.binOf (0.0f), AnalysisHistogram::noBin);
    EXPECT_EQ (whole.binOf (-5.0f), AnalysisHistogram::noBin);

    // Candidates 0..3 lie within 1 s of the first; the fifth is beyond.
    const std::vector<BeatRecord> list { candidate (0, 500.0f), candidate (100, 0.0f), candidate (200, 128.0f),
                                         candidate (rate, 500.0f), candidate (rate + 1, 600.0f) };
    EXPECT_EQ (whole.fill (list, 0, rate), 4u);
    EXPECT_EQ (whole.count (120), 2);
    EXPECT_EQ (whole.count (0), 0);
    EXPECT_EQ (whole.argmax(), 120);

    // From the last candidate the span holds just that one.
    EXPECT_EQ (whole.fill (list, 4, rate), 5u);
    EXPECT_EQ (whole.argmax(), 100);

    // Nothing countable: no maximum.
    const std::vector<BeatRecord> useless { candidate (0, 0.0f), candidate (10, 100.0f), candidate (20, 1.0e9f) };
    whole.fill (useless, 0, rate);
    EXPECT_EQ (whole.argmax(), -1);

    // A tie goes to the lower bin; the fine search keeps within one coarse bin of the coarse peak.
    const std::vector<BeatRecord> mixed { candidate (0, 60000.0f / 125.0f), candidate (1, 60000.0f / 120.3f),
                                          candidate (2, 60000.0f / 125.0f), candidate (3, 60000.0f / 119.6f),
                                          candidate (4, 60000.0f / 125.0f) };
    tenths.fill (mixed, 0, rate);
    EXPECT_EQ (tenths.argmax(), 1250);
    EXPECT_EQ (tenths.argmaxNear (120, 0), 1196);
    EXPECT_EQ (tenths.argmaxNear (125, 1), 1250); // not coarser: all bins
}

// Continuity: strictly inside 4 % of the reference (at most 20 ms), also at half or double.
// A window moved forward along the list counts what a fresh fill counts at every step: equal
// positions, jumps, an empty end, bins outside the table and periods without a bin included.
TEST (AnalysisHistogram, SlidingWindowCountsAsFill)
{
    std::vector<BeatRecord> candidates;
    int32_t position = 0;
    uint32_t noise = 3;

    for (int32_t k = 0; k < 400; ++k)
    {
        noise = noise * 1664525u + 1013904223u;
        position += static_cast<int32_t> ((noise >> 24) % 5 == 0 ? 0 : (noise >> 12) % 30000);
        const float period = (noise >> 8) % 17 == 0 ? 0.0f : 100.0f + static_cast<float> ((noise >> 4) % 1400);
        candidates.push_back ({ position, 1.0f, period, 0, 0, 0 });
    }

    std::vector<int64_t> bins;
    AnalysisHistogram probe;
    probe.init (400, 0);

    for (const BeatRecord& c : candidates)
        bins.push_back (probe.binOf (c.periodMs));

    AnalysisHistogram sliding, fresh;
    sliding.init (400, 0);
    fresh.init (400, 0);

    for (const size_t first : { 0, 1, 2, 2, 5, 40, 41, 120, 119, 300, 399, 400, 3 })
    {
        sliding.slideTo (candidates, bins, first, 352800);
        fresh.fill (candidates, first, 352800);

        for (int32_t b = 0; b < 400; ++b)
            ASSERT_EQ (sliding.count (b), fresh.count (b)) << "first " << first << ", bin " << b;
    }
}

TEST (TempoContinuity, TolerancesAndOctaves)
{
    EXPECT_TRUE (BeatInfoAnalyzer::continues (1019.9f, 1000.0f));
    EXPECT_FALSE (BeatInfoAnalyzer::continues (1020.0f, 1000.0f)); // 20 ms, not 40
    EXPECT_FALSE (BeatInfoAnalyzer::continues (980.0f, 1000.0f));
    EXPECT_TRUE (BeatInfoAnalyzer::continues (980.1f, 1000.0f));
    EXPECT_TRUE (BeatInfoAnalyzer::continues (311.9f, 300.0f));
    EXPECT_FALSE (BeatInfoAnalyzer::continues (312.0f, 300.0f)); // 12 ms
    EXPECT_TRUE (BeatInfoAnalyzer::continues (288.1f, 300.0f));
    EXPECT_TRUE (BeatInfoAnalyzer::continues (1000.0f, 500.0f)); // half tempo
    EXPECT_TRUE (BeatInfoAnalyzer::continues (250.0f, 500.0f));  // double tempo
    EXPECT_FALSE (BeatInfoAnalyzer::continues (750.0f, 500.0f));
    EXPECT_FALSE (BeatInfoAnalyzer::continues (0.0f, 500.0f));
    EXPECT_FALSE (BeatInfoAnalyzer::continues (500.0f, 0.0f));
}

// A group's first candidate gives its period, but a group met after a later one only takes a
// period that continues the next group's.
TEST (GroupPeriods, LateGroupsMustContinueTheNextOne)
{
    const std::vector<BeatRecord> list { candidate (0, 500.0f, 2), candidate (10, 505.0f, 0), candidate (20, 700.0f, 1),
                                         candidate (30, 600.0f, 2) };
    const std::vector<float> periods = TempoSectionFinder::groupPeriods (list);
    ASSERT_EQ (periods.size(), 3u);
    EXPECT_FLOAT_EQ (periods[0], 505.0f);
    EXPECT_FLOAT_EQ (periods[1], 0.0f);
    EXPECT_FLOAT_EQ (periods[2], 500.0f);
}

TEST (GroupContinuity, ShortBreaksAreErasedAndLongRunsStay)
{
    // One group at another tempo between two runs of 500 ms: erased, and the first run resumes.
    {
        std::vector<BeatRecord> list;
        appendBeats (list, 0, 500.0f, 5, 0);
        appendBeats (list, 5 * 24000, 700.0f, 1, 5);
        appendBeats (list, 6 * 24000, 500.0f, 4, 6);
        TempoSectionFinder::eraseBrokenGroups (list, TempoSectionFinder::groupPeriods (list));
        EXPECT_EQ (periodsOf (list), std::vector<float> (9, 500.0f));
    }

    // Leading groups without a period go; a trailing group that breaks off a saved run goes too.
    {
        std::vector<BeatRecord> list { candidate (0, 0.0f, 0) };
        appendBeats (list, 24000, 500.0f, 4, 1);
        appendBeats (list, 5 * 24000, 700.0f, 1, 5);
        TempoSectionFinder::eraseBrokenGroups (list, TempoSectionFinder::groupPeriods (list));
        EXPECT_EQ (periodsOf (list), std::vector<float> (4, 500.0f));
    }

    // A run of three groups after a long run, returning to the long run's tempo: the three go.
    // A run of 8 or more at a new tempo stays.
    {
        std::vector<BeatRecord> list;
        appendBeats (list, 0, 500.0f, 10, 0);
        appendBeats (list, 10 * 24000, 700.0f, 3, 10);
        appendBeats (list, 13 * 24000, 500.0f, 2, 13);
        appendBeats (list, 15 * 24000, 800.0f, 10, 15);
        TempoSectionFinder::eraseBrokenGroups (list, TempoSectionFinder::groupPeriods (list));
        std::vector<float> expected (12, 500.0f);
        expected.insert (expected.end(), 10, 800.0f);
        EXPECT_EQ (periodsOf (list), expected);
    }
}

TEST (CandidateContinuity, RunsShorterThanEightGo)
{
    // 5 at another tempo between runs: removed. A first short run before a long one: removed too.
    std::vector<BeatRecord> list;
    appendBeats (list, 0, 700.0f, 5);
    appendBeats (list, 5 * 34000, 500.0f, 40);
    appendBeats (list, 45 * 34000, 600.0f, 5);
    appendBeats (list, 50 * 34000, 500.0f, 40);
    TempoSectionFinder::removeShortRuns (list);
    EXPECT_EQ (periodsOf (list), std::vector<float> (80, 500.0f));

    // 20 between two runs of the same tempo: removed; 40 at a new tempo: kept.
    list.clear();
    appendBeats (list, 0, 500.0f, 40);
    appendBeats (list, 40 * 34000, 600.0f, 20);
    appendBeats (list, 60 * 34000, 500.0f, 40);
    appendBeats (list, 100 * 34000, 700.0f, 40);
    TempoSectionFinder::removeShortRuns (list);
    std::vector<float> expected (80, 500.0f);
    expected.insert (expected.end(), 40, 700.0f);
    EXPECT_EQ (periodsOf (list), expected);
}

TEST (TempoSections, OneTempoGivesOneSectionAtTheFirstCandidate)
{
    std::vector<BeatRecord> list;
    appendBeats (list, 1000, 500.0f, 120);
    const TempoSectionFinder finder (rate, 70 * rate);
    std::vector<BeatRecord> sections = finder.findSections (list);
    ASSERT_EQ (sections.size(), 1u);
    EXPECT_EQ (sections[0].position, 1000);

    finder.refineSectionTempi (list, sections);
    ASSERT_EQ (sections.size(), 1u);
    EXPECT_FLOAT_EQ (sections[0].periodMs, 500.0f);
    EXPECT_EQ (sections[0].stamp, 4);
    EXPECT_FLOAT_EQ (sections[0].level, 0.0f);
    EXPECT_FLOAT_EQ (finder.representativeTempo (sections), 120.0f);
}

// A tempo step gives a second section at the first candidate of the new tempo, measured to a tenth
// of a BPM; the longer section gives the track's tempo.
TEST (TempoSections, AStepStartsASection)
{
    std::vector<BeatRecord> list;
    appendBeats (list, 0, 500.0f, 60);
    const float faster = 60000.0f / 127.5f;
    appendBeats (list, 60 * 24000, faster, 100);
    const TempoSectionFinder finder (rate, 60 * 24000 + 101 * static_cast<int32_t> (faster * 48.0f));

    std::vector<BeatRecord> sections = finder.findSections (list);
    finder.refineSectionTempi (list, sections);
    ASSERT_EQ (sections.size(), 2u);
    EXPECT_EQ (sections[1].position, 60 * 24000);
    EXPECT_NEAR (60000.0f / sections[1].periodMs, 127.5f, 0.001f);
    EXPECT_NEAR (finder.representativeTempo (sections), 127.5f, 0.001f);
}

// The section starts at the earliest candidate whose tempo lies in the whole-BPM range from
// trunc(60000 / (v + t + 0.5)) up to trunc(60000 / (v - t + 0.5)), excluded: for 500 ms that is
// 115..123 BPM, so a 115 BPM candidate opens the section and a 124 BPM one does not.
TEST (TempoSections, StartRangeIsTakenAsWritten)
{
    const TempoSectionFinder finder (rate, 40 * rate);

    std::vector<BeatRecord> list { candidate (0, 60000.0f / 124.0f), candidate (20000, 60000.0f / 115.0f) };
    appendBeats (list, 40000, 500.0f, 30);
    std::vector<BeatRecord> sections = finder.findSections (list);
    ASSERT_FALSE (sections.empty());
    EXPECT_EQ (sections[0].position, 20000);
    EXPECT_FLOAT_EQ (sections[0].periodMs, 500.0f); // the period of the first candidate at the peak tempo

    list.erase (list.begin() + 1);
    sections = finder.findSections (list);
    ASSERT_FALSE (sections.empty());
    EXPECT_EQ (sections[0].position, 40000);
}

// A section whose refined tempo continues the one before it is merged away.
TEST (TempoSections, ContinuingSectionsMerge)
{
    std::vector<BeatRecord> list;
    appendBeats (list, 0, 500.0f, 60);
    const TempoSectionFinder finder (rate, 40 * rate);
    std::vector<BeatRecord> sections { list[0], list[30] };
    sections[1].periodMs = 700.0f; // as if its window had peaked elsewhere
    finder.refineSectionTempi (list, sections);
    ASSERT_EQ (sections.size(), 1u);
    EXPECT_EQ (sections[0].position, 0);
}

// Candidates closer than an eighth of a beat: the one from the group with the larger span stays,
// the earlier one on a tie.
TEST (NearValueThinning, LargerSpanWinsAndTiesKeepTheEarlier)
{
    const TempoSectionFinder finder (rate, 10 * rate);
    const std::vector<BeatRecord> sections { candidate (0, 500.0f) };
    const int32_t eighth = 3000; // 500 ms at 48 kHz / 8

    std::vector<BeatRecord> list { candidate (0, 500.0f, 0, 3), candidate (24000, 500.0f, 0, 3),
                                   candidate (24000 + eighth - 1, 500.0f, 1, 5), candidate (48000, 500.0f, 1, 5),
                                   candidate (48000 + eighth - 1, 500.0f, 2, 5), candidate (72000, 500.0f, 2, 5),
                                   candidate (72000 + eighth, 500.0f, 0, 3) };
    finder.thinNearCandidates (list, sections);

    std::vector<int32_t> positions;
    for (const BeatRecord& r : list)
        positions.push_back (r.position);

    EXPECT_EQ (positions, (std::vector<int32_t> { 0, 24000 + eighth - 1, 48000, 72000, 72000 + eighth }));
}

TEST (RepresentativeTempo, FirstLongestSectionCountedFromTheStart)
{
    const TempoSectionFinder finder (rate, 100);
    // Lengths 40 (from 0), 30, 30: the first wins although it starts at 10.
    std::vector<BeatRecord> sections { candidate (10, 400.0f), candidate (40, 500.0f), candidate (70, 600.0f) };
    EXPECT_FLOAT_EQ (finder.representativeTempo (sections), 150.0f);

    // Equal lengths: the first of them.
    sections = { candidate (0, 400.0f), candidate (60, 500.0f) };
    const TempoSectionFinder longer (rate, 120);
    EXPECT_FLOAT_EQ (longer.representativeTempo (sections), 150.0f);
    EXPECT_FLOAT_EQ (longer.representativeTempo ({}), 0.0f);
}
