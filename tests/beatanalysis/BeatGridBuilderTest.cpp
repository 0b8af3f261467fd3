#include "BeatGridBuilder.h"
#include "BeatInfoAnalyzer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr int32_t rate = 48000;
constexpr int32_t beat = 24000; // 500 ms

BeatRecord at (int32_t position, float periodMs = 500.0f)
{
    return { position, 1.0f, periodMs, 2, 0, 0 };
}

// A fitted section: grid start, period, grid step in quarters and skip count.
BeatRecord section (int32_t position, float periodMs, int32_t step = 4, int32_t skip = 0)
{
    return { position, 0.0f, periodMs, step, skip, 0 };
}

std::vector<BeatRecord> grid (int32_t start, int32_t step, int32_t count)
{
    std::vector<BeatRecord> list;
    for (int32_t i = 0; i < count; ++i)
        list.push_back (at (start + i * step));
    return list;
}

std::vector<int32_t> positionsOf (const std::vector<BeatRecord>& list)
{
    std::vector<int32_t> p;
    for (const BeatRecord& r : list)
        p.push_back (r.position);
    return p;
}

bool strictlyAscending (const std::vector<BeatRecord>& list)
{
    return std::adjacent_find (list.begin(), list.end(),
                               [] (const BeatRecord& a, const BeatRecord& b) { return a.position >= b.position; })
        == list.end();
}
} // namespace

TEST (RecordSearch, ByPosition)
{
    const std::vector<BeatRecord> list { at (10), at (20), at (20), at (30) };
    EXPECT_EQ (BeatInfoAnalyzer::findRecordByPosition (list, 5), -1);
    EXPECT_EQ (BeatInfoAnalyzer::findRecordByPosition (list, 10), 0);
    EXPECT_EQ (BeatInfoAnalyzer::findRecordByPosition (list, 25), 2);
    EXPECT_EQ (BeatInfoAnalyzer::findRecordByPosition (list, 1000), 3);
    EXPECT_EQ (BeatInfoAnalyzer::findRecordByPosition ({}, 10), -1);
    EXPECT_EQ (BeatInfoAnalyzer::findByPosition (list, 20), 1);
    EXPECT_EQ (BeatInfoAnalyzer::findByPosition (list, 21), -1);
}

// The window is inclusive; the closest wins, the earlier on a tie; the walk stops at the first
// candidate after x that lies within the window.
TEST (SnapToOnset, WindowAndClosest)
{
    const std::vector<BeatRecord> list { at (1000), at (1100), at (1300) };
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 900, 100).position, 1000);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 899, 100).position, -1);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1060, 100).position, 1100);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1050, 100).position, 1000); // tie
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1050, 100).index, 0);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1200, 100).position, 1100); // tie with 1300
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1400, 100).position, 1300);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset (list, 1401, 100).position, -1);
    EXPECT_EQ (BeatInfoAnalyzer::snapToOnset ({}, 0, 100).position, -1);
}

// Each snapped grid point adds the window minus its distance, and the grid goes on from the onset.
TEST (ScoreGrid, CarriesOnFromEachOnset)
{
    const std::vector<BeatRecord> list { at (0), at (1010), at (2000) };
    // 0 -> 100; 1000 snaps to 1010 -> 90; 2010 snaps to 2000 -> 90; 3000 is past the end.
    EXPECT_EQ (BeatInfoAnalyzer::scoreGrid (list, 0.0, 2500.0, 1000.0, 100), 280);
    // Points with no onset add nothing; the first point counts even at the end.
    EXPECT_EQ (BeatInfoAnalyzer::scoreGrid (list, 500.0, 400.0, 1000.0, 100), 0);
    EXPECT_EQ (BeatInfoAnalyzer::snapWindow (24000.0, rate), 3000);
    EXPECT_EQ (BeatInfoAnalyzer::snapWindow (12000.0, rate), 2400);
}

