#include "BandBank.h"

#include <gtest/gtest.h>

namespace
{
struct VoteTest : public testing::Test
{
    void SetUp() override { ASSERT_TRUE (bank.build (44100, 8, 6)); }

    // Marks a band as having tracked an onset at this step.
    void track (int32_t band, float periodMs, float score)
    {
        OnsetTracker& t = bank.tracker (band);
        t.valid = true;
        t.intervalMs = periodMs;
        t.score = score;
    }

    void clearValid()
    {
        for (int32_t i = 0; i < 6; ++i)
            bank.tracker (i).valid = false;
    }

    BandBank bank;
};
} // namespace

TEST_F (VoteTest, OneBandAloneNeedsThreeVotes)
{
    // A score of 3 weighs 4 / (3 + 1) = 1 vote.
    track (2, 500.0f, 3.0f);
    EXPECT_EQ (bank.voteTempo(), nullptr);
    EXPECT_EQ (bank.histogram().bins[120], 1);
    EXPECT_EQ (bank.histogram().minBin, 120);
    EXPECT_EQ (bank.histogram().maxBin, 120);

    track (2, 500.0f, 3.0f);
    EXPECT_EQ (bank.voteTempo(), nullptr);
    track (2, 500.0f, 3.0f);
    EXPECT_EQ (bank.voteTempo(), &bank.tracker (2));
    EXPECT_EQ (bank.histogram().bins[120], 3);
    EXPECT_TRUE (bank.tracker (2).valid);

    // A large score still weighs one vote; a perfect one weighs four.
    track (0, 600.0f, 1000.0f);
    bank.voteTempo();
    EXPECT_EQ (bank.histogram().bins[100], 1);
    clearValid();
    track (0, 600.0f, 0.0f);
    bank.voteTempo();
    EXPECT_EQ (bank.histogram().bins[100], 5);
}

TEST_F (VoteTest, TiesGoToTheLowerBandAndDisagreeingBandsDrop)
{
    track (3, 500.0f, 0.5f);
    track (1, 500.0f, 0.5f);
    track (4, 1000.0f, 0.5f); // double the period: agrees
    track (5, 700.0f, 0.5f);  // no multiple of 500 within tolerance
    EXPECT_EQ (bank.voteTempo(), &bank.tracker (1));
    EXPECT_TRUE (bank.tracker (1).valid);
    EXPECT_TRUE (bank.tracker (3).valid);
    EXPECT_TRUE (bank.tracker (4).valid);
    EXPECT_FALSE (bank.tracker (5).valid);
    EXPECT_EQ (bank.histogram().peak(), 120);
}

TEST_F (VoteTest, PruningNeedsThreeVotesInTheBestBandsBin)
{
    TempoHistogram& h = bank.histogram();
    // An old peak at 90 BPM (667 ms) disagrees with the best band's 500 ms.
    h.bins[90] = 10;
    h.bins[60] = 2;  // 1000 ms: agrees with 500 ms at double the period
    h.minBin = 60;
    h.maxBin = 90;

    // With only two votes in its own bin, the best band cannot prune: no winner, counts kept.
    track (0, 500.0f, 1.0f);
    EXPECT_EQ (bank.voteTempo(), nullptr);
    EXPECT_EQ (h.bins[90], 10);
    EXPECT_EQ (h.bins[120], 2);

    // With three or more it prunes every disagreeing count, and wins.
    clearValid();
    track (0, 500.0f, 1.0f);
    EXPECT_EQ (bank.voteTempo(), &bank.tracker (0));
    EXPECT_EQ (h.bins[90], 0);
    EXPECT_EQ (h.bins[60], 2);
    EXPECT_EQ (h.bins[120], 4);
    EXPECT_EQ (h.minBin, 60);
    EXPECT_EQ (h.maxBin, 120);
    EXPECT_EQ (h.peak(), 120);
}

TEST_F (VoteTest, NoValidBandNoWinner)
{
    EXPECT_EQ (bank.voteTempo(), nullptr);
    EXPECT_EQ (bank.histogram().peak(), -1);
    EXPECT_EQ (bank.histogram().minBin, 200);
    EXPECT_EQ (bank.histogram().maxBin, 40);
}
