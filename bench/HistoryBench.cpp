// 10,000 commits of one parameter value each, on a document whose 16 slots are in use: the memory
// the undo history then holds and the median time of one commit; then commits with Sync on and a
// connected (simulated) unit, whose time includes building and sending the difference. Prints
// "name: value" lines.
#include "bench/BenchTiming.h"
#include "core/DocumentKeys.h"
#include "core/EditController.h"
#include "core/MidiThread.h"
#include "LinkTestHost.h"
#include "QuietEditHost.h"
#include "SimulatedUnit.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cstdio>
#include <vector>

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;

    auto current = createDeviceSettings();
    resetDeviceSettings (*current, false);
    for (int i = 0; i < numUnitSlots; ++i)
        setSlotPath (samplerSlot (*current, i), "/home/dj/Samples/slot-" + juce::String (i) + ".wav");
    auto lastSent = std::make_unique<DeviceSettings> (*current);

    QuietEditHost host;
    host.syncOn = true;
    EditController controller (*current, *lastSent, host);

    // Every value the document format carries, so that each change is an edit.
    std::vector<int32_t*> values;
    for (int c = 0; c < DocumentKeys::numCategories; ++c)
    {
        const auto& category = DocumentKeys::categories()[c];
        for (int e = 0; e < category.numEffects; ++e)
            for (int k = 0; k < category.effects[e].numKeys; ++k)
                values.push_back (&DocumentKeys::value (*current, category.category, category.effects[e].effectIndex,
                                                        category.effects[e].keys[k].valueIndex));
    }

    int recorded = 0;

    // Flips one value per commit, cycling through them; the commit times in milliseconds, sorted.
    const auto timeCommits = [&] (int count)
    {
        std::vector<double> times;
        times.reserve ((size_t) count);

        for (int i = 0; i < count; ++i)
        {
            auto& value = *values[(size_t) i % values.size()];
            value = value == 0 ? 1 : 0;

            times.push_back (bench::timeMs ([&] { recorded += controller.commitSettingsChange() ? 1 : 0; }));
        }

        std::sort (times.begin(), times.end());
        return times;
    };

    constexpr int commits = 10000;
    const auto times = timeCommits (commits);
    std::printf ("history_mb_10000: %.2f\n", (double) controller.getHistory().getMemoryUsage() / (1024.0 * 1024.0));
    std::printf ("commit_one_value_ms: %.4f\n", times[times.size() / 2]);
    std::printf ("commit_one_value_p99_ms: %.4f\n", times[times.size() * 99 / 100]);
    std::printf ("history_entries: %d\n", controller.getHistory().getNumEntries());

    SimulatedUnit unit;
    LinkTestHost linkHost;
    MidiThread link (linkHost, BodyColor::black, unit, MidiLinkTimings { 200, 100, 5 });
    if (! link.isConnected())
        return 1;

    controller.setLink (&link);
    constexpr int syncedCommits = 1000;
    const auto syncedTimes = timeCommits (syncedCommits);

    // Every change must have reached the unit, or the figure timed something else.
    const bool allArrived = pumpUntil ([&] { return unit.getSettingsReceivedCount() >= syncedCommits; }, 10000);
    controller.setLink (nullptr);

    std::printf ("commit_synced_one_value_ms: %.4f\n", syncedTimes[syncedTimes.size() / 2]);
    std::printf ("commit_synced_one_value_p99_ms: %.4f\n", syncedTimes[syncedTimes.size() * 99 / 100]);
    return recorded == commits + syncedCommits && allArrived ? 0 : 1;
}