TEST (PositionCorrection, WorkedExamples)
{
    // A gap twice too long between regular ones: two beats in it (rule 4).
    std::vector<BeatRecord> beats { at (0), at (500), at (1500), at (2000) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 500, 1000, 1500, 2000 }));

    // A gap too short between regular ones: the two beats around it become one (rule 7).
    beats = { at (0), at (500), at (700), at (1200) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 600, 1200 }));

    // Rule 2 adds its beat only when p1 + n + 2n < p3 (as the rule is written), not p1 + 2n < p3.
    beats = { at (0), at (400), at (1400), at (1900) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 400, 800, 1200, 1900 }));
    beats = { at (0), at (400), at (1100), at (1550) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 400, 800, 1550 }));

    // Regular beats and duplicate positions (a zero gap gives an infinite or no ratio) stay.
    beats = { at (0), at (500), at (1000), at (1500), at (2000) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 500, 1000, 1500, 2000 }));
    beats = { at (0), at (0), at (0), at (0) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (beats.size(), 4u);
}

// Beats on one frame, or out of order, give no beat length to measure against: every window with a
// gap of 0 or less, whichever of its three gaps that is, stays as it is, and the windows after it are
// still corrected.
TEST (PositionCorrection, WindowsWithAGapOfZeroOrLessStay)
{
    const std::vector<std::vector<int32_t>> unchanged {
        { 0, 0, 1000, 1500 },   // first gap 0, then a long one
        { 0, 500, 500, 1000 },  // middle gap 0 between regular ones
        { 0, 600, 500, 1000 },  // middle gap below 0
        { 0, 500, 1500, 1500 }, // a long gap, then last gap 0
    };

    for (const std::vector<int32_t>& positions : unchanged)
    {
        std::vector<BeatRecord> beats;
        for (const int32_t p : positions)
            beats.push_back (at (p));

        BeatGridBuilder::correctPositions (beats);
        EXPECT_EQ (positionsOf (beats), positions) << positions[1] << ", " << positions[2];
    }

    // The long gap after a doubled first beat still gets its beat (rule 4).
    std::vector<BeatRecord> beats { at (0), at (0), at (500), at (1000), at (2000), at (2500) };
    BeatGridBuilder::correctPositions (beats);
    EXPECT_EQ (positionsOf (beats), (std::vector<int32_t> { 0, 0, 500, 1000, 1500, 2000, 2500 }));
}

TEST (BarNumbers, CountFromTheAnchor)
{
    std::vector<BeatRecord> beats = grid (0, 100, 9);
    BeatInfoAnalyzer::numberBeatsInBar (beats, 300, 4);
    std::vector<int32_t> numbers;
    for (const BeatRecord& b : beats)
        numbers.push_back (b.stamp);
    EXPECT_EQ (numbers, (std::vector<int32_t> { 2, 3, 4, 1, 2, 3, 4, 1, 2 }));

    // An anchor between beats numbers the beat before it 1; one before every beat numbers the first 1.
    BeatInfoAnalyzer::numberBeatsInBar (beats, 150, 4);
    EXPECT_EQ (beats[1].stamp, 1);
    BeatInfoAnalyzer::numberBeatsInBar (beats, -5, 4);
    EXPECT_EQ (beats[0].stamp, 1);

    std::vector<BeatRecord> none;
    BeatInfoAnalyzer::numberBeatsInBar (none, 0, 4);
    EXPECT_TRUE (none.empty());
}

