// The undo history when memory runs out: the global allocator is replaced so that allocations can
// be made to fail on demand. A process of its own, since the replacement is global.
#include "core/SettingsHistory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<bool> failLargeAllocations { false };
std::atomic<int> failuresLeft { 0 };

void* allocate (std::size_t size)
{
    // Only the large blocks of the history fail: a slot block is about 200 KB.
    if (failLargeAllocations && size > 100000 && failuresLeft.load() != 0)
    {
        if (failuresLeft > 0)
            --failuresLeft;
        throw std::bad_alloc();
    }

    if (auto* p = std::malloc (size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

std::unique_ptr<DeviceSettings> documentWithSlot (int marker)
{
    auto d = createDeviceSettings();
    resetDeviceSettings (*d, false);
    d->isolate[IsolateEffect::isolator][1] = marker;
    samplerSlot (*d, 0).gainIndex = marker;    // every state has slots of its own
    return d;
}

int markerOf (const SettingsHistory& history, int index)
{
    auto d = createDeviceSettings();
    return history.restoreEntry (index, *d) ? d->isolate[IsolateEffect::isolator][1] : -1;
}

struct FailureScope
{
    explicit FailureScope (int count) { failuresLeft = count; failLargeAllocations = true; }
    ~FailureScope() { failLargeAllocations = false; }
};
} // namespace

void* operator new (std::size_t size)       { return allocate (size); }
void* operator new[] (std::size_t size)     { return allocate (size); }
void operator delete (void* p) noexcept     { std::free (p); }
void operator delete[] (void* p) noexcept   { std::free (p); }
void operator delete (void* p, std::size_t) noexcept   { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept { std::free (p); }

TEST (SettingsHistoryOutOfMemory, OldestEntriesGiveWayAndNothingThrows)
{
    SettingsHistory history;
    std::vector<std::unique_ptr<DeviceSettings>> states;
    for (int i = 0; i < 9; ++i)
        states.push_back (documentWithSlot (i));

    for (int i = 1; i < 9; ++i)
        history.pushSettingsSnapshot (states[(size_t) i - 1].get(), states[(size_t) i].get());
    ASSERT_EQ (history.getNumEntries(), 9);

    auto next = documentWithSlot (9);
    {
        // One failure: half of the history goes, the new step is recorded whole.
        FailureScope scope (1);
        EXPECT_NO_THROW (history.pushSettingsSnapshot (states[8].get(), next.get()));
    }

    const int n = history.getNumEntries();
    EXPECT_LT (n, 9);
    EXPECT_EQ (history.getPosition(), n - 1);
    EXPECT_EQ (markerOf (history, n - 1), 9);
    EXPECT_EQ (markerOf (history, n - 2), 8);
    EXPECT_TRUE (history.canUndo());

    auto last = documentWithSlot (10);
    {
        // Nothing can be had at all: the history empties, the call still returns.
        FailureScope scope (-1);
        EXPECT_NO_THROW (EXPECT_TRUE (history.pushSettingsSnapshot (states[8].get(), last.get())));
    }
    EXPECT_EQ (history.getNumEntries(), 0);
    EXPECT_FALSE (history.canUndo());
    EXPECT_FALSE (history.canRedo());
}
