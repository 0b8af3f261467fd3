// Makes the n-th allocation from now fail, for every n in turn, and checks that each failure is
// reported and leaves nothing behind (run the suite under AddressSanitizer to see the leaks).
#include "BandBank.h"
#include "IirState.h"
#include "SyntheticAudio.h"
#include "TrackAnalysis.h"
#include "VectorOps.h"
#include "pulsek.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace
{
long allocationsBeforeFailure = -1; // -1: never fail
long failuresInjected = 0;

bool failThisAllocation()
{
    if (allocationsBeforeFailure < 0)
        return false;

    if (allocationsBeforeFailure == 0)
    {
        ++failuresInjected;
        return true;
    }

    --allocationsBeforeFailure;
    return false;
}

void* allocate (std::size_t n)
{
    return failThisAllocation() ? nullptr : std::malloc (n == 0 ? 1 : n);
}

// Fails allocation number `n` (counting from 0) made while it lives.
struct FailingAllocation
{
    explicit FailingAllocation (long n)
    {
        failuresInjected = 0;
        allocationsBeforeFailure = n;
    }

    ~FailingAllocation() { allocationsBeforeFailure = -1; }

    bool failed() const { return failuresInjected > 0; }
};
} // namespace

void* operator new (std::size_t n)
{
    if (void* p = allocate (n))
        return p;
    throw std::bad_alloc();
}

void* operator new[] (std::size_t n)
{
    if (void* p = allocate (n))
        return p;
    throw std::bad_alloc();
}

void* operator new (std::size_t n, const std::nothrow_t&) noexcept { return allocate (n); }
void* operator new[] (std::size_t n, const std::nothrow_t&) noexcept { return allocate (n); }
void operator delete (void* p) noexcept { std::free (p); }
void operator delete[] (void* p) noexcept { std::free (p); }
void operator delete (void* p, std::size_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept { std::free (p); }
void operator delete (void* p, const std::nothrow_t&) noexcept { std::free (p); }
void operator delete[] (void* p, const std::nothrow_t&) noexcept { std::free (p); }

//==============================================================================
TEST (AllocationFailure, AlignedBlocksAndIirStates)
{
    {
        FailingAllocation failing (0);
        EXPECT_EQ (alignedAllocFloat (16), nullptr);
        EXPECT_TRUE (failing.failed());
    }

    const float taps[6] { 1.0f, 0.5f, 0.25f, 1.0f, 0.1f, 0.1f };
    IirState* out = nullptr;
    {
        FailingAllocation failing (0);
        EXPECT_EQ (iirStateCreateBiquad (&out, taps, 1, nullptr), dspStatusNoMemory);
    }
    EXPECT_EQ (out, nullptr);
}

TEST (AllocationFailure, BankBuildFailsCleanlyAtEveryAllocation)
{
    long failurePoints = 0;

    for (long n = 0; n < 1000; ++n)
    {
        BandBank bank;
        bool built = false;
        bool injected = false;
        {
            FailingAllocation failing (n);
            built = bank.build (44100, 8, 6);
            injected = failing.failed();
        }

        if (! injected)
        {
            EXPECT_TRUE (built);
            break;
        }

        ++failurePoints;
        EXPECT_FALSE (built) << "allocation " << n;
        EXPECT_EQ (bank.getBandCount(), 0) << "allocation " << n;

        // The same bank builds once memory is there again.
        ASSERT_TRUE (bank.build (48000, 8, 6));
        EXPECT_EQ (bank.channel (5).envelope.windowLength, 10);
    }

    // Arrays, rings, buffers, filter states and windows: every one of them was made to fail once.
    EXPECT_GE (failurePoints, 25);
}

TEST (AllocationFailure, CreatorReturnsNullAtEveryAllocation)
{
    long failurePoints = 0;

    for (long n = 0; n < 1000; ++n)
    {
        void* handle = nullptr;
        bool injected = false;
        {
            FailingAllocation failing (n);
            handle = BA_Create44k (44100, 8);
            injected = failing.failed();
        }

        if (! injected)
        {
            ASSERT_NE (handle, nullptr);
            BA_Release (handle);
            break;
        }

        ++failurePoints;
        EXPECT_EQ (handle, nullptr) << "allocation " << n;
    }

    EXPECT_GE (failurePoints, 25);
}

namespace
{
SyntheticAudio clickTrack()
{
    SyntheticAudio audio (44100);
    audio.addClicks (0.5, 120.0, 40);
    audio.extendTo (21.0);
    return audio;
}
} // namespace

// Memory running out while candidates are gathered: nothing escapes the call, and the track counts
// as analysed with tempo 0 and no beats; later calls are ignored.
TEST (AllocationFailure, FailureWhileFeedingFinishesTheTrackEmpty)
{
    SyntheticAudio audio = clickTrack();
    std::vector<float> left = audio.getLeft(), right = audio.getRight();
    const int32_t total = audio.frameCount();
    void* handle = BA_Create44k (total, 4);
    ASSERT_NE (handle, nullptr);
    {
        FailingAllocation failing (0);
        BA_SetSample (handle, left.data(), right.data(), total / 2);
        EXPECT_TRUE (failing.failed());
    }

    EXPECT_TRUE (BA_Analyzed (handle));
    EXPECT_EQ (BA_GetBpm (handle), 0);
    EXPECT_EQ (BA_GetBeatNum (handle), 0);
    const int32_t fed = static_cast<TrackAnalysis*> (handle)->getFedFrames();
    BA_SetSample (handle, left.data(), right.data(), total);
    EXPECT_EQ (static_cast<TrackAnalysis*> (handle)->getFedFrames(), fed);
    BA_Release (handle);
}

// The same when the failure hits the analysis run by the last frame.
TEST (AllocationFailure, FailureInTheFinalAnalysis)
{
    SyntheticAudio audio = clickTrack();
    std::vector<float> left = audio.getLeft(), right = audio.getRight();
    const int32_t total = audio.frameCount();
    void* handle = BA_Create44k (total, 4);
    ASSERT_NE (handle, nullptr);
    BA_SetSample (handle, left.data(), right.data(), total - 1);
    ASSERT_FALSE (BA_Analyzed (handle));
    ASSERT_FALSE (static_cast<TrackAnalysis*> (handle)->getCollector().getCandidates().empty());
    {
        FailingAllocation failing (0);
        BA_SetSample (handle, left.data() + total - 1, right.data() + total - 1, 1);
        EXPECT_TRUE (failing.failed());
    }

    EXPECT_TRUE (BA_Analyzed (handle));
    EXPECT_EQ (BA_GetBpm (handle), 0);
    EXPECT_EQ (BA_GetBeatNum (handle), 0);
    BA_Release (handle);
}