// On a clean grid every beat lands on its candidate, whatever the span; the beats before the grid
// start are filled back (one more than the skip) and the grid start is the anchor.
TEST (BeatPlacement, CleanGridWithBackFill)
{
    const std::vector<BeatRecord> candidates = grid (2 * beat, beat, 40);
    const int32_t total = 42 * beat;

    for (const auto& spans : { std::pair<int32_t, int32_t> { 0, 0 }, std::pair<int32_t, int32_t> { 8, 4 } })
    {
        BeatGridBuilder builder (rate, total, 4, spans.first, spans.second);
        const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (beat, 500.0f, 4, 1) });
        EXPECT_EQ (builder.getAnchor(), 2 * beat);
        ASSERT_EQ (beats.size(), 42u) << spans.first;
        EXPECT_EQ (beats[0].position, 0);
        EXPECT_EQ (beats[1].position, beat);

        for (size_t i = 2; i < beats.size(); ++i)
            EXPECT_EQ (beats[i].position, candidates[i - 2].position) << i;

        EXPECT_EQ (std::count_if (beats.begin(), beats.end(), [] (const BeatRecord& b) { return b.flag == 1; }), 1);
        EXPECT_EQ (beats[2].flag, 1);
    }
}

// Span 4 measures the tempo over every bar and emits four beats after each measurement; span 16
// measures over 16 beats first, emits the anchor, 8 lead beats and 4 more, then moves one bar at a
// time. The periods the beats carry show where each measurement was made.
TEST (BeatPlacement, MeasuringSpans)
{
    // Intervals grow by 20 frames per beat.
    std::vector<BeatRecord> candidates;
    int32_t position = 0;
    for (int32_t i = 0; i < 48; ++i)
    {
        candidates.push_back (at (position));
        position += beat + 20 * i;
    }
    const int32_t total = position;

    const auto periods = [&] (int32_t lead, int32_t tail)
    {
        BeatGridBuilder builder (rate, total, 4, lead, tail);
        const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f) });
        EXPECT_TRUE (strictlyAscending (beats));
        std::vector<float> p;
        for (const BeatRecord& b : beats)
            p.push_back (b.periodMs);
        return p;
    };

    const std::vector<float> bar = periods (0, 0);
    ASSERT_GE (bar.size(), 13u);
    // The anchor takes the first measurement, then the last beat of each bar is re-measured.
    EXPECT_EQ (bar[0], bar[3]);
    EXPECT_LT (bar[3], bar[4]);
    EXPECT_EQ (bar[4], bar[7]);
    EXPECT_LT (bar[7], bar[8]);

    const std::vector<float> sixteen = periods (8, 4);
    ASSERT_GE (sixteen.size(), 17u);
    // One measurement over 16 beats for the anchor, the 8 lead beats and the 4 after them.
    for (size_t i = 1; i < 12; ++i)
        EXPECT_EQ (sixteen[i], sixteen[0]) << i;
    EXPECT_LT (sixteen[11], sixteen[12]);
    EXPECT_EQ (sixteen[12], sixteen[15]);
    // The longer span lags the growing tempo more.
    EXPECT_LT (sixteen[20], bar[20]);
}

// A section ending inside a beat still emits every grid beat before its end; a section whose grid
// start (after its skip) lies at or past its end emits nothing, and the next one carries on.
TEST (BeatPlacement, ShortSections)
{
    const std::vector<BeatRecord> candidates = grid (0, beat, 20);
    BeatGridBuilder builder (rate, 20 * beat, 4, 0, 0);

    // The first section ends half-way through its eleventh beat.
    std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f), section (11 * beat - 100, 500.0f) });
    EXPECT_EQ (beats.size(), 20u);
    EXPECT_EQ (positionsOf (beats), positionsOf (candidates));

    // The middle section is half a beat long and its grid starts one beat in: no beats of its own.
    beats = builder.placeBeats (candidates, { section (0, 500.0f), section (10 * beat - 100, 500.0f, 4, 1),
                                              section (10 * beat + beat / 2, 500.0f) });
    EXPECT_EQ (std::count_if (beats.begin(), beats.end(), [] (const BeatRecord& b) { return b.flag == 1; }), 2);
    EXPECT_TRUE (strictlyAscending (beats));

    // The only section starts within the last beat of the track, its grid start one beat on.
    BeatGridBuilder shortTrack (rate, beat / 2, 4, 0, 0);
    EXPECT_TRUE (shortTrack.placeBeats (grid (beat, beat, 2), { section (100, 500.0f, 4, 1) }).empty());
}

