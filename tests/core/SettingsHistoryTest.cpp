#include "core/SettingsHistory.h"

#include <gtest/gtest.h>
#include <cstring>

namespace
{
std::unique_ptr<DeviceSettings> document (int marker)
{
    auto d = createDeviceSettings();
    resetDeviceSettings (*d, false);
    d->isolate[IsolateEffect::isolator][1] = marker;
    return d;
}

bool equal (const DeviceSettings& a, const DeviceSettings& b)
{
    return std::memcmp (&a, &b, sizeof (DeviceSettings)) == 0;
}

int markerOf (const SettingsHistory& history, int index)
{
    auto d = createDeviceSettings();
    return history.restoreEntry (index, *d) ? d->isolate[IsolateEffect::isolator][1] : -1;
}
} // namespace

TEST (SettingsHistory, PushKeepsBeforeAndAfterAndCutsTheRedoBranch)
{
    SettingsHistory history;
    auto a = document (0), b = document (1), c = document (2), x = document (3);

    EXPECT_FALSE (history.pushSettingsSnapshot (nullptr, b.get()));
    EXPECT_EQ (history.getNumEntries(), 0);
    EXPECT_FALSE (history.canUndo());

    ASSERT_TRUE (history.pushSettingsSnapshot (a.get(), b.get()));
    EXPECT_EQ (history.getNumEntries(), 2);
    EXPECT_EQ (history.getPosition(), 1);

    // The stale "after" of the previous push is replaced: one net entry per push.
    history.pushSettingsSnapshot (b.get(), c.get());
    EXPECT_EQ (history.getNumEntries(), 3);
    EXPECT_EQ (history.getPosition(), 2);
    EXPECT_EQ (markerOf (history, 0), 0);
    EXPECT_EQ (markerOf (history, 1), 1);
    EXPECT_EQ (markerOf (history, 2), 2);

    // Back one step, then a different edit: the redo branch is gone.
    history.setPosition (1);
    EXPECT_TRUE (history.canRedo());
    history.pushSettingsSnapshot (b.get(), x.get());
    EXPECT_FALSE (history.canRedo());
    EXPECT_EQ (history.getNumEntries(), 3);
    EXPECT_EQ (markerOf (history, 2), 3);
    EXPECT_EQ (markerOf (history, 3), -1);

    history.clear();
    EXPECT_EQ (history.getNumEntries(), 0);
    EXPECT_EQ (history.getPosition(), 0);
}

TEST (SettingsHistory, EntriesReadBackAsWholeDocumentsWhileSlotsAreShared)
{
    SettingsHistory history;
    juce::Random random (7);

    std::vector<std::unique_ptr<DeviceSettings>> states;
    states.push_back (document (0));
    setSlotPath (samplerSlot (*states[0], 3), "/a.wav");

    for (int i = 1; i < 40; ++i)
    {
        states.push_back (std::make_unique<DeviceSettings> (*states.back()));
        auto& s = *states.back();
        if (i % 10 == 0)
            samplerSlot (s, random.nextInt (20)).gainIndex = random.nextInt (256);
        else if (i % 7 == 0)
            s.xpad[XPadEffect::roll].slots[random.nextInt (20)].start = i;      // a slot array nobody uses
        else
            s.scene[random.nextInt (10)][random.nextInt (13)] = i;
        history.pushSettingsSnapshot (states[(size_t) i - 1].get(), states[(size_t) i].get());
    }

    ASSERT_EQ (history.getNumEntries(), 40);
    auto restored = createDeviceSettings();
    for (int i = 0; i < 40; ++i)
    {
        ASSERT_TRUE (history.restoreEntry (i, *restored));
        EXPECT_TRUE (equal (*restored, *states[(size_t) i])) << i;
    }

    // Only the states whose slots changed paid for a slot block of their own.
    size_t blocks = 1;
    for (size_t i = 1; i < states.size(); ++i)
        for (int r = 0; r < 5; ++r)
            if (std::memcmp (states[i]->xpad[r].slots, states[i - 1]->xpad[r].slots, sizeof (states[i]->xpad[r].slots)) != 0)
            {
                ++blocks;
                break;
            }

    const size_t slotBlock = sizeof (DeviceSettings) - 768 - 5 * 21 * 4;
    EXPECT_GE (blocks, 7u);
    EXPECT_GE (history.getMemoryUsage(), blocks * slotBlock);
    EXPECT_LT (history.getMemoryUsage(), blocks * slotBlock + 40 * 2048);
}