// The tempo is measured after every whole beat, the one that crosses the section's end included:
// its snapped onset (1000 frames late) sets the period of the section's beats, as four whole beats.
TEST (BeatPlacement, MeasuredAfterTheBeatThatCrossesTheEnd)
{
    std::vector<BeatRecord> candidates = grid (0, beat, 4);
    candidates.push_back (at (4 * beat + 1000));
    BeatGridBuilder builder (rate, 4 * beat + beat / 2, 4, 0, 0);
    const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f) });

    const double measured = (4.0 * beat + 1000.0) / 4.0;
    ASSERT_EQ (beats.size(), 5u);
    for (size_t i = 0; i < beats.size(); ++i)
    {
        EXPECT_EQ (beats[i].position, static_cast<int32_t> (i * measured)) << i;
        EXPECT_NEAR (beats[i].periodMs, measured / 48.0, 1.0e-3) << i;
    }
}

// A later section's back-fill reaches into the previous section's beats: only beats strictly after
// the previous section's last one are emitted, so no beat is doubled and the order holds.
TEST (BeatPlacement, BackFillNeverRepeatsEarlierBeats)
{
    const std::vector<BeatRecord> candidates = grid (0, beat, 40);
    BeatGridBuilder builder (rate, 40 * beat, 4, 0, 0);
    const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f), section (20 * beat - 500, 500.0f, 4, 3) });
    EXPECT_TRUE (strictlyAscending (beats));
    EXPECT_EQ (beats.size(), 40u);
}

// A tempo step from 500 to 468.75 ms at frame 241000: the old section's last beat (240000) is also the
// first new onset, or comes 500 frames after it, and the new grid start snaps back onto that onset.
// The anchor stays out of the list, yet the new beats keep its phase (over whole bars, in a first bar
// cut short, or with no new beat at all) and the old beats stay as the old section alone gives them.
TEST (BeatPlacement, AnchorOnOrBeforeThePreviousSectionsLastBeat)
{
    constexpr int32_t newBeat = 22500, seam = 241000;

    for (const int32_t first : { 240000, 239500 })
    {
        std::vector<BeatRecord> candidates = grid (0, beat, 10);
        const std::vector<BeatRecord> faster = grid (first, newBeat, 14);
        candidates.insert (candidates.end(), faster.begin(), faster.end());
        const std::vector<BeatRecord> oldAlone = BeatGridBuilder (rate, seam, 4, 0, 0).placeBeats (candidates, { section (0, 500.0f) });
        ASSERT_FALSE (oldAlone.empty());
        ASSERT_GE (oldAlone.back().position, first);

        for (const int32_t newBeats : { 12, 2, 0 })
        {
            SCOPED_TRACE (testing::Message() << first << ", " << newBeats << " new beats");
            BeatGridBuilder builder (rate, first + newBeats * newBeat + newBeat / 2, 4, 0, 0);
            const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f), section (seam, 468.75f) });
            ASSERT_EQ (beats.size(), oldAlone.size() + static_cast<size_t> (newBeats));

            for (size_t i = 0; i < oldAlone.size(); ++i)
            {
                EXPECT_EQ (beats[i].position, oldAlone[i].position) << i;
                EXPECT_EQ (beats[i].periodMs, oldAlone[i].periodMs) << i;
                EXPECT_EQ (beats[i].flag, oldAlone[i].flag) << i;
            }

            for (int32_t j = 1; j <= newBeats; ++j)
            {
                const BeatRecord& b = beats[oldAlone.size() + static_cast<size_t> (j) - 1];
                EXPECT_EQ (b.position, first + j * newBeat) << j;
                EXPECT_FLOAT_EQ (b.periodMs, 468.75f) << j;
            }
        }
    }
}

// With a lead longer than the measuring span (a negative tail), a section's end cuts the lead short:
// when the span moves on a bar, fewer than lead + 1 beats exist, so the next measurement reaches back
// to the section's anchor. Here the section starts one beat in, and its last onset, the one that
// crosses the end, comes 1000 frames late.
TEST (BeatPlacement, ShortLeadMeasuresFromTheSectionAnchor)
{
    std::vector<BeatRecord> candidates = grid (beat, beat, 8);
    candidates.push_back (at (9 * beat + 1000));
    BeatGridBuilder builder (rate, 8 * beat + beat / 2, 4, 9, -9);
    const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (beat, 500.0f) });

    // One beat filled back, the anchor and seven lead beats before the end.
    EXPECT_EQ (builder.getAnchor(), beat);
    ASSERT_EQ (beats.size(), 9u);
    for (size_t i = 0; i < beats.size(); ++i)
        EXPECT_EQ (beats[i].position, static_cast<int32_t> (i) * beat) << i;
    for (size_t i = 0; i + 1 < beats.size(); ++i)
        EXPECT_FLOAT_EQ (beats[i].periodMs, 500.0f) << i;

    // The second measurement: four beats' span from the anchor to the late onset.
    const double fromAnchor = (9.0 * beat + 1000.0 - beat) / 4.0;
    EXPECT_NEAR (beats.back().periodMs, fromAnchor / 48.0, 1.0e-3);
}

// A grid span of 2^30 beats (lead 2^29) never completes a measurement: the section is measured once
// at its end and its beats are emitted without walking the lead count.
TEST (BeatPlacement, HugeGridSpan)
{
    const std::vector<BeatRecord> candidates = grid (0, beat, 100);
    BeatGridBuilder builder (rate, 100 * beat, 4, 1 << 29, (1 << 29) - 4);
    const std::vector<BeatRecord> beats = builder.placeBeats (candidates, { section (0, 500.0f) });
    EXPECT_EQ (beats.size(), 100u);
    EXPECT_TRUE (strictlyAscending (beats));
}

// Clicks every 500 ms from 0.3 s: the coarsest grid (16 quarters) starting at the first click.
TEST (GridFitting, PhaseAndStep)
{
    const std::vector<BeatRecord> candidates = grid (14400, beat, 60);
    std::vector<BeatRecord> sections { section (14400, 500.0f) };
    BeatGridBuilder (rate, 62 * beat, 4, 0, 0).fitGrids (candidates, sections);
    EXPECT_NEAR (sections[0].position, 14400, 96);
    EXPECT_FLOAT_EQ (sections[0].periodMs, 500.0f);
    EXPECT_EQ (sections[0].stamp, 16);
    EXPECT_EQ (sections[0].band, 0);
}

// The early acceptance after a pass is tested before the doubling: onsets every 8 beats of a 501 ms
// grid catch too little of a 500 ms grid to stop the search at once, so the 501 ms trial wins.
TEST (GridFitting, EarlyAcceptanceBeforeDoubling)
{
    const std::vector<BeatRecord> candidates = grid (0, 8 * 501 * 48, 21);
    std::vector<BeatRecord> sections { section (0, 500.0f) };
    BeatGridBuilder (rate, 21 * 8 * 501 * 48, 4, 0, 0).fitGrids (candidates, sections);
    EXPECT_FLOAT_EQ (sections[0].periodMs, 501.0f);
    EXPECT_EQ (sections[0].stamp, 16);
}

// A section with no candidate near any grid keeps its place and period, and whatever its fields held
// before (a collector stamp, a band index) is no grid step or skip count.
TEST (GridFitting, UnfittedSectionGetsPlainStep)
{
    std::vector<BeatRecord> sections { section (1000, 600.0f, (7 << 8) | 5, 3) };
    BeatGridBuilder (rate, 60 * beat, 4, 0, 0).fitGrids ({}, sections);
    EXPECT_EQ (sections[0].position, 1000);
    EXPECT_FLOAT_EQ (sections[0].periodMs, 600.0f);
    EXPECT_EQ (sections[0].stamp, 4);
    EXPECT_EQ (sections[0].band, 0);
}
